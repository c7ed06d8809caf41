#include "editing/EntryClipboard.h"

#include "files/PastedRows.h"
#include "model/ModelRules.h"
#include "model/TextLanguage.h"

#include <memory>

namespace mtz4 {

namespace {

int listEnd(int entry) {
    if (entry < FirstProgramScanEntry)
        return FirstProgramScanEntry;
    if (entry < FirstSearchPassEntry)
        return FirstSearchPassEntry;
    if (entry < FirstPriorityEntry)
        return FirstPriorityEntry;
    return EntryCount;
}

} // namespace

QString EntriesAsText(const DataSet& ds, const QList<int>& entries) {
    QString text;
    for (int e : entries) {
        QStringList fields = CsvEntryFields(ds, e);
        for (QString& field : fields)
            field.replace(QLatin1Char('\t'), QLatin1Char(' '));
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

PastePlan PlanPaste(const DataSet& ds, const QString& text, int firstEntry) {
    PastePlan plan;
    const QList<PastedRow> rows = ReadPastedRows(text, ds.ModelIndex, ds.NoteCodePage);
    // Each row is checked against the data as the rows before it leave them;
    // the entries that later rows fill hold no frequency to repeat.
    auto scratch = std::make_unique<DataSet>(ds);
    const int end = listEnd(firstEntry);
    const int lastFilled = qMin(end, firstEntry + int(rows.size())) - 1;
    int entry = firstEntry;
    for (const PastedRow& row : rows) {
        const int target = entry++;
        const auto skip = [&](const QString& reason) {
            plan.skipped << QStringLiteral("row %1: %2").arg(row.number).arg(reason);
        };
        if (!row.record) {
            skip(row.whyNot);
            continue;
        }
        if (target >= end) {
            skip(InLanguage("beyond the end of the list", "リストの終わりを越えています"));
            continue;
        }
        const CsvRecord& record = *row.record;
        const QString refusal =
            EntryRefusal(*scratch, target, FieldsOf(record.data), record.enable,
                         [target, lastFilled](int n) { return n > target && n <= lastFilled; });
        if (!refusal.isEmpty()) {
            skip(refusal);
            continue;
        }
        if (scratch->MemEnable[target] || scratch->MemData[target][Col::Freq] != 0.0)
            ++plan.overwritesInUse;
        StoreCsvEntry(*scratch, target, record);
        plan.rows.append({target, record});
        ++plan.imported;
        if (!row.changes.isEmpty())
            plan.changed << ChangedRow(QStringLiteral("row %1").arg(row.number), row.changes);
    }
    return plan;
}

void ApplyPaste(DataSet& ds, const PastePlan& plan) {
    for (const PastePlan::Row& row : plan.rows)
        StoreCsvEntry(ds, row.entry, row.record);
}

} // namespace mtz4
