#pragma once

#include "model/BankControls.h"

#include <QStringList>

namespace mtz4 {

// The labels of the 1300 rows of the memory list "All", row r+1 showing entry r:
// BB-CCC for the memory channels, laid out bank after bank from the sizes in
// the bank size boxes (empty banks skipped); 0A..49B for the Program Scan
// edges; S0..S99 for Search Pass; Pr0..Pr99 for Priority. Channels beyond the
// last bank (size boxes adding up to less than 1000) get an empty label.
QStringList BuildRowLabels(const BankControls& bank);

} // namespace mtz4
