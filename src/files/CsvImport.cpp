#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "files/CsvFormat.h"
#include "files/CsvMerge.h"
#include "files/FileBytes.h"
#include "files/TextFileEncoding.h"
#include "model/BankCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"

#include <optional>

namespace mtz4 {

namespace {

// How often an import says how far it has got.
constexpr int LinesPerProgress = 512;

// The data side of the refresh that follows an import.
void refreshAfterImport(DataSet& ds) {
    ClearDisabledEntries(ds);
    ReadBankTexts(ds);
    ReadGroupChecks(ds);
}

} // namespace

CsvFileStatus ImportCsvText(DataSet& ds, const QByteArray& text, ImportReport* report,
                            const ImportProgress& progress, EntryPlacement* placement) {
    ImportReport ownReport;
    ImportReport& r = report ? *report : ownReport;
    QString howRead;
    const QString decoded = ImportFileText(text, ds.NoteCodePage, &howRead);
    if (!howRead.isEmpty())
        r.notes << howRead;
    r.noun = QStringLiteral("lines");
    CsvMerge merge(ds, r, placement);
    CsvLineReader reader(decoded, DetectCsvSeparator(text), OwnRecordStart());
    QStringList fields;
    CsvFileStatus status = CsvFileStatus::Ok;
    int number = 0;
    while (reader.next(fields)) {
        ++number;
        if (!merge.line(fields, reader.lineNumber())) {
            status = CsvFileStatus::FileOpenError;
            // The report counts what the stop left unread.
            while (reader.next(fields))
                r.notRead += fields.isEmpty() ? 0 : 1;
            break;
        }
        if (progress && number % LinesPerProgress == 0 &&
            !progress(reader.position(), decoded.size())) {
            r.cancelled = true;
            return CsvFileStatus::Cancelled;
        }
    }
    merge.finish();
    refreshAfterImport(ds);
    if (r.imported > 0)
        ds.DataChanged = true;
    return status;
}

CsvFileStatus ImportCsvFile(DataSet& ds, const QString& path, ImportReport* report) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    return text ? ImportCsvText(ds, *text, report) : CsvFileStatus::FileOpenError;
}

bool ImportCsvFile(DataSet& ds, const QString& path, Prompter& prompter, ImportReport* report) {
    const CsvFileStatus status = ImportCsvFile(ds, path, report);
    if (status != CsvFileStatus::Ok)
        prompter.error(CsvFileMessage(status));
    return status == CsvFileStatus::Ok;
}

} // namespace mtz4
