#include "editing/EntryClipboard.h"

#include "editing/FrequencyChecks.h"
#include "files/CsvWords.h"
#include "reference/ReferenceTables.h"

#include <memory>

namespace mtz4 {

namespace {

constexpr int LeadingFields = 3; // "MT-Z4", the section, the channel
constexpr int OptionTrain = 1;
constexpr int OptionSecret = 4;

int listEnd(int entry) {
    if (entry < FirstProgramScanEntry)
        return FirstProgramScanEntry;
    if (entry < FirstSearchPassEntry)
        return FirstSearchPassEntry;
    if (entry < FirstPriorityEntry)
        return FirstPriorityEntry;
    return EntryCount;
}

// Why the model refuses the record, or an empty text.
QString modelRefusal(const DataSet& ds, int entry, const CsvRecord& r) {
    const int option = int(r.data[Col::Option]);
    const int model = ds.ModelIndex;
    if ((option == OptionTrain && model != Model::MTZ4J) ||
        (option == OptionSecret && model != Model::MTZ40E))
        return QStringLiteral("the %1 has no %2 option").arg(ModelName(model), r.text[Col::Option]);
    const double f = r.data[Col::Freq];
    if (model == Model::MTZ40T && !CellularAllowed(f))
        return QStringLiteral("a frequency of the cellular phone");
    const bool searchPass = entry >= FirstSearchPassEntry && entry < FirstPriorityEntry;
    if (searchPass && r.enable && !SearchPassUnique(ds, f, entry))
        return QStringLiteral("a frequency another Search Pass entry has");
    return {};
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
    // Each row is checked against the data as the rows before it leave them.
    auto scratch = std::make_unique<DataSet>(ds);
    const int end = listEnd(firstEntry);
    int target = firstEntry;
    int rowNumber = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QStringList fields = QString(line).remove(QLatin1Char('\r')).split(QLatin1Char('\t'));
        if (fields.size() == 1 && fields.first().trimmed().isEmpty())
            continue;
        if (fields.first().trimmed().compare(QLatin1String("MODEL"), Qt::CaseInsensitive) == 0)
            continue; // a header copied along from a spreadsheet
        ++rowNumber;
        const int entry = target++;
        const auto skip = [&](const QString& reason) {
            plan.skipped << QStringLiteral("row %1: %2").arg(rowNumber).arg(reason);
        };
        if (fields.first() == CsvWord::Model)
            fields = fields.mid(LeadingFields);
        if (fields.size() < CsvRecordFields) {
            skip(QStringLiteral("not an entry row"));
            continue;
        }
        if (entry >= end) {
            skip(QStringLiteral("beyond the end of the list"));
            continue;
        }
        QString whyNot;
        QStringList changes;
        const std::optional<CsvRecord> record =
            ParseCsvRecord(fields.mid(0, CsvRecordFields), CsvTexts::AsTheyAre, ds.NoteCodePage,
                           &whyNot, &changes);
        if (!record) {
            skip(whyNot);
            continue;
        }
        if (const QString refusal = modelRefusal(*scratch, entry, *record); !refusal.isEmpty()) {
            skip(refusal);
            continue;
        }
        if (scratch->MemEnable[entry] || scratch->MemData[entry][Col::Freq] != 0.0)
            ++plan.overwritesInUse;
        StoreCsvEntry(*scratch, entry, *record);
        plan.rows.append({entry, *record});
        ++plan.imported;
        if (!changes.isEmpty())
            plan.changed << ChangedRow(QStringLiteral("row %1").arg(rowNumber), changes);
    }
    return plan;
}

void ApplyPaste(DataSet& ds, const PastePlan& plan) {
    for (const PastePlan::Row& row : plan.rows)
        StoreCsvEntry(ds, row.entry, row.record);
}

} // namespace mtz4
