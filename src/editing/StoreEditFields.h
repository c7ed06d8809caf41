#pragma once

#include "editing/EditFields.h"
#include "model/DataSet.h"

namespace mtz4 {

// Secret code and carrier code stored when their list has no selection.
inline constexpr int DefaultSecretCode = 11;
inline constexpr int DefaultCarrierCode = 28; // "JR"

// Stores the dialog's values into memory entry `entry` (0..1299), every
// coded field as a number and as its display text, the skip and enable flags
// included, and sets DataChanged. A mode, step, option or shift direction
// with no selection (-1) keeps the stored value.
void StoreMemoryEntry(DataSet& ds, int entry, const EditFields& fields);

// The same for VFO band `band` (0..13), without skip and enable flags.
void StoreVfoBand(DataSet& ds, int band, const EditFields& fields);

} // namespace mtz4
