// mtz4ctl export and import: a clone file to a CSV file and a CSV file
// merged into a clone file's data.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/ChirpCsv.h"
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
    if (args.format == CsvFormat::Chirp) {
        if (ExportChirpCsvFile(*ds, args.csv))
            return ExitSuccess;
        prompter.error(CsvFileMessage(CsvFileStatus::FileOpenError));
        return ExitFailure;
    }
    return ExportCsvFile(*ds, args.csv, prompter) ? ExitSuccess : ExitFailure;
}

int runImport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelOf(args), prompter);
    if (!ds)
        return ExitFailure;
    if (args.format == CsvFormat::Chirp) {
        const ChirpImport result = ImportChirpCsvFile(*ds, args.csv);
        if (!result.readable) {
            prompter.error(CsvFileMessage(CsvFileStatus::FileOpenError));
            return ExitFailure;
        }
        for (const QString& line : ChirpImportSummary(result).split(QLatin1Char('\n')))
            prompter.note(line);
    } else if (!ImportCsvFile(*ds, args.csv, prompter)) {
        // A stopped import is not saved: its result would be a partial merge.
        return ExitFailure;
    }
    return SaveCloneFile(*ds, args.output, prompter) ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
