#pragma once

#include "model/DataSet.h"

#include <QList>

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
    OtherKind, // the entries and the place belong to lists of different kinds
};

// Moves `entry` and the ones after it in its list down by one (one edge pair
// in Program Scan) and empties `entry` (the pair). Refused when the list's
// last entry or pair is in use.
MoveOutcome InsertEmptyEntry(DataSet& ds, int entry);
// Empties `entry` (its pair) and moves the ones after it up by one; the
// list's last entry (pair) becomes empty.
MoveOutcome DeleteEntry(DataSet& ds, int entry);

// Moves `entries` (taken whole: an edge pair in Program Scan) so that they
// stand, in their order, at item `position` of the list `target` (0 is its
// first entry or pair; a position past the room left puts them last). They
// leave their lists as Delete takes an entry out and go in as Insert puts one
// in: the rest of the target list moves down, and the entries pushed past
// its end must be empty. The memory channels move between banks, the other
// lists within themselves. `landed` receives the entries they now stand in.
MoveOutcome MoveEntries(DataSet& ds, const QList<int>& entries, const EntryList& target,
                        int position, QList<int>* landed = nullptr);

// The list of the same kind before or after the one `entry` is in (the bank
// before or after with entries); an empty list where there is none.
EntryList NeighbourList(const DataSet& ds, int entry, bool after);

enum class SortKey { Frequency, Name };
// Reorders the entries of `entry`'s bank or list (pairs in Program Scan, by
// their lower edge) by frequency or by name (case-insensitive, then by
// frequency; named entries before unnamed ones); entries in use first, in a
// stable order, empty ones last.
MoveOutcome SortList(DataSet& ds, int entry, SortKey key);

} // namespace mtz4
