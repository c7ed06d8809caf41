#include "link/CloneRefresh.h"

#include "link/CloneView.h"
#include "model/DataSet.h"
#include "model/EntryOps.h"
#include "model/RowLabels.h"

namespace mtz4 {

QStringList RebuildRowLabels(const DataSet& ds, CloneView& view) {
    QStringList labels = BuildRowLabels(ds.bank);
    view.rowLabelsRebuilt(labels);
    return labels;
}

void RefreshMemoryList(DataSet& ds, CloneView& view) {
    ClearDisabledEntries(ds);
    view.memoryListRefreshed();
}

void LeaveMemoryAndBankPages(CloneView& view) {
    const CloneTab tab = view.currentTab();
    if (tab == CloneTab::Memory || tab == CloneTab::Bank)
        view.selectTab(CloneTab::Settings1);
}

void ShowMemoryListPage(DataSet& ds, CloneView& view) {
    RebuildRowLabels(ds, view);
    RefreshMemoryList(ds, view);
    if (view.currentTab() != CloneTab::Memory)
        view.selectTab(CloneTab::Memory);
}

} // namespace mtz4
