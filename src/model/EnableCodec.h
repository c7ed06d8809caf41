#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// EnableLines (slots 0..5, one bit per entry, most significant bit first) to
// MemEnable, and back. Encoding gives slots 0..4 of 64 digits and slot 5 of 5.
void DecodeEnable(DataSet& ds);
void EncodeEnable(DataSet& ds);

} // namespace mtz4
