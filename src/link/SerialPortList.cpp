#include "link/SerialPortList.h"

#include "link/PortDevice.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>
#include <algorithm>

namespace mtz4 {

namespace {

SerialPortEntry entryOf(const QSerialPortInfo& info) {
    SerialPortEntry port;
#ifdef Q_OS_WIN
    port.device = info.portName();
#else
    port.device = info.systemLocation();
#endif
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    port.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier())
        port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        port.productId = info.productIdentifier();
    return port;
}

// Texts that differ only in their numbers compare by those numbers' values,
// so that ttyS2 comes before ttyS10.
bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const qulonglong x = a.mid(i, ei - i).toULongLong();
            const qulonglong y = b.mid(j, ej - j).toULongLong();
            if (x != y)
                return x < y;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

QString shortName(const QString& device) {
    return QFileInfo(device).fileName();
}

} // namespace

QList<SerialPortEntry> SystemSerialPorts() {
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_MACOS
        // Each port is there twice; cu.* is the one that opens without a
        // carrier.
        if (!info.portName().startsWith(QLatin1String("cu.")))
            continue;
#endif
        ports << entryOf(info);
    }
#ifdef Q_OS_LINUX
    // The stable names of USB adapters, which stay the same whatever the
    // order in which they were plugged in.
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        const QString target = link.canonicalFilePath();
        const auto device = std::find_if(ports.cbegin(), ports.cend(), [&](const auto& p) {
            return p.aliasOf.isEmpty() && p.device == target;
        });
        SerialPortEntry alias = device != ports.cend() ? *device : SerialPortEntry{};
        alias.device = link.absoluteFilePath();
        alias.aliasOf = target;
        ports << alias;
    }
#endif
    return ports;
}

QString UsbId(const SerialPortEntry& port) {
    if (port.vendorId < 0 || port.productId < 0)
        return {};
    return QStringLiteral("%1:%2")
        .arg(port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(port.productId, 4, 16, QLatin1Char('0'));
}

QString PortDetails(const SerialPortEntry& port) {
    QStringList parts;
    for (const QString& text : {port.description, port.manufacturer})
        if (!text.isEmpty() && !parts.contains(text))
            parts << text;
    if (!UsbId(port).isEmpty())
        parts << QStringLiteral("USB ") + UsbId(port);
    if (!port.serialNumber.isEmpty())
        parts << QCoreApplication::translate("SerialPortList", "serial %1").arg(port.serialNumber);
    QString details = parts.join(QStringLiteral(", "));
    if (!port.aliasOf.isEmpty())
        details = shortName(port.aliasOf) + (details.isEmpty() ? QString() : QStringLiteral(": ")) +
                  details;
    return details;
}

QList<SerialPortEntry> PortsToOffer(QList<SerialPortEntry> found, const QString& chosen) {
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.aliasOf.isEmpty() != b.aliasOf.isEmpty())
            return a.aliasOf.isEmpty();
        return naturalLess(a.device, b.device);
    });
    if (chosen.isEmpty())
        return found;
    const QString location = deviceLocation(chosen);
    const bool listed = std::any_of(found.cbegin(), found.cend(), [&](const auto& p) {
        return p.device == chosen || p.device == location;
    });
    if (!listed) {
        SerialPortEntry remembered;
        remembered.device = chosen;
        remembered.present = portDeviceExists(location);
        found << remembered;
    }
    return found;
}

} // namespace mtz4
