#pragma once

#include "link/LowLatency.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace mtz4 {

// One serial line to the receiver, as the exchanges see it: opened on a
// device, written to, and read from without blocking. The system port
// (SystemSerialPort) is the real one; tests use a scripted fake.
//
// The port never blocks and never waits: whoever waits for a reply does so in
// the event loop and is woken by dataArrived() or failed().
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override;

    // Line settings of the receiver's cable.
    static constexpr int BaudRate = 38400; // 8 data bits, no parity, 1 stop bit
    static constexpr int InputBufferSize = 1024;
    static constexpr int OutputBufferSize = 512;

    // Opens the device at `devicePath` with the line settings above and no
    // flow control. Returns false at once, without waiting, when the device
    // does not exist, is in use or may not be opened; errorText() says why.
    virtual bool open(const QString& devicePath) = 0;
    virtual bool isOpen() const = 0;
    // Closes the port (nothing happens when it is closed). Unread input and
    // unsent output are dropped.
    virtual void close() = 0;

    // Drops everything received so far, including what the system still
    // holds for the port. False when the port has failed.
    virtual bool discardInput() = 0;
    // Number of received bytes that readAvailable() would return now.
    virtual qint64 bytesAvailable() const = 0;
    // Appends every received byte waiting now (possibly none) to `into`.
    // False when the port has failed.
    virtual bool readAvailable(QByteArray& into) = 0;
    // Queues `data` for sending and starts sending at once. False when the
    // port has failed or `data` is larger than the output buffer.
    virtual bool write(const QByteArray& data) = 0;

    // True once reading or writing has failed since the port was opened
    // (for example a USB adapter pulled out). Cleared by the next open().
    virtual bool hasFailed() const = 0;
    // What went wrong last, for logs and the command-line tool.
    virtual QString errorText() const = 0;
    // What became of the request for low-latency delivery at the last open().
    virtual LowLatencyOutcome lowLatency() const { return {}; }

signals:
    // New bytes are waiting to be read.
    void dataArrived();
    // Reading or writing has just failed.
    void failed();
};

} // namespace mtz4
