#pragma once

#include "model/DataSet.h"
#include "model/ShownOption.h"

#include <QString>

namespace mtz4 {

// Text of memory grid column `column` (1..11) for entry `entry` under
// receiver model `model`:
// - the display texts of the entry, column c showing MemText column c - 1;
// - column 5 "Skip": "*" when the skip flag is set, else empty;
// - column 6: the carrier text (model 0), the secret code (model 1) or "-";
// - column 4 "Option": an option the model does not offer ("Scr" on model 0,
//   "Train" on model 1, both on the others) shows as "OFF".
// The stored codes and texts are not changed.
QString MemoryCellText(const DataSet& ds, int entry, int column, int model);

// Text of VFO grid column `column` (1..11) for band `band` under the model
// selector button `model`. Models 0 and 1 show all 14 bands, column c showing
// VfoText column c - 1 with the option rule above and, for model 1, the
// secret code in column 6. Every other model shows bands 0..7 with "-" in
// columns 5 and 6 and bands 8..13 as "-" throughout.
QString VfoCellText(const DataSet& ds, int band, int column, int model);

} // namespace mtz4
