#pragma once

#include "link/ReplyClock.h"

#include <QtGlobal>
#include <functional>
#include <map>

namespace mtz4::test {

// A reply timer on fake time, in milliseconds from 0. Waiting costs no real
// time: waitForActivity() jumps to the next scheduled event (a reply chunk of
// the fake port, say) or, when none comes before the timer would run out, to
// the moment it runs out.
class FakeClock : public ReplyClock {
public:
    qint64 now() const { return now_; }

    void start(int intervalMs) override;
    void stop() override;
    bool isActive() const override { return deadline_ >= 0; }
    void waitForActivity(SerialPort& port) override;

    // Runs `action` when the fake time reaches `at` (not before now).
    void schedule(qint64 at, std::function<void()> action);
    // Lets `ms` of fake time pass outside any exchange, running what falls due.
    void advance(qint64 ms);

    // How often waitForActivity() was called and found something to wait for.
    int waits = 0;

private:
    void runEventsAt(qint64 time);

    qint64 now_ = 0;
    qint64 deadline_ = -1;
    std::multimap<qint64, std::function<void()>> events_;
};

} // namespace mtz4::test
