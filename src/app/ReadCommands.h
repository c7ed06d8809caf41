#pragma once

#include "link/CloneMode.h"
#include "link/CloneRead.h"

namespace mtz4 {

class CloneView;
class Link;
struct DataSet;

// The clone read commands of the buttons and the Read menu. Each shows its
// messages through link.prompter() ("Successed!!", "Region Error",
// "Read Failed...") and returns its outcome, Success only when it showed
// "Successed!!".

// Memory page "Read": ReadMemory. The commands that read the memory take
// the kind of memory read; without it they read every entry.
LinkResult cmbRxData_Click(Link& link, DataSet& ds, CloneView& view);
LinkResult cmbRxData_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read);
// "Read Settings" on either settings page: ReadSettings.
LinkResult cmbRxData1_Click(Link& link, DataSet& ds, CloneView& view);
// Bank page "Read Bank": the bank table, decoded and shown, then the groups.
LinkResult cmbReadBank_Click(Link& link, DataSet& ds, CloneView& view);
// Bank page "Read Group": the group bitmap.
LinkResult cmdReadGroup_Click(Link& link, DataSet& ds, CloneView& view);

// Read > "Memory(&M)": selects the "Memory" tab, then as the memory "Read".
LinkResult mnuReMem_Click(Link& link, DataSet& ds, CloneView& view);
LinkResult mnuReMem_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read);
// Read > "Settings(&S)": selects "Settings 1" when on "Memory", then as
// "Read Settings".
LinkResult mnuReSet_Click(Link& link, DataSet& ds, CloneView& view);
// Read > "ALL(&A)": the settings read, then the memory read; the memory
// read does not start when the settings read failed.
LinkResult mnuReAll_Click(Link& link, DataSet& ds, CloneView& view);
LinkResult mnuReAll_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read);

} // namespace mtz4
