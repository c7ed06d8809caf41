#pragma once

#include "files/EntryPlacement.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mtz4 {

// The generic CSV format of the most widely used open-source radio
// programmer, so that channel lists kept there come in and go out. Its
// columns: Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq,
// cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep,
// Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE. Written as UTF-8,
// as that program writes it; read as UTF-8 or in the note code page
// (ImportFileText).

// One row per enabled memory channel, in entry order: Location the entry
// number, frequency and offset with six decimals, Duplex "+", "-" or empty,
// the Tone option as "TSQL" and the Reverse option as "TSQL-R", each with
// its tone in both tone columns (88.5 otherwise), DtcsCode 023,
// DtcsPolarity NN, RxDtcsCode 023, CrossMode "Tone->Tone", TStep in kHz
// with two decimals, Skip "S" or empty, Comment the note.
QByteArray ChirpCsvText(const DataSet& ds);

// What the export leaves out because CHIRP's CSV has no field for it, one
// line each: every channel with the Train option and its carrier or the
// Secret option and its code, by its row label ("03-017: the Train option
// with carrier 1000Hz"), and how many Program Scan, Search Pass and
// Priority entries are in use. Empty when the file holds everything.
QStringList ChirpExportLosses(const DataSet& ds);
// The losses for a message: a line that says what they are, then each, at
// most `most` of them (ListedUnder).
QString ChirpExportLossesText(const QStringList& losses, int most = -1);

// What an import did: how many rows it took, each one it changed to fit and
// each one it left out.
struct ChirpImport : ImportReport {
    bool readable = true; // false: the file could not be read, or has no Location/Frequency
};

// Merges the rows of a CHIRP CSV text into the data set's memory channels:
// Location n is memory channel n (entry n; 1000 and above are skipped), and
// the entry becomes enabled with what the row gives (ChirpRecordOf). Fields
// are separated by commas, or by the semicolons or TABs of a spreadsheet
// that saved the file again (DetectCsvSeparator); a quoted field may go on
// over line ends (CsvLineReader). Columns are found by their header names in
// any order; unknown ones are ignored, missing optional ones taken as empty;
// a row with more fields than the header is skipped (ExtraFieldsReason).
// Every row passes the checks of the
// edit dialog under the data set's model (EntryRefusal: the MT-Z40T's
// cellular ranges, the options it lacks); a row that fails is skipped with
// the reason. A row is listed as changed with each thing its mapping said
// (a squelch left off, a step or mode of the band, a name or comment fitted)
// and with a name that, cut to 6 characters, became the same as an earlier
// row's different name. A Location given again: the later row is taken, the
// channel counts once, and the earlier row is listed as skipped naming the
// later one. `progress` is told how far the import has got every 512 rows;
// when it returns false the import stops with `cancelled` set, the data set
// part merged (import into a copy to keep the data as they were).
//
// With a `placement` to a destination the rows go where it puts them, their
// Locations aside.
ChirpImport ImportChirpCsvText(DataSet& ds, const QByteArray& text,
                               const ImportProgress& progress = {},
                               EntryPlacement* placement = nullptr);

// The same two on files. Export writes safely (an old file is replaced only
// once the new one is complete); a failure gives the reason in `reason`.
bool ExportChirpCsvFile(const DataSet& ds, const QString& path, QString* reason = nullptr);
ChirpImport ImportChirpCsvFile(DataSet& ds, const QString& path,
                               const ImportProgress& progress = {});

// The summary of an import for the user: rows imported, skipped and
// changed, with the reason or the change for each (ImportSummary).
QString ChirpImportSummary(const ChirpImport& result);

} // namespace mtz4
