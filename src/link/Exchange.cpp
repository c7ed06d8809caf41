#include "link/Exchange.h"

#include "link/ReplyClock.h"
#include "link/SerialPort.h"
#include "link/TrafficTrace.h"

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
    if (busy_) {
        if (trace_)
            trace_->notSent(command.toLatin1(), QStringLiteral("another exchange is waiting"));
        return ReplyPortError;
    }
    BusyFlag busy(busy_);
    // The receiver echoes the command and its CR before the block.
    const qint64 expected = command.size() + 1 + DataReplyLength;
    const bool ok = exchange(command, expected, DataReplyLength, [this] {
        return reply_.count() > DataReplyLength - 1 && reply_.endsWithCrLf();
    });
    if (!ok)
        return ReplyPortError;
    if (reply_.count() < DataReplyLength) {
        traceReply("time-out");
        return ReplyTooShort;
    }
    const QByteArray tail = reply_.last(DataReplyLength);
    if (!tail.startsWith(CrLf) || !tail.endsWith(CrLf)) {
        traceReply("garbled");
        return ReplyGarbled;
    }
    traceReply("data");
    return QString::fromLatin1(tail);
}

AckCode Exchange::sendAck(const QString& command) {
    if (busy_) {
        if (trace_)
            trace_->notSent(command.toLatin1(), QStringLiteral("another exchange is waiting"));
        return AckCode::AckPortError;
    }
    BusyFlag busy(busy_);
    const qint64 needed = command.size() + 1 + AckOverhead;
    const bool ok = exchange(command, needed, AckOverhead,
                             [&] { return reply_.count() >= needed && reply_.endsWithCrLf(); });
    if (!ok)
        return AckCode::AckPortError;
    if (reply_.count() < needed) {
        traceReply("time-out");
        return AckCode::AckShort;
    }
    const QByteArray tail = reply_.last(AckOverhead);
    if (tail == "\r\nOK\r\n") {
        traceReply("acknowledged (OK)");
        return AckCode::AckOk;
    }
    if (tail == "\r\nRE\r\n") {
        traceReply("refused (RE)");
        return AckCode::AckRefused;
    }
    traceReply("garbled");
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
    const QByteArray line = command.toLatin1() + '\r';
    const auto notSent = [&] {
        lastPortError_ = port_.errorText();
        if (trace_)
            trace_->notSent(line, QStringLiteral("port error: ") + lastPortError_);
    };
    if (!port_.isOpen()) {
        const QString device = devicePath_();
        if (!port_.open(device)) {
            notSent();
            return false;
        }
        if (trace_)
            trace_->opened(device, port_.lowLatency().text());
    }
    if (!port_.discardInput() || !port_.write(line)) {
        notSent();
        port_.close();
        return false;
    }
    if (trace_)
        trace_->sent(line);
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
    if (trace_)
        trace_->received(reply_.last(ReplyAccumulator::TailCapacity), reply_.count(),
                         QStringLiteral("port error: ") + lastPortError_);
    reply_.clear();
    port_.close();
}

void Exchange::traceReply(const char* outcome) {
    if (trace_)
        trace_->received(reply_.last(ReplyAccumulator::TailCapacity), reply_.count(),
                         QLatin1String(outcome));
}

} // namespace mtz4
