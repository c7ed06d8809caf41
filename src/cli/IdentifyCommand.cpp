// mtz4ctl identify: finds the receiver's model and prints it.
#include "cli/CliArguments.h"
#include "cli/LinkSetup.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "link/CloneMessages.h"
#include "link/Link.h"
#include "link/ModelDetection.h"
#include "model/ReferenceTables.h"

#include <QCoreApplication>
#include <cstdio>

namespace mtz4::cli {

namespace {

int identifyWith(Link& link, const CliArguments& args, StderrPrompter& prompter) {
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    const DetectedModel found = DetectModel(link);
    switch (found.result) {
    case LinkResult::Success:
        std::printf("%s\n", ModelName(found.model).toLatin1().constData());
        return ExitSuccess;
    case LinkResult::RegionError:
        prompter.error(NoModelAcceptedText());
        return ExitFailure;
    case LinkResult::Failure:
        break;
    }
    ShowCloneError(prompter, ReadFailedMessage);
    if (link.lastPortError().isEmpty()) {
        prompter.explain(QCoreApplication::translate(
            "IdentifyCommand", "the receiver did not answer (is it switched on, and the "
                               "cable in the right port?)"));
        return ExitFailure;
    }
    return finishLinkCommand(link, LinkResult::Failure, prompter, -1);
}

} // namespace

int runIdentify(const CliArguments& args, StderrPrompter& prompter) {
    Link link(prompter);
    return endTrace(link, identifyWith(link, args, prompter), prompter);
}

} // namespace mtz4::cli
