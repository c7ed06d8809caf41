#pragma once

#include "link/CloneMode.h"
#include "model/DataDiff.h"
#include "model/Prompter.h"

#include <QList>

namespace mtz4 {

class CloneProgress;
class Link;
struct DataSet;

// What reading back a write found.
struct VerifyOutcome {
    LinkResult read = LinkResult::Failure; // the read-back itself
    QList<DataDifference> differences;     // what the receiver holds otherwise than sent

    bool verified() const { return read == LinkResult::Success && differences.isEmpty(); }
};

// Reads back what a write sent, with the quick read (and the settings first
// when `settings`), into a data set of its own, and compares it with
// `written` as the receiver holds it (AsTheReceiverHoldsIt): every field
// that travels to the receiver, as its record encodes it (an option a model
// cannot hold is written as "OFF", say). Notes, which stay in the program,
// are not compared. Reports the entries read back to `progress`; the
// message that ends a failed read-back is the caller's.
VerifyOutcome VerifyWrite(Link& link, const DataSet& written, CloneProgress& progress,
                          bool settings);

// The message of a write whose read-back differs: the first differences.
Prompt VerifyFailedPrompt(const QList<DataDifference>& differences);

} // namespace mtz4
