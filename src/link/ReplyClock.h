#pragma once

namespace mtz4 {

class SerialPort;

// The reply timer of an exchange and the wait on it. An exchange starts the
// timer right after writing its command, then calls waitForActivity() until
// the timer is no longer active: the timer stops itself when its interval
// runs out, and the exchange stops it as soon as the reply is complete.
//
// The program uses EventLoopClock (a real one-shot timer and a nested event
// loop); the tests use a fake clock that jumps from one scripted event to the
// next, so that time-outs cost no real time.
class ReplyClock {
public:
    virtual ~ReplyClock() = default;

    // Arms the one-shot timer for `intervalMs` milliseconds from now.
    virtual void start(int intervalMs) = 0;
    // Disarms the timer.
    virtual void stop() = 0;
    // True from start() until the interval has run out or stop() was called.
    virtual bool isActive() const = 0;
    // Returns as soon as something may have changed: bytes are waiting on
    // `port`, the port has failed, or the timer has run out. Returns at once
    // when any of these already holds. Meanwhile the program stays alive
    // (window events are processed) without using the processor.
    virtual void waitForActivity(SerialPort& port) = 0;
};

} // namespace mtz4
