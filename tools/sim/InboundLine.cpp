#include "InboundLine.h"

#include <algorithm>

namespace mtz4::sim {

void InboundLine::receive(std::size_t count, Nanos readAt) {
    readAt_ = readAt;
    start_ = std::max(readAt, freeAt_);
    freeAt_ = start_ + lineTime(count);
    received_ += count;
}

Nanos InboundLine::startOf(std::size_t k) const {
    return pace_ ? start_ + lineTime(k) : readAt_;
}

Nanos InboundLine::arrivalOf(std::size_t k) const {
    return pace_ ? start_ + lineTime(k + 1) : readAt_;
}

} // namespace mtz4::sim
