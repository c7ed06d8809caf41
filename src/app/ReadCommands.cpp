#include "app/ReadCommands.h"

#include "app/ClonePages.h"
#include "app/CloneRefresh.h"

namespace mtz4 {

namespace {

// After a settings read: the whole VFO grid selected, unless the receiver
// was in clone mode but the settings lines never came (then the settings
// are left as they were).
void selectVfoGridAfter(const CloneOutcome& outcome, ClonePages& pages) {
    if (!outcome.cloneModeEntered || outcome.changed & DataPart::Vfo)
        pages.selectWholeVfoGrid();
}

} // namespace

CloneOutcome cmbRxData_Click(Link& link, DataSet& ds, ClonePages& pages, MemoryRead read) {
    ButtonsDisabled memory(pages, CloneButtons::Memory);
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    const int row = pages.currentMemoryRow();
    const CloneOutcome outcome = ReadMemory(link, ds, pages, read);
    ShowChangedParts(ds, pages, outcome.changed);
    if (outcome.changed & DataPart::Memory)
        pages.setCurrentMemoryRow(row);
    return outcome;
}

CloneOutcome cmbRxData1_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled settings(pages, CloneButtons::Settings);
    const CloneOutcome outcome = ReadSettings(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    selectVfoGridAfter(outcome, pages);
    return outcome;
}

CloneOutcome cmbReadBank_Click(Link& link, DataSet& ds, ClonePages& pages) {
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    const CloneOutcome outcome = ReadBanksAndGroups(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

CloneOutcome cmdReadGroup_Click(Link& link, DataSet& ds, ClonePages& pages) {
    const CloneOutcome outcome = ReadScanGroups(link, ds);
    ShowChangedParts(ds, pages, outcome.changed);
    return outcome;
}

CloneOutcome mnuReMem_Click(Link& link, DataSet& ds, ClonePages& pages, MemoryRead read) {
    if (pages.currentTab() != CloneTab::Memory)
        pages.selectTab(CloneTab::Memory);
    return cmbRxData_Click(link, ds, pages, read);
}

CloneOutcome mnuReSet_Click(Link& link, DataSet& ds, ClonePages& pages) {
    if (pages.currentTab() == CloneTab::Memory)
        pages.selectTab(CloneTab::Settings1);
    return cmbRxData1_Click(link, ds, pages);
}

CloneOutcome mnuReAll_Click(Link& link, DataSet& ds, ClonePages& pages, MemoryRead read) {
    LeaveMemoryAndBankPages(pages);
    ButtonsDisabled settings(pages, CloneButtons::Settings);
    ButtonsDisabled memory(pages, CloneButtons::Memory);
    ButtonsDisabled bank(pages, CloneButtons::Bank);
    WholeTransferPages progress(ds, pages);
    const CloneOutcome outcome = ReadAll(link, ds, progress, read);
    ShowChangedParts(ds, pages, outcome.changed);
    selectVfoGridAfter(outcome, pages);
    if (outcome.changed & DataPart::Memory)
        pages.setCurrentMemoryRow(progress.memoryRow());
    return outcome;
}

} // namespace mtz4
