#include "app/TransferStatus.h"

#include <QCoreApplication>
#include <cmath>

namespace mtz4 {

namespace {

QString Seconds(qint64 ms) {
    return QCoreApplication::translate("TransferStatus", "%1 s")
        .arg(QString::number(double(ms) / 1000.0, 'f', 1));
}

} // namespace

void TransferStatus::begin(const QString& name, bool reading, const QString& port) {
    name_ = name;
    port_ = port;
    reading_ = reading;
    firstDone_ = -1;
    command_.start();
}

QString TransferStatus::onPort() const {
    return port_.isEmpty() ? QString()
                           : QCoreApplication::translate("TransferStatus", " on %1").arg(port_);
}

QString TransferStatus::started() const {
    return (reading_
                ? QCoreApplication::translate("TransferStatus",
                                              "%1: reading from the receiver%2...")
                : QCoreApplication::translate("TransferStatus", "%1: writing to the receiver%2..."))
        .arg(name_, onPort());
}

QString TransferStatus::progress(int done, int total) {
    QString text =
        (reading_
             ? QCoreApplication::translate("TransferStatus", "Reading memory entries: %1 of %2%3")
             : QCoreApplication::translate("TransferStatus", "Writing memory entries: %1 of %2%3"))
            .arg(done)
            .arg(total)
            .arg(onPort());
    if (firstDone_ < 0 || done < firstDone_) {
        firstDone_ = done;
        entries_.start();
        return text;
    }
    const int doneSince = done - firstDone_;
    if (doneSince > 0) {
        const double perEntry = double(entries_.elapsed()) / doneSince;
        const qint64 left = std::llround(perEntry * (total - done) / 1000.0);
        text += QCoreApplication::translate("TransferStatus", ", about %1 s left").arg(left);
    }
    return text;
}

QString TransferStatus::end(bool succeeded, bool cancelled, const QStringList& messages,
                            const QString& portProblem) const {
    const QString took = Seconds(command_.elapsed());
    if (cancelled)
        return QCoreApplication::translate("TransferStatus",
                                           "%1: cancelled after %2; what was read before stays")
            .arg(name_, took);
    if (succeeded)
        return QCoreApplication::translate("TransferStatus", "%1: done in %2%3")
            .arg(name_, took, onPort());
    QStringList failures;
    for (const QString& message : messages) {
        if (!failures.contains(message))
            failures << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    }
    const QString shown = failures.join(QCoreApplication::translate("TransferStatus", ", "));
    // What was wrong with the port comes first: the panel may cut the end.
    if (!portProblem.isEmpty())
        return QCoreApplication::translate("TransferStatus", "%1: %2 (%3, after %4%5)")
            .arg(name_, portProblem, shown, took, onPort());
    return QCoreApplication::translate("TransferStatus", "%1: ended after %2%4 (%3)")
        .arg(name_, took, shown, onPort());
}

} // namespace mtz4
