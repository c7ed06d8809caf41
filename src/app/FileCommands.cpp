#include "app/FileCommands.h"

#include "app/BackupsDialog.h"
#include "app/CloneFileDialogs.h"
#include "app/CommandHost.h"
#include "app/CompareDialog.h"
#include "app/FileModels.h"
#include "app/ImportDialog.h"
#include "app/ImportProgressDialog.h"
#include "app/RecentFiles.h"
#include "app/ResourceTexts.h"
#include "app/StockListDialog.h"
#include "files/Backups.h"
#include "files/ChirpCsv.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "files/FileAccess.h"
#include "files/FileImport.h"
#include "files/ImportReport.h"
#include "model/DataDiff.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"
#include "reference/FactoryData.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <memory>

namespace mtz4 {

FileCommands::FileCommands(DataSet& ds, DataEditor& editor, Prompter& prompter,
                           CloneFileDialogs& fileDialogs, CommandHost& host, QObject* parent)
    : QObject(parent), ds_(ds), editor_(editor), prompter_(prompter), fileDialogs_(fileDialogs),
      host_(host) {
    chooseImport = [this](CsvFileLook& look, ImportDestination& destination,
                          const QString& fileName) {
        ImportDialog dialog(look, fileName, ds_, host_.currentMemoryEntry(), destination,
                            host_.dialogParent());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        look.columns = dialog.columns();
        destination = dialog.destination();
        return true;
    };
    chooseStockList = [this](const QList<StockList>& lists, QString& name,
                             ImportDestination& destination) {
        StockListDialog dialog(lists, ds_, host_.currentMemoryEntry(), host_.dialogParent());
        if (dialog.exec() != QDialog::Accepted || dialog.chosenName().isEmpty())
            return false;
        name = dialog.chosenName();
        destination = dialog.destination();
        return true;
    };
}

bool FileCommands::askToSaveChanges() {
    if (!ds_.DataChanged)
        return true;
    const PromptAnswer answer =
        prompter_.ask({QCoreApplication::translate("FileCommands", "Save changes to settings?"),
                       QCoreApplication::translate("FileCommands", "Save Changes"),
                       PromptIcon::Information, PromptButtons::YesNoCancel, PromptAnswer::Yes});
    switch (answer) {
    case PromptAnswer::Yes:
        // Going on after a cancelled or failed save would throw away the
        // changes the user just asked to keep.
        return mnuFileSave_Click();
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Cancel:
    case PromptAnswer::Ok:
        break;
    }
    return false;
}

FileCommands::NewOutcome FileCommands::NewDataSet() {
    if (!askToSaveChanges())
        return NewOutcome::Cancelled;
    putFactoryData(QCoreApplication::translate("FileCommands", "New"), ds_.ModelIndex,
                   StepKind::Replace);
    return NewOutcome::Replaced;
}

void FileCommands::putFactoryData(const QString& step, int model, StepKind kind) {
    editor_.apply(
        step, DataPart::Everything,
        [model](DataSet& ds) {
            ds.ModelIndex = model;
            ApplyFactoryData(ds);
        },
        kind);
    host_.showWholeMemoryList();
    host_.setCaption(Ref().AppTitle);
}

QString FileCommands::currentFolder() const {
    return ds_.CurrentFile.isEmpty() ? QString() : QFileInfo(ds_.CurrentFile).absolutePath();
}

bool FileCommands::mnuFileOpen_Click() {
    if (!askToSaveChanges())
        return false;
    const QString path =
        fileDialogs_.chooseFileToOpen(host_.dialogParent(), currentFolder(), FileKind::Clone);
    if (path.isEmpty())
        return false;
    return LoadCloneFile(path);
}

bool FileCommands::openFile(const QString& path) {
    return askToSaveChanges() && LoadCloneFile(path);
}

bool FileCommands::LoadCloneFile(const QString& path) {
    // The model the file was last used with is selected before it loads,
    // without the factory data of a model change; a file that is refused
    // leaves the model as it was.
    const int model = RememberedFileModel(path);
    const bool loaded = editor_.tryApply(
        QCoreApplication::translate("FileCommands", "Open"), DataPart::Everything,
        [&](DataSet& ds) {
            const int before = ds.ModelIndex;
            if (model >= 0)
                ds.ModelIndex = model;
            if (mtz4::LoadCloneFile(ds, path, prompter_))
                return true;
            ds.ModelIndex = before;
            return false;
        },
        StepKind::Replace);
    if (!loaded)
        return false;
    host_.showFirstMemoryRow();
    showCurrentFileCaption();
    RememberRecentFile(path, ds_.ModelIndex);
    host_.showNoteCodePageHint();
    return true;
}

bool FileCommands::mnuFileSave_Click() {
    // Data partly read from the receiver, or partly imported, are a mixture
    // that the current file never held: they are saved only under a name
    // the user chooses.
    if (ds_.CurrentFile.isEmpty() || ds_.PartlyRead || ds_.PartlyImported != 0)
        return mnuFileSaveAs_Click();
    if (!SaveCurrentCloneFile(ds_, prompter_))
        return false;
    editor_.markSaved();
    RememberRecentFile(ds_.CurrentFile, ds_.ModelIndex);
    showCurrentFileCaption();
    return true;
}

bool FileCommands::mnuFileSaveAs_Click() {
    const QString path =
        fileDialogs_.chooseFileToSave(host_.dialogParent(), ds_.CurrentFile, FileKind::Clone);
    if (path.isEmpty())
        return false;
    if (!SaveCloneFile(ds_, path, prompter_))
        return false;
    editor_.markSaved();
    RememberRecentFile(path, ds_.ModelIndex);
    showCurrentFileCaption();
    return true;
}

QString FileCommands::partlyImportedNotice() {
    // The text before the stopping line.
    return ResourceText(Text::PartlyImportedNotice).section(QStringLiteral("%1"), 0, 0);
}

void FileCommands::showCurrentFileCaption() {
    host_.setCaption(ds_.CurrentFile.isEmpty() ? Ref().AppTitle : FileCaption(ds_.CurrentFile));
}

bool FileCommands::mnuExport_Click() {
    const QString path =
        fileDialogs_.chooseFileToSave(host_.dialogParent(), QString(), FileKind::Csv);
    if (path.isEmpty())
        return false;
    // Never over the clone file the data came from.
    if (SameFile(path, ds_.CurrentFile)) {
        prompter_.error(OutputReplacesInput(path, ds_.CurrentFile));
        return false;
    }
    if (fileDialogs_.chosenKind() == FileKind::ChirpCsv) {
        QString reason;
        if (!ExportChirpCsvFile(ds_, path, &reason)) {
            prompter_.error(CsvFileMessage(CsvFileStatus::FileOpenError), reason);
            return false;
        }
        showExportLosses(ChirpExportLosses(ds_), ChirpExportLossesText);
    } else {
        const TextFileEncoding encoding = fileDialogs_.chosenKind() == FileKind::CsvUtf8
                                              ? TextFileEncoding::Utf8WithBom
                                              : TextFileEncoding::CodePage;
        if (!ExportCsvFile(ds_, path, prompter_, encoding))
            return false;
        showExportLosses(CsvExportLosses(ds_, encoding), CsvExportLossesText);
    }
    // The caption names the CSV file; the clone file stays the current file,
    // so that Save never writes clone format over the CSV file.
    host_.setCaption(FileCaption(path));
    return true;
}

void FileCommands::showExportLosses(const QStringList& losses,
                                    QString (*text)(const QStringList&, int)) {
    // The file is written; what it could not take is said, by entry.
    if (losses.isEmpty())
        return;
    prompter_.report(
        {text(losses, ReportedInSummary).replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
         QCoreApplication::translate("FileCommands", "Export"), PromptIcon::Exclamation,
         PromptButtons::Ok, PromptAnswer::Ok},
        losses.size() > ReportedInSummary ? losses : QStringList());
}

bool FileCommands::mnuImport_Click() {
    const QString path =
        fileDialogs_.chooseFileToOpen(host_.dialogParent(), QString(), FileKind::Csv);
    if (path.isEmpty())
        return false;
    // CHIRP's file type is an explicit choice, and so is a header row's (the
    // dialog then maps a first row of names it does not know); under the
    // others the file itself says what it is.
    std::optional<CsvFileFormat> format;
    if (fileDialogs_.chosenKind() == FileKind::ChirpCsv)
        format = CsvFileFormat::Chirp;
    else if (fileDialogs_.chosenKind() == FileKind::ColumnsCsv)
        format = CsvFileFormat::Columns;
    return importFile(path, format);
}

bool FileCommands::importFile(const QString& path, std::optional<CsvFileFormat> format) {
    const QString fileName = QFileInfo(path).fileName();
    CsvFileLook look = LookAtCsvFile(ds_, path, format);
    if (look.outcome != FileImportOutcome::Imported) {
        const FileImport refused = ImportLookedAtFile(ds_, look, {});
        prompter_.error(FileImportMessage(refused, fileName), refused.reason);
        return false;
    }
    ImportDestination destination = DefaultDestination(look);
    if (!chooseImport(look, destination, fileName))
        return false;
    return importLookedAt(look, destination, fileName);
}

bool FileCommands::importStockList() {
    const QList<StockList> lists = StockLists();
    if (lists.isEmpty()) {
        prompter_.error(
            QCoreApplication::translate(
                "FileCommands", "No stock lists are installed with this copy of the program."),
            StockListFolder());
        return false;
    }
    QString name;
    ImportDestination destination = ImportDestination::freeEntries();
    if (!chooseStockList(lists, name, destination))
        return false;
    const std::optional<StockList> stock = StockListNamed(name);
    if (!stock)
        return false;
    const CsvFileLook look = LookAtCsvFile(ds_, stock->path, CsvFileFormat::Columns);
    return importLookedAt(look, destination, QFileInfo(stock->path).fileName());
}

bool FileCommands::importLookedAt(const CsvFileLook& look, const ImportDestination& destination,
                                  const QString& fileName) {
    FileImport import;
    {
        ImportProgressDialog progress(host_.dialogParent(), fileName);
        import = ImportLookedAtFile(ds_, look, destination, progress.callback());
    }
    const QString title = QCoreApplication::translate("FileCommands", "Import");
    switch (import.outcome) {
    case FileImportOutcome::Cancelled:
        return false;
    case FileImportOutcome::Imported:
        break;
    case FileImportOutcome::StoppedEarly:
        // The lines applied before the failure are kept as one step, marked
        // as partly imported until saved under a name (Save asks for one);
        // the caption and the status bar say where it stopped, and Undo
        // Import brings back what was there.
        if (import.data) {
            editor_.apply(title, DataPart::Everything, [&](DataSet& ds) {
                ds = std::move(*import.data);
                ds.PartlyImported = import.report.stoppedLine;
            });
            host_.showFirstMemoryRow();
        }
        ShowImportReport(prompter_, import.report, ErrorText(), QStringLiteral("imported"),
                         PromptIcon::Critical, FileImportMessage(import, fileName));
        if (ds_.PartlyImported != 0) {
            host_.showStatusText(ResourceText(Text::PartlyImportedNotice)
                                     .arg(import.report.stoppedAt, fileName,
                                          ResourceText(Text::mnuUndo) + QLatin1Char(' ') + title));
        }
        return false;
    case FileImportOutcome::NothingImported:
        ShowImportReport(prompter_, import.report, ErrorText(), QStringLiteral("imported"),
                         PromptIcon::Critical, FileImportMessage(import, fileName));
        return false;
    case FileImportOutcome::Unreadable:
    case FileImportOutcome::NotRecognised:
    case FileImportOutcome::FormatMismatch:
    case FileImportOutcome::NoFrequencyColumn:
    case FileImportOutcome::NotNumbered:
        prompter_.error(FileImportMessage(import, fileName), import.reason);
        return false;
    }
    // As a paste does, the import asks before it replaces entries in use.
    if (import.replacesInUse > 0) {
        const PromptAnswer answer = prompter_.ask(
            {ReplacesInUseText(import.replacesInUse) + QStringLiteral("\r\n") +
                 QCoreApplication::translate("FileCommands", "Do you want to go on?"),
             title, PromptIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel});
        if (answer != PromptAnswer::Ok)
            return false;
    }
    const auto before = std::make_unique<DataSet>(ds_);
    editor_.apply(title, DataPart::Everything, [&](DataSet& ds) {
        ds = std::move(*import.data);
        ds.CurrentFile.clear();
    });
    // The grid shows where the rows went.
    if (import.firstEntry >= 0)
        host_.showMemoryEntry(import.firstEntry);
    else
        host_.showFirstMemoryRow();
    host_.setCaption(Ref().AppTitle);
    host_.showNoteCodePageHint();
    if (!import.bankSizeNote.isEmpty())
        import.report.notes.prepend(import.bankSizeNote);
    // The report offers the comparison of the data with what was there.
    if (ShowImportReportOffering(prompter_, import.report, title,
                                 QCoreApplication::translate("FileCommands", "&Compare..."))) {
        CompareDialog(CompareData(ds_, *before),
                      QCoreApplication::translate("FileCommands", "the data before the import"),
                      host_.dialogParent())
            .exec();
    }
    return true;
}

void FileCommands::fillRecentMenu(QMenu* menu, bool enabled) {
    menu->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        item->setToolTip(QDir::toNativeSeparators(files[i]));
        item->setEnabled(enabled);
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(ResourceText(Text::ClearRecentList));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(enabled && !files.isEmpty());
    connect(clear, &QAction::triggered, this, [] { ClearRecentFiles(); });
}

void FileCommands::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        RemoveRecentFile(path);
        prompter_.ask({QCoreApplication::translate("FileCommands",
                                                   "%1 no longer exists; it is taken off the list.")
                           .arg(QDir::toNativeSeparators(path)),
                       QCoreApplication::translate("FileCommands", "Open Recent"),
                       PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
        return;
    }
    openFile(path);
}

void FileCommands::showBackups() {
    BackupsDialog dialog(BackupFolder(), host_.dialogParent());
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    if (askToSaveChanges())
        openBackupCopy(dialog.chosenPath());
}

bool FileCommands::openBackupCopy(const QString& path) {
    return openCopy(path, ResourceText(Text::BackupCaption));
}

bool FileCommands::openCopy(const QString& path, const QString& captionFormat) {
    // A backup or the sample is never anyone's working file: it opens as a
    // copy without a file of its own, so that Save asks for a name and
    // cannot write over it.
    const bool loaded = editor_.tryApply(
        QCoreApplication::translate("FileCommands", "Open"), DataPart::Everything,
        [&](DataSet& ds) {
            if (!mtz4::LoadCloneFile(ds, path, prompter_))
                return false;
            ds.CurrentFile.clear();
            ds.CurrentFileDigest.clear();
            return true;
        },
        StepKind::Replace);
    if (!loaded)
        return false;
    host_.showFirstMemoryRow();
    host_.setCaption(captionFormat.arg(QFileInfo(path).fileName()) + QStringLiteral(" - ") +
                     Ref().AppTitle);
    host_.showNoteCodePageHint();
    return true;
}

void FileCommands::compareWithFile() {
    const QString path =
        fileDialogs_.chooseFileToOpen(host_.dialogParent(), currentFolder(), FileKind::Clone);
    if (path.isEmpty())
        return;
    auto other = std::make_unique<DataSet>();
    MakeFactoryDataSet(*other, ds_.ModelIndex);
    other->NoteCodePage = ds_.NoteCodePage;
    if (!mtz4::LoadCloneFile(*other, path, prompter_))
        return;
    CompareDialog(CompareData(ds_, *other), QFileInfo(path).fileName(), host_.dialogParent())
        .exec();
}

} // namespace mtz4
