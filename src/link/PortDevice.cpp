#include "link/PortDevice.h"

#include <QFileInfo>
#include <QtGlobal>
#ifdef Q_OS_WIN
#include <QSerialPortInfo>
#endif

namespace mtz4 {

bool isValidPortNumber(int number) {
    return number >= FirstPortNumber && number <= LastPortNumber;
}

QString portOverrideVariable(int number) {
    return QStringLiteral("MTZ4_COM%1").arg(number);
}

QString devicePathForPort(int number) {
    if (!isValidPortNumber(number))
        return {};
    const QString overridden = qEnvironmentVariable(portOverrideVariable(number).toLatin1());
    if (!overridden.isEmpty())
        return overridden;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QString usb = QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
    if (QFileInfo::exists(usb))
        return usb;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString deviceLocation(const QString& nameOrPath) {
#ifdef Q_OS_WIN
    return nameOrPath;
#else
    if (nameOrPath.isEmpty() || nameOrPath.contains(QLatin1Char('/')) ||
        QFileInfo::exists(nameOrPath))
        return nameOrPath;
    return QStringLiteral("/dev/") + nameOrPath;
#endif
}

bool portDeviceExists(const QString& path) {
    if (path.isEmpty())
        return false;
#ifdef Q_OS_WIN
    if (!path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\'))) {
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            if (info.portName().compare(path, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
#endif
    return QFileInfo::exists(path);
}

} // namespace mtz4
