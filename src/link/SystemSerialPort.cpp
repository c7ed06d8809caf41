#include "link/SystemSerialPort.h"

#include "link/PortFailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>

namespace mtz4 {

namespace {

// A symbolic link (a simulator's or a udev alias) is opened as the device it
// points at, so that the lock file is the same whichever name is used. A
// dangling link keeps its own name and fails to open with "no such device".
QString resolvedDevice(const QString& devicePath) {
    const QFileInfo info(devicePath);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return devicePath;
}

// The failure in plain words, from the port's error and what the device
// path looks like now.
QString describe(const QSerialPort& port, const QString& devicePath, const QString& systemDevice,
                 bool whileOpen) {
    const QFileInfo device(systemDevice);
    PortFailureFacts facts;
    facts.whileOpen = whileOpen;
    facts.notFound = port.error() == QSerialPort::DeviceNotFoundError;
    facts.permissionError = port.error() == QSerialPort::PermissionError;
    facts.deviceExists = device.exists();
    facts.deviceAccessible = device.isReadable() && device.isWritable();
    return DescribePortFailure(ClassifyPortFailure(facts), devicePath, port.errorString());
}

} // namespace

SystemSerialPort::SystemSerialPort(QObject* parent)
    : SerialPort(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::dataArrived);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // Errors while opening are reported by open() itself; a time-out is
        // only produced by the blocking calls, which are not used.
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_->isOpen())
            return;
        fail(describe(*port_, devicePath_, systemDevice_, true));
    });
}

SystemSerialPort::~SystemSerialPort() = default;

bool SystemSerialPort::open(const QString& devicePath) {
    close();
    failed_ = false;
    errorText_.clear();
    if (devicePath.isEmpty()) {
        errorText_ = QCoreApplication::translate("SystemSerialPort", "no device for this port");
        return false;
    }
    devicePath_ = devicePath;
    systemDevice_ = resolvedDevice(devicePath);
    port_->setPortName(systemDevice_);
    port_->setBaudRate(BaudRate);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(InputBufferSize);
    lowLatency_ = {};
    if (!port_->open(QIODevice::ReadWrite)) {
        errorText_ = describe(*port_, devicePath, systemDevice_, false);
        port_->clearError();
        return false;
    }
    lowLatency_ = RequestLowLatency(*port_);
    return true;
}

bool SystemSerialPort::isOpen() const {
    return port_->isOpen();
}

void SystemSerialPort::close() {
    if (port_->isOpen())
        port_->close();
    port_->clearError();
}

bool SystemSerialPort::discardInput() {
    if (failed_ || !port_->isOpen())
        return false;
    port_->readAll();
    port_->clear(QSerialPort::Input);
    return !failed_;
}

qint64 SystemSerialPort::bytesAvailable() const {
    return port_->isOpen() ? port_->bytesAvailable() : 0;
}

bool SystemSerialPort::readAvailable(QByteArray& into) {
    if (failed_ || !port_->isOpen())
        return false;
    into.append(port_->readAll());
    return !failed_;
}

bool SystemSerialPort::write(const QByteArray& data) {
    if (failed_ || !port_->isOpen())
        return false;
    if (data.size() > OutputBufferSize) {
        errorText_ = QCoreApplication::translate("SystemSerialPort",
                                                 "command longer than the output buffer");
        return false;
    }
    if (port_->write(data) != data.size()) {
        fail(describe(*port_, devicePath_, systemDevice_, true));
        return false;
    }
    // Hand the bytes to the system now rather than at the next pass of the
    // event loop, so that the reply time-out counts from the real write.
    port_->flush();
    return !failed_;
}

void SystemSerialPort::fail(const QString& why) {
    const bool first = !failed_;
    failed_ = true;
    errorText_ = why;
    if (first)
        emit failed();
}

} // namespace mtz4
