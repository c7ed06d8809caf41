#pragma once

#include "link/CloneMode.h"

#include <QString>

namespace mtz4 {

class Link;

// What Detect Model found out about the receiver on the line.
struct DetectedModel {
    // Success: the receiver accepted `model` and is in clone mode now;
    // RegionError: it refused every model; Failure: it did not answer, or
    // the port failed.
    LinkResult result = LinkResult::Failure;
    int model = -1; // the model index (0..3) when result is Success
};

// Finds the receiver's model for a user who does not know its model code:
// sends the identification of each model in turn (MT-Z4J, MT-Z40E, MT-Z40T,
// MT-Z40K), as a read does but without the channel total check, until one
// is accepted; then confirms clone mode with a read of 0022h, which also
// sets the link's StartBankCode. Nothing but identifications and probes is
// sent, and the receiver is left in clone mode, as after any read. Stops at
// the first identification that gets no answer at all (ten attempts) or
// whose port fails. No message except "ERROR" when the receiver accepted a
// model but then gave no block at 0022h.
DetectedModel DetectModel(Link& link);

// "the receiver did not accept the selected model MT-Z40E": the plain-words
// reason of a "Region Error", which the window and the command-line tool
// follow with where to choose or find the model.
QString ModelRefusedText(int modelIndex);

// The message when the receiver accepted none of the four models.
QString NoModelAcceptedText();

} // namespace mtz4
