#include "support/FakeClock.h"

#include "link/SerialPort.h"

#include <algorithm>

namespace mtz4::test {

void FakeClock::start(int intervalMs) {
    deadline_ = now_ + intervalMs;
}

void FakeClock::stop() {
    deadline_ = -1;
}

void FakeClock::waitForActivity(SerialPort& port) {
    if (!isActive() || port.bytesAvailable() > 0 || port.hasFailed())
        return;
    ++waits;
    if (!events_.empty() && events_.begin()->first <= deadline_) {
        runEventsAt(events_.begin()->first);
        return;
    }
    now_ = deadline_;
    deadline_ = -1;
}

void FakeClock::schedule(qint64 at, std::function<void()> action) {
    events_.emplace(std::max(at, now_), std::move(action));
}

void FakeClock::advance(qint64 ms) {
    const qint64 end = now_ + ms;
    while (!events_.empty() && events_.begin()->first <= end)
        runEventsAt(events_.begin()->first);
    now_ = end;
    if (isActive() && deadline_ <= now_)
        deadline_ = -1;
}

void FakeClock::runEventsAt(qint64 time) {
    now_ = time;
    while (!events_.empty() && events_.begin()->first == time) {
        auto action = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        action();
    }
}

} // namespace mtz4::test
