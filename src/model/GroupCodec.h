#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// GroupLine to GroupFlag rows 1..10 (row 0 untouched).
void DecodeGroups(DataSet& ds);
// GroupFlag rows 0..10 to GroupLine (176 digits, with the filler bits).
void EncodeGroups(DataSet& ds);
// GroupFlag rows 1..10 to the group boxes chkGrp 50..549.
void ShowGroups(DataSet& ds);
// All group boxes chkGrp 0..549 to GroupFlag.
void ReadGroupChecks(DataSet& ds);

} // namespace mtz4
