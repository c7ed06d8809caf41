#pragma once

#include "MemoryImage.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mtz4::sim {

// The four receiver models, by the name that their identification command
// carries after "QZ~".
inline constexpr std::array<std::string_view, 4> ModelNames = {"MT-Z4J", "MT-Z40E", "MT-Z40T",
                                                               "MT-Z40K"};
bool isModelName(std::string_view name);

enum class ReplyKind {
    EchoOnly, // the echo and nothing after it: no complete reply
    Data,     // CR LF, 64 hex digits, CR LF
    Ok,       // CR LF "OK" CR LF
    Refused,  // CR LF "RE" CR LF
};

// What the receiver sends back for one command: the echo of the command with
// its CR, then the body of the reply.
struct Reply {
    ReplyKind kind = ReplyKind::EchoOnly;
    std::string echo;
    std::string body;

    std::string bytes() const { return echo + body; }
};

// The receiver's command interpreter. It works on a memory image owned by the
// caller and knows nothing of the line it is connected to: hand it each
// command (without its CR) and send back what it returns.
//
// Outside clone mode it answers only identifications ("QZ~" + model name:
// "OK" for its own model, "RE" for any other) and, right after a good
// identification, "QZ~F0FD01W00", which stores the byte and enters clone
// mode; everything else is echoed without a reply. In clone mode it answers:
//   QZ~F aaaaa R                 the 32 bytes at address aaaaa (hex)
//   QZ~F aaaaa W dd..            stores the bytes (an even, non-zero number of
//                                hex digits); "RE" when malformed or past 64 KiB
//   QZ~BC ll ccc W dd..(64)      stores the record as channel ccc of list ll
//                                and enables that entry
//   QZ~BC ll ccc R               the record of that channel
//   QZ~IM                        erases all entry records and enable bits
//   QZ~FINISH                    leaves clone mode
// and "RE" to anything else.
//
// Lists 00..49 are the banks, laid out one after another by the bank table in
// the image (channel c of bank b is entry start(b) + c, start(b) the sum of
// the sizes of banks 0..b-1); 50, 51 and 52 are the Program Scan, Search
// Pass and Priority entries 1000, 1100 and 1200 onwards, 100 channels each.
// A write to a channel beyond its bank or list, or to a bank channel that
// would fall outside the 1000 memory channels, is refused. A read of channel
// 000 is always answered with the record at the start of the list, even for
// an empty bank, because the clone program reads it back after a write only to
// see that the receiver answers.
class Receiver {
public:
    Receiver(std::string_view model, MemoryImage& image);

    Reply handle(std::string_view command);

    const std::string& model() const { return model_; }
    bool cloneMode() const { return cloneMode_; }
    void setCloneMode(bool on) { cloneMode_ = on; }
    // A receiver of a model or region the clone program does not know: every
    // identification is answered "RE", its own model's too.
    void setRefuseIdentification(bool refuse) { refuseIdentification_ = refuse; }

    // Called each time "QZ~FINISH" has ended clone mode.
    std::function<void()> onFinish;

    // A fault of the receiver's memory rather than of the line: every K-th
    // channel write ("QZ~BC..W") is acknowledged but stored with the lowest
    // bit of its frequency flipped (0: never).
    void setCorruptEvery(unsigned long long k) { corruptEvery_ = k; }

private:
    Reply handleInCloneMode(std::string_view command);
    Reply identify(std::string_view command);
    Reply readAddress(std::string_view command);
    Reply writeAddress(std::string_view command);
    Reply readChannel(std::string_view command);
    Reply writeChannel(std::string_view command);
    // Entry that channel ch of list denotes; nothing when refused.
    std::optional<int> entryOf(unsigned list, unsigned channel, bool forRead) const;

    std::string model_;
    MemoryImage& image_;
    bool cloneMode_ = false;
    bool identified_ = false; // the last command was a good identification
    bool refuseIdentification_ = false;
    unsigned long long corruptEvery_ = 0;
    unsigned long long channelWrites_ = 0;
};

} // namespace mtz4::sim
