#pragma once

#include "link/SerialPort.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace mtz4::test {

class FakeClock;

// One piece of a fake reply: `bytes` arrive `atMs` after the command was
// written. A chunk with `portFails` set makes the port fail at that moment
// instead (a cable pulled out).
struct Chunk {
    qint64 atMs = 0;
    QByteArray bytes;
    bool portFails = false;
};
using Answer = QList<Chunk>;
// What the fake receiver sends back for one command (given without its CR).
using Responder = std::function<Answer(const QByteArray& command)>;

// Ready-made answers. Unless said otherwise a reply arrives whole, 10 ms
// after the command, and begins with the echo of the command and its CR.
namespace answer {
enum class Echo { No, Yes };
inline constexpr qint64 ReplyDelayMs = 10;

// Nothing at all.
Responder silence();
// A data block: [echo CR] CR LF `digits` CR LF.
Responder data(const QByteArray& digits, Echo echo = Echo::Yes, qint64 atMs = ReplyDelayMs);
// An acknowledgement: [echo CR] CR LF `word` CR LF ("OK", "RE", "NG", ...).
Responder ack(const QByteArray& word, Echo echo = Echo::Yes, qint64 atMs = ReplyDelayMs);
// Exactly `bytes` (garbage, short or partial replies), no echo.
Responder raw(const QByteArray& bytes, qint64 atMs = ReplyDelayMs);
// Any chunks, no echo added.
Responder chunks(const Answer& chunks);
// The port fails `atMs` after the command.
Responder portFailure(qint64 atMs = ReplyDelayMs);

// 64 hex digits: `firstByte` (two digits) followed by zero bytes.
QByteArray block(const QByteArray& firstByte = "00");
} // namespace answer

// A serial port that answers every command from a script on a FakeClock and
// records what was written. The next answers queued with answerNext() are
// used first, one per command; after them the responder set with
// setResponder() answers (silence unless set).
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(FakeClock& clock);

    void answerNext(Responder responder, int times = 1);
    void setResponder(Responder responder);
    // Puts bytes into the input buffer now (stale input of an earlier reply).
    void injectInput(const QByteArray& bytes);

    // open() fails (no device, no permission) while this is set.
    bool failOpen = false;
    // write() fails while this is set.
    bool failWrite = false;

    // Everything written, one entry per command, with its CR.
    QList<QByteArray> written;
    // Fake time of each write.
    QList<qint64> writtenAt;
    // Devices open() was asked for, in order; closes seen.
    QStringList openedDevices;
    int closeCount = 0;
    // The commands written, as text without their CR.
    QStringList commands() const;

    bool open(const QString& devicePath) override;
    bool isOpen() const override { return open_; }
    void close() override;
    bool discardInput() override;
    qint64 bytesAvailable() const override { return input_.size(); }
    bool readAvailable(QByteArray& into) override;
    bool write(const QByteArray& data) override;
    bool hasFailed() const override { return failed_; }
    QString errorText() const override { return errorText_; }

private:
    void deliver(quint64 session, const Chunk& chunk);

    FakeClock& clock_;
    QList<Responder> queued_;
    Responder responder_;
    QByteArray input_;
    bool open_ = false;
    bool failed_ = false;
    QString errorText_;
    quint64 session_ = 0; // counts opens; replies to an earlier session are lost
};

} // namespace mtz4::test
