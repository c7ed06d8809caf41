#include "app/CloneRefresh.h"

#include "model/DataSet.h"
#include "model/RowLabels.h"

namespace mtz4 {

void ShowChangedParts(const DataSet& ds, ClonePages& pages, DataParts changed) {
    if (changed & DataPart::Settings)
        pages.settingsDecoded();
    if (changed & DataPart::Vfo)
        pages.vfoListRefreshed();
    if (changed & DataPart::Banks) {
        pages.banksShown();
        RebuildRowLabels(ds, pages);
    }
    if (changed & DataPart::Groups)
        pages.groupsShown();
    if (changed & DataPart::Memory)
        pages.memoryListRefreshed();
}

void RebuildRowLabels(const DataSet& ds, ClonePages& pages) {
    pages.rowLabelsRebuilt(BuildRowLabels(ds.bank));
}

void LeaveMemoryAndBankPages(ClonePages& pages) {
    const CloneTab tab = pages.currentTab();
    if (tab == CloneTab::Memory || tab == CloneTab::Bank)
        pages.selectTab(CloneTab::Settings1);
}

void ShowMemoryListPage(const DataSet& ds, ClonePages& pages) {
    RebuildRowLabels(ds, pages);
    pages.memoryListRefreshed();
    if (pages.currentTab() != CloneTab::Memory)
        pages.selectTab(CloneTab::Memory);
}

void WholeTransferPages::memoryPartStarting() {
    ShowMemoryListPage(ds_, pages_);
    memoryRow_ = pages_.currentMemoryRow();
}

} // namespace mtz4
