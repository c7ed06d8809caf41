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

// The numbers and texts of a record that can be stored.
struct CsvRecord {
    std::array<double, MemColumns> data{};
    std::array<QString, CsvRecordTexts> text;
    bool enable = false;
};

// Whether the note and name are taken in upper case (the CSV import) or as
// they are (a paste).
enum class CsvTexts { UpperCase, AsTheyAre };

// The record of the 13 fields, compared in upper case; nothing when the line
// is to be passed over, with the reason in `whyNot`: no frequency, a
// frequency or offset the record cannot hold, a mode or step that is none of
// the receiver's. Unknown options, carriers and tones take their defaults,
// a secret code outside 0..28 becomes 11. The note is fitted to the code
// page and the name to the receiver (FitNote, FitName): `changes` receives
// what that changed, one line per field ("note: ł → ?"), none when nothing.
// Upper case goes as far as the code page has the letters.
std::optional<CsvRecord> ParseCsvRecord(const QStringList& fields, CsvTexts texts, CodePage page,
                                        QString* whyNot = nullptr, QStringList* changes = nullptr);

// Stores a record into memory entry `entry` or VFO band `band`. The note is
// a new one: it keeps no bytes of a file.
void StoreCsvEntry(DataSet& ds, int entry, const CsvRecord& record);
void StoreCsvBand(DataSet& ds, int band, const CsvRecord& record);

// The fields of entry `entry`'s line of the CSV export: "MT-Z4", the section
// word, the CHANNEL field, the 11 texts, SKIP and ENABLE.
QStringList CsvEntryFields(const DataSet& ds, int entry);

} // namespace mtz4
