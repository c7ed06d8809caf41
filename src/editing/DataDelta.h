#pragma once

#include "model/DataSet.h"

#include <memory>
#include <vector>

namespace mtz4 {

// What one step changed in a data set, kept small enough for a long undo
// history: the memory entries that differ, each before and after, and the
// rest of the data (bands, banks, groups, settings, image lines, model, the
// note code page, the partly-read and partly-imported marks) before and
// after when it differs. The notes' kept bytes go with their notes. The
// current file and the change flag are not part of it: the history keeps
// the change flag through its saved state.
class DataDelta {
public:
    // The difference between `before` and `after`.
    DataDelta(const DataSet& before, const DataSet& after);
    ~DataDelta();
    DataDelta(DataDelta&&) noexcept;
    DataDelta& operator=(DataDelta&&) noexcept;

    bool empty() const;
    // Puts the data as they were before (undo) or after (redo) into `ds`.
    void putBefore(DataSet& ds) const;
    void putAfter(DataSet& ds) const;

private:
    struct Entry;
    struct Rest;
    std::vector<Entry> entries_;
    std::unique_ptr<Rest> restBefore_; // both null when the rest did not change
    std::unique_ptr<Rest> restAfter_;
};

} // namespace mtz4
