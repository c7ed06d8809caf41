#pragma once

#include "editing/EditFields.h"
#include "model/DataSet.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace mtz4 {

// Changing chosen fields of memory entries and VFO bands without the edit
// dialog (an edit in a grid cell, Properties of many rows, Fill Down, Fill
// Frequencies), each change checked by the dialog's own checks
// (FrequencyChecks) and stored by its own code (StoreEditFields).

// The fields of a record, as the grid columns show them.
enum class EditField {
    None,
    Freq,
    Mode,
    Step,
    Option,
    Skip,
    Carrier,
    Secret,
    Tone,
    ShiftDir,
    Shift,
    Note,
    Name
};

// The field grid column `column` (1..11) shows under `model`: column 6 is the
// carrier on the MT-Z4J, the secret code on the MT-Z40E and nothing on the
// others.
EditField FieldOfColumn(int column, int model);
// The grid column that shows `field` under `model`; 0 for none.
int ColumnOfField(EditField field, int model);

// A field's value: the code of a field chosen from a list (mode, step,
// option, carrier, secret, tone, shift direction; skip as 0 or 1), the text
// of a typed one (frequency, offset, note, name).
QVariant FieldValue(const EditFields& fields, EditField field);
void SetFieldValue(EditFields& fields, EditField field, const QVariant& value);

// The choices of a list field as (text, code) pairs: what the dialog offers
// for memory entry or VFO band `index` under ds.ModelIndex (the options of the
// model; for a band the steps it takes). Empty for a typed field.
QList<QPair<QString, int>> FieldChoices(const DataSet& ds, bool memory, int index, EditField field);

// True when memory entry `entry` holds a frequency (the dialog loads such an
// entry; an entry without one opens with the defaults of a new one).
bool EntryHasFrequency(const DataSet& ds, int entry);
// The fields of an entry with a frequency, or of a band, as the dialog loads
// them: every code and text as stored, the skip and enable flags.
EditFields StoredEntryFields(const DataSet& ds, int entry);
EditFields StoredBandFields(const DataSet& ds, int band);
// What the dialog gives a new entry ("145.000000", FM, 20KHz, no option,
// 88.5Hz, no shift, 0.600000, secret code 11, carrier "JR", enabled).
EditFields NewEntryFields();
// The same for a new entry of the frequency `freq`: the mode and step of the
// band that holds it, as a pasted frequency takes them.
EditFields NewEntryFieldsAt(int model, const QString& freq);

// Why an entry without a frequency takes nothing but a frequency.
QString NoFrequencyRefusal();

// Fields to change, with their values.
using FieldChanges = QList<QPair<EditField, QVariant>>;

// One record's change, checked: the fields to store, or why it is refused
// (`refusal`, with the text that was refused in `refused`). `changed` is
// false when the record already holds the values; `noteChanges` names what
// fitting a note to the code page changed.
struct FieldEdit {
    bool changed = false;
    EditFields fields;
    QString refusal;
    QString refused;
    QString noteChanges;
};

// Plans `changes` for memory entry `entry`. An entry without a frequency
// takes a frequency as a new entry (NewEntryFieldsAt) and nothing else. The
// frequency and the offset are checked as the dialog's OK checks them (a
// stored value is kept as it stands), an option against the model, a name
// against what the receiver shows; a note is fitted to the code page.
FieldEdit PlanEntryEdit(const DataSet& ds, int entry, const FieldChanges& changes);
// The same for VFO band `band` (a band the model has).
FieldEdit PlanBandEdit(const DataSet& ds, int band, const FieldChanges& changes);

// The change of many entries as one step: each entry is checked against the
// data as the entries before it leave them (a Search Pass frequency given
// twice is refused the second time).
struct EntriesEdit {
    QList<QPair<int, EditFields>> stores; // entry, fields
    QStringList refusals;                 // "05-007: a frequency outside ..."
    QStringList noteChanges;              // "05-007: note: ł → ?"
    int unchanged = 0;
};
// `changesOf(i, entry)` gives the changes of the i-th entry; `label(entry)`
// the row label for the report.
EntriesEdit PlanEntriesEdit(const DataSet& ds, const QList<int>& entries,
                            const std::function<FieldChanges(int, int)>& changesOf,
                            const std::function<QString(int)>& label);
// Stores the planned entries and marks the data as changed.
void StoreEntriesEdit(DataSet& ds, const EntriesEdit& edit);

} // namespace mtz4
