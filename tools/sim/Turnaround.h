#pragma once

#include "ReplyScheduler.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace mtz4::sim {

// The client's turnaround: from the last character of a reply to the first
// character of the next command. Only a command that follows a complete
// reply gives a sample, so unanswered commands and their retries do not
// count.
class Turnaround {
public:
    void replyEnded(Nanos at) { replyEnd_ = at; }
    void commandStarted(Nanos at);

    std::size_t count() const { return samples_.size(); }
    // The median, the p-th percentile (nearest rank) and the mean of the
    // samples; 0 when there are none.
    Nanos median() const;
    Nanos percentile(double p) const;
    Nanos mean() const;

private:
    std::optional<Nanos> replyEnd_;
    std::vector<Nanos> samples_;
};

} // namespace mtz4::sim
