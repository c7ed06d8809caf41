#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// The entries of the list an entry belongs to, as the memory grid lays them
// out: its bank (from the bank size boxes) for a memory channel, or the
// Program Scan, Search Pass or Priority list. `step` is 2 in Program Scan,
// whose entries move as lower and upper edge together. Empty (first > last)
// for a channel beyond the last bank.
struct EntryList {
    int first = 0;
    int last = -1;
    int step = 1;

    bool contains(int entry) const { return entry >= first && entry <= last; }
};
EntryList ListOfEntry(const DataSet& ds, int entry);

// True when the entry holds something: enabled, or a frequency.
bool EntryInUse(const DataSet& ds, int entry);

enum class MoveOutcome {
    Done,
    LastInUse, // inserting would push the list's last entry (or edge pair) out
    NoList,    // the entry belongs to no list
};

// Moves `entry` and the ones after it in its list down by one (one edge pair
// in Program Scan) and empties `entry` (the pair). Refused when the list's
// last entry or pair is in use.
MoveOutcome InsertEmptyEntry(DataSet& ds, int entry);
// Empties `entry` (its pair) and moves the ones after it up by one; the
// list's last entry (pair) becomes empty.
MoveOutcome DeleteEntry(DataSet& ds, int entry);

enum class SortKey { Frequency, Name };
// Reorders the entries of `entry`'s bank or list (pairs in Program Scan, by
// their lower edge) by frequency or by name (case-insensitive, then by
// frequency; named entries before unnamed ones); entries in use first, in a
// stable order, empty ones last.
MoveOutcome SortList(DataSet& ds, int entry, SortKey key);

} // namespace mtz4
