// mtz4ctl export and import: a clone file to a CSV file and a CSV file
// merged into a clone file's data.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/ChirpCsv.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "files/FileImport.h"

#include <QFileInfo>

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
        QString reason;
        if (!ExportChirpCsvFile(*ds, args.csv, &reason)) {
            prompter.error(CsvFileMessage(CsvFileStatus::FileOpenError), reason);
            return ExitFailure;
        }
        // What the file could not take, by entry; the export still succeeded.
        const QStringList losses = ChirpExportLosses(*ds);
        if (!losses.isEmpty())
            prompter.ask({ChirpExportLossesText(losses), QStringLiteral("Warning"),
                          PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
        return ExitSuccess;
    }
    const TextFileEncoding encoding =
        args.utf8 ? TextFileEncoding::Utf8WithBom : TextFileEncoding::CodePage;
    if (!ExportCsvFile(*ds, args.csv, prompter, encoding))
        return ExitFailure;
    const QStringList losses = CsvExportLosses(*ds, encoding);
    if (!losses.isEmpty())
        prompter.ask({CsvExportLossesText(losses), QStringLiteral("Warning"),
                      PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
    return ExitSuccess;
}

int runImport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelOf(args), args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    std::optional<CsvFileFormat> format;
    if (args.formatGiven)
        format = args.format == CsvFormat::Chirp ? CsvFileFormat::Chirp : CsvFileFormat::Own;
    const FileImport import = ImportCsvFileOfAnyFormat(*ds, args.csv, format);
    const QString fileName = QFileInfo(args.csv).fileName();
    if (import.outcome == FileImportOutcome::Imported ||
        import.outcome == FileImportOutcome::NothingImported ||
        import.outcome == FileImportOutcome::StoppedEarly) {
        // --quiet leaves out a report that has nothing to name.
        if (!args.quiet || !ReportLines(import.report).isEmpty())
            prompter.note(ImportSummary(import.report));
        if (!import.bankSizeNote.isEmpty())
            prompter.ask({import.bankSizeNote, QStringLiteral("Warning"), PromptIcon::Exclamation,
                          PromptButtons::Ok, PromptAnswer::Ok});
        // Nobody is there to answer the window's question: it is said.
        if (import.replacesInUse > 0)
            prompter.ask({ReplacesInUseText(import.replacesInUse), QStringLiteral("Warning"),
                          PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
    }
    // A stopped import is not saved: its result would be a partial merge.
    if (import.outcome != FileImportOutcome::Imported) {
        prompter.error(FileImportMessage(import, fileName), import.reason);
        return ExitFailure;
    }
    if (args.dryRun)
        return ExitSuccess;
    return SaveCloneFile(*import.data, args.output, prompter) ? ExitSuccess : ExitFailure;
}

} // namespace mtz4::cli
