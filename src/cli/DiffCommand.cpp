// mtz4ctl diff: the differences between two clone files, one per line.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "cli/TerminalText.h"
#include "model/DataDiff.h"

#include <cstdio>

namespace mtz4::cli {

int runDiff(const CliArguments& args, StderrPrompter& prompter) {
    const int model = modelFor(args, prompter);
    const auto mine = loadCloneFileFor(args.input, model, args.codePage, prompter);
    const auto other = mine ? loadCloneFileFor(args.csv, model, args.codePage, prompter) : nullptr;
    if (!mine || !other)
        return ExitUsage; // a file that cannot be loaded is no comparison
    const QList<DataDifference> differences = CompareData(*mine, *other);
    for (const DataDifference& d : differences)
        // Notes in the terminal's own encoding, whatever their code page, and
        // with their control characters escaped.
        std::fprintf(stdout, "%s\n", TerminalText(d.text()).constData());
    return differences.isEmpty() ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
