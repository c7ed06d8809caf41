#include "ReplyScheduler.h"

#include <algorithm>

namespace mtz4::sim {

ReplyScheduler::ReplyScheduler(bool pace, std::size_t chunkBytes)
    : pace_(pace), chunkBytes_(std::max<std::size_t>(chunkBytes, 1)) {}

bool ReplyScheduler::queue(std::string bytes, Nanos earliestStart) {
    if (bytes.empty())
        return true;
    if (queuedBytes_ + bytes.size() > maxQueued)
        return false;
    Pending p;
    if (pace_) {
        p.start = std::max(earliestStart, lineFreeAt_);
        lineFreeAt_ = p.start + lineTime(bytes.size());
    } else {
        p.start = std::max(earliestStart, lastStart_);
        lastStart_ = p.start;
    }
    queuedBytes_ += bytes.size();
    p.bytes = std::move(bytes);
    queue_.push_back(std::move(p));
    return true;
}

std::optional<Nanos> ReplyScheduler::nextDue() const {
    if (queue_.empty())
        return std::nullopt;
    const Pending& p = queue_.front();
    if (!pace_)
        return p.start;
    const std::size_t chunkEnd = std::min(p.sent + chunkBytes_, p.bytes.size());
    return p.start + lineTime(chunkEnd);
}

std::size_t ReplyScheduler::dueCount(const Pending& p, Nanos now) const {
    if (now < p.start)
        return 0;
    if (!pace_)
        return p.bytes.size();
    const Nanos elapsed = now - p.start;
    auto count = static_cast<std::uint64_t>(elapsed) * 3 / 781250;
    while (lineTime(count + 1) <= elapsed)
        ++count;
    return static_cast<std::size_t>(std::min<std::uint64_t>(count, p.bytes.size()));
}

ReplyScheduler::PumpResult ReplyScheduler::pump(Nanos now, const Sink& sink) {
    while (!queue_.empty()) {
        Pending& p = queue_.front();
        const std::size_t due = dueCount(p, now);
        if (due <= p.sent)
            return PumpResult::Done;
        const std::size_t wanted = due - p.sent;
        const long written = sink(p.bytes.data() + p.sent, wanted);
        if (written < 0)
            return PumpResult::LineFailed;
        const auto taken = static_cast<std::size_t>(written);
        if (taken > 0) {
            if (pace_) {
                const Nanos late = now - (p.start + lineTime(p.sent + taken));
                stats_.maxLate = std::max(stats_.maxLate, late);
                stats_.totalLate += std::max<Nanos>(late, 0);
                stats_.pacedBytes += taken;
                ++stats_.pacedWrites;
            }
            stats_.bytesSent += taken;
            p.sent += taken;
            queuedBytes_ -= taken;
        }
        if (taken < wanted)
            return PumpResult::LineFull;
        if (p.sent < p.bytes.size())
            return PumpResult::Done;
        ++stats_.replies;
        queue_.pop_front();
    }
    return PumpResult::Done;
}

} // namespace mtz4::sim
