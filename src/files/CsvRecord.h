#pragma once

#include "model/DataSet.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace mtz4 {

// One band or entry line of the CSV file, from its CHANNEL field on: the 11
// display texts (frequency .. name), SKIP and ENABLE. Shared by the CSV
// import and the memory list's paste, which read the same fields.
inline constexpr int CsvRecordTexts = Col::Name + 1;       // columns 0..10
inline constexpr int CsvRecordFields = CsvRecordTexts + 2; // then SKIP and ENABLE

// The numbers and texts of a record that can be stored. The note may hold
// raw bytes of a file in the code page (DecodeTextKeepingBytes).
struct CsvRecord {
    std::array<double, MemColumns> data{};
    std::array<QString, CsvRecordTexts> text;
    bool enable = false;
};

// Whether the name is taken in upper case (the CSV import) or as it is (a
// paste). The note is always taken as it stands.
enum class CsvTexts { UpperCase, AsTheyAre };

// The record of the 13 fields, words compared in upper case and without the
// blanks around them; nothing when the line is to be passed over, with the
// reason in `whyNot`: no frequency, a frequency or offset that is no number
// (ParseNumber: "1E-06" and "145,5" are, "145.5 MHz" is not) or that the
// record cannot hold, a mode or step that is none of the receiver's. Unknown
// options, carriers and tones take their defaults, a secret code outside
// 0..28 becomes 11. SKIP and ENABLE are set by a truth value (CsvTruthValue).
// The note is taken as it stands (case and every character) and fitted to
// the code page, the name to the receiver (FitNote, FitName); upper case
// changes only the ASCII letters of the name. `changes` receives what
// fitting changed, one line per field ("note: ł → ?"), and a SKIP or ENABLE
// that is no truth value; none when nothing.
std::optional<CsvRecord> ParseCsvRecord(const QStringList& fields, CsvTexts texts, CodePage page,
                                        QString* whyNot = nullptr, QStringList* changes = nullptr);

// Why a line or row with more fields than its columns is passed over: a
// decimal comma outside quotes splits a number in two ("145,5" in a
// comma-separated file), and the fields after it are in the wrong columns.
QString ExtraFieldsReason();

// A truth value as the export, spreadsheets and users write it: #TRUE# or
// #FALSE#, TRUE or FALSE, 1 or 0, in any case, in quotes or not; nothing
// for anything else.
std::optional<bool> CsvTruthValue(const QString& field);

// Stores a record into memory entry `entry` or VFO band `band`. The note
// keeps the bytes of its file that read as no character (StoreNote).
void StoreCsvEntry(DataSet& ds, int entry, const CsvRecord& record);
void StoreCsvBand(DataSet& ds, int band, const CsvRecord& record);

// The fields of entry `entry`'s line of the CSV export: "MT-Z4", the section
// word, the CHANNEL field, the 11 texts, SKIP and ENABLE.
QStringList CsvEntryFields(const DataSet& ds, int entry);

} // namespace mtz4
