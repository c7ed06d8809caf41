#include "support/FakeSerialPort.h"

#include "support/FakeClock.h"

namespace mtz4::test {

namespace answer {

namespace {

QByteArray echoOf(const QByteArray& command, Echo echo) {
    return echo == Echo::Yes ? command + '\r' : QByteArray();
}

} // namespace

Responder silence() {
    return [](const QByteArray&) { return Answer{}; };
}

Responder data(const QByteArray& digits, Echo echo, qint64 atMs) {
    return [=](const QByteArray& command) {
        return Answer{{atMs, echoOf(command, echo) + "\r\n" + digits + "\r\n"}};
    };
}

Responder ack(const QByteArray& word, Echo echo, qint64 atMs) {
    return [=](const QByteArray& command) {
        return Answer{{atMs, echoOf(command, echo) + "\r\n" + word + "\r\n"}};
    };
}

Responder raw(const QByteArray& bytes, qint64 atMs) {
    return [=](const QByteArray&) { return Answer{{atMs, bytes}}; };
}

Responder chunks(const Answer& chunks) {
    return [=](const QByteArray&) { return chunks; };
}

Responder portFailure(qint64 atMs) {
    return [=](const QByteArray&) { return Answer{{atMs, {}, true}}; };
}

QByteArray block(const QByteArray& firstByte) {
    return firstByte + QByteArray(62, '0');
}

} // namespace answer

FakeSerialPort::FakeSerialPort(FakeClock& clock) : clock_(clock), responder_(answer::silence()) {}

void FakeSerialPort::answerNext(Responder responder, int times) {
    for (int i = 0; i < times; ++i)
        queued_.append(responder);
}

void FakeSerialPort::setResponder(Responder responder) {
    responder_ = std::move(responder);
}

void FakeSerialPort::injectInput(const QByteArray& bytes) {
    input_.append(bytes);
}

QStringList FakeSerialPort::commands() const {
    QStringList result;
    for (const QByteArray& command : written)
        result.append(QString::fromLatin1(command.endsWith('\r') ? command.chopped(1) : command));
    return result;
}

bool FakeSerialPort::open(const QString& devicePath) {
    openedDevices.append(devicePath);
    if (failOpen) {
        errorText_ = devicePath + QStringLiteral(": no such device");
        return false;
    }
    open_ = true;
    failed_ = false;
    errorText_.clear();
    ++session_;
    return true;
}

void FakeSerialPort::close() {
    if (open_)
        ++closeCount;
    open_ = false;
    input_.clear();
}

bool FakeSerialPort::discardInput() {
    input_.clear();
    return open_ && !failed_;
}

bool FakeSerialPort::readAvailable(QByteArray& into) {
    if (!open_ || failed_)
        return false;
    into.append(input_);
    input_.clear();
    return true;
}

bool FakeSerialPort::write(const QByteArray& data) {
    if (!open_ || failed_ || failWrite) {
        errorText_ = QStringLiteral("write failed");
        return false;
    }
    written.append(data);
    writtenAt.append(clock_.now());
    const QByteArray command = data.endsWith('\r') ? data.chopped(1) : data;
    const Responder responder = queued_.isEmpty() ? responder_ : queued_.takeFirst();
    const quint64 session = session_;
    for (const Chunk& chunk : responder(command))
        clock_.schedule(clock_.now() + chunk.atMs,
                        [this, session, chunk] { deliver(session, chunk); });
    return true;
}

void FakeSerialPort::deliver(quint64 session, const Chunk& chunk) {
    if (!open_ || session != session_)
        return;
    if (chunk.portFails) {
        failed_ = true;
        errorText_ = QStringLiteral("device removed");
        emit failed();
        return;
    }
    input_.append(chunk.bytes);
    emit dataArrived();
}

} // namespace mtz4::test
