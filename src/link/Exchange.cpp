#include "link/Exchange.h"

#include "link/ReplyClock.h"
#include "link/SerialPort.h"

namespace mtz4 {

namespace {

constexpr QByteArrayView CrLf("\r\n");

// Marks an exchange as running for as long as it lives.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

bool isDataReply(const QString& reply) {
    return reply.size() == Exchange::DataReplyLength && reply.startsWith(QLatin1String("\r\n")) &&
           reply.endsWith(QLatin1String("\r\n"));
}

QString blockDigits(const QString& reply) {
    return reply.mid(2, 64);
}

Exchange::Exchange(SerialPort& port, ReplyClock& clock, std::function<QString()> devicePath)
    : port_(port), clock_(clock), devicePath_(std::move(devicePath)) {}

QString Exchange::sendData(const QString& command) {
    if (busy_)
        return ReplyPortError;
    BusyFlag busy(busy_);
    // The receiver echoes the command and its CR before the block.
    const qint64 expected = command.size() + 1 + DataReplyLength;
    const bool ok = exchange(command, expected, DataReplyLength, [this] {
        return reply_.count() > DataReplyLength - 1 && reply_.endsWithCrLf();
    });
    if (!ok)
        return ReplyPortError;
    if (reply_.count() < DataReplyLength)
        return ReplyTooShort;
    const QByteArray tail = reply_.last(DataReplyLength);
    if (!tail.startsWith(CrLf) || !tail.endsWith(CrLf))
        return ReplyGarbled;
    return QString::fromLatin1(tail);
}

AckCode Exchange::sendAck(const QString& command) {
    if (busy_)
        return AckCode::AckPortError;
    BusyFlag busy(busy_);
    const qint64 needed = command.size() + 1 + AckOverhead;
    const bool ok = exchange(command, needed, AckOverhead,
                             [&] { return reply_.count() >= needed && reply_.endsWithCrLf(); });
    if (!ok)
        return AckCode::AckPortError;
    if (reply_.count() < needed)
        return AckCode::AckShort;
    const QByteArray tail = reply_.last(AckOverhead);
    if (tail == "\r\nOK\r\n")
        return AckCode::AckOk;
    if (tail == "\r\nRE\r\n")
        return AckCode::AckRefused;
    return AckCode::AckBad;
}

bool Exchange::isForOtherCommand(const QByteArray& echo, qsizetype bodyLength) const {
    const QByteArray kept = reply_.last(ReplyAccumulator::TailCapacity);
    const QByteArray before = kept.first(qMax<qsizetype>(0, kept.size() - bodyLength));
    const qsizetype at = before.lastIndexOf("QZ~");
    return at >= 0 && !before.sliced(at).startsWith(echo);
}

bool Exchange::exchange(const QString& command, qint64 expectedLength, qsizetype bodyLength,
                        const std::function<bool()>& complete) {
    reply_.clear();
    lastPortError_.clear();
    if (!port_.isOpen() && !port_.open(devicePath_())) {
        lastPortError_ = port_.errorText();
        return false;
    }
    if (!port_.discardInput()) {
        portFailed();
        return false;
    }
    if (!port_.write(command.toLatin1() + '\r')) {
        portFailed();
        return false;
    }
    clock_.start(ReplyTimeoutMs);
    const QByteArray echo = command.toLatin1() + '\r';
    QByteArray arrived;
    while (clock_.isActive()) {
        // Once the reply has begun, the rest of it takes its time on the line.
        const qint64 missing = expectedLength - reply_.count();
        if (reply_.count() > 0 && missing > 0)
            clock_.waitForMoreInput(port_, missing);
        else
            clock_.waitForActivity(port_);
        arrived.clear();
        if (port_.hasFailed() || !port_.readAvailable(arrived)) {
            clock_.stop();
            portFailed();
            return false;
        }
        reply_.append(arrived);
        if (!complete())
            continue;
        if (isForOtherCommand(echo, bodyLength)) {
            // A late reply to an earlier command, come after that command's
            // wait had ended: taking it for this one would put its data in
            // the wrong place. Drop it and wait on for the real reply.
            reply_.clear();
            continue;
        }
        clock_.stop();
    }
    return true;
}

void Exchange::portFailed() {
    lastPortError_ = port_.errorText();
    reply_.clear();
    port_.close();
}

} // namespace mtz4
