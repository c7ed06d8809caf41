#pragma once

#include "files/ColumnsCsv.h"
#include "files/CsvFormat.h"
#include "files/ImportDestination.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QString>
#include <memory>
#include <optional>

namespace mtz4 {

// File > Import, a file dropped on the window, a stock list and `mtz4ctl
// import`: a CSV file of any format merged into a copy of the data set, to
// a destination, with its report. First the file is looked at (the format,
// for a file with a header row its columns, the first rows), so that the
// window can show what it found and the user, or the command line, change
// the mapping and choose the destination; then it is imported.

enum class FileImportOutcome {
    Imported,          // at least one line applied; `data` holds the result
    StoppedEarly,      // a bank or group line's number was none: "File Open Error";
                       // `data` holds the lines applied before, when there were any
    Cancelled,         // the progress callback stopped it; nothing to apply
    Unreadable,        // the file could not be read, or (CHIRP's format asked for)
                       // has no Location and Frequency columns: "File Open Error"
    NotRecognised,     // no format asked for, and the file looks like none
    FormatMismatch,    // the format asked for is not the one the file plainly has
    NothingImported,   // the file was read, but no line of it could be applied
    NoFrequencyColumn, // a file with a header row, no column of which holds the frequency
    NotNumbered,       // "as numbered" asked for a file whose rows have no position column
};

// What a file holds, before it is imported.
struct CsvFileLook {
    // Imported when it can be imported; else Unreadable, NotRecognised or
    // FormatMismatch, with `reason` and `looks` as in FileImport.
    FileImportOutcome outcome = FileImportOutcome::Unreadable;
    CsvFileFormat format = CsvFileFormat::Neither;
    QString reason;
    QString looks;
    QByteArray bytes;
    // The separator of its fields, and for a file with a header row the
    // header and its mapping (which the caller may change before the import).
    QChar separator = QLatin1Char(',');
    ColumnsHeader columns;
    // Its first rows as cells (a header row not among them), for a preview.
    QList<QStringList> preview;
};
inline constexpr int PreviewRows = 8;

// Looks at the file at `path` as the import will read it: in `format` when
// one is asked for (a file that plainly has another one of the program's own
// or CHIRP's is a FormatMismatch), otherwise in the format it looks like:
// CHIRP's or the program's own first (DetectCsvFormat), then one whose header
// names its columns (FindColumnsHeader, read in the data set's note code
// page). A file asked for with a header row whose row names no known column
// is taken with its first row as the header, for a mapping given by hand.
// The preview holds the first `rows` rows.
CsvFileLook LookAtCsvFile(const DataSet& ds, const QString& path,
                          std::optional<CsvFileFormat> format = std::nullopt,
                          int rows = PreviewRows);

// Where the rows of a file go when nothing else is said: as numbered for the
// program's own and CHIRP's, and for a file with a header row that has a
// position column; into the free entries for one without.
ImportDestination DefaultDestination(const CsvFileLook& look);

struct FileImport {
    FileImportOutcome outcome = FileImportOutcome::Unreadable;
    // The format read; for NotRecognised and FormatMismatch, what the file
    // looks like.
    CsvFileFormat format = CsvFileFormat::Neither;
    ImportReport report;
    // Unreadable: why the file could not be read ("cannot open /x/list.csv:
    // it is a device or a pipe, not a file"), when that was the cause.
    QString reason;
    // Our own format: what a save will make of bank sizes that do not add
    // up to 1000 (BankSizeNote); empty when they do.
    QString bankSizeNote;
    // How many memory entries in use before the import it changes
    // (CompareWithBefore, which ends the report with the changes).
    int replacesInUse = 0;
    // For NotRecognised: what the start of the file looks like (DescribeCsvStart).
    QString looks;
    // To a destination: the first entry a row went to (-1: none, or as numbered).
    int firstEntry = -1;
    std::unique_ptr<DataSet> data; // the data set after the import
};

// Imports the file looked at into a copy of `ds`, its rows to `destination`
// (EntryPlacement; a bank grows as it needs, and the report says how), a
// file with a header row by the mapping in `look.columns`. For our own
// format `bankSizeNote` says when the bank sizes then do not add up to 1000
// (BankSizeNote). The report ends with what the import changed in the
// entries in use (CompareWithBefore), every channel compared at its bank and
// number, also when a bank grew. `ds` is never changed: the caller puts
// `data` in its place.
FileImport ImportLookedAtFile(const DataSet& ds, const CsvFileLook& look,
                              const ImportDestination& destination,
                              const ImportProgress& progress = {});

// Both at once, to the file's default destination (DefaultDestination).
FileImport ImportCsvFileOfAnyFormat(const DataSet& ds, const QString& path,
                                    std::optional<CsvFileFormat> format = std::nullopt,
                                    const ImportProgress& progress = {});

// The message for an outcome other than Imported and Cancelled, naming the
// file by `fileName`: "File Open Error" for StoppedEarly and Unreadable, the
// format the file looks like for NotRecognised (with its first line) and
// FormatMismatch ("list.csv looks like CHIRP's CSV ..."), "No line of
// list.csv could be imported." for NothingImported, and what is missing for
// NoFrequencyColumn and NotNumbered.
QString FileImportMessage(const FileImport& import, const QString& fileName);

// When the bank sizes (the texts a save writes them from) do not add up to
// 1000: what a save will make of them. "The bank sizes add up to 1051, not
// 1000: a save cuts bank 7 from 952 to 901." or "The bank sizes add up to
// 950, not 1000: 50 channels belong to no bank."; an empty text when they do.
QString BankSizeNote(const DataSet& ds);

// The question before an import replaces `count` entries in use: "The
// import replaces 85 entries in use.", and in the window "Do you want to go
// on?" after it (OK or Cancel, Cancel the default).
QString ReplacesInUseText(int count);

} // namespace mtz4
