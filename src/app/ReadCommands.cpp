#include "link/ReadCommands.h"

#include "link/CloneMessages.h"
#include "link/CloneRead.h"
#include "link/CloneRefresh.h"
#include "link/CloneView.h"
#include "link/Link.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/GroupCodec.h"
#include "model/Prompter.h"

namespace mtz4 {

namespace {

LinkResult reported(Link& link, LinkResult result) {
    ShowReadResult(link.prompter(), result);
    return result;
}

void showGroups(DataSet& ds, CloneView& view) {
    ShowGroups(ds);
    view.groupsShown();
}

} // namespace

LinkResult cmbRxData_Click(Link& link, DataSet& ds, CloneView& view) {
    return cmbRxData_Click(link, ds, view, MemoryRead::Full);
}

LinkResult cmbRxData_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read) {
    return reported(link, ReadMemory(link, ds, view, read));
}

LinkResult cmbRxData1_Click(Link& link, DataSet& ds, CloneView& view) {
    return reported(link, ReadSettings(link, ds, view));
}

LinkResult cmbReadBank_Click(Link& link, DataSet& ds, CloneView& view) {
    const LinkResult banks = ReadBank(link, ds, view);
    if (banks != LinkResult::Success)
        return reported(link, banks);
    DecodeBanks(ds);
    ShowBanks(ds);
    view.banksShown();
    // The bank sizes now are the receiver's, not those last loaded or saved.
    ds.DataChanged = true;
    if (ReadGroups(link, ds) != LinkResult::Success)
        return LinkResult::Failure; // its own message has been shown
    showGroups(ds, view);
    return reported(link, LinkResult::Success);
}

LinkResult cmdReadGroup_Click(Link& link, DataSet& ds, CloneView& view) {
    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success)
        return reported(link, entered);
    if (ReadGroups(link, ds) != LinkResult::Success)
        return LinkResult::Failure; // its own message has been shown
    showGroups(ds, view);
    ds.DataChanged = true;
    return reported(link, LinkResult::Success);
}

LinkResult mnuReMem_Click(Link& link, DataSet& ds, CloneView& view) {
    return mnuReMem_Click(link, ds, view, MemoryRead::Full);
}

LinkResult mnuReMem_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read) {
    if (view.currentTab() != CloneTab::Memory)
        view.selectTab(CloneTab::Memory);
    return cmbRxData_Click(link, ds, view, read);
}

LinkResult mnuReSet_Click(Link& link, DataSet& ds, CloneView& view) {
    if (view.currentTab() == CloneTab::Memory)
        view.selectTab(CloneTab::Settings1);
    return cmbRxData1_Click(link, ds, view);
}

LinkResult mnuReAll_Click(Link& link, DataSet& ds, CloneView& view) {
    return mnuReAll_Click(link, ds, view, MemoryRead::Full);
}

LinkResult mnuReAll_Click(Link& link, DataSet& ds, CloneView& view, MemoryRead read) {
    LeaveMemoryAndBankPages(view);

    const LinkResult settings = ReadSettings(link, ds, view);
    if (settings != LinkResult::Success)
        return reported(link, settings);

    ShowMemoryListPage(ds, view);

    const LinkResult memory = ReadMemory(link, ds, view, read);
    // Every failure of the memory read reads "Read Failed...", a refused
    // identification included.
    return reported(link, memory == LinkResult::Success ? memory : LinkResult::Failure);
}

} // namespace mtz4
