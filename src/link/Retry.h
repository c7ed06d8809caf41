#pragma once

#include "link/Exchange.h"

#include <QString>

namespace mtz4 {

class Link;
class Prompter;

// The retry rule that every sender of a command follows:
// - a data block, or AckOk, ends the loop: done;
// - "ERROR01"/"ERROR02", AckBad or AckShort: the same command again, until
//   the attempts are used up (10 unless the caller says otherwise);
// - "ERROR00" or AckPortError: stop at once, port failure;
// - AckRefused: stop at once; the caller decides what a refusal means.

inline constexpr int MaxAttempts = 10;

enum class LoopEnd {
    Done,             // a data block or AckOk
    PortFailure,      // "ERROR00" / AckPortError
    Refused,          // AckRefused
    RetriesExhausted, // every attempt ended in a short or garbled reply
};

// Whether a stopped loop tells the user. WithMessages: a port failure or a
// refusal shows "COM Port Error", used-up attempts show "Communication
// Error" (title "ERROR", error icon). Silently: no message.
enum class Reporting { Silently, WithMessages };

struct DataLoop {
    LoopEnd end = LoopEnd::RetriesExhausted;
    QString reply; // the last result of SendQZData: the data block when done
    int attempts = 0;

    bool ok() const { return end == LoopEnd::Done; }
    // The 64 hex digits of the block (valid when ok()).
    QString digits() const { return blockDigits(reply); }
};

struct AckLoop {
    LoopEnd end = LoopEnd::RetriesExhausted;
    AckCode lastCode = AckCode::AckShort; // the last result of SendQZAck
    int attempts = 0;

    bool ok() const { return end == LoopEnd::Done; }
};

// Sends `command` (without CR) with SendQZData under the retry rule.
DataLoop retryData(Link& link, const QString& command, int maxAttempts = MaxAttempts);
// Sends `command` (without CR) with SendQZAck under the retry rule.
AckLoop retryAck(Link& link, const QString& command, int maxAttempts = MaxAttempts);

// Shows the message of a stopped loop (nothing for Done).
void reportLoopEnd(Prompter& prompter, LoopEnd end);

// The block read loop: reads the 32 bytes at `address` ("QZ~F" + address +
// "R"), 10 attempts.
DataLoop readBlock(Link& link, int address, Reporting reporting);
// Any command answered by a data block, 10 attempts.
DataLoop readReply(Link& link, const QString& command, Reporting reporting);
// The send loop of writes: any acknowledged command, 10 attempts.
AckLoop sendWrite(Link& link, const QString& command, Reporting reporting);

} // namespace mtz4
