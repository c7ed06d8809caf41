#pragma once

#include <memory>

namespace mtz4 {

struct DataSet;

// The data as the receiver holds them once `ds` is written to it: a copy of
// `ds` whose tables are what decoding their encoded image lines gives, with
// the codecs of a clone write and a clone read (an option a model cannot
// hold comes back as "OFF", bank sizes fitted to 1000 channels, disabled
// entries empty). What the receiver does not hold (notes, the current file,
// the change flag and marks) stays as in `ds`.
std::unique_ptr<DataSet> AsTheReceiverHoldsIt(const DataSet& ds);

} // namespace mtz4
