// mtz4ctl write: clone write of a clone file.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "link/Link.h"
#include "link/WriteCommands.h"

namespace mtz4::cli {

int runWrite(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, args.model, prompter);
    if (!ds)
        return ExitFailure;

    Link link(prompter);
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    ProgressDisplay view(QStringLiteral("writing"), !args.quiet && stderrIsTerminal());
    prompter.beforeMessage = [&view] { view.endLine(); };

    LinkResult result = LinkResult::Failure;
    switch (args.scope) {
    case Scope::Settings:
        result = cmbTxData1_Click(link, *ds, view);
        break;
    case Scope::Memory:
        result = cmbTxData_Click(link, *ds, view);
        break;
    case Scope::All:
        result = mnuWrAll_Click(link, *ds, view);
        break;
    }
    return finishLinkCommand(link, result, prompter);
}

} // namespace mtz4::cli
