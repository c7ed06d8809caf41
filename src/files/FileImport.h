#pragma once

#include "files/CsvFormat.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QString>
#include <memory>
#include <optional>

namespace mtz4 {

// File > Import, a file dropped on the window and `mtz4ctl import`: a CSV
// file of either format merged into a copy of the data set, with its report.

enum class FileImportOutcome {
    Imported,        // at least one line applied; `data` holds the result
    StoppedEarly,    // a bank or group line's number was none: "File Open Error";
                     // `data` holds the lines applied before, when there were any
    Cancelled,       // the progress callback stopped it; nothing to apply
    Unreadable,      // the file could not be read, or (CHIRP's format asked for)
                     // has no Location and Frequency columns: "File Open Error"
    NotRecognised,   // no format asked for, and the file looks like neither
    FormatMismatch,  // the format asked for is not the one the file plainly has
    NothingImported, // the file was read, but no line of it could be applied
};

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
    std::unique_ptr<DataSet> data; // the data set after the import
};

// Imports the file at `path` into a copy of `ds`, in `format` when one is
// asked for (an explicit choice; a file that plainly has the other format is
// a FormatMismatch), otherwise in the format the file looks like
// (DetectCsvFormat). For our own format `bankSizeNote` says when the bank
// sizes then do not add up to 1000 (BankSizeNote). The report ends with
// what the import changed in the entries in use (CompareWithBefore). `ds`
// is never changed: the caller puts `data` in its place.
FileImport ImportCsvFileOfAnyFormat(const DataSet& ds, const QString& path,
                                    std::optional<CsvFileFormat> format = std::nullopt,
                                    const ImportProgress& progress = {});

// The message for an outcome other than Imported and Cancelled, naming the
// file by `fileName`: "File Open Error" for StoppedEarly and Unreadable, the
// format the file looks like for NotRecognised (with its first line) and
// FormatMismatch ("list.csv looks like CHIRP's CSV ..."), "No line of
// list.csv could be imported." for NothingImported.
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
