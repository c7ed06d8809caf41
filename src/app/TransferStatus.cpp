#include "app/TransferStatus.h"

#include <cmath>

namespace mtz4 {

namespace {

QString Seconds(qint64 ms) {
    return QString::number(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
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
    return port_.isEmpty() ? QString() : QStringLiteral(" on ") + port_;
}

QString TransferStatus::started() const {
    return name_ +
           (reading_ ? QStringLiteral(": reading from the receiver")
                     : QStringLiteral(": writing to the receiver")) +
           onPort() + QStringLiteral("...");
}

QString TransferStatus::progress(int done, int total) {
    QString text = (reading_ ? QStringLiteral("Reading memory entries: %1 of %2%3")
                             : QStringLiteral("Writing memory entries: %1 of %2%3"))
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
        text += QStringLiteral(", about %1 s left").arg(left);
    }
    return text;
}

QString TransferStatus::end(bool succeeded, bool cancelled, const QStringList& messages,
                            const QString& portProblem) const {
    const QString took = Seconds(command_.elapsed());
    if (cancelled)
        return QStringLiteral("%1: cancelled after %2; what was read before stays")
            .arg(name_, took);
    if (succeeded)
        return QStringLiteral("%1: done in %2%3").arg(name_, took, onPort());
    QStringList failures;
    for (const QString& message : messages) {
        if (!failures.contains(message))
            failures << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    }
    const QString shown = failures.join(QStringLiteral(", "));
    // What was wrong with the port comes first: the panel may cut the end.
    if (!portProblem.isEmpty())
        return QStringLiteral("%1: %2 (%3, after %4%5)")
            .arg(name_, portProblem, shown, took, onPort());
    return QStringLiteral("%1: ended after %2%4 (%3)").arg(name_, took, shown, onPort());
}

} // namespace mtz4
