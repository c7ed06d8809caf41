#include "files/ModelFit.h"

#include "model/EntryCodes.h"
#include "model/EntryOps.h"
#include "model/ModelRules.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"
#include "reference/VfoDefaults.h"

#include <QCoreApplication>
#include <memory>

namespace mtz4 {

namespace {

QString BandWhere(int band) {
    return QCoreApplication::translate("ModelFit", "Band %1").arg(band);
}

// The option the model lacks turned "OFF", with the line that says so; an
// empty line when the model offers it.
template <typename Numbers, typename Texts>
QString DropMissingOption(int model, Numbers& data, Texts& text) {
    RecordFields fields = FieldsOf(data);
    if (ModelOffersOption(model, fields.option))
        return {};
    const QString was = OptionText(fields.option);
    fields.option = OptionOffCode;
    PutRecordFields(data, text, fields);
    return QCoreApplication::translate("ModelFit", "option: %1 → %2 (the %3 has no %1 option)")
        .arg(was, OptionText(OptionOffCode), ModelName(model));
}

} // namespace

ImportReport FitDataToModel(DataSet& ds, int model) {
    ImportReport report;
    report.noun = QStringLiteral("entries and bands");
    ds.ModelIndex = model;

    const auto factory = std::make_unique<DataSet>();
    factory->ModelIndex = model;
    VfoDefaults(*factory);
    for (int band = 0; band < BandCount; ++band) {
        auto& data = ds.VfoData[band];
        auto& text = ds.VfoText[band];
        const QString changed = DropMissingOption(model, data, text);
        const QString refusal = BandRefusal(ds, band, FieldsOf(data));
        if (refusal.isEmpty()) {
            ++report.imported;
            if (!changed.isEmpty())
                report.changed << ChangedRow(BandWhere(band), {changed});
            continue;
        }
        // The factory record in its place; the note stays, it is the user's.
        const QString note = text[Col::Note];
        const bool same = data == factory->VfoData[band];
        data = factory->VfoData[band];
        text = factory->VfoText[band];
        text[Col::Note] = note;
        // A record that was the factory's already is as good as kept.
        if (same)
            ++report.imported;
        else
            report.skipped << QStringLiteral("%1: %2").arg(BandWhere(band), refusal);
    }

    const QStringList labels = BuildRowLabels(ds.bank);
    for (int entry = 0; entry < EntryCount; ++entry) {
        if (!ds.MemEnable[entry])
            continue;
        const QString where = labels.value(entry);
        const QString changed = DropMissingOption(model, ds.MemData[entry], ds.MemText[entry]);
        const QString refusal = EntryRefusal(ds, entry, FieldsOf(ds.MemData[entry]), true);
        if (!refusal.isEmpty()) {
            ClearEntry(ds, entry);
            report.skipped << QStringLiteral("%1: %2").arg(where, refusal);
            continue;
        }
        ++report.imported;
        if (!changed.isEmpty())
            report.changed << ChangedRow(where, {changed});
    }
    ds.DataChanged = true;
    return report;
}

} // namespace mtz4
