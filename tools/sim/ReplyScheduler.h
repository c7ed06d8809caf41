#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace mtz4::sim {

// Times in nanoseconds of the monotonic clock.
using Nanos = std::int64_t;

// The real line: 38400 bit/s, 10 bits a character (start, 8 data, stop), so
// one character every 260.4 microseconds.
inline constexpr int LineBitRate = 38400;
inline constexpr int BitsPerCharacter = 10;

// Time the line needs for count characters, rounded down to the nanosecond.
constexpr Nanos lineTime(std::uint64_t count) {
    return static_cast<Nanos>(count * 781250 / 3); // count * 10 * 1e9 / 38400
}

struct PacingStats {
    std::uint64_t replies = 0;     // replies sent in full
    std::uint64_t bytesSent = 0;   // every byte written to the line
    std::uint64_t pacedBytes = 0;  // bytes sent at the line rate
    std::uint64_t pacedWrites = 0; // writes that carried paced bytes
    Nanos maxLate = 0;             // worst delay of a paced write behind its schedule
    Nanos totalLate = 0;           // sum of those delays

    // Time the paced bytes alone take on the real line.
    double pacedSeconds() const { return static_cast<double>(lineTime(pacedBytes)) / 1e9; }
};

// Sends replies in order, each starting no earlier than it may, and with
// pacing at the real line rate: byte k of a reply is due at the reply's start
// + (k + 1) character times, and a reply starts when it may or when the
// previous reply's last byte is due, whichever is later. Bytes go out in
// chunks of a few bytes, each written as soon as its last byte is due. The
// schedule is absolute, so a late wake-up sends everything due by then and
// the delay does not carry over to later bytes.
//
// Without pacing a reply is written whole at its start.
class ReplyScheduler {
public:
    // Takes bytes to write; returns how many it took (fewer when the line is
    // full), or a negative number when the line has failed.
    using Sink = std::function<long(const char* data, std::size_t size)>;

    explicit ReplyScheduler(bool pace, std::size_t chunkBytes = 4);

    // Queues a reply that may start at earliestStart. A reply that would
    // take the queue beyond maxQueued bytes (a peer that sends but never
    // reads) is discarded; returns false then.
    bool queue(std::string bytes, Nanos earliestStart);

    bool idle() const { return queue_.empty(); }
    // When the next write is due; nothing when the queue is empty.
    std::optional<Nanos> nextDue() const;

    enum class PumpResult { Done, LineFull, LineFailed };
    // Writes everything that is due at now.
    PumpResult pump(Nanos now, const Sink& sink);

    const PacingStats& stats() const { return stats_; }
    bool pacing() const { return pace_; }

    static constexpr std::size_t maxQueued = 1 << 20;

private:
    struct Pending {
        std::string bytes;
        std::size_t sent = 0;
        Nanos start = 0;
    };
    // Number of bytes of p that are due at now.
    std::size_t dueCount(const Pending& p, Nanos now) const;

    bool pace_;
    std::size_t chunkBytes_;
    std::deque<Pending> queue_;
    std::size_t queuedBytes_ = 0;
    Nanos lineFreeAt_ = 0; // paced: when the last queued reply's last byte is due
    Nanos lastStart_ = 0;  // unpaced: start of the last queued reply
    PacingStats stats_;
};

} // namespace mtz4::sim
