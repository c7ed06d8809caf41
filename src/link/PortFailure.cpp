#include "link/PortFailure.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

PortFailure ClassifyPortFailure(const PortFailureFacts& facts) {
    if (facts.whileOpen)
        return facts.deviceExists ? PortFailure::LineError : PortFailure::Vanished;
    if (facts.notFound || !facts.deviceExists)
        return PortFailure::NoDevice;
    if (facts.permissionError)
        return facts.deviceAccessible ? PortFailure::Busy : PortFailure::NoPermission;
    return PortFailure::Other;
}

QString DescribePortFailure(PortFailure failure, const QString& device, const QString& systemText) {
    switch (failure) {
    case PortFailure::NoDevice:
        return QCoreApplication::translate(
                   "PortFailure", "no such device %1 (cable unplugged, or the wrong COM port?)")
            .arg(device);
    case PortFailure::NoPermission:
#ifdef Q_OS_LINUX
        return QCoreApplication::translate("PortFailure",
                                           "permission denied on %1: add your user to the "
                                           "dialout group (sudo adduser $USER dialout) and log "
                                           "in again")
            .arg(device);
#else
        return QCoreApplication::translate("PortFailure", "permission denied on %1").arg(device);
#endif
    case PortFailure::Busy:
        return QCoreApplication::translate(
                   "PortFailure",
                   "%1 is busy: another program is using it (an open mtz4clone window "
                   "keeps its port until it closes or COM Port Setup's OK is pressed)")
            .arg(device);
    case PortFailure::Vanished:
        return QCoreApplication::translate("PortFailure",
                                           "%1 vanished during the transfer (cable unplugged?)")
            .arg(device);
    case PortFailure::LineError:
        return QCoreApplication::translate("PortFailure", "reading or writing %1 failed (%2)")
            .arg(device, systemText);
    case PortFailure::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(device, systemText);
}

} // namespace mtz4
