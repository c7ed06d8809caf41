#include "LineAssembler.h"

namespace mtz4::sim {

std::vector<std::string> LineAssembler::feed(std::string_view bytes) {
    std::vector<std::string> commands;
    for (char c : bytes) {
        if (c == '\r') {
            if (overflowed_) {
                ++discarded_;
                overflowed_ = false;
            } else if (!pending_.empty()) {
                commands.push_back(std::move(pending_));
            }
            pending_.clear();
        } else if (c == '\n') {
            continue;
        } else if (overflowed_) {
            continue;
        } else if (pending_.size() >= maxLength) {
            overflowed_ = true;
            pending_.clear();
            pending_.shrink_to_fit();
        } else {
            pending_.push_back(c);
        }
    }
    return commands;
}

} // namespace mtz4::sim
