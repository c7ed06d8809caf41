#include "model/DataDiff.h"

#include "model/NoteBytes.h"
#include "model/RecordCodec.h"
#include "model/RowLabels.h"
#include "model/SettingControls.h"

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

// Where each column of a record lies in its encoded bytes.
struct CodedField {
    int column;
    int byte;
    int bytes;
};
constexpr CodedField CodedFields[] = {
    {Col::Freq, 0, 4},      {Col::Mode, 4, 1},    {Col::Step, 5, 1},  {Col::Shift, 6, 4},
    {Col::ShiftDir, 10, 1}, {Col::Option, 11, 1}, {Col::Tone, 12, 1}, {Col::Secret, 13, 1},
    {Col::Carrier, 14, 1},  {Col::Skip, 17, 1},   {Col::Name, 26, 6},
};

// The record's columns whose display texts agree but whose bytes to the
// receiver differ: the decoder keeps some codes as read (a shift direction
// of 10h shows "OFF" as 00h does), and those reach the receiver as they are.
// `shown(column)` tells whether a line was already given for the column.
template <typename Shown>
void noteCodes(QList<DataDifference>& out, const QString& where, const QString& mine,
               const QString& other, Shown shown) {
    if (mine == other)
        return;
    for (const CodedField& f : CodedFields) {
        const QString a = mine.mid(f.byte * 2, f.bytes * 2);
        const QString b = other.mid(f.byte * 2, f.bytes * 2);
        if (a != b && !shown(f.column))
            out.append({where,
                        (f.column == Col::Skip ? QStringLiteral("Skip") : FieldName(f.column)) +
                            QStringLiteral(" code"),
                        a, b});
    }
}

QString shownName(const QString& name) {
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == QLatin1Char(' '))
        --end;
    return name.left(end);
}

// The bytes of a note in hex ("81 20 78").
QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// A line for two notes that read alike but whose file bytes differ.
void noteBytes(QList<DataDifference>& out, const QString& where, const DataSet& mine,
               const DataSet& other, const QString& note, const QByteArray& keptMine,
               const QByteArray& keptOther, const QString& otherNote) {
    if (note != otherNote || (keptMine.isEmpty() && keptOther.isEmpty()))
        return;
    const QByteArray a = NoteFileBytes(note, keptMine, mine.NoteCodePage);
    const QByteArray b = NoteFileBytes(otherNote, keptOther, other.NoteCodePage);
    if (a != b)
        out.append({where, QStringLiteral("Note bytes differ"), hexBytes(a), hexBytes(b)});
}

} // namespace

QList<DataDifference> CompareEntry(const DataSet& mine, const DataSet& other, int e,
                                   const QString& where) {
    QList<DataDifference> out;
    const auto note = [&out, &where](const QString& field, const QString& a, const QString& b) {
        if (a != b)
            out.append({where, field, a, b});
    };
    note(QStringLiteral("Enabled"), YesNo(mine.MemEnable[e]), YesNo(other.MemEnable[e]));
    for (int c = 0; c < Col::Name; ++c)
        note(FieldName(c), mine.MemText[e][c], other.MemText[e][c]);
    // Names as the receiver shows them: the record fills a short name with
    // what reads back as blanks ("TWR" is "TWR   ").
    if (shownName(mine.MemText[e][Col::Name]) != shownName(other.MemText[e][Col::Name]))
        note(FieldName(Col::Name), mine.MemText[e][Col::Name], other.MemText[e][Col::Name]);
    const bool skipMine = mine.MemData[e][Col::Skip] != 0.0;
    const bool skipOther = other.MemData[e][Col::Skip] != 0.0;
    note(QStringLiteral("Skip"), YesNo(skipMine), YesNo(skipOther));
    noteCodes(out, where, EncodeMem(mine, e), EncodeMem(other, e), [&](int c) {
        return c == Col::Skip   ? skipMine != skipOther
               : c == Col::Name ? true
                                : mine.MemText[e][c] != other.MemText[e][c];
    });
    noteBytes(out, where, mine, other, mine.MemText[e][Col::Note], mine.MemNoteBytes[e],
              other.MemNoteBytes[e], other.MemText[e][Col::Note]);
    return out;
}

QList<DataDifference> CompareBand(const DataSet& mine, const DataSet& other, int b) {
    QList<DataDifference> out;
    const QString where = QStringLiteral("Band %1").arg(b);
    for (int c = 0; c <= Col::Note; ++c) {
        if (mine.VfoText[b][c] != other.VfoText[b][c])
            out.append({where, FieldName(c), mine.VfoText[b][c], other.VfoText[b][c]});
    }
    noteCodes(out, where, EncodeVFO(mine, b), EncodeVFO(other, b),
              [&](int c) { return mine.VfoText[b][c] != other.VfoText[b][c]; });
    noteBytes(out, where, mine, other, mine.VfoText[b][Col::Note], mine.VfoNoteBytes[b],
              other.VfoNoteBytes[b], other.VfoText[b][Col::Note]);
    return out;
}

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
        out += CompareEntry(mine, other, e, where);
    }

    for (int b = 0; b < BandCount; ++b)
        out += CompareBand(mine, other, b);

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
