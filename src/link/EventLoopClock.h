#pragma once

#include "link/ReplyClock.h"

#include <QTimer>

namespace mtz4 {

// The real reply timer: a precise one-shot QTimer, and a wait that runs a
// nested event loop until the port reports data or failure or the timer
// fires. The window repaints and other timers run during the wait; nothing
// polls. Needs a Q(Core)Application on the calling thread.
class EventLoopClock : public ReplyClock {
public:
    EventLoopClock();

    void start(int intervalMs) override;
    void stop() override;
    bool isActive() const override;
    void waitForActivity(SerialPort& port) override;
    // Lets the line time of the missing bytes at 38400 bit/s pass (whole
    // milliseconds, rounded down, less a margin for a late timer) before
    // looking at the port again.
    void waitForMoreInput(SerialPort& port, qint64 missingBytes) override;

private:
    QTimer timer_;
    QTimer lineTime_;
};

} // namespace mtz4
