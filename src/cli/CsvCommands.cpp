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
    const auto ds = loadCloneFileFor(args.input, modelOf(args), args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    if (args.format == CsvFormat::Chirp) {
        if (ExportChirpCsvFile(*ds, args.csv))
            return ExitSuccess;
        prompter.error(CsvFileMessage(CsvFileStatus::FileOpenError));
        return ExitFailure;
    }
    const TextFileEncoding encoding =
        args.utf8 ? TextFileEncoding::Utf8WithBom : TextFileEncoding::CodePage;
    return ExportCsvFile(*ds, args.csv, prompter, encoding) ? ExitSuccess : ExitFailure;
}

int runImport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelOf(args), args.codePage, prompter);
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
    } else {
        ImportReport report;
        // A stopped import is not saved: its result would be a partial merge.
        if (!ImportCsvFile(*ds, args.csv, prompter, &report))
            return ExitFailure;
        const QString changed = ChangedRowsSummary(report);
        if (!changed.isEmpty()) {
            for (const QString& line : changed.split(QLatin1Char('\n')))
                prompter.note(line);
        }
    }
    return SaveCloneFile(*ds, args.output, prompter) ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
