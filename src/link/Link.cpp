#include "link/Link.h"

#include "link/EventLoopClock.h"
#include "link/PortDevice.h"
#include "link/SystemSerialPort.h"
#include "link/TrafficTrace.h"

namespace mtz4 {

Link::Link(Prompter& prompter)
    : Link(prompter, std::make_unique<SystemSerialPort>(), std::make_unique<EventLoopClock>()) {}

Link::Link(Prompter& prompter, std::unique_ptr<SerialPort> port, std::unique_ptr<ReplyClock> clock)
    : prompter_(prompter), port_(std::move(port)), clock_(std::move(clock)),
      exchange_(*port_, *clock_, [this] { return devicePath(); }) {}

Link::~Link() {
    exchange_.setTrace(nullptr);
}

bool Link::startTrace(const QString& path, QString& error) {
    auto trace = std::make_unique<TrafficTrace>();
    if (!trace->open(path, error))
        return false;
    trace_ = std::move(trace);
    exchange_.setTrace(trace_.get());
    return true;
}

bool Link::finishTrace(QString& error) {
    if (!trace_)
        return true;
    exchange_.setTrace(nullptr);
    const bool kept = trace_->finish(error);
    trace_.reset();
    return kept;
}

bool Link::setPortNumber(int number) {
    if (!isValidPortNumber(number))
        return false;
    close();
    portNumber_ = number;
    devicePath_.clear();
    return true;
}

void Link::setDevicePath(const QString& path) {
    close();
    devicePath_ = path;
}

QString Link::devicePath() const {
    return devicePath_.isEmpty() ? devicePathForPort(portNumber_) : deviceLocation(devicePath_);
}

QString Link::portInUse() const {
    if (!devicePath_.isEmpty())
        return devicePath();
    return QStringLiteral("COM %1 (%2)").arg(portNumber_).arg(devicePath());
}

bool Link::isOpen() const {
    return port_->isOpen();
}

void Link::close() {
    port_->close();
}

void Link::cancel() {
    cancelled_ = true;
    prompter_.setMuted(true);
}

void Link::resume() {
    cancelled_ = false;
    prompter_.setMuted(false);
}

QString Link::SendQZData(const QString& command) {
    return cancelled_ ? ReplyPortError : exchange_.sendData(command);
}

AckCode Link::SendQZAck(const QString& command) {
    return cancelled_ ? AckCode::AckPortError : exchange_.sendAck(command);
}

} // namespace mtz4
