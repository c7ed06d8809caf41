// mtz4ctl export, import and stock: a clone file to a CSV file, a CSV file
// (or a stock list) merged into a clone file's data, and the stock lists.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "cli/TerminalText.h"
#include "files/ChirpCsv.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "files/FileImport.h"
#include "files/StockLists.h"
#include "model/EntryFind.h"
#include "model/RowLabels.h"
#include "reference/FactoryData.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace mtz4::cli {

namespace {

QString warningTitle() {
    return QCoreApplication::translate("CsvCommands", "Warning");
}

QString noStockList(const QString& name) {
    return QCoreApplication::translate("CsvCommands",
                                       "no stock list \"%1\" (\"mtz4ctl stock\" lists them)")
        .arg(name);
}

} // namespace

int runExport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelFor(args, prompter), args.codePage, prompter);
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
            prompter.ask({ChirpExportLossesText(losses), warningTitle(), PromptIcon::Exclamation,
                          PromptButtons::Ok, PromptAnswer::Ok});
        return ExitSuccess;
    }
    const TextFileEncoding encoding =
        args.utf8 ? TextFileEncoding::Utf8WithBom : TextFileEncoding::CodePage;
    if (!ExportCsvFile(*ds, args.csv, prompter, encoding))
        return ExitFailure;
    const QStringList losses = CsvExportLosses(*ds, encoding);
    if (!losses.isEmpty())
        prompter.ask({CsvExportLossesText(losses), warningTitle(), PromptIcon::Exclamation,
                      PromptButtons::Ok, PromptAnswer::Ok});
    return ExitSuccess;
}

namespace {

// Where the command line sends the rows; none with a message when --at names
// no row of the clone file.
std::optional<ImportDestination> destinationOf(const CliArguments& args, const DataSet& ds,
                                               const CsvFileLook& look, StderrPrompter& prompter) {
    if (args.intoBank >= 0)
        return ImportDestination::intoBank(args.intoBank);
    if (args.freeEntries)
        return ImportDestination::freeEntries();
    if (!args.atLabel.isEmpty()) {
        const int entry = EntryOfRowLabel(BuildRowLabels(ds.bank), args.atLabel);
        if (entry < 0) {
            prompter.error(
                QCoreApplication::translate("CsvCommands",
                                            "%1 has no row %2 (a row label: 03-012, 12A, S5, Pr3)")
                    .arg(QFileInfo(args.input).fileName(), args.atLabel));
            return std::nullopt;
        }
        return ImportDestination::fromEntry(entry);
    }
    return DefaultDestination(look);
}

} // namespace

int runImport(const CliArguments& args, StderrPrompter& prompter) {
    const auto ds = loadCloneFileFor(args.input, modelFor(args, prompter), args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    std::optional<CsvFileFormat> format;
    if (args.formatGiven)
        format = args.format == CsvFormat::Chirp     ? CsvFileFormat::Chirp
                 : args.format == CsvFormat::Columns ? CsvFileFormat::Columns
                                                     : CsvFileFormat::Own;
    QString path = args.csv;
    if (!args.stock.isEmpty()) {
        const std::optional<StockList> stock = StockListNamed(args.stock);
        if (!stock) {
            prompter.note(noStockList(args.stock));
            return ExitUsage;
        }
        path = stock->path;
        format = CsvFileFormat::Columns;
    }
    const QString fileName = QFileInfo(path).fileName();
    CsvFileLook look = LookAtCsvFile(*ds, path, format);
    if (look.outcome == FileImportOutcome::Imported && look.format == CsvFileFormat::Columns) {
        for (const QString& map : args.maps) {
            QString error;
            if (!MapColumn(look.columns, map, &error)) {
                prompter.note(error);
                return ExitUsage;
            }
        }
        // What each column is taken for, before the report.
        if (!args.quiet)
            prompter.note(
                QCoreApplication::translate("CsvCommands", "%1: columns named in line %2:")
                    .arg(fileName)
                    .arg(look.columns.line) +
                QLatin1Char('\n') + ColumnMappingLines(look.columns).join(QLatin1Char('\n')));
    } else if (look.outcome == FileImportOutcome::Imported && !args.maps.isEmpty()) {
        prompter.note(
            QCoreApplication::translate(
                "CsvCommands", "--map is for a file whose first row names its columns; %1 is %2")
                .arg(fileName, CsvFormatDescription(look.format)));
        return ExitUsage;
    }
    const std::optional<ImportDestination> destination = destinationOf(args, *ds, look, prompter);
    if (!destination)
        return ExitFailure;
    const FileImport import = ImportLookedAtFile(*ds, look, *destination);
    // The forms that came with destinations need --replace to replace entries
    // in use; the earlier ones (a file of ours or CHIRP's as numbered) say it.
    const bool refusesToReplace =
        import.replacesInUse > 0 && !args.replace &&
        (args.intoBank >= 0 || !args.atLabel.isEmpty() || args.freeEntries ||
         !args.stock.isEmpty() || import.format == CsvFileFormat::Columns);
    if (import.outcome == FileImportOutcome::Imported ||
        import.outcome == FileImportOutcome::NothingImported ||
        import.outcome == FileImportOutcome::StoppedEarly) {
        // --quiet leaves out a report that has nothing to name.
        if (!args.quiet || !ReportLines(import.report).isEmpty())
            prompter.note(ImportSummary(import.report));
        if (!import.bankSizeNote.isEmpty())
            prompter.ask({import.bankSizeNote, warningTitle(), PromptIcon::Exclamation,
                          PromptButtons::Ok, PromptAnswer::Ok});
        // Nobody is there to answer the window's question: it is said.
        if (import.replacesInUse > 0 && !refusesToReplace)
            prompter.ask({ReplacesInUseText(import.replacesInUse), warningTitle(),
                          PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
    }
    // A stopped import is not saved: its result would be a partial merge.
    if (import.outcome != FileImportOutcome::Imported) {
        prompter.error(FileImportMessage(import, fileName), import.reason);
        if (import.outcome == FileImportOutcome::NoFrequencyColumn)
            prompter.note(
                QCoreApplication::translate("CsvCommands", "--map COLUMN=frequency names it"));
        return ExitFailure;
    }
    if (refusesToReplace) {
        prompter.error(QCoreApplication::translate(
                           "CsvCommands", "%1 Nothing was written: give --replace to replace them.")
                           .arg(ReplacesInUseText(import.replacesInUse)));
        return ExitFailure;
    }
    if (args.dryRun)
        return ExitSuccess;
    return SaveCloneFile(*import.data, args.output, prompter) ? ExitSuccess : ExitFailure;
}

int runStock(const CliArguments& args, StderrPrompter& prompter) {
    const QList<StockList> lists = StockLists();
    if (lists.isEmpty()) {
        prompter.error(QCoreApplication::translate(
            "CsvCommands", "No stock lists are installed with this copy of the program."));
        return ExitFailure;
    }
    const auto print = [](const QString& line) {
        std::printf("%s\n", TerminalText(line).constData());
    };
    if (args.input.isEmpty()) {
        for (const StockList& list : lists)
            print(QStringLiteral("%1  %2 (%3): %4")
                      .arg(list.name, -20)
                      .arg(list.title, list.region, list.purpose));
        return ExitSuccess;
    }
    const std::optional<StockList> list = StockListNamed(args.input);
    if (!list) {
        prompter.note(noStockList(args.input));
        return ExitUsage;
    }
    // Its rows as an import reads them, for the model given.
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, modelFor(args, prompter));
    constexpr int EveryRow = 1 << 20;
    const CsvFileLook look = LookAtCsvFile(*ds, list->path, CsvFileFormat::Columns, EveryRow);
    print(QStringLiteral("%1 (%2): %3").arg(list->title, list->region, list->purpose));
    print(QStringLiteral("Source: %1").arg(list->source));
    static const QStringList lists_{QStringLiteral("memory"), QStringLiteral("program scan"),
                                    QStringLiteral("search pass"), QStringLiteral("priority")};
    for (const QStringList& cells : look.preview) {
        const ColumnsRow row = ColumnsRowOf(cells, look.columns, ds->ModelIndex, ds->NoteCodePage);
        if (!row.record) {
            print(QStringLiteral("%1: %2").arg(cells.join(QLatin1Char(',')), row.whyNot));
            continue;
        }
        const auto& t = row.record->text;
        print(QStringLiteral("%1  %2 %3 %4  %5 %6  %7")
                  .arg(t[Col::Freq], 12)
                  .arg(t[Col::Mode], -3)
                  .arg(t[Col::Step], -8)
                  .arg(row.record->data[Col::Option] != 0.0 ? t[Col::Tone] : QString(), -7)
                  .arg(lists_[int(row.list)], -12)
                  .arg(t[Col::Name], -6)
                  .arg(t[Col::Note]));
    }
    return ExitSuccess;
}

} // namespace mtz4::cli
