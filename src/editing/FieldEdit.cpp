#include "editing/FieldEdit.h"

#include "editing/FrequencyChecks.h"
#include "editing/GridLayout.h"
#include "editing/NoteBox.h"
#include "editing/StoreEditFields.h"
#include "model/EntryCodes.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/TextFit.h"
#include "model/TextLanguage.h"
#include "reference/BandDefaults.h"

#include <QCoreApplication>
#include <memory>

namespace mtz4 {

namespace {

constexpr int Step20KHz = 6;
constexpr int ModeCount = 3;
constexpr int StepCount = 18;
constexpr int OptionCount = 5;
constexpr int CodeCount = 29; // carrier codes and secret codes
constexpr int ShiftDirCount = 3;

int& CodeOf(EditFields& f, EditField field) {
    switch (field) {
    case EditField::Mode:
        return f.mode;
    case EditField::Step:
        return f.step;
    case EditField::Option:
        return f.option;
    case EditField::Carrier:
        return f.carrier;
    case EditField::Secret:
        return f.secret;
    case EditField::Tone:
        return f.tone;
    default:
        return f.shiftDir;
    }
}

QString* TextOf(EditFields& f, EditField field) {
    switch (field) {
    case EditField::Freq:
        return &f.freq;
    case EditField::Shift:
        return &f.shift;
    case EditField::Note:
        return &f.note;
    case EditField::Name:
        return &f.name;
    default:
        return nullptr;
    }
}

bool IsCodeField(EditField field) {
    switch (field) {
    case EditField::Mode:
    case EditField::Step:
    case EditField::Option:
    case EditField::Carrier:
    case EditField::Secret:
    case EditField::Tone:
    case EditField::ShiftDir:
        return true;
    default:
        return false;
    }
}

bool Changes(const FieldChanges& changes, EditField field) {
    for (const auto& change : changes) {
        if (change.first == field)
            return true;
    }
    return false;
}

template <typename Numbers, typename Texts>
EditFields StoredFields(const Numbers& data, const Texts& text) {
    EditFields f;
    f.freq = text[Col::Freq];
    f.mode = int(data[Col::Mode]);
    f.step = int(data[Col::Step]);
    f.option = int(data[Col::Option]);
    f.secret = int(data[Col::Secret]);
    f.carrier = int(data[Col::Carrier]);
    f.tone = int(data[Col::Tone]);
    f.shiftDir = int(data[Col::ShiftDir]);
    f.shift = text[Col::Shift];
    f.note = text[Col::Note];
    f.name = text[Col::Name];
    return f;
}

// Takes the checked frequency (in its stored form) into `out`, or notes why
// the typed one is refused; false when refused.
bool TakeFrequency(const FieldCheck& check, FieldEdit& out) {
    if (!check.accepted) {
        out.refusal = check.reason;
        out.refused = out.fields.freq;
        return false;
    }
    out.fields.freq = check.text;
    return true;
}

// The checks that entries and bands share once the frequency is checked: the
// offset, the option, the name and the note. Returns false after a refusal.
bool CheckRest(const DataSet& ds, bool memory, int index, const EditFields& before,
               const QString& storedNote, FieldEdit& out) {
    EditFields& f = out.fields;
    if (f.shift != before.shift && !IsStoredOffset(ds, memory, index, f.shift)) {
        const FieldCheck check = CheckOffset(ds, memory, index, f.shift);
        if (!check.accepted) {
            out.refusal = check.reason;
            out.refused = f.shift;
            return false;
        }
        f.shift = check.text;
    }
    if (f.option != before.option) {
        if (QString refusal = OptionRefusal(ds.ModelIndex, f.option); !refusal.isEmpty()) {
            out.refusal = refusal;
            out.refused = OptionText(f.option);
            return false;
        }
    }
    if (f.name != before.name && FitName(f.name).text != f.name) {
        out.refusal = QCoreApplication::translate(
            "FieldEdit", "a name the receiver cannot show (at most 6 characters, "
                         "letters, digits and signs)");
        out.refused = f.name;
        return false;
    }
    const FittedText note = NoteToStore(f.note, storedNote, ds.NoteCodePage);
    f.note = note.text;
    out.noteChanges =
        DescribeChanges(QCoreApplication::translate("FieldEdit", "note"), note.changes);
    return true;
}

} // namespace

QString NoFrequencyRefusal() {
    return QCoreApplication::translate("FieldEdit",
                                       "the entry has no frequency: give it one first");
}

EditField FieldOfColumn(int column, int model) {
    switch (column) {
    case GridCol::Frequency:
        return EditField::Freq;
    case GridCol::Mode:
        return EditField::Mode;
    case GridCol::Step:
        return EditField::Step;
    case GridCol::Option:
        return EditField::Option;
    case GridCol::Skip:
        return EditField::Skip;
    case GridCol::Model:
        if (model == Model::MTZ4J)
            return EditField::Carrier;
        if (model == Model::MTZ40E)
            return EditField::Secret;
        return EditField::None;
    case GridCol::Tone:
        return EditField::Tone;
    case GridCol::Shift:
        return EditField::ShiftDir;
    case GridCol::ShiftFreq:
        return EditField::Shift;
    case GridCol::Note:
        return EditField::Note;
    case GridCol::Name:
        return EditField::Name;
    default:
        return EditField::None;
    }
}

int ColumnOfField(EditField field, int model) {
    for (int column = 1; column < GridColumns; ++column) {
        if (FieldOfColumn(column, model) == field)
            return column;
    }
    return 0;
}

QVariant FieldValue(const EditFields& fields, EditField field) {
    auto& f = const_cast<EditFields&>(fields);
    if (field == EditField::Skip)
        return fields.skip ? 1 : 0;
    if (IsCodeField(field))
        return CodeOf(f, field);
    if (const QString* text = TextOf(f, field))
        return *text;
    return {};
}

void SetFieldValue(EditFields& fields, EditField field, const QVariant& value) {
    if (field == EditField::Skip)
        fields.skip = value.toInt() != 0;
    else if (IsCodeField(field))
        CodeOf(fields, field) = value.toInt();
    else if (QString* text = TextOf(fields, field))
        *text = value.toString();
}

QList<QPair<QString, int>> FieldChoices(const DataSet& ds, bool memory, int index,
                                        EditField field) {
    const int model = ds.ModelIndex;
    QList<QPair<QString, int>> choices;
    const auto add = [&choices](int count, QString (*text)(int)) {
        for (int code = 0; code < count; ++code)
            choices.append({text(code), code});
    };
    switch (field) {
    case EditField::Mode:
        add(ModeCount, ModeText);
        break;
    case EditField::Step:
        for (int step = 0; step < StepCount; ++step) {
            if (memory || BandOffersStep(model, index, step))
                choices.append({StepText(step), step});
        }
        break;
    case EditField::Option:
        for (int option = 0; option < OptionCount; ++option) {
            if (ModelOffersOption(model, option))
                choices.append({OptionText(option), option});
        }
        break;
    case EditField::Skip:
        choices.append({QCoreApplication::translate("FieldEdit", "No"), 0});
        choices.append({QCoreApplication::translate("FieldEdit", "Yes (*)"), 1});
        break;
    case EditField::Carrier:
        add(CodeCount, CarrierText);
        break;
    case EditField::Secret:
        for (int code = 0; code < CodeCount; ++code)
            choices.append({QString::number(code), code});
        break;
    case EditField::Tone:
        InitReferenceTables();
        add(int(Ref().ToneList.size()), ToneText);
        break;
    case EditField::ShiftDir:
        add(ShiftDirCount, ShiftDirText);
        break;
    default:
        break;
    }
    return choices;
}

bool EntryHasFrequency(const DataSet& ds, int entry) {
    return ds.MemData[entry][Col::Freq] != 0.0 && !ds.MemText[entry][Col::Freq].isEmpty();
}

EditFields StoredEntryFields(const DataSet& ds, int entry) {
    EditFields f = StoredFields(ds.MemData[entry], ds.MemText[entry]);
    f.skip = ds.MemData[entry][Col::Skip] == 1.0;
    f.enable = ds.MemEnable[entry];
    return f;
}

EditFields StoredBandFields(const DataSet& ds, int band) {
    return StoredFields(ds.VfoData[band], ds.VfoText[band]);
}

EditFields NewEntryFields() {
    EditFields f;
    f.freq = QStringLiteral("145.000000");
    f.mode = 0;
    f.step = Step20KHz;
    f.option = OptionOffCode;
    f.secret = DefaultSecretCode;
    f.carrier = DefaultCarrierCode;
    f.tone = DefaultToneCode;
    f.shiftDir = 0;
    f.shift = QStringLiteral("0.600000");
    f.skip = false;
    f.enable = true;
    return f;
}

EditFields NewEntryFieldsAt(int model, const QString& freq) {
    EditFields f = NewEntryFields();
    f.freq = freq;
    const BandDefault band = BandDefaultOf(model, TypedNumericValue(freq));
    if (band.band >= 0) {
        f.mode = band.mode;
        f.step = band.step;
    }
    return f;
}

FieldEdit PlanEntryEdit(const DataSet& ds, int entry, const FieldChanges& changes) {
    FieldEdit out;
    const bool inUse = EntryHasFrequency(ds, entry);
    // What the changes apply to: the entry as stored, or a new entry of
    // the frequency given.
    EditFields base;
    if (inUse) {
        base = StoredEntryFields(ds, entry);
    } else if (Changes(changes, EditField::Freq)) {
        for (const auto& [field, value] : changes) {
            if (field == EditField::Freq)
                base = NewEntryFieldsAt(ds.ModelIndex, value.toString());
        }
    } else {
        out.refusal = NoFrequencyRefusal();
        return out;
    }
    out.fields = base;
    for (const auto& [field, value] : changes)
        SetFieldValue(out.fields, field, value);

    EditFields& f = out.fields;
    if ((!inUse || f.freq != base.freq) && !IsStoredFrequency(ds, true, entry, f.freq) &&
        !TakeFrequency(CheckMemoryFrequency(ds, entry, f.freq), out))
        return out;
    if (!CheckRest(ds, true, entry, base, ds.MemText[entry][Col::Note], out))
        return out;
    out.changed = !inUse || f != base;
    return out;
}

FieldEdit PlanBandEdit(const DataSet& ds, int band, const FieldChanges& changes) {
    FieldEdit out;
    const EditFields before = StoredBandFields(ds, band);
    out.fields = before;
    for (const auto& [field, value] : changes)
        SetFieldValue(out.fields, field, value);

    EditFields& f = out.fields;
    if (f.freq != before.freq && !IsStoredFrequency(ds, false, band, f.freq) &&
        !TakeFrequency(CheckVfoFrequency(ds, band, f.freq), out))
        return out;
    if (f.step != before.step && !BandOffersStep(ds.ModelIndex, band, f.step)) {
        out.refusal =
            QCoreApplication::translate("FieldEdit", "a step band %1 does not take").arg(band);
        out.refused = StepText(f.step);
        return out;
    }
    if (!CheckRest(ds, false, band, before, ds.VfoText[band][Col::Note], out))
        return out;
    out.changed = f != before;
    return out;
}

EntriesEdit PlanEntriesEdit(const DataSet& ds, const QList<int>& entries,
                            const std::function<FieldChanges(int, int)>& changesOf,
                            const std::function<QString(int)>& label) {
    EntriesEdit edit;
    // Each entry is checked against the data as the ones before it leave them.
    auto scratch = std::make_unique<DataSet>(ds);
    for (int i = 0; i < entries.size(); ++i) {
        const int entry = entries[i];
        const FieldEdit planned = PlanEntryEdit(*scratch, entry, changesOf(i, entry));
        if (!planned.refusal.isEmpty()) {
            edit.refusals << (planned.refused.isNull()
                                  ? QStringLiteral("%1: %2").arg(label(entry), planned.refusal)
                                  : RefusedValueText(label(entry), planned.refused,
                                                     planned.refusal));
            continue;
        }
        if (!planned.changed) {
            ++edit.unchanged;
            continue;
        }
        if (!planned.noteChanges.isEmpty())
            edit.noteChanges << QStringLiteral("%1: %2").arg(label(entry), planned.noteChanges);
        StoreMemoryEntry(*scratch, entry, planned.fields);
        edit.stores.append({entry, planned.fields});
    }
    return edit;
}

void StoreEntriesEdit(DataSet& ds, const EntriesEdit& edit) {
    for (const auto& [entry, fields] : edit.stores)
        StoreMemoryEntry(ds, entry, fields);
}

} // namespace mtz4
