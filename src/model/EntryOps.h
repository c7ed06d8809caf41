#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// Empties entry e: disabled, every number 0, every text (note and name
// included) empty.
void ClearEntry(DataSet& ds, int entry);

// Empties every disabled entry. A disabled entry carries no data: every
// refresh of the memory list applies this before showing the entries, and so
// do the clone read and the clone-file load, which end with such a refresh.
void ClearDisabledEntries(DataSet& ds);

} // namespace mtz4
