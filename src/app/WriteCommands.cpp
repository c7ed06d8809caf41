#include "app/WriteCommands.h"

#include "app/ClonePages.h"
#include "app/CloneRefresh.h"
#include "link/CloneWrite.h"

namespace mtz4 {

CloneOutcome cmbTxData_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled memory(pages, CloneButtons::Memory);
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    const CloneOutcome outcome = WriteMemoryAndFinish(link, ds, pages);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

CloneOutcome cmbTxData1_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled settings(pages, CloneButtons::Settings);
    const CloneOutcome outcome = WriteSettings(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

CloneOutcome cmbWriteBank_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    const CloneOutcome outcome = WriteBankTable(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    // The memory list follows the bank sizes written.
    if (outcome.changed & DataPart::Banks)
        pages.memoryListRefreshed();
    return outcome;
}

CloneOutcome cmdWriteGroup_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    const CloneOutcome outcome = WriteScanGroups(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

CloneOutcome mnuWrMem_Click(Link& link, DataSet& ds, ClonePages& pages) {
    if (pages.currentTab() != CloneTab::Memory)
        pages.selectTab(CloneTab::Memory);
    return cmbTxData_Click(link, ds, pages);
}

CloneOutcome mnuWrSet_Click(Link& link, DataSet& ds, ClonePages& pages) {
    LeaveMemoryAndBankPages(pages);
    return cmbTxData1_Click(link, ds, pages);
}

CloneOutcome mnuWrAll_Click(Link& link, DataSet& ds, ClonePages& pages) {
    LeaveMemoryAndBankPages(pages);
    ButtonsDisabled settings(pages, CloneButtons::Settings);
    ButtonsDisabled memory(pages, CloneButtons::Memory);
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    WholeTransferPages progress(ds, pages);
    const CloneOutcome outcome = WriteAll(link, ds, progress);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

} // namespace mtz4
