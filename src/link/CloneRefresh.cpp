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

} // namespace mtz4
