#pragma once

#include "ReplyScheduler.h"

#include <cstddef>
#include <cstdint>

namespace mtz4::sim {

// The client's direction of the line as the receiver sees it. The characters
// the client writes cross the line one after the other at the line rate, so
// with pacing a character counts as arrived only once it would have crossed:
// a command is answered no sooner than its CR has come over the line. The
// client writes a whole command at once, and the line starts carrying it
// when it is read (or when the characters ahead of it have crossed).
// Without pacing every character has arrived when it is read.
class InboundLine {
public:
    explicit InboundLine(bool pace) : pace_(pace) {}

    // `count` characters were read at `readAt`; they follow whatever is
    // still crossing the line.
    void receive(std::size_t count, Nanos readAt);
    // When character k (from 0) of the last receive() started crossing, and
    // when it had arrived.
    Nanos startOf(std::size_t k) const;
    Nanos arrivalOf(std::size_t k) const;

    std::uint64_t bytesReceived() const { return received_; }

private:
    bool pace_;
    Nanos readAt_ = 0;
    Nanos start_ = 0;  // when the first character of the last receive started
    Nanos freeAt_ = 0; // when the last character received so far has arrived
    std::uint64_t received_ = 0;
};

} // namespace mtz4::sim
