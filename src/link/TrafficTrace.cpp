#include "link/TrafficTrace.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QTime>

namespace mtz4 {

namespace {

QString traceProblem(const QString& reason) {
    return QCoreApplication::translate("TrafficTrace", "the serial trace was not kept: %1")
        .arg(reason);
}

} // namespace

TrafficTrace::~TrafficTrace() {
    QString ignored;
    finish(ignored);
}

bool TrafficTrace::open(const QString& path, QString& error) {
    file_ = std::make_unique<CheckedFileWriter>(path);
    failure_.clear();
    if (!file_->open() ||
        !file_->write("# serial trace: > command to the receiver, < reply with the exchange's "
                      "outcome\n")) {
        error = traceProblem(file_->reason());
        file_.reset();
        return false;
    }
    return true;
}

bool TrafficTrace::finish(QString& error) {
    if (!file_)
        return true;
    const bool kept = failure_.isEmpty() && file_->commit();
    if (!kept)
        error = traceProblem(failure_.isEmpty() ? file_->reason() : failure_);
    file_.reset();
    failure_.clear();
    return kept;
}

void TrafficTrace::sent(QByteArrayView command) {
    line('>', escaped(command));
}

void TrafficTrace::received(QByteArrayView reply, qint64 total, const QString& outcome) {
    QString text = escaped(reply);
    if (total > reply.size())
        text = QStringLiteral("(%1 characters, the last %2:) %3")
                   .arg(total)
                   .arg(reply.size())
                   .arg(text);
    line('<', text + QLatin1Char(' ') + outcome);
}

void TrafficTrace::notSent(QByteArrayView command, const QString& why) {
    line('!', escaped(command) + QStringLiteral(" not sent: ") + why);
}

void TrafficTrace::opened(const QString& device, const QString& note) {
    line('*', QStringLiteral("opened ") + device + QStringLiteral("; ") + note);
}

QString TrafficTrace::escaped(QByteArrayView bytes) {
    QString text = QStringLiteral("\"");
    for (const char c : bytes) {
        switch (c) {
        case '\r':
            text += QLatin1String("\\r");
            break;
        case '\n':
            text += QLatin1String("\\n");
            break;
        case '\t':
            text += QLatin1String("\\t");
            break;
        case '"':
            text += QLatin1String("\\\"");
            break;
        case '\\':
            text += QLatin1String("\\\\");
            break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7f)
                text += QLatin1Char(c);
            else
                text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
        }
    }
    return text + QLatin1Char('"');
}

void TrafficTrace::line(char direction, const QString& text) {
    if (!isOpen())
        return;
    const QString stamp = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    if (!file_->write((stamp + QLatin1Char(' ') + QLatin1Char(direction) + QLatin1Char(' ') + text +
                       QLatin1Char('\n'))
                          .toUtf8()))
        failure_ = file_->reason(); // the writer has dropped its file: no more lines
}

} // namespace mtz4
