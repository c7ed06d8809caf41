#include "link/EventLoopClock.h"

#include "link/SerialPort.h"

#include <QEventLoop>

namespace mtz4 {

EventLoopClock::EventLoopClock() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
}

void EventLoopClock::start(int intervalMs) {
    timer_.start(intervalMs);
}

void EventLoopClock::stop() {
    timer_.stop();
}

bool EventLoopClock::isActive() const {
    return timer_.isActive();
}

void EventLoopClock::waitForActivity(SerialPort& port) {
    if (!timer_.isActive() || port.bytesAvailable() > 0 || port.hasFailed())
        return;
    QEventLoop loop;
    QObject::connect(&port, &SerialPort::dataArrived, &loop, &QEventLoop::quit);
    QObject::connect(&port, &SerialPort::failed, &loop, &QEventLoop::quit);
    QObject::connect(&timer_, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace mtz4
