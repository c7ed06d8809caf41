// mtz4ctl write: clone write of a clone file.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "link/CloneMessages.h"
#include "link/CloneWrite.h"
#include "link/Link.h"
#include "link/VerifyWrite.h"

#include <QCoreApplication>

namespace mtz4::cli {

namespace {

int writeWith(Link& link, DataSet& ds, const CliArguments& args, StderrPrompter& prompter) {
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    ProgressDisplay progress(QCoreApplication::translate("WriteCommand", "writing memory entries"),
                             !args.quiet && stderrIsTerminal());
    prompter.beforeMessage = [&progress] { progress.endLine(); };

    CloneOutcome outcome;
    switch (args.scope) {
    case Scope::Settings:
        outcome = WriteSettings(link, ds);
        break;
    case Scope::Memory:
        outcome = WriteMemoryAndFinish(link, ds, progress);
        break;
    case Scope::All:
        outcome = WriteAll(link, ds, progress);
        break;
    }
    // With --verify the success message waits for the read-back.
    if (args.verify && outcome.succeeded()) {
        const VerifyOutcome verify = VerifyWrite(link, ds, progress, args.scope == Scope::All);
        if (verify.read != LinkResult::Success) {
            ShowCloneError(prompter, ReadFailedMessage);
            return finishLinkCommand(link, LinkResult::Failure, prompter, args.model);
        }
        if (!verify.differences.isEmpty()) {
            prompter.ask(VerifyFailedPrompt(verify.differences));
            return ExitFailure;
        }
        ShowEndMessage(link.prompter(), outcome.message);
        if (!args.quiet)
            prompter.note(QCoreApplication::translate("WriteCommand", "Verified"));
        return finishLinkCommand(link, outcome.result, prompter, args.model);
    }
    ShowEndMessage(link.prompter(), outcome.message);
    return finishLinkCommand(link, outcome.result, prompter, args.model);
}

} // namespace

int runWrite(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, args.model, args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    Link link(prompter);
    return endTrace(link, writeWith(link, *ds, args, prompter), prompter);
}

} // namespace mtz4::cli
