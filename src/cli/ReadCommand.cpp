// mtz4ctl read: clone read into a clone file.
#include "cli/CliArguments.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "files/FileAccess.h"
#include "link/Link.h"
#include "link/ReadCommands.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"

#include <memory>

namespace mtz4::cli {

namespace {

int readWith(Link& link, DataSet& ds, const CliArguments& args, StderrPrompter& prompter) {
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    ProgressDisplay view(QStringLiteral("reading"), !args.quiet && stderrIsTerminal());
    prompter.beforeMessage = [&view] { view.endLine(); };
    // "Successed!!" only once the file is written.
    link.prompter().holdSuccess();

    const MemoryRead memoryRead = args.quick ? MemoryRead::Quick : MemoryRead::Full;
    LinkResult result = LinkResult::Failure;
    switch (args.scope) {
    case Scope::Settings:
        result = cmbRxData1_Click(link, ds, view);
        break;
    case Scope::Memory:
        result = cmbRxData_Click(link, ds, view, memoryRead);
        break;
    case Scope::All:
        result = mnuReAll_Click(link, ds, view, memoryRead);
        break;
    }
    const int status = finishLinkCommand(link, result, prompter, args.model);
    // A stopped read is not saved, so that a partial read is never taken for
    // a good one.
    if (status != ExitSuccess) {
        link.prompter().dropSuccess();
        return status;
    }
    if (!SaveCloneFile(ds, args.output, prompter)) {
        link.prompter().dropSuccess();
        return ExitFailure;
    }
    link.prompter().releaseSuccess();
    return ExitSuccess;
}

} // namespace

int runRead(const CliArguments& args, StderrPrompter& prompter) {
    // A read takes half a minute: find out first whether its result can be
    // kept at all.
    QString reason;
    if (!CheckWritable(args.output, &reason)) {
        prompter.error(CloneFileMessage(CloneFileStatus::FileOpenError), reason);
        return ExitFailure;
    }
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, args.model);
    ds->NoteCodePage = args.codePage;
    if (!args.base.isEmpty() && !LoadCloneFile(*ds, args.base, prompter))
        return ExitFailure;
    // The clone file does not record the model: the command line names it.
    ds->settings.opbModel = args.model;
    ds->ModelIndex = args.model;

    Link link(prompter);
    return endTrace(link, readWith(link, *ds, args, prompter), prompter);
}

} // namespace mtz4::cli
