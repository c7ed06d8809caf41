#include "model/DataSet.h"

#include "model/ReferenceTables.h"

namespace mtz4 {

void SelectModelButton(DataSet& ds, int button) {
    if (button >= 0 && button < ModelCount)
        ds.ModelIndex = button;
}

void InitTables(DataSet& ds) {
    // The band captions and limits and the Program Scan labels live with the
    // other reference tables; make sure they exist before any table is used.
    InitReferenceTables();

    for (int n = 0; n < EntryCount; ++n) {
        ds.MemData[n].fill(0.0);
        ds.MemText[n].fill(QString());
        ds.MemEnable[n] = false;
    }
    ds.MemNoteBytes.fill(QByteArray());
    ds.VfoNoteBytes.fill(QByteArray());
    for (int b = 0; b < BandCount; ++b) {
        ds.VfoData[b].fill(0.0);
        ds.VfoText[b].fill(QString());
    }
    for (auto& row : ds.GroupFlag)
        row.fill(false);

    ds.SetLine1.clear();
    ds.SetLine2.clear();
    ds.GroupLine = QStringLiteral("00000000000000FFFFFFFFFFFFFFFFFF");
    ds.BankLines.fill(QString());
    ds.EnableLines.fill(QString());

    for (int b = 0; b < BankCount; ++b) {
        ds.BankSize[b] = b < 10 ? 100 : 0;
        ds.BankText[b] = b < 10 ? QStringLiteral("100") : QStringLiteral("0");
    }
    ds.BankSize[BankCount] = 0;
}

} // namespace mtz4
