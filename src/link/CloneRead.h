#pragma once

#include "link/CloneMode.h"
#include "link/CloneOutcome.h"

namespace mtz4 {

class CloneProgress;
class Link;
struct DataSet;

// Clone read: copies the receiver's memory into the data set, block by
// block, decoding each as it arrives. There is no staging copy: what a
// stopped read has decoded stays. Every block is read with the block read
// loop (10 attempts; "COM Port Error" when the port fails, "Communication
// Error" when the attempts run out) unless said otherwise. The receiver stays
// in clone mode afterwards. Messages on the way go to link.prompter(); the
// message that ends an operation is in its outcome.

// Which entry blocks a memory read fetches.
enum class MemoryRead {
    Full,  // every entry, 0..1299
    Quick, // only the entries the enable bitmap marks as in use
};

// The operations, by what they read.

// The memory read: enables (0200h..029Fh; the sixth enable slot, entries
// 1280..1299, is not in the receiver and keeps its bits), bank table, group
// bitmap, then entries 0..1299 (0A00h + 20h x n). A record beginning
// "FFFFFFFF" leaves its entry empty and disabled. A stop in the entry loop
// keeps the entries read before it; once the enable bitmap has come the
// disabled entries are emptied and the data marked as changed, whatever
// follows. Reports the entries done to `progress`.
//
// A quick read does all of this in the same order but skips the blocks of
// disabled entries. The emptying at the end clears every disabled entry, so
// what a full read would have fetched for them is thrown away anyway: both
// reads leave the same data, also when they stop part-way.
//
// Changes Memory once the enable bitmap has come, Banks once the bank table
// has (decoded and put into the size boxes), Groups once the group bitmap
// has. Ends with "Successed!!", "Region Error" or "Read Failed...".
CloneOutcome ReadMemory(Link& link, DataSet& ds, CloneProgress& progress,
                        MemoryRead read = MemoryRead::Full);

// The settings read: the two settings lines (0000h, 0020h; either kind of
// stop shows "COM Port Error" and changes nothing), decoded into the
// settings record, then the 14 band VFO records (0300h..04A0h). Changes
// Settings and Vfo once both lines have come. Ends as ReadMemory does.
CloneOutcome ReadSettings(Link& link, DataSet& ds);

// "Read Bank": the bank table, decoded and put into the size boxes (the data
// now differ from what was last loaded or saved), then the group bitmap.
// When the group read stops, its own message has said so: no end message.
CloneOutcome ReadBanksAndGroups(Link& link, DataSet& ds);

// "Read Group": clone mode as for a read, then the group bitmap; no end
// message when the group read stops.
CloneOutcome ReadScanGroups(Link& link, DataSet& ds);

// Read ALL: the settings read, then (the disabled entries emptied and
// progress.memoryPartStarting() told) the memory read. A failed settings
// read ends it with its message; any failure of the memory read ends with
// "Read Failed...", a refused identification included.
CloneOutcome ReadAll(Link& link, DataSet& ds, CloneProgress& progress,
                     MemoryRead read = MemoryRead::Full);

// The procedures the operations are made of (ReadBank, ReadGroups,
// ReadEnableLines) are their own, in CloneRead.cpp.

} // namespace mtz4
