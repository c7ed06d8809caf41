#include "link/CableWatch.h"

#include "link/PortFailure.h"

#include <QFileInfo>

namespace mtz4 {

std::optional<SerialPortEntry> CableWatch::poll() {
    const QList<SerialPortEntry> ports = lister_();
    QSet<QString> now;
    for (const SerialPortEntry& port : ports)
        now.insert(port.device);
    if (!looked_) {
        looked_ = true;
        known_ = now;
        return std::nullopt;
    }
    // An unplugged cable is forgotten, so that plugging it in again counts.
    known_.intersect(now);
    std::optional<SerialPortEntry> found;
    for (const SerialPortEntry& port : ports) {
        if (known_.contains(port.device))
            continue;
        if (!found || (!port.aliasOf.isEmpty() && found->aliasOf.isEmpty()))
            found = port;
    }
    return found;
}

QString CablePermissionProblem(const QString& device) {
#ifdef Q_OS_LINUX
    const QFileInfo info(device);
    if (info.exists() && (!info.isReadable() || !info.isWritable()))
        return DescribePortFailure(PortFailure::NoPermission, device, {});
#else
    (void)device;
#endif
    return {};
}

} // namespace mtz4
