#pragma once

#include "editing/DataEditor.h"
#include "files/CsvFormat.h"
#include "files/FileImport.h"
#include "files/StockLists.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMenu;

namespace mtz4 {

struct DataSet;
class CloneFileDialogs;
class CommandHost;
class Prompter;

// The File menu's commands: New, Open, Save, Save As, Import and Export (our
// CSV and CHIRP's), Open Recent, Backups and Compare With File, and the
// question about unsaved changes that New, Open, a model change, a read and
// closing ask first. Every change goes through the editor.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(DataSet& ds, DataEditor& editor, Prompter& prompter, CloneFileDialogs& fileDialogs,
                 CommandHost& host, QObject* parent = nullptr);

    // "Save changes to settings?" when the data changed. True when the
    // command may go on: nothing changed, No, or Yes and the save succeeded.
    bool askToSaveChanges();

    // What File > New came to.
    enum class NewOutcome {
        Replaced = 0,  // the factory data are in place
        Cancelled = 1, // the user cancelled (or the save he asked for did not
                       // happen): nothing changed
    };
    // File > New: asks about unsaved changes, then puts the factory data of
    // the selected model in place.
    NewOutcome NewDataSet();
    // The factory data of `model` in place, as the editor step `step`.
    void putFactoryData(const QString& step, int model, StepKind kind);

    // File > Open. Returns true when a file was loaded.
    bool mnuFileOpen_Click();
    // Open without the dialog (a file dropped on the window): the question
    // about unsaved changes, then the file. True when it was loaded.
    bool openFile(const QString& path);
    // Loads a clone file without a dialog; messages go through the
    // prompter. Returns true on success.
    bool LoadCloneFile(const QString& path);
    // File > Save: to the current file without a dialog, else (no current
    // file, or data partly read from the receiver or partly imported) as
    // Save As. Returns true when the data were saved.
    bool mnuFileSave_Click();
    // File > Save As: always asks for the file. Returns true when saved.
    bool mnuFileSaveAs_Click();

    // File > Export: the data set to a CSV file (ours or CHIRP's). True when
    // written.
    bool mnuExport_Click();
    // File > Import: a CSV file merged into the data set (importFile). True
    // when the data took at least one line of the file.
    bool mnuImport_Click();
    // Imports the CSV file at `path` (also a file dropped on the window): in
    // `format` when one is asked for, else in the format the file looks like.
    // The import dialog shows what the file is and its first rows (for a
    // file with a header row, which field each column holds, for the user to
    // change), and asks where the rows go (chooseImport). A long import shows
    // its progress and can be cancelled. The data change only when a line is
    // applied; an import that replaces entries in use asks first; then a
    // report says what became of every line, and how a bank grew. Everything
    // the import changes, the banks' sizes included, is one step (Undo
    // Import). A file of no format, or with no line to apply, is an error
    // that leaves the data and the caption as they were. An import that
    // stops part-way keeps the lines applied before it as one step, marked
    // as partly imported (DataSet::PartlyImported) with the stopping line in
    // the caption and the status bar, and the report names that line. True
    // when imported.
    bool importFile(const QString& path, std::optional<CsvFileFormat> format = std::nullopt);
    // File > Import Stock List: the lists that come with the program
    // (chooseStockList), one of them imported as importFile imports a file.
    bool importStockList();

    // The dialogs of an import: the file's (ImportDialog), which may change
    // `look.columns` and `destination`, and the stock lists' (StockListDialog),
    // which sets `name` and `destination`. False when the user cancelled.
    // Tests put their own in.
    std::function<bool(CsvFileLook& look, ImportDestination& destination, const QString& fileName)>
        chooseImport;
    std::function<bool(const QList<StockList>& lists, QString& name,
                       ImportDestination& destination)>
        chooseStockList;

    // File > Open Recent: the list, built when the menu is about to show.
    void fillRecentMenu(QMenu* menu, bool enabled);
    // Opens a file of the list (one that no longer exists is taken off it,
    // with a message).
    void openRecent(const QString& path);
    // File > Backups: the list of automatic backups; opens a copy of the
    // chosen one.
    void showBackups();
    // Opens a backup as a copy: no current file, a caption that says so.
    bool openBackupCopy(const QString& path);
    // Opens a clone file as a copy (a backup, the installed sample): no
    // current file, so that Save asks for a name; the caption is
    // `captionFormat` with the file's name for %1 and the program's title.
    bool openCopy(const QString& path, const QString& captionFormat);
    // File > Compare With File: the differences with a clone file.
    void compareWithFile();

    // The start of the status bar's notice after an import that stopped part-way.
    static QString partlyImportedNotice();

private:
    // Imports what was looked at, as importFile says.
    bool importLookedAt(const CsvFileLook& look, const ImportDestination& destination,
                        const QString& fileName);
    void showCurrentFileCaption();
    // What an export could not carry, in a report (none when it carried all).
    void showExportLosses(const QStringList& losses, QString (*text)(const QStringList&, int));
    QString currentFolder() const;

    DataSet& ds_;
    DataEditor& editor_;
    Prompter& prompter_;
    CloneFileDialogs& fileDialogs_;
    CommandHost& host_;
};

} // namespace mtz4
