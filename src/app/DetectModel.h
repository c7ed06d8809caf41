#pragma once

#include "link/ModelDetection.h"

#include <QString>

namespace mtz4 {

class Link;

// "Detect Model", the command's name in the status bar and its messages.
QString DetectModelTitle();

// Tool > Detect Model, for the window: finds the receiver's model
// (DetectModel) and tells the user when it found none: "Read Failed..."
// when the receiver did not answer or the port failed, the message that no
// model was accepted when it refused them all. The messages go through the
// link's prompter, like those of the clone commands.
DetectedModel DetectModelAndTell(Link& link);

// The status bar's words for a "Region Error": that the receiver did not
// accept `model`, and where to choose or find the right one.
QString ModelRefusedInWindow(int model);

// The status bar's words after a model was found: "the receiver accepted
// MT-Z40E".
QString ModelFoundInWindow(int model);

} // namespace mtz4
