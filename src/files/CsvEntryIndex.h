#pragma once

#include <QString>

namespace mtz4 {

// The memory entry a CHANNEL field of the CSV file names, for the lines of
// the Program Scan, Search Pass and Priority sections. The field is given in
// upper case; the result is the entry number, or -1 when the field names no
// entry of the section.

// "P" + pair + "A" or "B" (P0A = 1000, P12B = 1025, P49B = 1099); otherwise
// an offset 0..99 or an entry number 1000..1099, with or without the "P".
int ParseProgramScanIndex(const QString& field);
// An offset 0..99 or an entry number 1100..1199.
int ParseSearchPassIndex(const QString& field);
// An offset 0..9 or an entry number 1200..1299; offsets 10..99 name no entry.
int ParsePriorityIndex(const QString& field);

} // namespace mtz4
