#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mtz4::sim {

// Collects the bytes that arrive on the line into commands: a command is
// everything up to a CR. LF characters are not part of a command (a client
// that ends its commands with CR LF is understood too) and empty commands are
// dropped. A line that grows beyond maxLength without a CR is discarded up to
// the next CR, so a babbling peer cannot make it grow without bound.
class LineAssembler {
public:
    // Long enough for a write of the whole 64 KiB image in one command.
    static constexpr std::size_t maxLength = 2 * 65536 + 64;

    // Adds bytes; returns the commands they completed, in order.
    std::vector<std::string> feed(std::string_view bytes);

    // Number of lines discarded for being too long.
    std::size_t discardedLines() const { return discarded_; }

private:
    std::string pending_;
    bool overflowed_ = false;
    std::size_t discarded_ = 0;
};

} // namespace mtz4::sim
