#pragma once

#include "files/CsvRecord.h"
#include "model/CodePage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mtz4 {

// Rows pasted into the memory list, as records: the entries the program
// copies, rows from a spreadsheet in the CSV file's columns, or any
// spreadsheet's selection under a header row naming its columns.
//
// - Rows end at CR LF, LF or CR; their cells are separated by TABs. A cell
//   in quotes, as spreadsheets copy one that holds a TAB, a line break or a
//   quote, is taken without them, doubled quotes as one and line breaks
//   kept (CsvLineReader; a row the program copied, which begins with
//   "MT-Z4", is never part of a cell). Empty rows are passed over and not
//   counted.
// - A first row with a cell naming the frequency ("Frequency", "Freq",
//   "Frequenz", "周波数", any case) is a header: the rows
//   under it are read by its column names. CHIRP's names (Location, Duplex,
//   Offset, rToneFreq, cToneFreq, TStep or Comment among them) read each row
//   as CHIRP's CSV does (ChirpRecordOf; Location is not used). A header with
//   words our CSV's columns lack ("Frequenz", "Alpha Tag", "CTCSS", in
//   English, German or Japanese) reads each row as an imported file with a
//   header row is read (ColumnsRowOf; its List and position are not used).
//   Otherwise the names are our CSV's (FREQUENCY, MODE, STEP, OPTION, SECRET,
//   TRAIN, TONE, SHIFT, SHIFT FREQUENCY, NOTES, NAME, SKIP, ENABLE) or plain
//   words (Note for NOTES); other columns are ignored.
// - Without a header a row holds an entry line as copied ("MT-Z4", the
//   section and the channel, then the 13 fields from FREQUENCY on), just the
//   13 fields, or just a frequency.
// - What a row leaves out or empty is what the edit dialog gives a new
//   entry: the mode and step of the band that holds the frequency
//   (BandDefaultOf), no option, secret code 11, carrier "JR", tone 88.5Hz, no
//   shift, offset 0.600000, no skip, enabled.
// - ENABLE and SKIP read #TRUE#, TRUE or 1 as set and #FALSE#, FALSE or 0 as
//   clear, in quotes or not (CsvTruthValue); a shift reads "+", "-",
//   "Shift+", "Shift-", "+SHIFT" or "-SHIFT"; a step may be given as its
//   size in kHz ("12.5", "12,5"). Numbers are read whole, a comma as the
//   decimal mark (ParseNumber).
// - Notes and names are taken as they are, fitted to the code page and the
//   receiver (ParseCsvRecord), every change said.
struct PastedRow {
    int number = 0; // from 1, counting the rows that hold anything, the header not
    std::optional<CsvRecord> record;
    QString whyNot;      // when there is no record
    QStringList changes; // what fitting the record changed
};

QList<PastedRow> ReadPastedRows(const QString& text, int model, CodePage page);

} // namespace mtz4
