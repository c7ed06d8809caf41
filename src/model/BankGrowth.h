#pragma once

#include "model/DataSet.h"

#include <QList>

namespace mtz4 {

// A bank that grows into the free channels of the others, the 1000 channels
// staying 1000: an import into a bank that is too small for its rows. Only
// free channels at the end of a bank (or of the channels that belong to no
// bank) are given up, so that every channel in use keeps its bank and its
// number; the channels of the banks in between move along in the memory
// entries with their banks.

// The channels that belong to no bank when the sizes add up to less than
// 1000 (entries from the total to 999), as a bank of their own for the
// functions below.
inline constexpr int NoBank = BankCount;

// How many channels at the end of `bank` (0..49, or NoBank) are not in use:
// what it can give up.
int FreeChannelsAtEnd(const DataSet& ds, int bank);

// Bank `from` gives its last channel, which must not be in use, to the end
// of bank `to` (either may be NoBank). The entries between the two move by
// one, and the sizes (the boxes, BankText, BankSize, the unassigned count,
// the total) follow.
void MoveLastChannel(DataSet& ds, int from, int to);

// The bank that gives `bank` its next channel: the channels of no bank
// first, then the nearest bank after it with a free channel at its end, then
// the nearest before it; -1 when none has one (or the sizes add up to more
// than 1000, which no growth may keep).
int DonorFor(const DataSet& ds, int bank);

// The channels that a bank's growth took: `count` from the end of `donor`
// (NoBank: channels of no bank), which has `left` then.
struct BankDonation {
    int donor = 0;
    int count = 0;
    int left = 0;
};

// The sentence a report says of a growth: "Bank 12 grew from 20 to 85
// channels, taking the free channels at the end of bank 8 (15; 85 left) and
// bank 9 (50; 50 left)." (the channels of no bank first).
QString BankGrowthText(int bank, int from, int to, const QList<BankDonation>& donations);

} // namespace mtz4
