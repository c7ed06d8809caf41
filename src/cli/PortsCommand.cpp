// mtz4ctl ports: the COM port numbers and the devices behind them.
#include "cli/Subcommands.h"
#include "link/PortDevice.h"

#include <QByteArray>
#include <cstdio>

namespace mtz4::cli {

int runPorts() {
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n) {
        const QString device = devicePathForPort(n);
        const bool overridden = !qEnvironmentVariable(portOverrideVariable(n).toLatin1()).isEmpty();
        QString line = QStringLiteral("COM %1  %2  %3")
                           .arg(n, 2)
                           .arg(device, -16)
                           .arg(portDeviceExists(device) ? QStringLiteral("present")
                                                         : QStringLiteral("absent"));
        if (overridden)
            line += QStringLiteral("  (from %1)").arg(portOverrideVariable(n));
        std::printf("%s\n", line.toLocal8Bit().constData());
    }
    return ExitSuccess;
}

} // namespace mtz4::cli
