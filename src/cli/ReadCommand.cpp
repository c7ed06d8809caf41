// mtz4ctl read: clone read into a clone file.
#include "cli/CliArguments.h"
#include "cli/LinkSetup.h"
#include "cli/ProgressDisplay.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "files/FileAccess.h"
#include "link/CloneMessages.h"
#include "link/CloneRead.h"
#include "link/Link.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"

#include <QCoreApplication>
#include <memory>

namespace mtz4::cli {

namespace {

int readWith(Link& link, DataSet& ds, const CliArguments& args, StderrPrompter& prompter) {
    if (!configurePort(link, args, prompter))
        return ExitFailure;
    ProgressDisplay progress(QCoreApplication::translate("ReadCommand", "reading memory entries"),
                             !args.quiet && stderrIsTerminal());
    prompter.beforeMessage = [&progress] { progress.endLine(); };

    const MemoryRead memoryRead = args.quick ? MemoryRead::Quick : MemoryRead::Full;
    CloneOutcome outcome;
    switch (args.scope) {
    case Scope::Settings:
        outcome = ReadSettings(link, ds);
        break;
    case Scope::Memory:
        outcome = ReadMemory(link, ds, progress, memoryRead);
        break;
    case Scope::All:
        outcome = ReadAll(link, ds, progress, memoryRead);
        break;
    }
    // A stopped read is not saved, so that a partial read is never taken for
    // a good one.
    if (!outcome.succeeded()) {
        ShowEndMessage(link.prompter(), outcome.message);
        return finishLinkCommand(link, outcome.result, prompter, args.model);
    }
    if (!SaveCloneFile(ds, args.output, prompter))
        return ExitFailure;
    // "Successed!!" only once the file is written.
    ShowEndMessage(link.prompter(), outcome.message);
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
    ds->ModelIndex = args.model;

    Link link(prompter);
    return endTrace(link, readWith(link, *ds, args, prompter), prompter);
}

} // namespace mtz4::cli
