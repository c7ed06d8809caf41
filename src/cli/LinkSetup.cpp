#include "cli/LinkSetup.h"

#include "cli/CliArguments.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "link/Link.h"
#include "link/ModelDetection.h"

#include <QCoreApplication>

namespace mtz4::cli {

bool configurePort(Link& link, const CliArguments& args, StderrPrompter& prompter) {
    if (args.port != 0)
        link.setPortNumber(args.port);
    else
        link.setDevicePath(args.device);
    QString error;
    if (!args.trace.isEmpty() && !link.startTrace(args.trace, error)) {
        prompter.note(error);
        return false;
    }
    return true;
}

int finishLinkCommand(Link& link, LinkResult result, StderrPrompter& prompter, int model) {
    if (result == LinkResult::Success)
        return ExitSuccess;
    const QString why = link.lastPortError();
    if (!why.isEmpty())
        prompter.explain(QCoreApplication::translate("LinkSetup", "port: %1").arg(why));
    else if (result == LinkResult::RegionError)
        prompter.explain(
            ModelRefusedText(model) +
            QCoreApplication::translate("LinkSetup",
                                        ": name its model with --model, or find it with \"mtz4ctl "
                                        "identify\""));
    return ExitFailure;
}

int endTrace(Link& link, int status, StderrPrompter& prompter) {
    QString error;
    if (link.finishTrace(error))
        return status;
    prompter.note(error);
    return status == ExitSuccess ? ExitFailure : status;
}

} // namespace mtz4::cli
