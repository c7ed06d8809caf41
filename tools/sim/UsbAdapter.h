#pragma once

#include "ReplyScheduler.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace mtz4::sim {

// A USB serial adapter between the receiver's line and the computer, as the
// common adapter chips behave: the characters that come over the line are
// collected in the adapter and handed to the computer in packets of at most
// 62 characters. A packet goes as soon as it is full; a shorter one waits
// for the adapter's next latency tick, which comes every `latency` from the
// adapter's start (16 ms by default on those chips).
class UsbAdapter {
public:
    static constexpr std::size_t PacketSize = 62;

    // Ticks come at epoch + k * latency; latency must be positive.
    UsbAdapter(Nanos latency, Nanos epoch);

    // Characters that have come over the line by `now`.
    void receive(const char* data, std::size_t size, Nanos now);
    // Hands the computer every packet due by `now`.
    ReplyScheduler::PumpResult deliver(Nanos now, const ReplyScheduler::Sink& sink);

    // True when the adapter holds nothing.
    bool idle() const { return ready_.empty() && filling_.empty(); }
    // When the next packet is due; nothing when the adapter holds nothing.
    std::optional<Nanos> nextDue() const;

    std::uint64_t packets() const { return packets_; }

private:
    struct Packet {
        std::string bytes;
        Nanos due = 0;
        std::size_t sent = 0;
    };
    // The first tick after `t`.
    Nanos tickAfter(Nanos t) const;
    // The packet being filled goes out at its tick when that has come by `now`.
    void closeAtTick(Nanos now);

    Nanos latency_;
    Nanos epoch_;
    std::deque<Packet> ready_; // closed packets, in order
    std::string filling_;      // the packet being filled
    Nanos fillingSince_ = 0;   // when its first character came
    std::uint64_t packets_ = 0;
};

} // namespace mtz4::sim
