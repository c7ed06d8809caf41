#include "files/CsvEntryIndex.h"

#include "model/Limits.h"
#include "model/NumericText.h"

namespace mtz4 {

namespace {

constexpr int ProgramScanEntries = FirstSearchPassEntry - FirstProgramScanEntry;
constexpr int ProgramScanPairs = ProgramScanEntries / 2;
constexpr int SearchPassEntries = FirstPriorityEntry - FirstSearchPassEntry;
constexpr int PriorityEntries = EntryCount - FirstPriorityEntry;
// Only the first ten priority entries are taken by their offset.
constexpr int PriorityOffsets = 10;

bool startsWithDigit(const QString& s) {
    return !s.isEmpty() && s[0] >= QLatin1Char('0') && s[0] <= QLatin1Char('9');
}

qint64 wholeValue(const QString& s) {
    return RoundHalfEven(NumericValue(s));
}

// n as an offset below `offsets` into the section starting at `first`, or as
// one of the section's `count` entry numbers.
int offsetOrEntry(qint64 n, int first, int offsets, int count) {
    if (n >= 0 && n < offsets)
        return first + int(n);
    if (n >= first && n < first + count)
        return int(n);
    return -1;
}

} // namespace

int ParseProgramScanIndex(const QString& field) {
    if (field.isEmpty())
        return -1;
    if (field[0] != QLatin1Char('P')) {
        if (!startsWithDigit(field))
            return -1;
        return offsetOrEntry(wholeValue(field), FirstProgramScanEntry, ProgramScanEntries,
                             ProgramScanEntries);
    }
    const qint64 n = wholeValue(field.mid(1));
    const QChar edge = field.back();
    if (edge == QLatin1Char('A') || edge == QLatin1Char('B')) {
        if (n < 0 || n >= ProgramScanPairs)
            return -1;
        return FirstProgramScanEntry + 2 * int(n) + (edge == QLatin1Char('B') ? 1 : 0);
    }
    return offsetOrEntry(n, FirstProgramScanEntry, ProgramScanEntries, ProgramScanEntries);
}

int ParseSearchPassIndex(const QString& field) {
    if (!startsWithDigit(field))
        return -1;
    return offsetOrEntry(wholeValue(field), FirstSearchPassEntry, SearchPassEntries,
                         SearchPassEntries);
}

int ParsePriorityIndex(const QString& field) {
    if (!startsWithDigit(field))
        return -1;
    return offsetOrEntry(wholeValue(field), FirstPriorityEntry, PriorityOffsets, PriorityEntries);
}

} // namespace mtz4
