#pragma once

#include "link/SerialPort.h"

class QSerialPort;

namespace mtz4 {

// The system's serial port (QSerialPort): 38400 bit/s, 8N1, no flow control,
// a 1024-byte input buffer, and low-latency delivery asked for where the
// platform offers it (see LowLatency.h). The modem control lines are left as
// the system sets them. Works on real ports, USB adapters and pseudo-terminals; a
// symbolic link is followed to its device so that both names share one lock.
class SystemSerialPort : public SerialPort {
public:
    explicit SystemSerialPort(QObject* parent = nullptr);
    ~SystemSerialPort() override;

    bool open(const QString& devicePath) override;
    bool isOpen() const override;
    void close() override;
    bool discardInput() override;
    qint64 bytesAvailable() const override;
    bool readAvailable(QByteArray& into) override;
    bool write(const QByteArray& data) override;
    bool hasFailed() const override { return failed_; }
    QString errorText() const override { return errorText_; }
    LowLatencyOutcome lowLatency() const override { return lowLatency_; }

private:
    void fail(const QString& why);

    QSerialPort* port_;
    QString devicePath_;   // as given to open(), for messages
    QString systemDevice_; // the device it resolved to
    bool failed_ = false;
    QString errorText_;
    LowLatencyOutcome lowLatency_;
};

} // namespace mtz4
