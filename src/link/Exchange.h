#pragma once

#include "link/ReplyAccumulator.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace mtz4 {

class ReplyClock;
class SerialPort;
class TrafficTrace;

// Result of an acknowledged exchange (SendQZAck).
enum class AckCode : quint16 {
    AckOk = 0,        // the reply ends with CR LF "OK" CR LF
    AckBad = 1,       // long enough, but ends with neither acknowledgement
    AckShort = 2,     // fewer than (command length + 6) characters before the time-out
    AckPortError = 3, // the port could not be opened, read or written
    AckRefused = 4,   // the reply ends with CR LF "RE" CR LF
};

// Results of a data exchange (SendQZData) other than a data block.
inline const QString ReplyPortError = QStringLiteral("ERROR00"); // port failed
inline const QString ReplyTooShort = QStringLiteral("ERROR01");  // <= 67 characters arrived
inline const QString ReplyGarbled = QStringLiteral("ERROR02");   // > 67, badly framed

// True when `reply` (a result of SendQZData) is a data block: the 68
// characters CR LF, 64 hex digits, CR LF.
bool isDataReply(const QString& reply);
// The 64 hex digits of a data block (characters 3..66 of the reply).
QString blockDigits(const QString& reply);

// One command and its reply on a serial port. Commands are given without
// their final CR, which the exchange appends. Each exchange:
// 1. opens the port if it is closed (on the device named by the callback);
// 2. drops any input waiting from earlier replies;
// 3. writes the command and CR, then starts the 500 ms reply timer;
// 4. collects the reply until it is complete or the timer runs out;
// 5. classifies it.
// A port that fails in any step ends the exchange at once with a port error
// and is closed, so that the next exchange tries to open it afresh.
//
// The receiver echoes each command before its reply. A complete reply whose
// echo names another command is a late reply to an earlier one (it came
// after that one's wait had ended): it is dropped and the wait goes on, so
// that a slow receiver can never have a block stored at the wrong address.
// A reply without an echo is taken as it is.
//
// While an exchange waits, the event loop runs. A second exchange started
// from there (a menu command, say) would take the first one's reply, so it
// is refused as a port error without touching the port.
class Exchange {
public:
    static constexpr int ReplyTimeoutMs = 500;
    static constexpr int DataReplyLength = 68; // CR LF, 64 hex digits, CR LF
    static constexpr int AckOverhead = 6;      // CR LF, "OK"/"RE", CR LF

    Exchange(SerialPort& port, ReplyClock& clock, std::function<QString()> devicePath);

    // A command answered by a 32-byte data block. Returns the last 68
    // characters of a complete reply, or ReplyPortError, ReplyTooShort or
    // ReplyGarbled. The reply is complete when more than 67 characters have
    // arrived and the last two are CR LF.
    QString sendData(const QString& command);
    // A command answered by an acknowledgement. The reply is complete when
    // at least (command length + CR + 6) characters have arrived and the
    // last two are CR LF.
    AckCode sendAck(const QString& command);

    // True while an exchange is waiting for its reply.
    bool busy() const { return busy_; }
    // Why the last port failure happened, in plain words (empty when none).
    QString lastPortError() const { return lastPortError_; }

    // Records every command, reply and outcome in `trace` from now on
    // (null: no more). The trace must outlive the exchange or be unset.
    void setTrace(TrafficTrace* trace) { trace_ = trace; }

private:
    // Steps 1 to 4; false on a port failure. `complete` tells, from the
    // characters so far, whether the reply is complete; `expectedLength` is
    // the length of a whole reply, echo included, which paces the wait (see
    // ReplyClock::waitForMoreInput) but decides nothing.
    bool exchange(const QString& command, qint64 expectedLength, qsizetype bodyLength,
                  const std::function<bool()>& complete);
    // True when the last echo before the reply's final `bodyLength`
    // characters is not `echo` (this command and its CR).
    bool isForOtherCommand(const QByteArray& echo, qsizetype bodyLength) const;
    void portFailed();
    void traceReply(const char* outcome);

    SerialPort& port_;
    ReplyClock& clock_;
    std::function<QString()> devicePath_;
    ReplyAccumulator reply_;
    bool busy_ = false;
    QString lastPortError_;
    TrafficTrace* trace_ = nullptr;
};

} // namespace mtz4
