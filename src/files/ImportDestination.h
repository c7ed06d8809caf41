#pragma once

#include "model/DataSet.h"

#include <QString>

namespace mtz4 {

// Where the rows of an import go.
struct ImportDestination {
    enum class Kind {
        AsNumbered,  // where the file's numbers say (the program's own CSV, CHIRP's Location)
        Bank,        // into bank `bank` from its first channel, the bank growing as needed
        FromEntry,   // into consecutive entries of the list of `entry` from it on
        FreeEntries, // into the entries not in use, in bank order
    };
    Kind kind = Kind::AsNumbered;
    int bank = 0;  // Bank: 0..49
    int entry = 0; // FromEntry: 0..1299

    static ImportDestination intoBank(int bank) { return {Kind::Bank, bank, 0}; }
    static ImportDestination fromEntry(int entry) { return {Kind::FromEntry, 0, entry}; }
    static ImportDestination freeEntries() { return {Kind::FreeEntries, 0, 0}; }
    bool operator==(const ImportDestination&) const = default;
};

// The lists a row can belong to: the memory channels (every row of CHIRP's
// file, the MEMORY lines of ours), or Program Scan, Search Pass and Priority,
// whose rows keep their own lists whatever the destination.
enum class ImportList { Channels, ProgramScan, SearchPass, Priority };
ImportList ImportListOfEntry(int entry);

// The destination in words, for a report and the command line's messages:
// "as numbered in the file", "into bank 12 from its first channel", "from row
// 03-012 on", "into the free entries".
QString DestinationText(const ImportDestination& destination, const DataSet& ds);

} // namespace mtz4
