// mtz4ctl export and import: a clone file to a CSV file and a CSV file
// merged into a clone file's data.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"

namespace mtz4::cli {

namespace {

// Without --model the files are taken as those of the first model.
int modelOf(const CliArguments& args) {
    return args.model < 0 ? Model::MTZ4J : args.model;
}

} // namespace

int runExport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelOf(args), prompter);
    if (!ds)
        return ExitFailure;
    return ExportCsvFile(*ds, args.csv, prompter) ? ExitSuccess : ExitFailure;
}

int runImport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelOf(args), prompter);
    if (!ds)
        return ExitFailure;
    // A stopped import is not saved: its result would be a partial merge.
    if (!ImportCsvFile(*ds, args.csv, prompter))
        return ExitFailure;
    return SaveCloneFile(*ds, args.output, prompter) ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
