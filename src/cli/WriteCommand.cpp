// mtz4ctl write: clone write of a clone file.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "link/Link.h"
#include "link/VerifyWrite.h"
#include "link/WriteCommands.h"

namespace mtz4::cli {

namespace {

int writeWith(Link& link, DataSet& ds, const CliArguments& args, StderrPrompter& prompter) {
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    ProgressDisplay view(QStringLiteral("writing"), !args.quiet && stderrIsTerminal());
    prompter.beforeMessage = [&view] { view.endLine(); };

    // With --verify the success message waits for the read-back.
    if (args.verify)
        link.prompter().holdSuccess();
    LinkResult result = LinkResult::Failure;
    switch (args.scope) {
    case Scope::Settings:
        result = cmbTxData1_Click(link, ds, view);
        break;
    case Scope::Memory:
        result = cmbTxData_Click(link, ds, view);
        break;
    case Scope::All:
        result = mnuWrAll_Click(link, ds, view);
        break;
    }
    if (args.verify && result == LinkResult::Success) {
        const VerifyOutcome outcome = VerifyWrite(link, ds, view, args.scope == Scope::All);
        if (outcome.read != LinkResult::Success) {
            link.prompter().dropSuccess();
            prompter.error(QStringLiteral("Read Failed..."));
            return finishLinkCommand(link, LinkResult::Failure, prompter, args.model);
        }
        if (!outcome.differences.isEmpty()) {
            link.prompter().dropSuccess();
            prompter.ask(VerifyFailedPrompt(outcome.differences));
            return ExitFailure;
        }
        link.prompter().releaseSuccess();
        if (!args.quiet)
            prompter.note(QStringLiteral("Verified"));
    }
    return finishLinkCommand(link, result, prompter, args.model);
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
