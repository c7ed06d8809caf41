#pragma once

#include "link/CloneMode.h"
#include "link/CloneOutcome.h"

#include <QStringList>

namespace mtz4 {

class CloneProgress;
class Link;
struct DataSet;

// Clone write: copies the data set into the receiver. Every line is encoded
// immediately before it is sent. Settings, VFO, bank and group data go by
// address ("QZ~F" + address + "W" + digits), memory entries by bank and
// channel ("QZ~BC" + code + "W" + record). Every command is sent with the
// send loop (10 attempts); "with messages" means a port failure or a refusal
// shows "COM Port Error" and used-up attempts "Communication Error".
// DataChanged is never touched; what the encoders rebuild for the receiver
// (the bank sizes fitted to 1000, the group membership taken from the group
// boxes) is named in the outcome. Messages on the way go to link.prompter();
// the message that ends an operation is in its outcome.

// The operations, by what they write.

// The settings write: settings lines (0000h, 0020h) and the 14 band VFO
// records (0300h..04A0h), without messages of its own. The receiver stays in
// clone mode. Ends with "Successed!!", "Region Error" or "Write Failed...".
CloneOutcome WriteSettings(Link& link, DataSet& ds);

// The memory write (WriteMemory: bank table and "QZ~IM", group bitmap, the
// entries from 1299 down to 0, the clear step and the read-back), then
// "QZ~FINISH". An entry whose record begins "00000000" is empty and not
// sent; a memory channel beyond the last bank (bank sizes adding up to less
// than 1000) has no channel to go to and is not sent either: one warning
// lists such entries. Reports the entries done to `progress`. Ends as
// WriteSettings does, with "Write Failed..." also when the receiver did not
// take "QZ~FINISH".
CloneOutcome WriteMemoryAndFinish(Link& link, DataSet& ds, CloneProgress& progress);

// "Write Bank": the bank table (fitted to 1000 channels and shown in the
// size boxes first, no "QZ~IM"), then the clear step; no "QZ~FINISH". No end
// message when the clear step stops (its own message has said so).
CloneOutcome WriteBankTable(Link& link, DataSet& ds);

// "Write Group": the group bitmap from the group boxes. Enters clone mode as
// a read does, so any bank total goes through.
CloneOutcome WriteScanGroups(Link& link, DataSet& ds);

// Write ALL: the settings write, then (the disabled entries emptied and
// progress.memoryPartStarting() told) the memory write and "QZ~FINISH". A
// failed settings write ends it with its message; any failure of the memory
// write ends with "Write Failed...", a refusal included; a "QZ~FINISH" that
// is not taken ends with "Communication Error".
CloneOutcome WriteAll(Link& link, DataSet& ds, CloneProgress& progress);

// The five digits that address entry n in a "QZ~BC" command: for the memory
// channels (0..999) the bank and channel of row n + 1 of the memory list, whose
// label is "BB-CCC" (`rowLabels` as BuildRowLabels gives them); "50", "51",
// "52" and three digits for the Program Scan, Search Pass and Priority
// entries. Empty when the entry has no channel (its label is empty).
QString BankChannelCode(const QStringList& rowLabels, int entry);

// The procedures the operations are made of (WriteBanks, WriteGroups,
// WriteMemory, the clear step and the read-back) are their own, in
// CloneWrite.cpp.

} // namespace mtz4
