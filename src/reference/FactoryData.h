#pragma once

#include "model/DataSet.h"

namespace mtz4 {

// Puts the factory state of the selected model (ds.ModelIndex) in
// place: default settings lines decoded into the settings record, the model's
// default VFO records, 1300 empty disabled entries, banks 0..9 of 100 and 40
// empty banks (tables and size boxes, total "1000"), no group membership, no
// current file, DataChanged false. This is the data part of File > New; the
// question about unsaved changes and the view refresh belong to the caller.
void ApplyFactoryData(DataSet& ds);

// A data set as after start-up with the given model (0..3) selected and then
// ApplyFactoryData: what `mtz4ctl new` writes and what tests start from.
void MakeFactoryDataSet(DataSet& ds, int model);

} // namespace mtz4
