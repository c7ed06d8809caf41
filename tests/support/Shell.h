#pragma once

// The one way the tests start the window (Shell), with scripted file
// dialogs, a temporary INI location and clone files made by the program's
// own writer. A test that drives the window includes what it drives
// (app/MainWindow.h, a page, a dialog) itself.

#include "app/CloneFileDialogs.h"
#include "app/FileCommands.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "files/CloneFile.h"
#include "model/DataSet.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace mtz4::test {

// File dialogs answering from a script: each call takes the next path, an
// empty path (or an empty script) being a cancelled dialog.
class ScriptedFileDialogs : public CloneFileDialogs {
public:
    QString chooseFileToOpen(QWidget*, const QString&, FileKind kind) override {
        ++openCalls;
        kinds << kind;
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QString chooseFileToSave(QWidget*, const QString&, FileKind kind) override {
        ++saveCalls;
        kinds << kind;
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }

    QStringList openPaths;
    QStringList savePaths;
    int openCalls = 0;
    int saveCalls = 0;
    FileKind chosenKind() const override { return chosen; }

    QList<FileKind> kinds;           // of every dialog shown, in order
    FileKind chosen = FileKind::Csv; // the type the "user" picks in a CSV dialog
};

// Writes the INI file as a previous run would have.
inline void WriteIniFile(const QString& dir, const QByteArray& content) {
    QDir().mkpath(dir);
    QFile file(QDir(dir).filePath(QStringLiteral("MT-Z4.ini")));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// A clone file of the factory data with entry 0 set to `mhz` (and enabled).
inline bool WriteCloneFile(const QString& path, double mhz = 145.5) {
    const auto ds = FactoryDataSet(0);
    ds->MemData[0][Col::Freq] = mhz;
    ds->MemEnable[0] = true;
    return SaveCloneFile(*ds, path) == CloneFileStatus::Ok;
}

// Set while a test starts the program again to see the models it remembered.
inline bool KeepRememberedModels = false;

// The program started as by the user, with a scripted prompter and file
// dialogs and the INI file in a temporary directory; no splash window.
class Shell {
public:
    explicit Shell(const QStringList& arguments = {QStringLiteral("mtz4clone")},
                   const QByteArray& iniContent = {},
                   const std::function<void(StartupOptions&)>& configure = {}) {
        ini.programDir = dir.filePath(QStringLiteral("program"));
        ini.userDir = dir.filePath(QStringLiteral("user"));
        QDir().mkpath(ini.programDir);
        if (!iniContent.isNull())
            WriteIniFile(ini.programDir, iniContent);
        // Nothing remembered from an earlier run (View > Hide Empty Entries,
        // the models), unless the test starts the program again to see it.
        OpenPlacementStore()->remove(QStringLiteral("View"));
        if (!KeepRememberedModels)
            OpenPlacementStore()->remove(QStringLiteral("Model"));
        StartupOptions options;
        options.prompter = &prompter;
        options.fileDialogs = &dialogs;
        options.ini = ini;
        options.showSplash = false;
        options.placement = {};
        // A screen the window's start size fits on, whatever the platform's.
        options.screenArea = [](const QPoint&) { return QRect(0, 0, 1920, 1080); };
        if (configure)
            configure(options);
        program = std::make_unique<Program>(arguments, options);
        // The import dialogs answer from the script.
        FileCommands& files = program->fileCommands();
        files.chooseImport = [this](CsvFileLook& look, ImportDestination& destination,
                                    const QString&) {
            importLooks << look;
            return importAnswer(look, destination);
        };
        files.chooseStockList = [this](const QList<StockList>&, QString& name,
                                       ImportDestination& destination) {
            return stockAnswer(name, destination);
        };
    }

    frmMain& window() { return program->mainWindow(); }
    DataSet& ds() { return program->dataSet(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    IniLocation ini;
    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    // The import dialog's answer: Import, with what it offers, unless a test
    // says otherwise; and every file it was shown for.
    std::function<bool(CsvFileLook&, ImportDestination&)> importAnswer =
        [](CsvFileLook&, ImportDestination&) { return true; };
    QList<CsvFileLook> importLooks;
    // The stock list dialog's answer: none chosen unless a test says so.
    std::function<bool(QString&, ImportDestination&)> stockAnswer =
        [](QString&, ImportDestination&) { return false; };
    std::unique_ptr<Program> program;
};

} // namespace mtz4::test
