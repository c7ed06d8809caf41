#pragma once

#include "model/DataSet.h"

#include <QString>
#include <QStringList>

namespace mtz4 {

// The next entry after `from` (before it when `forward` is false) whose
// frequency text, name or note contains `text`, ignoring case; the search
// wraps around the list and ends at `from` itself. -1 when none matches or
// the text is empty. `from` may be -1 (start at the list's beginning, or end).
int FindEntry(const DataSet& ds, const QString& text, int from, bool forward);

// The entry whose row label (as BuildRowLabels writes them) the user typed,
// written loosely: "03-012" or "3-12", "Pr 7", "S12" or "Sp 12", "12A" or
// "P12A". -1 for a label no row has.
int EntryOfRowLabel(const QStringList& labels, const QString& typed);

} // namespace mtz4
