#pragma once

#include "app/ClonePages.h"
#include "model/DataParts.h"

namespace mtz4 {

struct DataSet;

// Redraws the pages that show the parts a clone operation changed: the
// settings pages, the VFO grid, the bank sizes with the memory grid's row
// labels, the group boxes, the memory grid (in this order).
void ShowChangedParts(const DataSet& ds, ClonePages& pages, DataParts changed);

// Rebuilds the memory grid's row labels from the bank size boxes.
void RebuildRowLabels(const DataSet& ds, ClonePages& pages);

// Before the settings part of Read/Write > "ALL(&A)": from the "Memory" or
// "Bank" page the window goes to "Settings 1".
void LeaveMemoryAndBankPages(ClonePages& pages);

// Between the settings part and the memory part of Read/Write > "ALL(&A)":
// the memory list "All" is set up again (row labels, refresh) and shown on the
// "Memory" page.
void ShowMemoryListPage(const DataSet& ds, ClonePages& pages);

// The pages as Read/Write > "ALL(&A)" reports to them: the progress as it
// is, and the memory list page shown when the memory part starts, whose
// current row is noted then.
class WholeTransferPages : public CloneProgress {
public:
    WholeTransferPages(const DataSet& ds, ClonePages& pages) : ds_(ds), pages_(pages) {}

    void showProgress() override { pages_.showProgress(); }
    void setProgressMaximum(int maximum) override { pages_.setProgressMaximum(maximum); }
    void setProgressValue(int value) override { pages_.setProgressValue(value); }
    void hideProgress() override { pages_.hideProgress(); }
    void memoryPartStarting() override;

    // The memory grid's current row when the memory part started; 0 when it
    // did not start.
    int memoryRow() const { return memoryRow_; }

private:
    const DataSet& ds_;
    ClonePages& pages_;
    int memoryRow_ = 0;
};

} // namespace mtz4
