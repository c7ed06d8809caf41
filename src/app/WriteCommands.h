#pragma once

#include "link/CloneMode.h"

namespace mtz4 {

class CloneView;
class Link;
struct DataSet;

// The clone write commands of the buttons and the Write menu. Each shows its
// messages through link.prompter() ("Successed!!", "Region Error",
// "Write Failed...", "Communication Error") and returns its outcome, Success
// only when it showed "Successed!!".

// Memory page "Write": WriteMemory, then "QZ~FINISH".
LinkResult cmbTxData_Click(Link& link, DataSet& ds, CloneView& view);
// "Write Settings" on either settings page: WriteSettings; the receiver
// stays in clone mode.
LinkResult cmbTxData1_Click(Link& link, DataSet& ds, CloneView& view);
// Bank page "Write Bank": the bank table (no "QZ~IM"), the row labels and
// memory list rebuilt, then the clear step; no "QZ~FINISH".
LinkResult cmbWriteBank_Click(Link& link, DataSet& ds, CloneView& view);
// Bank page "Write Group": the group bitmap from the group check boxes.
// Enters clone mode as a read does, so any bank total goes through.
LinkResult cmdWriteGroup_Click(Link& link, DataSet& ds, CloneView& view);

// Write > "Memory(&M)": selects the "Memory" tab, then as the memory "Write".
LinkResult mnuWrMem_Click(Link& link, DataSet& ds, CloneView& view);
// Write > "Settings(&S)": selects "Settings 1" when on "Memory" or "Bank",
// then as "Write Settings".
LinkResult mnuWrSet_Click(Link& link, DataSet& ds, CloneView& view);
// Write > "ALL(&A)": the settings write, the memory write, "QZ~FINISH".
LinkResult mnuWrAll_Click(Link& link, DataSet& ds, CloneView& view);

} // namespace mtz4
