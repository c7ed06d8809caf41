#include "link/EventLoopClock.h"

#include "link/SerialPort.h"

#include <QEventLoop>

namespace mtz4 {

namespace {

// Bits on the line per character: start bit, 8 data bits, stop bit.
constexpr qint64 BitsPerCharacter = 10;
// Shorter line times are not worth a wait of their own.
constexpr qint64 MinimumLineWaitMs = 2;
// The wait ends this much before the missing bytes are due: a timer may fire
// up to a millisecond late, and waking after the reply has ended would hold
// up the next command. The last bytes are then taken as they come.
constexpr qint64 LineWaitMarginMs = 2;

} // namespace

EventLoopClock::EventLoopClock() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    lineTime_.setSingleShot(true);
    lineTime_.setTimerType(Qt::PreciseTimer);
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

void EventLoopClock::waitForMoreInput(SerialPort& port, qint64 missingBytes) {
    const qint64 lineMs =
        missingBytes * BitsPerCharacter * 1000 / SerialPort::BaudRate - LineWaitMarginMs;
    if (lineMs < MinimumLineWaitMs || !timer_.isActive() || port.hasFailed()) {
        waitForActivity(port);
        return;
    }
    lineTime_.start(static_cast<int>(qMin<qint64>(lineMs, timer_.remainingTime())));
    QEventLoop loop;
    QObject::connect(&port, &SerialPort::failed, &loop, &QEventLoop::quit);
    QObject::connect(&timer_, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&lineTime_, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop.exec();
    lineTime_.stop();
}

} // namespace mtz4
