// mtz4ctl new: the factory data of a model as a clone file.
#include "cli/CliArguments.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"

#include <memory>

namespace mtz4::cli {

int runNew(const CliArguments& args, StderrPrompter& prompter) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, args.model);
    ds->NoteCodePage = args.codePage;
    return SaveCloneFile(*ds, args.output, prompter) ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
