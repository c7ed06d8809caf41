#include "link/WriteCommands.h"

#include "link/CloneMessages.h"
#include "link/CloneRefresh.h"
#include "link/CloneView.h"
#include "link/CloneWrite.h"
#include "link/Link.h"
#include "model/DataSet.h"
#include "model/GroupCodec.h"
#include "model/Prompter.h"

namespace mtz4 {

namespace {

LinkResult reported(Link& link, LinkResult result) {
    ShowWriteResult(link.prompter(), result);
    return result;
}

// Shows "Successed!!" or, when the receiver did not take "QZ~FINISH", the
// given failure message.
LinkResult finish(Link& link, const QString& failure) {
    if (SendQZFINISH(link) != LinkResult::Success) {
        link.prompter().error(failure);
        return LinkResult::Failure;
    }
    link.prompter().success();
    return LinkResult::Success;
}

} // namespace

LinkResult cmbTxData_Click(Link& link, DataSet& ds, CloneView& view) {
    const LinkResult memory = WriteMemory(link, ds, view);
    if (memory != LinkResult::Success)
        return reported(link, memory);
    return finish(link, WriteFailedMessage);
}

LinkResult cmbTxData1_Click(Link& link, DataSet& ds, CloneView& view) {
    return reported(link, WriteSettings(link, ds, view));
}

LinkResult cmbWriteBank_Click(Link& link, DataSet& ds, CloneView& view) {
    const LinkResult banks = WriteBanks(link, ds, view, EraseEntries::No);
    if (banks != LinkResult::Success)
        return reported(link, banks);
    RebuildRowLabels(ds, view);
    RefreshMemoryList(ds, view);
    if (SendClearStep(link) != LinkResult::Success)
        return LinkResult::Failure; // its own message has been shown
    return reported(link, LinkResult::Success);
}

LinkResult cmdWriteGroup_Click(Link& link, DataSet& ds, CloneView& view) {
    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success)
        return reported(link, entered);
    ReadGroupChecks(ds);
    const LinkResult groups = WriteGroups(link, ds, view);
    return reported(link, groups == LinkResult::Success ? groups : LinkResult::Failure);
}

LinkResult mnuWrMem_Click(Link& link, DataSet& ds, CloneView& view) {
    if (view.currentTab() != CloneTab::Memory)
        view.selectTab(CloneTab::Memory);
    return cmbTxData_Click(link, ds, view);
}

LinkResult mnuWrSet_Click(Link& link, DataSet& ds, CloneView& view) {
    LeaveMemoryAndBankPages(view);
    return cmbTxData1_Click(link, ds, view);
}

LinkResult mnuWrAll_Click(Link& link, DataSet& ds, CloneView& view) {
    LeaveMemoryAndBankPages(view);

    const LinkResult settings = WriteSettings(link, ds, view);
    if (settings != LinkResult::Success)
        return reported(link, settings);

    ShowMemoryListPage(ds, view);

    if (WriteMemory(link, ds, view) != LinkResult::Success)
        return reported(link, LinkResult::Failure); // "Write Failed...", also for a refusal
    return finish(link, CommunicationErrorMessage);
}

} // namespace mtz4
