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

} // namespace mtz4
