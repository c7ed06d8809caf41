#include "editing/EntryClipboard.h"

#include "files/CsvFields.h"
#include "files/ImportComparison.h"
#include "files/PastedRows.h"
#include "model/ModelRules.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
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
        for (QString& field : fields) {
            field.replace(QLatin1Char('\t'), QLatin1Char(' '));
            // Quoted as spreadsheets quote a cell with a quote in it.
            if (field.contains(QLatin1Char('"')))
                field = QuotedCsvField(field);
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

namespace {

// Plans the rows into the entries from `first` on, with the entries up to
// `lastFilled` counted as filled by the paste for the Search Pass rule.
PastePlan planRows(const DataSet& ds, const QList<PastedRow>& rows, int first, int lastFilled,
                   std::unique_ptr<DataSet>& scratch) {
    PastePlan plan;
    // Each row is checked against the data as the rows before it leave them;
    // the entries that later rows fill hold no frequency to repeat.
    scratch = std::make_unique<DataSet>(ds);
    const int end = listEnd(first);
    int target = first;
    for (const PastedRow& row : rows) {
        const auto skip = [&](const QString& reason) {
            plan.skipped << QCoreApplication::translate("EntryClipboard", "row %1: %2")
                                .arg(row.number)
                                .arg(reason);
        };
        if (!row.record) {
            skip(row.whyNot);
            continue;
        }
        if (target >= end) {
            skip(QCoreApplication::translate("EntryClipboard", "beyond the end of the list"));
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
            plan.changed << ChangedRow(
                QCoreApplication::translate("EntryClipboard", "row %1").arg(row.number),
                row.changes);
        ++target; // a row passed over takes no entry
    }
    return plan;
}

} // namespace

PastePlan PlanPaste(const DataSet& ds, const QString& text, int firstEntry) {
    const QList<PastedRow> rows = ReadPastedRows(text, ds.ModelIndex, ds.NoteCodePage);
    // The rows fill the entries from the first on, one each, as far as they
    // are pasted; a row refused leaves the entries after it to the next.
    // Planned again with fewer entries filled until that holds.
    const int end = listEnd(firstEntry);
    int filled = 0;
    for (const PastedRow& row : rows)
        filled += row.record ? 1 : 0;
    std::unique_ptr<DataSet> scratch;
    PastePlan plan;
    for (;;) {
        const int lastFilled = qMin(end, firstEntry + filled) - 1;
        plan = planRows(ds, rows, firstEntry, lastFilled, scratch);
        if (plan.rows.size() >= filled)
            break;
        filled = int(plan.rows.size());
    }
    CompareWithBefore(plan, ds, *scratch);
    return plan;
}

void ApplyPaste(DataSet& ds, const PastePlan& plan) {
    for (const PastePlan::Row& row : plan.rows)
        StoreCsvEntry(ds, row.entry, row.record);
}

} // namespace mtz4
