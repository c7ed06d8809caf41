#pragma once

#include <QtGlobal>

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
    // Like waitForActivity(), when part of a reply has arrived and at least
    // `missingBytes` more are due: those bytes cannot come sooner than the
    // line carries them, so a clock may let that time pass before it looks
    // at the port again (events are still processed; the timer's run-out and
    // a port failure still end the wait at once). This spares a wake-up for
    // every few bytes of a reply. By default the same as waitForActivity().
    virtual void waitForMoreInput(SerialPort& port, qint64 missingBytes) {
        (void)missingBytes;
        waitForActivity(port);
    }
};

} // namespace mtz4
