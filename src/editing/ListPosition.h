#pragma once

#include <QString>

namespace mtz4 {

// Where a memory grid row sits, as the edit dialog shows it: the list name
// (`lblMode`) and the position in that list (`lblCH`).
struct ListPosition {
    QString list;
    QString position;
};

// For memory grid row `row` (1..1300) with label `rowLabel`:
// rows 1..1000 "Bank 03" / "017Ch" from the label "03-017"; rows 1001..1100
// "Program Scan" / "0 - A" .. "49 - B"; rows 1101..1200 "Search Pass" /
// "0Ch" .. "99Ch"; rows 1201..1300 "Priority" / "0Ch" .. "99Ch".
ListPosition MemoryListPosition(int row, const QString& rowLabel);

} // namespace mtz4
