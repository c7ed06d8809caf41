#pragma once

#include "model/DataSet.h"

#include <QRandomGenerator>
#include <QString>

namespace mtz4::test {

// Random but valid content for round-trip tests. Every generator takes the
// random source explicitly so a failing seed can be replayed.

// A 64-digit memory record with a non-zero frequency and every field in range;
// the option code and the frequency are ones the given model keeps.
QString RandomMemRecord(QRandomGenerator& rng, int model);
// A 30-digit VFO record, as above, with a frequency inside the model's band.
QString RandomVfoRecord(QRandomGenerator& rng, int model, int band);
// A note of up to 30 characters drawn from ISO-8859-1, commas, quotes and
// leading blanks included, but no line breaks.
QString RandomNote(QRandomGenerator& rng);
// Bank sizes 0..49 adding up to exactly 1000.
std::array<int, BankCount> RandomBankSizes(QRandomGenerator& rng);

// Fills a factory data set of the given model with random entries (about half
// enabled with data, the rest empty), VFO records, notes, bank sizes and group
// membership, as the program itself would hold them.
void FillRandomDataSet(DataSet& ds, QRandomGenerator& rng, int model);

} // namespace mtz4::test
