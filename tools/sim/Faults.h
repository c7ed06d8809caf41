#pragma once

#include "Receiver.h"

#include <cstdint>
#include <optional>

namespace mtz4::sim {

// Faults the simulator can put on the line, to try the client's time-out and
// retry handling. Commands are counted from 1 in the order received.
struct FaultPlan {
    // Answer nothing at all after this many commands (0: silent from the start).
    std::optional<std::uint64_t> silentAfter;
    std::uint64_t dropEvery = 0;   // every K-th command is lost: not carried out, no answer
    std::uint64_t garbleEvery = 0; // every K-th reply has the CR LF before its body replaced
    std::uint64_t delayMs = 0;     // every reply starts this much after the command's CR
    // The receiver vanishes once this many commands are answered: the next
    // command is not carried out and the pseudo-terminal is closed, as when
    // the cable is pulled.
    std::optional<std::uint64_t> vanishAfter;
    // Every K-th channel write is stored with a wrong frequency (0: never).
    std::uint64_t corruptEvery = 0;
};

enum class CommandFate {
    Answer,  // carry it out and send the reply
    Garble,  // carry it out and send a garbled reply
    Drop,    // lost on the way in: neither carried out nor answered
    Silence, // the receiver has gone silent: neither carried out nor answered
    Vanish,  // the receiver has gone: the line is closed
};

// What happens to command number n (1-based). Vanishing wins over the rest,
// then silence, then a drop, then garbling.
CommandFate fateOf(const FaultPlan& plan, std::uint64_t n);

// Replaces the CR LF that opens the reply body with "??", so that a data
// block no longer starts with CR LF and an acknowledgement is neither "OK"
// nor "RE". A reply without a body loses the CR of its echo instead.
void garble(Reply& reply);

} // namespace mtz4::sim
