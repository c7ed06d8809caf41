#pragma once

#include <QString>
#include <QStringList>

namespace mtz4 {

// The 13 fields of an entry line (frequency .. name, SKIP, ENABLE, as
// ParseCsvRecord reads them) with what the edit dialog gives a new entry in
// place of an empty one: the mode and step of the band that holds the
// frequency (BandDefaultOf), no option, secret code 11, carrier "JR", tone
// 88.5Hz, no shift, offset 0.600000, no skip, enabled. Besides, a step given
// as its size ("12.5", "12,5 kHz") becomes its text, a shift "+" or "-"
// "SHIFT+" or "SHIFT-", and SKIP and ENABLE read #TRUE#, TRUE or 1 as set and
// #FALSE#, FALSE or 0 as clear (CsvTruthValue); another word stays, for
// ParseCsvRecord to name. Shared by a paste and an import of a file whose
// header names its columns.
QStringList WithNewEntryDefaults(QStringList fields, int model);

// A step given as its size in kHz ("12.5", "12,5 kHz") as the step's text
// ("12.5KHz"); any other text as it is.
QString StepTextOfSize(const QString& cell);

} // namespace mtz4
