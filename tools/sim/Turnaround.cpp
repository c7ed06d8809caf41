#include "Turnaround.h"

#include <algorithm>
#include <cmath>

namespace mtz4::sim {

void Turnaround::commandStarted(Nanos at) {
    if (!replyEnd_)
        return;
    samples_.push_back(std::max<Nanos>(at - *replyEnd_, 0));
    replyEnd_.reset();
}

Nanos Turnaround::median() const {
    if (samples_.empty())
        return 0;
    std::vector<Nanos> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

Nanos Turnaround::mean() const {
    if (samples_.empty())
        return 0;
    Nanos sum = 0;
    for (Nanos s : samples_)
        sum += s;
    return sum / static_cast<Nanos>(samples_.size());
}

Nanos Turnaround::percentile(double p) const {
    if (samples_.empty())
        return 0;
    std::vector<Nanos> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * sorted.size()));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace mtz4::sim
