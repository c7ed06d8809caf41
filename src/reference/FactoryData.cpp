#include "reference/FactoryData.h"

#include "model/SettingsCodec.h"
#include "reference/VfoDefaults.h"

namespace mtz4 {

namespace {
constexpr int FactoryBanks = 10; // banks 0..9 of 100 channels
constexpr int FactoryBankSize = 100;
} // namespace

void ApplyFactoryData(DataSet& ds) {
    const int model = ds.ModelIndex;
    ds.SetLine1 = DefaultSetLine1(model);
    ds.SetLine2 = DefaultSetLine2(model);
    DecodeSettings(ds);

    VfoDefaults(ds);

    for (int n = 0; n < EntryCount; ++n) {
        ds.MemText[n].fill(QString());
        ds.MemData[n].fill(0.0);
        ds.MemEnable[n] = false;
    }

    for (int b = 0; b < BankCount; ++b) {
        const int size = b < FactoryBanks ? FactoryBankSize : 0;
        ds.BankSize[b] = size;
        ds.BankText[b] = QString::number(size);
        ds.bank.txtBank[b] = ds.BankText[b];
    }
    ds.BankSize[BankCount] = 0;
    ds.bank.lblAll = QStringLiteral("1000");

    // The group table is rebuilt from the boxes when it is next encoded; clear
    // both so that nothing reads an old membership in the meantime.
    ds.bank.chkGrp.fill(0);
    for (auto& row : ds.GroupFlag)
        row.fill(false);

    ds.CurrentFile.clear();
    ds.CurrentFileDigest.clear();
    ds.DataChanged = false;
    ds.PartlyRead = false;
    ds.PartlyImported = 0;
}

void MakeFactoryDataSet(DataSet& ds, int model) {
    InitTables(ds);
    ds.settings = SettingsRecord{};
    ds.bank = BankControls{};
    ds.ModelIndex = model;
    ApplyFactoryData(ds);
}

} // namespace mtz4
