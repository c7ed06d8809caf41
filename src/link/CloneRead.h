#pragma once

#include "link/CloneMode.h"

namespace mtz4 {

class CloneView;
class Link;
struct DataSet;

// Clone read: copies the receiver's memory into the data set, block by
// block, decoding each as it arrives. There is no staging copy: what a
// stopped read has decoded stays. Every block is read with the block read
// loop (10 attempts; "COM Port Error" when the port fails, "Communication
// Error" when the attempts run out) unless said otherwise. The receiver stays
// in clone mode afterwards. Messages go to link.prompter().

// Which entry blocks a memory read fetches.
enum class MemoryRead {
    Full,  // every entry, 0..1299
    Quick, // only the entries the enable bitmap marks as in use
};

// The memory read: enables (0200h..029Fh; the sixth enable slot, entries
// 1280..1299, is not in the receiver and keeps its bits), bank table, group
// bitmap, then entries 0..1299 (0A00h + 20h x n). A record beginning
// "FFFFFFFF" leaves its entry empty and disabled. A stop in the entry loop
// keeps the entries read before it; the list is refreshed and the data are
// marked changed either way, the memory grid's current row is kept.
// Disables the memory buttons; shows the progress bar while it runs.
//
// A quick read does all of this in the same order but skips the blocks of
// disabled entries. The refresh at the end empties every disabled entry, so
// what a full read would have fetched for them is thrown away anyway: both
// reads leave the same data, also when they stop part-way.
LinkResult ReadMemory(Link& link, DataSet& ds, CloneView& view, MemoryRead read = MemoryRead::Full);

// The settings read: the two settings lines (0000h, 0020h; either kind of
// stop shows "COM Port Error" and changes nothing), decoded into the
// settings record, then the 14 band VFO records (0300h..04A0h). Disables the
// settings buttons; selects the whole VFO grid at the end.
LinkResult ReadSettings(Link& link, DataSet& ds, CloneView& view);

// The bank table read (0100h..0160h) into BankLines slots 0..3, not decoded.
// Disables the bank buttons.
LinkResult ReadBank(Link& link, DataSet& ds, CloneView& view);

// The group bitmap read (0080h, 00A0h, 00C0h) into GroupLine, then decoded
// into GroupFlag. A stop leaves GroupLine with the blocks read so far and
// GroupFlag unchanged. Success or Failure.
LinkResult ReadGroups(Link& link, DataSet& ds);

// The enable bitmap read (0200h..0280h) into EnableLines slots 0..4, then
// decoded into MemEnable. A stop decodes nothing. True on success.
bool ReadEnableLines(Link& link, DataSet& ds);

} // namespace mtz4
