#pragma once

#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QString>

namespace mtz4 {

// What became of a size typed into a bank size box.
enum class BankSizeOutcome {
    Accepted,      // the size is taken over
    OutOfRange,    // above 1000 or negative: the last accepted size is put back, silently
    TotalTooLarge, // the 50 sizes would exceed 1000: the last accepted size is put back
};

// Takes over the text `typed` in the size box of bank `bank` when the box
// loses the focus. An accepted size becomes BankSize/BankText (the box keeps
// the text as typed, "0050" say); a refused one puts the last accepted text
// back into the box. Then every size, the unassigned count and the total are
// read from the boxes, and the data count as changed either way.
BankSizeOutcome TakeOverBankSize(DataSet& ds, int bank, const QString& typed);

// The message shown when the sizes would exceed 1000 channels.
Prompt BankTotalTooLargePrompt();

} // namespace mtz4
