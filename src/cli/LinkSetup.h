#pragma once

#include "link/CloneMode.h"

namespace mtz4 {
class Link;
}

namespace mtz4::cli {

struct CliArguments;
class StderrPrompter;

// Points the link at --device or --port and starts the --trace file.
// False, with a message, when the trace file cannot be written.
bool configurePort(Link& link, const CliArguments& args, StderrPrompter& prompter);

// The exit status of a clone command's result. On a failure with a port
// problem behind it, says what the system reported (no such device, no
// permission, ...), which the receiver's own messages do not tell; after a
// "Region Error", that the receiver did not accept `model` and how to find
// its model.
int finishLinkCommand(Link& link, LinkResult result, StderrPrompter& prompter, int model);

// Ends the --trace file once the command is over and returns the exit
// status: `status`, or a failure when the trace could not be kept (said on
// standard error).
int endTrace(Link& link, int status, StderrPrompter& prompter);

} // namespace mtz4::cli
