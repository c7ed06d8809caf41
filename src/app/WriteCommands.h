#pragma once

#include "link/CloneOutcome.h"

namespace mtz4 {

class ClonePages;
class Link;
struct DataSet;

// The window's handlers of the clone write buttons and the Write menu. Each
// disables its buttons, selects the tab of its data, runs the link's write
// operation, redraws what the encoders rebuilt and returns its outcome; the
// caller shows the outcome's message (CloneCommands, after a read-back
// where Verify After Write is on).

// Memory page "Write": the memory write, then "QZ~FINISH".
CloneOutcome cmbTxData_Click(Link& link, DataSet& ds, ClonePages& pages);
// "Write Settings" on either settings page: the settings write; the
// receiver stays in clone mode.
CloneOutcome cmbTxData1_Click(Link& link, DataSet& ds, ClonePages& pages);
// Bank page "Write Bank": the bank table (no "QZ~IM"), the row labels and
// memory list rebuilt, the clear step; no "QZ~FINISH".
CloneOutcome cmbWriteBank_Click(Link& link, DataSet& ds, ClonePages& pages);
// Bank page "Write Group": the group bitmap from the group check boxes.
// Enters clone mode as a read does, so any bank total goes through.
CloneOutcome cmdWriteGroup_Click(Link& link, DataSet& ds, ClonePages& pages);

// Write > "Memory(&M)": selects the "Memory" tab, then as the memory "Write".
CloneOutcome mnuWrMem_Click(Link& link, DataSet& ds, ClonePages& pages);
// Write > "Settings(&S)": selects "Settings 1" when on "Memory" or "Bank",
// then as "Write Settings".
CloneOutcome mnuWrSet_Click(Link& link, DataSet& ds, ClonePages& pages);
// Write > "ALL(&A)": "Settings 1" from the "Memory" or "Bank" page, the
// settings write, then on the "Memory" page the memory write and
// "QZ~FINISH" (WriteAll).
CloneOutcome mnuWrAll_Click(Link& link, DataSet& ds, ClonePages& pages);

} // namespace mtz4
