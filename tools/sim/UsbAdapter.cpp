#include "UsbAdapter.h"

#include <algorithm>

namespace mtz4::sim {

UsbAdapter::UsbAdapter(Nanos latency, Nanos epoch)
    : latency_(std::max<Nanos>(latency, 1)), epoch_(epoch) {}

Nanos UsbAdapter::tickAfter(Nanos t) const {
    const Nanos since = t - epoch_;
    const Nanos ticks = since < 0 ? 0 : since / latency_ + 1;
    return epoch_ + ticks * latency_;
}

void UsbAdapter::closeAtTick(Nanos now) {
    if (filling_.empty())
        return;
    const Nanos tick = tickAfter(fillingSince_);
    if (tick > now)
        return;
    ready_.push_back({std::move(filling_), tick, 0});
    filling_.clear();
}

void UsbAdapter::receive(const char* data, std::size_t size, Nanos now) {
    closeAtTick(now);
    for (std::size_t i = 0; i < size;) {
        if (filling_.empty())
            fillingSince_ = now;
        const std::size_t take = std::min(PacketSize - filling_.size(), size - i);
        filling_.append(data + i, take);
        i += take;
        if (filling_.size() == PacketSize) {
            ready_.push_back({std::move(filling_), now, 0});
            filling_.clear();
        }
    }
}

std::optional<Nanos> UsbAdapter::nextDue() const {
    if (!ready_.empty())
        return ready_.front().due;
    if (!filling_.empty())
        return tickAfter(fillingSince_);
    return std::nullopt;
}

ReplyScheduler::PumpResult UsbAdapter::deliver(Nanos now, const ReplyScheduler::Sink& sink) {
    closeAtTick(now);
    while (!ready_.empty() && ready_.front().due <= now) {
        Packet& p = ready_.front();
        const std::size_t wanted = p.bytes.size() - p.sent;
        const long written = sink(p.bytes.data() + p.sent, wanted);
        if (written < 0)
            return ReplyScheduler::PumpResult::LineFailed;
        p.sent += static_cast<std::size_t>(written);
        if (static_cast<std::size_t>(written) < wanted)
            return ReplyScheduler::PumpResult::LineFull;
        ++packets_;
        ready_.pop_front();
    }
    return ReplyScheduler::PumpResult::Done;
}

} // namespace mtz4::sim
