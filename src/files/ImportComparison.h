#pragma once

#include "files/ImportReport.h"
#include "model/DataSet.h"

namespace mtz4 {

// Ends the report of an import or a paste with what it changed in what was
// there: the differences (CompareEntry, CompareBand) of every memory entry
// in use before it (enabled or holding a frequency) and of every VFO band,
// between `before` and `after`, entries named by their row labels after
// it. `report.comparedCount` counts them by field, most first, and
// `report.compared` lists them, so that a spreadsheet's rewrite of a name
// or a note ("007" -> "7") shows. Returns how many memory entries in use
// before it changed: what an import asks about before it replaces them.
int CompareWithBefore(ImportReport& report, const DataSet& before, const DataSet& after);

} // namespace mtz4
