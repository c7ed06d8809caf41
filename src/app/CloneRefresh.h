#pragma once

#include <QStringList>

namespace mtz4 {

class CloneView;
struct DataSet;

// Rebuilds the memory grid's row labels from the bank size boxes, tells the
// view and returns them.
QStringList RebuildRowLabels(const DataSet& ds, CloneView& view);

// The refresh of the memory list after a change of the entries: disabled
// entries are emptied (a disabled entry carries no data), then the view
// redraws the grid.
void RefreshMemoryList(DataSet& ds, CloneView& view);

// Before the settings part of Read/Write > "ALL(&A)": from the "Memory" or
// "Bank" page the view goes to "Settings 1".
void LeaveMemoryAndBankPages(CloneView& view);

// Between the settings part and the memory part of Read/Write > "ALL(&A)":
// the memory list "All" is set up again (row labels, refresh) and shown on the
// "Memory" page.
void ShowMemoryListPage(DataSet& ds, CloneView& view);

} // namespace mtz4
