// mtz4ctl never writes over a file that the same command reads.
#include "cli/CliArguments.h"
#include "cli/Subcommands.h"
#include "files/FileAccess.h"
#include "files/StockLists.h"

namespace mtz4::cli {

QString outputNamingAnInput(const CliArguments& a) {
    QStringList inputs;
    QStringList outputs;
    // An input that the command's own output may replace: the clone file an
    // import merges into is read whole before anything is written, so that
    // `import X.MZ4 IN.csv -o X.MZ4` updates it in place, as `read --base X
    // -o X` does. Nothing else may replace it.
    QString updatedInPlace;
    switch (a.subcommand) {
    case Subcommand::Report:
        inputs << a.input;
        outputs << a.output;
        break;
    case Subcommand::Export:
        inputs << a.input;
        outputs << a.csv;
        break;
    case Subcommand::Import:
        inputs << a.input << a.csv;
        if (const std::optional<StockList> stock = StockListNamed(a.stock))
            inputs << stock->path;
        updatedInPlace = a.input;
        if (!a.dryRun)
            outputs << a.output;
        break;
    case Subcommand::Read:
        inputs << a.base;
        break;
    case Subcommand::Write:
        inputs << a.input;
        break;
    case Subcommand::New:
    case Subcommand::Diff:
    case Subcommand::Ports:
    case Subcommand::Identify:
    case Subcommand::Stock:
    case Subcommand::None:
        break;
    }
    // The trace replaces its file when the command is over: over the
    // command's own output it would replace that as well.
    if (!a.trace.isEmpty()) {
        const QStringList written = outputs + QStringList{a.output};
        for (const QString& output : written) {
            if (!output.isEmpty() && SameFile(a.trace, output))
                return OutputReplacesInput(a.trace, output);
        }
        outputs << a.trace;
    }
    for (const QString& output : outputs) {
        for (const QString& input : inputs) {
            if (input == updatedInPlace && output == a.output && output != a.trace)
                continue;
            if (!output.isEmpty() && !input.isEmpty() && SameFile(output, input))
                return OutputReplacesInput(output, input);
        }
    }
    return {};
}

} // namespace mtz4::cli
