#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// Fills all 14 band VFO records of VfoData/VfoText with the factory band plan
// of the model selected by ds.ModelIndex (buttons 0 and 1 use the
// first table, any other selection the second). Note and name texts become
// empty. Redraws nothing.
void VfoDefaults(DataSet& ds);

} // namespace mtz4
