#pragma once

#include "link/CloneMode.h"

#include <QStringList>

namespace mtz4 {

class CloneView;
class Link;
struct DataSet;

// Clone write: copies the data set into the receiver. Every line is encoded
// immediately before it is sent. Settings, VFO, bank and group data go by
// address ("QZ~F" + address + "W" + digits), memory entries by bank and
// channel ("QZ~BC" + code + "W" + record). Every command is sent with the
// send loop (10 attempts); "with messages" means a port failure or a refusal
// shows "COM Port Error" and used-up attempts "Communication Error".
// DataChanged is never touched. Messages go to link.prompter().

// Settings lines (0000h, 0020h) and the 14 band VFO records (0300h..04A0h),
// without messages of its own. Disables the settings buttons.
LinkResult WriteSettings(Link& link, DataSet& ds, CloneView& view);

// Whether the bank table write ends with "QZ~IM" (which erases every memory
// entry in the receiver, ready for a complete memory write).
enum class EraseEntries { No = 0, Yes = 1 };

// The bank table (0100h..0160h, fitted to 1000 channels and shown in the
// size boxes first), with messages; then "QZ~IM" when asked. Disables the
// bank buttons.
LinkResult WriteBanks(Link& link, DataSet& ds, CloneView& view, EraseEntries erase);

// The group bitmap (0080h, 00A0h, 00C0h) from GroupFlag, with messages.
// Disables the bank buttons. Success or Failure.
LinkResult WriteGroups(Link& link, DataSet& ds, CloneView& view);

// The memory write: bank table and "QZ~IM", group bitmap (from the group
// check boxes), the entries from 1299 down to 0, the clear step and the
// read-back. An entry whose record begins "00000000" is empty and not sent;
// a memory channel beyond the last bank (bank sizes adding up to less than
// 1000) has no channel to go to and is not sent either: one warning lists
// such entries. Disables the memory buttons; shows the progress bar.
// "QZ~FINISH" is left to the calling command.
LinkResult WriteMemory(Link& link, DataSet& ds, CloneView& view);

// The clear step: 128 zero bytes at 0180h..01FFh in four writes, with messages.
LinkResult SendClearStep(Link& link);

// The read-back that ends a memory write: "QZ~BC" + StartBankCode + "000R",
// answered by a data block that is not used. When StartBankCode is empty
// (the receiver was in clone mode before this program first talked to it)
// it is first read from 0022h. Either kind of stop shows "COM Port Error".
LinkResult SendReadBack(Link& link);

// The five digits that address entry n in a "QZ~BC" command: for the memory
// channels (0..999) the bank and channel of row n + 1 of the memory list, whose
// label is "BB-CCC" (`rowLabels` as BuildRowLabels gives them); "50", "51",
// "52" and three digits for the Program Scan, Search Pass and Priority
// entries. Empty when the entry has no channel (its label is empty).
QString BankChannelCode(const QStringList& rowLabels, int entry);

} // namespace mtz4
