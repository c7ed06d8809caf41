#include "editing/CellEdits.h"

#include "editing/DataEditor.h"
#include "editing/FrequencyChecks.h"
#include "editing/GridLayout.h"
#include "editing/GridTableModel.h"
#include "editing/StoreEditFields.h"
#include "model/ModelRules.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

CellEdits::CellEdits(DataEditor& editor, bool memory, const GridTableModel& model, QObject* parent)
    : QObject(parent), editor_(editor), memory_(memory), model_(model) {}

const DataSet& CellEdits::data() const {
    return editor_.data();
}

EditField CellEdits::field(int column) const {
    // The VFO grid hides its "Skip" and "Name" columns.
    if (!memory_ && (column == GridCol::Skip || column == GridCol::Name))
        return EditField::None;
    return FieldOfColumn(column, data().ModelIndex);
}

bool CellEdits::editable(int row, int column, QString* whyNot) const {
    const DataSet& ds = data();
    const auto refuse = [whyNot](const QString& reason) {
        if (whyNot)
            *whyNot = reason;
        return false;
    };
    if (locked_)
        return refuse(QCoreApplication::translate(
            "CellEdits", "no edits while the receiver is read or written"));
    if (memory_ ? row < 0 || row >= EntryCount : !ModelHasBand(ds.ModelIndex, row))
        return refuse(QCoreApplication::translate("CellEdits", "the %1 has no band %2")
                          .arg(ModelName(ds.ModelIndex))
                          .arg(row));
    const EditField f = field(column);
    if (f == EditField::None)
        return refuse(
            QCoreApplication::translate("CellEdits", "the %1 keeps nothing in this column")
                .arg(ModelName(ds.ModelIndex)));
    if (memory_ && f != EditField::Freq && !EntryHasFrequency(ds, row))
        return refuse(NoFrequencyRefusal());
    return true;
}

CellEdits::Kind CellEdits::kind(int row, int column) const {
    switch (field(column)) {
    case EditField::None:
        return Kind::None;
    case EditField::Freq:
    case EditField::Shift:
        return Kind::Number;
    case EditField::Note:
        return Kind::Note;
    case EditField::Name:
        return Kind::Name;
    default:
        return choices(row, column).isEmpty() ? Kind::None : Kind::List;
    }
}

int CellEdits::typingLimit(int column) const {
    switch (field(column)) {
    case EditField::Freq:
        return FreqTypingLimit;
    case EditField::Shift:
        return ShiftTypingLimit;
    case EditField::Note:
        return NoteTypingLimit;
    case EditField::Name:
        return NameTypingLimit;
    default:
        return 0;
    }
}

QVariant CellEdits::value(int row, int column) const {
    const DataSet& ds = data();
    if (memory_ && !EntryHasFrequency(ds, row))
        return field(column) == EditField::Freq ? QVariant(QString()) : QVariant();
    return FieldValue(memory_ ? StoredEntryFields(ds, row) : StoredBandFields(ds, row),
                      field(column));
}

QList<QPair<QString, int>> CellEdits::choices(int row, int column) const {
    return FieldChoices(data(), memory_, row, field(column));
}

QString CellEdits::rowName(int row) const {
    return memory_ ? model_.rowLabel(row)
                   : QCoreApplication::translate("CellEdits", "Band %1").arg(row);
}

QString CellEdits::where(int row, int column) const {
    return rowName(row) + QLatin1Char(' ') +
           model_.headerData(column - 1, Qt::Horizontal).toString();
}

bool CellEdits::commit(int row, int column, const QVariant& value) {
    QString whyNot;
    if (!editable(row, column, &whyNot)) {
        tell(QStringLiteral("%1: %2").arg(where(row, column), whyNot));
        return false;
    }
    const FieldChanges changes{{field(column), value}};
    const FieldEdit edit =
        memory_ ? PlanEntryEdit(data(), row, changes) : PlanBandEdit(data(), row, changes);
    if (!edit.refusal.isEmpty()) {
        tell(edit.refused.isNull()
                 ? QStringLiteral("%1: %2").arg(where(row, column), edit.refusal)
                 : RefusedValueText(where(row, column), edit.refused, edit.refusal));
        return false;
    }
    if (!edit.changed)
        return true;
    editor_.apply(QCoreApplication::translate("CellEdits", "Edit %1").arg(where(row, column)),
                  memory_ ? DataPart::Memory : DataPart::Vfo, [&](DataSet& ds) {
                      if (memory_)
                          StoreMemoryEntry(ds, row, edit.fields);
                      else
                          StoreVfoBand(ds, row, edit.fields);
                  });
    if (!edit.noteChanges.isEmpty())
        tell(QStringLiteral("%1: %2").arg(rowName(row), edit.noteChanges));
    return true;
}

} // namespace mtz4
