#pragma once

#include "files/EntryPlacement.h"
#include "files/ImportReport.h"
#include "files/TextFileEncoding.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The CSV file: the band VFO records, the 1300 memory entries, the bank sizes
// and the group boxes as comma-separated text lines ending in CR LF, for
// editing in a spreadsheet. The settings are not part of it. The file is
// written in the note code page, as the clone file's notes are, every note's
// bytes exactly as the clone file keeps them (NoteFileText), or on request as
// UTF-8 with a byte-order mark; the import reads either (ImportFileText).
//
// Lines: a header of 16 column words, then per line "MT-Z4", the section word
// and the CHANNEL field:
//   "VFO"           bands 0..13: the 11 texts of the band, "#FALSE#", "#TRUE#"
//   "MEMORY"        entries 0..999: the 11 texts of the entry, SKIP, ENABLE
//   "PROGRAM SCAN"  entries 1000..1099 labelled P0A .. P49B, as above
//   "SEARCH PASS"   entries 1100..1199 numbered 0..99, as above
//   "PRIORITY"      entries 1200..1299 numbered 0..99, as above
//   "BANK AMOUNT"   banks 0..49: the text of the bank's size box
//   "GROUP"         boxes 0..549: the box's value as a number (0 or 1)
// The 11 texts are the display texts of columns 0..10 (frequency, mode, step,
// option, secret code, carrier, tone, shift, offset, note, name). SKIP is
// "#TRUE#" or "#FALSE#" in quotes, ENABLE the same without quotes; every other
// field is quoted, quotes inside a text doubled.

enum class CsvFileStatus {
    Ok,
    FileOpenError, // the file could not be opened, read or written, or a bank
                   // or group line holds a number field that is not a number
    Cancelled,     // the import was stopped by its progress callback
};

// The message the user sees for a failed status: "File Open Error" (none
// for Cancelled: the user stopped it).
QString CsvFileMessage(CsvFileStatus status);

// The file's text for the data set, in the data set's note code page or as
// UTF-8 with a byte-order mark.
QByteArray CsvFileText(const DataSet& ds, TextFileEncoding encoding = TextFileEncoding::CodePage);

// Writes the data set to path as a CSV file. The old file is replaced only
// once the new one is complete, so a failed export leaves it intact. The data
// set is not changed: CurrentFile stays (a later Save never writes clone
// format over the CSV file) and so does DataChanged (the CSV file lacks the
// settings, so it does not count as saving the data). The window may name
// the CSV file in its caption (FileCaption); the data set does not record it.
// A failure gives the reason in `reason` when given.
CsvFileStatus ExportCsvFile(const DataSet& ds, const QString& path,
                            TextFileEncoding encoding = TextFileEncoding::CodePage,
                            QString* reason = nullptr);

// What a UTF-8 file cannot carry, one line each: the notes of entries and
// bands whose bytes read as no character in the note code page ("00-003:
// note bytes 81 20 78 ..."), which only a file in the code page keeps.
// Empty for a file in the code page, which keeps everything.
QStringList CsvExportLosses(const DataSet& ds, TextFileEncoding encoding);
// The losses for a message (ListedUnder).
QString CsvExportLossesText(const QStringList& losses, int most = -1);

// Merges a CSV file's text into the data set. Each valid line overwrites its
// band, entry, bank size box or group box; whatever the text does not supply
// with a valid line keeps its value. Fields are separated by commas, or by
// the semicolons or TABs a spreadsheet saves with (DetectCsvSeparator); a
// quoted field may go on over a line end, but never into a line that begins
// with "MT-Z4" (CsvLineReader). A bank or group line whose number fields are
// not numbers stops the import with FileOpenError, keeping the lines applied
// before it. Notes are taken as they stand, every byte of a file in the
// code page kept; names in upper case (their ASCII letters); both fitted
// (FitNote, FitName: a character the page or the receiver cannot hold
// becomes its base letter or "?", a TAB or line break a space, a note is cut
// to 255 characters). Numbers are read whole, in any notation (ParseNumber).
// SKIP and ENABLE are set by #TRUE#, TRUE or 1, quoted or not
// (CsvTruthValue).
//
// `report` says what became of every line (CsvMerge): each line applied
// (`imported`, band, entry, bank and group lines alike), each one changed to
// fit with what changed, each one passed over with the reason; lines without
// a frequency (exported empty entries) are counted in a note, and the header
// line passes without a word; a line given again for the same target, or
// with more fields than its section has, is passed over (CsvMerge). Lines
// that the edit dialog would refuse under
// the data set's model are passed over: options the model lacks, the
// MT-Z40T's cellular ranges, a Search Pass frequency that another enabled
// Search Pass entry keeps, a VFO frequency outside its band, a step its band
// lacks, a band the model lacks.
//
// What an imported line can put into the data always encodes into a sound
// record: frequencies outside 0.1 .. 1299.995 MHz and offsets outside
// 0 .. 99.999999 MHz pass the line over, names keep their first 6 characters
// (a space for each one outside codes 32..126), secret codes outside 0..28
// become 11, bank sizes outside 0..1000 are passed over, and the hidden group
// row 0 (boxes 0..49) stays clear.
//
// `progress` is told how far the import has got every 512 lines; when it
// returns false the import stops at once with Cancelled, the data set part
// merged (import into a copy to keep the data as they were).
//
// At the end, also when the import stops early, the data side of the refresh
// is done here: disabled entries are emptied (as every refresh of the memory
// list does), BankSize (with the unassigned count) and the total label lblAll
// follow the size boxes, and GroupFlag follows the group boxes. DataChanged
// becomes true when a line was applied (the merged data are in no file yet)
// and stays as it was otherwise. CurrentFile is not touched.
//
// Left to the window after a successful import: clear CurrentFile, set the
// caption to the application title alone, redraw the VFO grid, rebuild the
// memory grid's row labels, select row 1 and redraw the memory grid, and show
// the bank page's boxes and total from ds.bank.
//
// With a `placement` to a destination the entry lines go where it puts them,
// and the VFO, bank size and group lines are left out (CsvMerge).
CsvFileStatus ImportCsvText(DataSet& ds, const QByteArray& text, ImportReport* report = nullptr,
                            const ImportProgress& progress = {},
                            EntryPlacement* placement = nullptr);

// Reads the file at path and merges it as ImportCsvText does. A file that
// cannot be opened or read changes nothing.
CsvFileStatus ImportCsvFile(DataSet& ds, const QString& path, ImportReport* report = nullptr);

// The same two, reporting a failure through the prompter ("File Open Error",
// title "ERROR", then the reason through Prompter::explain()). They return
// true on success.
bool ExportCsvFile(const DataSet& ds, const QString& path, Prompter& prompter,
                   TextFileEncoding encoding = TextFileEncoding::CodePage);
bool ImportCsvFile(DataSet& ds, const QString& path, Prompter& prompter,
                   ImportReport* report = nullptr);

} // namespace mtz4
