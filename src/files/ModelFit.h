#pragma once

#include "files/ImportReport.h"
#include "model/DataSet.h"

namespace mtz4 {

// Another model selected while the data are kept ("Keep these channels"):
// the data set becomes `model`'s and is checked against its rules the way an
// import checks what comes in. An option the model lacks ("Train" outside
// the MT-Z4J, "Secret" outside the MT-Z40E) becomes "OFF" (a row changed);
// an entry the model refuses otherwise (the MT-Z40T's cellular ranges) is
// emptied, and a VFO band the model lacks or whose frequency falls outside
// the model's band takes the model's factory record (rows skipped, with the
// reason). The report counts what was kept; its rows are named "03-012",
// "S4", "Band 9". Marks the data as changed.
ImportReport FitDataToModel(DataSet& ds, int model);

} // namespace mtz4
