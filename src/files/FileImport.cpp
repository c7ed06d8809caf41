#include "files/FileImport.h"

#include "files/ChirpCsv.h"
#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "files/EntryPlacement.h"
#include "files/FileBytes.h"
#include "files/ImportComparison.h"
#include "files/TextFileEncoding.h"
#include "model/BankCodec.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

FileImport failed(FileImportOutcome outcome, CsvFileFormat format) {
    FileImport import;
    import.outcome = outcome;
    import.format = format;
    return import;
}

// The first rows of the text from line `from` on (from 1), as cells.
QList<QStringList> previewRows(const QString& text, QChar separator, int from, int most) {
    QList<QStringList> rows;
    CsvLineReader reader(text, separator);
    QStringList cells;
    while (rows.size() < most && reader.next(cells)) {
        if (reader.lineNumber() < from || cells.isEmpty())
            continue;
        bool blank = true;
        for (const QString& cell : cells)
            blank = blank && cell.trimmed().isEmpty();
        if (!blank)
            rows << cells;
    }
    return rows;
}

} // namespace

CsvFileLook LookAtCsvFile(const DataSet& ds, const QString& path,
                          std::optional<CsvFileFormat> format, int rows) {
    CsvFileLook look;
    const std::optional<QByteArray> bytes = ReadFileBytes(path, &look.reason);
    look.format = format.value_or(CsvFileFormat::Neither);
    if (!bytes)
        return look;
    look.bytes = *bytes;
    const CsvFileFormat plainly = DetectCsvFormat(look.bytes);
    const QString text = ImportFileText(look.bytes, ds.NoteCodePage);
    if (plainly == CsvFileFormat::Neither &&
        (format == CsvFileFormat::Columns || FindColumnsHeader(text).namesFrequency()))
        look.format = CsvFileFormat::Columns;
    else
        look.format = plainly;
    if (format && look.format != CsvFileFormat::Neither && look.format != *format) {
        look.outcome = FileImportOutcome::FormatMismatch;
        return look;
    }
    if (!format && look.format == CsvFileFormat::Neither) {
        look.outcome = FileImportOutcome::NotRecognised;
        look.looks = DescribeCsvStart(look.bytes);
        return look;
    }
    look.outcome = FileImportOutcome::Imported;
    look.format = format.value_or(look.format);
    int firstRow = 1;
    if (look.format == CsvFileFormat::Columns) {
        look.columns = FindColumnsHeader(text);
        look.separator = look.columns.separator;
        firstRow = look.columns.line + 1;
    } else {
        look.separator = DetectCsvSeparator(look.bytes);
        if (look.format == CsvFileFormat::Chirp) {
            // Its header for the preview, none of it a field of ours.
            look.columns.cells = previewRows(text, look.separator, 1, 1).value(0);
            look.columns.line = 1;
            firstRow = 2;
        }
    }
    look.preview = previewRows(text, look.separator, firstRow, rows);
    return look;
}

ImportDestination DefaultDestination(const CsvFileLook& look) {
    if (look.format == CsvFileFormat::Columns && look.columns.columnOf(ColumnField::Position) < 0)
        return ImportDestination::freeEntries();
    return {};
}

FileImport ImportLookedAtFile(const DataSet& ds, const CsvFileLook& look,
                              const ImportDestination& destination,
                              const ImportProgress& progress) {
    if (look.outcome != FileImportOutcome::Imported) {
        FileImport refused = failed(look.outcome, look.format);
        refused.reason = look.reason;
        refused.looks = look.looks;
        return refused;
    }
    const bool columns = look.format == CsvFileFormat::Columns;
    if (columns && !look.columns.namesFrequency())
        return failed(FileImportOutcome::NoFrequencyColumn, look.format);
    if (columns && destination.kind == ImportDestination::Kind::AsNumbered &&
        look.columns.columnOf(ColumnField::Position) < 0)
        return failed(FileImportOutcome::NotNumbered, look.format);

    FileImport import;
    import.format = look.format;
    import.data = std::make_unique<DataSet>(ds);
    EntryPlacement placement(destination);
    bool stopped = false;
    if (import.format == CsvFileFormat::Chirp) {
        ChirpImport chirp = ImportChirpCsvText(*import.data, look.bytes, progress, &placement);
        if (!chirp.readable)
            return failed(FileImportOutcome::Unreadable, import.format);
        import.report = std::move(chirp);
    } else if (columns) {
        import.report =
            ImportColumnsCsvText(*import.data, look.bytes, look.columns, placement, progress);
    } else {
        const CsvFileStatus status =
            ImportCsvText(*import.data, look.bytes, &import.report, progress, &placement);
        stopped = status == CsvFileStatus::FileOpenError;
    }
    if (import.report.cancelled) {
        import.data.reset();
        import.outcome = FileImportOutcome::Cancelled;
        return import;
    }
    placement.finish(*import.data, import.report);
    import.firstEntry = placement.firstTaken();
    if (import.format == CsvFileFormat::Own)
        import.bankSizeNote = BankSizeNote(*import.data);
    if (import.report.imported > 0) {
        // What was there, laid out in banks as the import left them.
        auto before = std::make_unique<DataSet>(ds);
        placement.layOut(*before);
        import.replacesInUse = CompareWithBefore(import.report, *before, *import.data);
    }
    if (import.report.imported == 0) {
        import.data.reset();
        import.outcome =
            stopped ? FileImportOutcome::StoppedEarly : FileImportOutcome::NothingImported;
    } else {
        import.outcome = stopped ? FileImportOutcome::StoppedEarly : FileImportOutcome::Imported;
    }
    return import;
}

FileImport ImportCsvFileOfAnyFormat(const DataSet& ds, const QString& path,
                                    std::optional<CsvFileFormat> format,
                                    const ImportProgress& progress) {
    const CsvFileLook look = LookAtCsvFile(ds, path, format);
    return ImportLookedAtFile(ds, look, DefaultDestination(look), progress);
}

QString FileImportMessage(const FileImport& import, const QString& fileName) {
    switch (import.outcome) {
    case FileImportOutcome::StoppedEarly:
    case FileImportOutcome::Unreadable:
        return CsvFileMessage(CsvFileStatus::FileOpenError);
    case FileImportOutcome::NotRecognised:
        return QCoreApplication::translate("FileImport", "%1 is %2: nothing was imported.")
                   .arg(fileName, CsvFormatDescription(import.format)) +
               (import.looks.isEmpty() ? QString() : QLatin1Char(' ') + import.looks);
    case FileImportOutcome::FormatMismatch:
        return QCoreApplication::translate("FileImport", "%1 looks like %2.")
            .arg(fileName, CsvFormatDescription(import.format));
    case FileImportOutcome::NothingImported:
        return QCoreApplication::translate("FileImport", "No line of %1 could be imported.")
            .arg(fileName);
    case FileImportOutcome::NoFrequencyColumn:
        return QCoreApplication::translate("FileImport", "No column of %1 holds the frequency.")
            .arg(fileName);
    case FileImportOutcome::NotNumbered:
        return QCoreApplication::translate(
                   "FileImport", "The rows of %1 have no numbers to go by (a Location or Memory "
                                 "column): choose where they go.")
            .arg(fileName);
    case FileImportOutcome::Imported:
    case FileImportOutcome::Cancelled:
        break;
    }
    return {};
}

QString ReplacesInUseText(int count) {
    return QCoreApplication::translate("FileImport", "The import replaces %n entries in use.",
                                       nullptr, count);
}

QString BankSizeNote(const DataSet& ds) {
    int total = 0;
    for (int b = 0; b < BankCount; ++b)
        total += SizeBoxValue(ds.BankText[b]);
    if (total == ChannelCount)
        return {};
    const QList<BankCut> cuts = BankCutsOfEncode(ds);
    if (cuts.isEmpty())
        return QCoreApplication::translate(
                   "FileImport",
                   "The bank sizes add up to %1, not 1000: %n channels belong to no bank.", nullptr,
                   ChannelCount - total)
            .arg(total);
    QStringList each;
    for (const BankCut& cut : cuts)
        each << QCoreApplication::translate("FileImport", "bank %1 from %2 to %3")
                    .arg(cut.bank)
                    .arg(cut.from)
                    .arg(cut.to);
    return QCoreApplication::translate("FileImport",
                                       "The bank sizes add up to %1, not 1000: a save cuts %2.")
        .arg(total)
        .arg(each.join(QStringLiteral(", ")));
}

} // namespace mtz4
