// mtz4ctl ports: the COM port numbers and the devices behind them, then the
// serial ports of this system.
#include "cli/Subcommands.h"
#include "cli/TerminalText.h"
#include "link/PortDevice.h"

#include <QByteArray>
#include <algorithm>
#include <cstdio>

namespace mtz4::cli {

QStringList serialPortLines(const QList<SerialPortEntry>& found) {
    const QList<SerialPortEntry> ports = PortsToOffer(found, {});
    if (ports.isEmpty())
        // Output that scripts read: the same in every language.
        return {QStringLiteral("no serial port found on this system")};
    // The details line up after the devices; the long stable names are not
    // padded to.
    qsizetype width = 0;
    for (const SerialPortEntry& port : ports)
        if (port.aliasOf.isEmpty())
            width = std::max(width, port.device.size());
    // Scripts read these lines by their first column, the device: it stays
    // first, with no label before it.
    QStringList lines;
    for (const SerialPortEntry& port : ports)
        lines << (port.device.leftJustified(width) + QStringLiteral("  ") + PortDetails(port))
                     .trimmed();
    return lines;
}

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
        std::printf("%s\n", TerminalText(line).constData());
    }
    std::printf("\n");
    // The system's descriptions of its devices are printed with their
    // control characters escaped.
    for (const QString& line : serialPortLines(SystemSerialPorts()))
        std::printf("%s\n", TerminalText(line).constData());
    return ExitSuccess;
}

} // namespace mtz4::cli
