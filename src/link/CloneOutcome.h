#pragma once

#include "link/CloneMode.h"
#include "model/DataParts.h"

#include <QString>

namespace mtz4 {

// What a clone operation came to. The messages on its way (a port that
// failed, attempts used up, the channel total) were shown through the link's
// prompter as they happened; the message that ends it is left to the caller,
// which shows it once it has done what follows (a file saved, a write read
// back) and redraws what the operation changed.
struct CloneOutcome {
    LinkResult result = LinkResult::Failure;
    // "Successed!!", "Read Failed...", "Write Failed...", "Region Error" or
    // "Communication Error"; empty when the last message on the way said
    // why the operation stopped.
    QString message;
    // The parts of the data set that hold what came from the receiver, or
    // what the encoders rebuilt for it.
    DataParts changed;
    // The receiver was found in clone mode or brought into it.
    bool cloneModeEntered = false;

    bool succeeded() const { return result == LinkResult::Success; }
};

} // namespace mtz4
