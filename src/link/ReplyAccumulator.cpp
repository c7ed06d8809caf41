#include "link/ReplyAccumulator.h"

#include <algorithm>

namespace mtz4 {

void ReplyAccumulator::clear() {
    tail_.clear();
    count_ = 0;
}

void ReplyAccumulator::append(QByteArrayView bytes) {
    count_ += bytes.size();
    if (bytes.size() >= TailCapacity) {
        tail_ = bytes.last(TailCapacity).toByteArray();
        return;
    }
    tail_.append(bytes);
    if (tail_.size() > TailCapacity)
        tail_.remove(0, tail_.size() - TailCapacity);
}

QByteArray ReplyAccumulator::last(qsizetype n) const {
    return tail_.last(std::clamp<qsizetype>(n, 0, tail_.size()));
}

bool ReplyAccumulator::endsWithCrLf() const {
    return tail_.endsWith("\r\n");
}

} // namespace mtz4
