#pragma once

#include "link/CloneOutcome.h"
#include "link/CloneRead.h"

namespace mtz4 {

class ClonePages;
class Link;
struct DataSet;

// The window's handlers of the clone read buttons and the Read menu. Each
// disables its buttons, selects the tab of its data, runs the link's read
// operation, redraws what it changed and returns its outcome; the caller
// shows the outcome's message (CloneCommands, after what follows a read).

// Memory page "Read": ReadMemory, keeping the memory grid's current row.
// The handlers that read the memory take the kind of memory read.
CloneOutcome cmbRxData_Click(Link& link, DataSet& ds, ClonePages& pages,
                             MemoryRead read = MemoryRead::Full);
// "Read Settings" on either settings page: ReadSettings; the whole VFO grid
// selected afterwards, unless the settings lines never came.
CloneOutcome cmbRxData1_Click(Link& link, DataSet& ds, ClonePages& pages);
// Bank page "Read Bank": the bank table, decoded and shown, then the groups.
CloneOutcome cmbReadBank_Click(Link& link, DataSet& ds, ClonePages& pages);
// Bank page "Read Group": the group bitmap.
CloneOutcome cmdReadGroup_Click(Link& link, DataSet& ds, ClonePages& pages);

// Read > "Memory(&M)": selects the "Memory" tab, then as the memory "Read".
CloneOutcome mnuReMem_Click(Link& link, DataSet& ds, ClonePages& pages,
                            MemoryRead read = MemoryRead::Full);
// Read > "Settings(&S)": selects "Settings 1" when on "Memory", then as
// "Read Settings".
CloneOutcome mnuReSet_Click(Link& link, DataSet& ds, ClonePages& pages);
// Read > "ALL(&A)": "Settings 1" from the "Memory" or "Bank" page, the
// settings read, then on the "Memory" page the memory read (ReadAll).
CloneOutcome mnuReAll_Click(Link& link, DataSet& ds, ClonePages& pages,
                            MemoryRead read = MemoryRead::Full);

} // namespace mtz4
