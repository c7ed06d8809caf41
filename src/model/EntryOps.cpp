#include "model/EntryOps.h"

namespace mtz4 {

void ClearEntry(DataSet& ds, int entry) {
    ds.MemEnable[entry] = false;
    ds.MemData[entry].fill(0.0);
    for (QString& text : ds.MemText[entry])
        text.clear();
    ds.MemNoteBytes[entry].clear();
}

void ClearDisabledEntries(DataSet& ds) {
    for (int e = 0; e < EntryCount; ++e) {
        if (!ds.MemEnable[e])
            ClearEntry(ds, e);
    }
}

} // namespace mtz4
