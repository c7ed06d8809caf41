// mtz4ctl write: clone write of a clone file.
#include "cli/CliArguments.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "link/Link.h"
#include "link/WriteCommands.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"

#include <memory>

namespace mtz4::cli {

int runWrite(const CliArguments& args, StderrPrompter& prompter) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, args.model);
    if (!LoadCloneFile(*ds, args.input, prompter))
        return ExitFailure;
    // The clone file does not record the model: the command line names it.
    ds->settings.opbModel = args.model;
    ds->ModelIndex = args.model;

    Link link(prompter);
    configurePort(link, args);
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
