#include "model/DataDiff.h"

#include "model/RowLabels.h"
#include "reference/SettingControls.h"

namespace mtz4 {

namespace {

// The headers of columns 0..10 of an entry or band, as the grids and the
// CSV file name them (column 4 is the secret code, 5 the carrier).
QString FieldName(int column) {
    static const QStringList names = {"Frequency",  "Mode",    "Step", "Option",
                                      "Secret",     "Carrier", "Tone", "Shift",
                                      "ShiftFreq.", "Note",    "Name"};
    return names.value(column);
}

QString YesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString GroupRowName(int row) {
    return row == GroupRows - 1 ? QStringLiteral("GRP-B") : QStringLiteral("GRP%1").arg(row);
}

// The text a settings control shows for a value.
QString SettingText(const SettingControl& control, int value) {
    switch (control.kind) {
    case SettingKind::Check:
        return value == 1   ? QStringLiteral("on")
               : value == 0 ? QStringLiteral("off")
                            : QString::number(value);
    case SettingKind::Options:
    case SettingKind::CheckOptions:
    case SettingKind::PickList:
        return value >= 0 && value < control.choices.size() ? control.choices[value].trimmed()
                                                            : QString::number(value);
    case SettingKind::Slider:
        break;
    }
    return QString::number(value);
}

bool EntryEmpty(const DataSet& ds, int e) {
    return !ds.MemEnable[e] && ds.MemData[e][Col::Freq] == 0.0;
}

} // namespace

QString DataDifference::text() const {
    return QStringLiteral("%1 %2: %3 -> %4").arg(where, field, thisValue, otherValue);
}

QList<DataDifference> CompareData(const DataSet& mine, const DataSet& other) {
    QList<DataDifference> out;
    const auto note = [&out](const QString& where, const QString& field, const QString& a,
                             const QString& b) {
        if (a != b)
            out.append({where, field, a, b});
    };

    const QStringList labels = BuildRowLabels(mine.bank);
    for (int e = 0; e < EntryCount; ++e) {
        if (EntryEmpty(mine, e) && EntryEmpty(other, e))
            continue;
        const QString where =
            labels.value(e).isEmpty() ? QStringLiteral("Entry %1").arg(e) : labels[e];
        note(where, QStringLiteral("Enabled"), YesNo(mine.MemEnable[e]), YesNo(other.MemEnable[e]));
        for (int c = 0; c <= Col::Name; ++c)
            note(where, FieldName(c), mine.MemText[e][c], other.MemText[e][c]);
        note(where, QStringLiteral("Skip"), YesNo(mine.MemData[e][Col::Skip] != 0.0),
             YesNo(other.MemData[e][Col::Skip] != 0.0));
    }

    for (int b = 0; b < BandCount; ++b) {
        for (int c = 0; c <= Col::Note; ++c)
            note(QStringLiteral("Band %1").arg(b), FieldName(c), mine.VfoText[b][c],
                 other.VfoText[b][c]);
    }

    for (int b = 0; b < BankCount; ++b)
        note(QStringLiteral("Bank %1").arg(b), QStringLiteral("Size"), mine.bank.txtBank[b],
             other.bank.txtBank[b]);
    for (int i = BankCount; i < GroupBoxCount; ++i)
        note(GroupRowName(i / BankCount), QStringLiteral("Bank %1").arg(i % BankCount),
             YesNo(mine.bank.chkGrp[i] == 1), YesNo(other.bank.chkGrp[i] == 1));

    for (const SettingControl& control : SettingControls()) {
        if (!control.offered)
            continue;
        note(QStringLiteral("Settings"), control.caption,
             SettingText(control, SettingValue(control, mine.settings)),
             SettingText(control, SettingValue(control, other.settings)));
    }
    return out;
}

} // namespace mtz4
