// The file commands and closing: Open, Save, Save As, New, the question
// about unsaved changes, and what closing leaves behind (INI file, window
// placement).
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "reference/FactoryData.h"
#include "support/Shell.h"
#include "support/WindowActions.h"

#include "app/CompareDialog.h"
#include "app/RecentFiles.h"
#include "app/ReportDialog.h"
#include "app/WindowPlacement.h"
#include "editing/BankPage.h"
#include "editing/EditDialog.h"
#include "editing/MemoryGrid.h"
#include "editing/Twips.h"
#include "editing/UndoHistory.h"
#include "editing/VfoGrid.h"
#include "files/CsvFile.h"
#include "link/Link.h"
#include "model/ProgramTranslations.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <sys/stat.h>

using namespace mtz4;
using namespace mtz4::test;

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { OpenPlacementStore()->clear(); }

    void saveWithCurrentFileWritesWithoutDialog();
    void saveWithoutFileAsksForOne();
    void saveAsAlwaysAsks();
    void failedSaveKeepsStateAndReports();
    void openLoadsTheChosenFile();
    void openRefusesAForeignFile();
    void newPutsTheFactoryDataInPlace();
    void questionBeforeOpenNewAndClose_data();
    void questionBeforeOpenNewAndClose();
    void closingWritesIniAndPlacement();
    void closingMinimisedWritesNoPlacement();
    void startSizeIsWhatClosingWrites();
    void longNotesSurviveTheEditDialog();
    void csvExportAndImportThroughTheMenu();
    void openRecentAndCompareWithFile();
    void compareSummaryCountsInEnglish_data();
    void compareSummaryCountsInEnglish();
    void chirpCsvThroughTheMenu();
    void importThatTakesNothingChangesNothing();
    void importToADestination();
    void importStoppedPartWayIsMarkedUntilUndoneOrSaved();
    void pipesInThePlaceOfTheSettingsNeitherBlockNorHide();
    void longReportFitsTheScreen();
};

namespace {

enum class Command { Open, New, Close };
enum class Scenario { Unchanged, Cancel, No, YesSaved, YesDialogCancelled, YesSaveFailed };

// Marks the data as changed by an edit of entry 0.
void editEntry(DataSet& ds) {
    ds.MemData[0][Col::Freq] = 145.5;
    ds.MemText[0][Col::Freq] = QStringLiteral("145.500000");
    ds.MemEnable[0] = true;
    ds.DataChanged = true;
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Once the next modal dialog is up: when it is the compare view, its rows
// ("where field this other") into `rows`, and it is closed.
void readCompareDialogSoon(QStringList& rows) {
    QTimer::singleShot(0, [&rows] {
        auto* dialog = qobject_cast<CompareDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (int r = 0; r < dialog->table()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < dialog->table()->columnCount(); ++c)
                cells << dialog->table()->item(r, c)->text();
            rows << cells.join(QLatin1Char(' '));
        }
        dialog->reject();
    });
}

// Frequency of entry 0 in the clone file at path.
double SavedFrequency(const QString& path) {
    auto ds = std::make_unique<DataSet>();
    InitTables(*ds);
    if (ReadCloneFile(*ds, path) != CloneFileStatus::Ok)
        return -1;
    return ds->MemData[0][Col::Freq];
}

} // namespace

void FileCommandsTest::saveWithCurrentFileWritesWithoutDialog() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path, 118.1));
    Shell shell({QStringLiteral("mtz4clone"), path});
    editEntry(shell.ds());

    action(shell.window(), "mnuFileSave")->trigger();
    QCOMPARE(shell.dialogs.saveCalls, 0);
    QVERIFY(shell.prompter.prompts.isEmpty());
    QVERIFY(!shell.ds().DataChanged);
    QCOMPARE(SavedFrequency(path), 145.5);
    QCOMPARE(shell.window().windowTitle(),
             QStringLiteral("radio.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
}

void FileCommandsTest::saveWithoutFileAsksForOne() {
    Shell shell;
    editEntry(shell.ds());
    frmMain& w = shell.window();

    // A cancelled dialog: nothing is written, nothing is said.
    QVERIFY(!w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 1);
    QVERIFY(shell.ds().DataChanged);
    QVERIFY(shell.prompter.prompts.isEmpty());
    QCOMPARE(w.windowTitle(), Ref().AppTitle);

    const QString path = shell.path(QStringLiteral("new.MZ4"));
    shell.dialogs.savePaths = {path};
    QVERIFY(w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 2);
    QCOMPARE(shell.ds().CurrentFile, path);
    QVERIFY(!shell.ds().DataChanged);
    QCOMPARE(w.windowTitle(), FileCaption(path));
    QVERIFY(fileContent(path).startsWith("Orlenk  MT-Z4  Clone  File Start\r\n"));

    // The toolbar's Save button saves to the current file at once.
    editEntry(shell.ds());
    action(w, "tb_上書き保存")->trigger();
    QCOMPARE(shell.dialogs.saveCalls, 2);
    QVERIFY(!shell.ds().DataChanged);
}

void FileCommandsTest::saveAsAlwaysAsks() {
    Shell shell;
    const QString first = shell.path(QStringLiteral("first.MZ4"));
    const QString second = shell.path(QStringLiteral("second.MZ4"));
    shell.dialogs.savePaths = {first, QString(), second};
    frmMain& w = shell.window();

    action(w, "mnuFileSaveAs")->trigger();
    QCOMPARE(shell.ds().CurrentFile, first);
    action(w, "mnuFileSaveAs")->trigger(); // cancelled
    QCOMPARE(shell.ds().CurrentFile, first);
    action(w, "mnuFileSaveAs")->trigger();
    QCOMPARE(shell.dialogs.saveCalls, 3);
    QCOMPARE(shell.ds().CurrentFile, second);
    QCOMPARE(w.windowTitle(), QStringLiteral("second.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
    QVERIFY(QFile::exists(first) && QFile::exists(second));
}

void FileCommandsTest::failedSaveKeepsStateAndReports() {
    Shell shell;
    editEntry(shell.ds());
    shell.dialogs.savePaths = {shell.path(QStringLiteral("missing/dir/x.MZ4"))};
    QVERIFY(!shell.window().fileCommands().mnuFileSaveAs_Click());
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("File Open Error")});
    QCOMPARE(shell.prompter.prompts.at(0).title, QStringLiteral("ERROR"));
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QVERIFY(shell.ds().DataChanged);
    QCOMPARE(shell.window().windowTitle(), Ref().AppTitle);
    // The status bar says which file and why.
    QVERIFY2(shell.window().statusPanel(0)->text().contains(QStringLiteral("x.MZ4")),
             qPrintable(shell.window().statusPanel(0)->text()));
}

void FileCommandsTest::openLoadsTheChosenFile() {
    Shell shell;
    const QString path = shell.path(QStringLiteral("air.MZ4"));
    QVERIFY(WriteCloneFile(path, 118.1));
    frmMain& w = shell.window();

    action(w, "tb_開く")->trigger(); // cancelled dialog
    QCOMPARE(shell.dialogs.openCalls, 1);
    QVERIFY(shell.ds().CurrentFile.isEmpty());

    shell.dialogs.openPaths = {path};
    action(w, "mnuFileOpen")->trigger();
    QCOMPARE(shell.dialogs.openCalls, 2);
    QVERIFY(shell.prompter.prompts.isEmpty());
    QCOMPARE(shell.ds().CurrentFile, path);
    QCOMPARE(shell.ds().MemText[0][Col::Freq], QStringLiteral("118.100000"));
    QVERIFY(!shell.ds().DataChanged);
    QCOMPARE(w.windowTitle(), QStringLiteral("air.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
}

void FileCommandsTest::openRefusesAForeignFile() {
    Shell shell;
    const QString good = shell.path(QStringLiteral("good.MZ4"));
    QVERIFY(WriteCloneFile(good, 118.1));
    QVERIFY(shell.window().fileCommands().LoadCloneFile(good));

    const QString bad = shell.path(QStringLiteral("bad.MZ4"));
    QByteArray text = fileContent(good);
    text.replace("Orlenk  MT-Z4  Clone  File Start", "Orlenk MT-Z4  Clone  File Start");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    shell.dialogs.openPaths = {bad};
    QVERIFY(!shell.window().fileCommands().mnuFileOpen_Click());
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Data Error")});
    QCOMPARE(shell.ds().CurrentFile, good);
    QCOMPARE(shell.window().windowTitle(), FileCaption(good));
    QCOMPARE(shell.ds().MemText[0][Col::Freq], QStringLiteral("118.100000"));
}

void FileCommandsTest::newPutsTheFactoryDataInPlace() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path, 118.1));
    Shell shell({QStringLiteral("mtz4clone"), path});
    DataSet& ds = shell.ds();
    ds.bank.txtBank[0] = QStringLiteral("60");
    ds.bank.txtBank[10] = QStringLiteral("40");
    shell.window().cbbBank()->setCurrentIndex(3);
    ds.bank.chkGrp[60] = 1;
    shell.window().bankPage()->showGroups();

    action(shell.window(), "mnuFileNew")->trigger(); // unchanged data: no question
    QVERIFY(shell.prompter.prompts.isEmpty());
    QVERIFY(!ds.MemEnable[0]);
    QVERIFY(ds.MemText[0][Col::Freq].isEmpty());
    QCOMPARE(ds.bank.txtBank[0], QStringLiteral("100"));
    QCOMPARE(ds.bank.txtBank[10], QStringLiteral("0"));
    QCOMPARE(ds.bank.lblAll, QStringLiteral("1000"));
    QVERIFY(ds.CurrentFile.isEmpty());
    QVERIFY(!ds.DataChanged);
    QCOMPARE(shell.window().windowTitle(), Ref().AppTitle);
    QCOMPARE(shell.window().cbbBank()->currentText(), QStringLiteral("All"));
    // The pages show the new data.
    QCOMPARE(shell.window().bankPage()->txtBank[0]->text(), QStringLiteral("100"));
    QCOMPARE(shell.window().bankPage()->txtBank[10]->text(), QStringLiteral("0"));
    QVERIFY(!shell.window().bankPage()->chkGrp[60]->isChecked());
    QCOMPARE(shell.window().MSFlexGrid1()->rowLabel(1000), QStringLiteral("09-099"));
}

void FileCommandsTest::questionBeforeOpenNewAndClose_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<bool>("goesOn");
    const QList<QPair<const char*, Command>> commands = {
        {"open", Command::Open}, {"new", Command::New}, {"close", Command::Close}};
    const QList<std::tuple<const char*, Scenario, bool>> scenarios = {
        {"unchanged", Scenario::Unchanged, true},
        {"cancel", Scenario::Cancel, false},
        {"no", Scenario::No, true},
        {"yes, saved", Scenario::YesSaved, true},
        // Going on here would throw away the changes the user asked to keep.
        {"yes, save dialog cancelled", Scenario::YesDialogCancelled, false},
        {"yes, save failed", Scenario::YesSaveFailed, false},
    };
    for (const auto& [commandName, command] : commands) {
        for (const auto& [scenarioName, scenario, goesOn] : scenarios)
            QTest::addRow("%s, %s", commandName, scenarioName) << command << scenario << goesOn;
    }
}

void FileCommandsTest::questionBeforeOpenNewAndClose() {
    QFETCH(Command, command);
    QFETCH(Scenario, scenario);
    QFETCH(bool, goesOn);

    Shell shell;
    frmMain& w = shell.window();
    const QString target = shell.path(QStringLiteral("target.MZ4"));
    QVERIFY(WriteCloneFile(target, 440.0));
    shell.dialogs.openPaths = {target};
    const QString savePath = shell.path(QStringLiteral("saved.MZ4"));

    if (scenario != Scenario::Unchanged)
        editEntry(shell.ds());
    switch (scenario) {
    case Scenario::Unchanged:
        break;
    case Scenario::Cancel:
        shell.prompter.script({PromptAnswer::Cancel});
        break;
    case Scenario::No:
        shell.prompter.script({PromptAnswer::No});
        break;
    case Scenario::YesSaved:
        shell.prompter.script({PromptAnswer::Yes});
        shell.dialogs.savePaths = {savePath};
        break;
    case Scenario::YesDialogCancelled:
        shell.prompter.script({PromptAnswer::Yes});
        break;
    case Scenario::YesSaveFailed:
        shell.prompter.script({PromptAnswer::Yes});
        shell.dialogs.savePaths = {shell.path(QStringLiteral("missing/saved.MZ4"))};
        break;
    }

    bool closed = false;
    switch (command) {
    case Command::Open:
        action(w, "mnuFileOpen")->trigger();
        break;
    case Command::New:
        QCOMPARE(w.fileCommands().NewDataSet(),
                 goesOn ? FileCommands::NewOutcome::Replaced : FileCommands::NewOutcome::Cancelled);
        break;
    case Command::Close:
        action(w, "mnuFileExit")->trigger();
        closed = !w.isVisible();
        break;
    }

    // The question, when there was something to save.
    if (scenario == Scenario::Unchanged) {
        QVERIFY(shell.prompter.prompts.isEmpty());
    } else {
        QVERIFY(!shell.prompter.prompts.isEmpty());
        const Prompt& question = shell.prompter.prompts.at(0);
        QCOMPARE(question.text, QStringLiteral("Save changes to settings?"));
        QCOMPARE(question.title, QStringLiteral("Save Changes"));
        QCOMPARE(question.icon, PromptIcon::Information);
        QCOMPARE(question.buttons, PromptButtons::YesNoCancel);
    }
    const bool askedToSave = scenario == Scenario::YesSaved ||
                             scenario == Scenario::YesDialogCancelled ||
                             scenario == Scenario::YesSaveFailed;
    QCOMPARE(shell.dialogs.saveCalls, askedToSave ? 1 : 0);
    QCOMPARE(QFile::exists(savePath), scenario == Scenario::YesSaved);
    if (scenario == Scenario::YesSaveFailed)
        QCOMPARE(shell.prompter.texts().last(), QStringLiteral("File Open Error"));

    // Whether the command went on.
    switch (command) {
    case Command::Open:
        QCOMPARE(shell.dialogs.openCalls, goesOn ? 1 : 0);
        QCOMPARE(shell.ds().CurrentFile, goesOn ? target : QString());
        break;
    case Command::New:
        QCOMPARE(shell.ds().MemEnable[0], !goesOn && scenario != Scenario::Unchanged);
        break;
    case Command::Close:
        QCOMPARE(closed, goesOn);
        QCOMPARE(QFile::exists(QDir(shell.ini.programDir).filePath(QStringLiteral("MT-Z4.ini"))),
                 goesOn);
        break;
    }
    if (!goesOn) {
        // Nothing was thrown away: the edit is still there, still unsaved.
        QVERIFY(shell.ds().DataChanged);
        QCOMPARE(shell.ds().MemText[0][Col::Freq], QStringLiteral("145.500000"));
    }
}

void FileCommandsTest::closingWritesIniAndPlacement() {
    Shell shell({QStringLiteral("mtz4clone")}, "5\r\n");
    frmMain& w = shell.window();
    shell.program->link().setPortNumber(15);
    w.setGeometry(30, 45, 600, 500);
    const QRect frame = w.frameGeometry();

    QVERIFY(w.close());
    QCOMPARE(fileContent(QDir(shell.ini.programDir).filePath(QStringLiteral("MT-Z4.ini"))),
             QByteArray("15\r\n"));

    auto store = OpenPlacementStore();
    QCOMPARE(store->value(QStringLiteral("Settings/MainLeft")).toString(),
             SingleText(PixelsToTwips(frame.left(), &w)));
    QCOMPARE(store->value(QStringLiteral("Settings/MainTop")).toString(),
             SingleText(PixelsToTwips(frame.top(), &w)));
    QCOMPARE(store->value(QStringLiteral("Settings/MainWidth")).toString(),
             SingleText(PixelsToTwips(frame.width(), &w)));
    QCOMPARE(store->value(QStringLiteral("Settings/MainHeight")).toString(),
             SingleText(PixelsToTwips(frame.height(), &w)));
    // 15 twips per pixel on a 96 dpi screen: decimal text of whole numbers.
    if (TwipsPerPixel(&w) == 15.0)
        QCOMPARE(store->value(QStringLiteral("Settings/MainWidth")).toString(),
                 QString::number(frame.width() * 15));
    QCOMPARE(SingleText(1234.5), QStringLiteral("1234.5"));
    QCOMPARE(SingleText(0.1), QStringLiteral("0.1"));
}

void FileCommandsTest::closingMinimisedWritesNoPlacement() {
    Shell shell({QStringLiteral("mtz4clone")}, "2\r\n");
    frmMain& w = shell.window();
    w.setWindowState(Qt::WindowMinimized);
    QVERIFY(w.isMinimized());
    QVERIFY(w.close());
    QCOMPARE(fileContent(QDir(shell.ini.programDir).filePath(QStringLiteral("MT-Z4.ini"))),
             QByteArray("2\r\n"));
    auto store = OpenPlacementStore();
    QVERIFY(store->childGroups().isEmpty());
    QVERIFY(!store->contains(QStringLiteral("Settings/MainLeft")));
}

// The window opens at 10000 x 10000 twips, measured as the placement written
// at exit measures it, so that a start and a close leave the same size.
void FileCommandsTest::startSizeIsWhatClosingWrites() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.close());
    auto store = OpenPlacementStore();
    // 10000 twips in whole pixels: 667 at 96 dpi, written as 10005.
    const QString side = SingleText(PixelsToTwips(TwipsToPixels(10000, &w), &w));
    QCOMPARE(store->value(QStringLiteral("Settings/MainWidth")).toString(), side);
    QCOMPARE(store->value(QStringLiteral("Settings/MainHeight")).toString(), side);
}

// Notes longer than the note box's typing limit, on a memory entry and a VFO
// band, come through opening the dialog, OK and Save byte for byte.
void FileCommandsTest::longNotesSurviveTheEditDialog() {
    const QByteArray memoryNote = "Repeater output, club net Tuesdays \xe9 8pm";
    const QByteArray bandNote = "Air band VFO: tower, ground and ATIS here";
    QCOMPARE(memoryNote.size(), 40);
    QCOMPARE(bandNote.size(), 41);
    Shell shell;
    frmMain& w = shell.window();
    const QString path = shell.path(QStringLiteral("notes.MZ4"));
    {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, 0);
        ds->MemData[0][Col::Freq] = 145.5;
        ds->MemEnable[0] = true;
        ds->MemText[0][Col::Note] = QString::fromLatin1(memoryNote);
        ds->VfoText[3][Col::Note] = QString::fromLatin1(bandNote);
        QVERIFY(SaveCloneFile(*ds, path) == CloneFileStatus::Ok);
    }
    QVERIFY(w.fileCommands().LoadCloneFile(path));

    // OK on the entry and on the band, touching nothing.
    const auto confirmWhenShown = [] {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<dlgModify*>(QApplication::activeModalWidget()))
                dialog->OKButton->click();
        });
    };
    confirmWhenShown();
    emit w.MSFlexGrid1()->editRequested(1);
    QVERIFY(shell.ds().DataChanged); // OK, not Cancel
    shell.ds().DataChanged = false;
    confirmWhenShown();
    emit w.MSFlexGrid2()->editRequested(4);
    QVERIFY(shell.ds().DataChanged);

    QVERIFY(w.fileCommands().mnuFileSave_Click());
    const QList<QByteArray> lines = fileContent(path).split('\n');
    QVERIFY(lines.contains(memoryNote + '\r'));
    QVERIFY(lines.contains(bandNote + '\r'));
}

// Export names the CSV file in the caption but keeps the clone file current;
// Import merges the file back, redraws the pages and leaves no current file.
void FileCommandsTest::csvExportAndImportThroughTheMenu() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const QString clonePath = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clonePath, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(clonePath));
    ds.MemText[0][Col::Note] = QStringLiteral("tower");
    ds.bank.txtBank[0] = ds.BankText[0] = QStringLiteral("90");
    ds.bank.txtBank[1] = ds.BankText[1] = QStringLiteral("110");

    const QString csvPath = shell.path(QStringLiteral("list.csv"));
    shell.dialogs.savePaths << csvPath;
    action(w, "mnuExport")->trigger();
    QVERIFY(QFile::exists(csvPath));
    QCOMPARE(w.windowTitle(), FileCaption(csvPath));
    QCOMPARE(ds.CurrentFile, clonePath);

    // Changed since: entry 0 emptied, bank sizes back to 100.
    ds.MemEnable[0] = false;
    w.MSFlexGrid1()->UpDateMemData();
    ds.bank.txtBank[0] = ds.BankText[0] = QStringLiteral("100");
    ds.bank.txtBank[1] = ds.BankText[1] = QStringLiteral("100");
    w.MSFlexGrid1()->setCurrentRow(40);

    shell.dialogs.openPaths << csvPath;
    action(w, "mnuImport")->trigger();
    // One report of what the import did.
    QCOMPARE(shell.prompter.prompts.size(), 1);
    QVERIFY(shell.prompter.prompts[0].text.contains(QStringLiteral("lines imported")));
    QCOMPARE(shell.dialogs.kinds, (QList<FileKind>{FileKind::Csv, FileKind::Csv}));
    QVERIFY(ds.MemEnable[0]);
    QCOMPARE(ds.MemText[0][Col::Freq], QStringLiteral("118.100000"));
    QCOMPARE(ds.MemText[0][Col::Note], QStringLiteral("tower")); // as it was written
    QCOMPARE(w.bankPage()->txtBank[1]->text(), QStringLiteral("110"));
    QCOMPARE(ds.bank.lblAll, QStringLiteral("1000"));
    QCOMPARE(w.MSFlexGrid1()->currentRow(), 1);
    QCOMPARE(w.MSFlexGrid1()->rowLabel(100), QStringLiteral("01-009"));
    QVERIFY(ds.CurrentFile.isEmpty());
    QCOMPARE(w.windowTitle(), Ref().AppTitle);
    QVERIFY(ds.DataChanged); // the merged data are in no file yet
}

// Files opened or saved head the recent list; one that vanished is taken
// off it with a message. Compare With File lists the differences.
void FileCommandsTest::openRecentAndCompareWithFile() {
    ClearRecentFiles();
    Shell shell;
    frmMain& w = shell.window();
    const QString a = shell.path(QStringLiteral("a.MZ4"));
    const QString b = shell.path(QStringLiteral("b.MZ4"));
    QVERIFY(WriteCloneFile(a, 118.1));
    QVERIFY(WriteCloneFile(b, 121.5));
    QVERIFY(w.fileCommands().LoadCloneFile(a));
    shell.dialogs.savePaths << b;
    QVERIFY(w.fileCommands().mnuFileSaveAs_Click());
    QCOMPARE(RecentFiles(), (QStringList{b, a}));
    QVERIFY(w.fileCommands().mnuFileSave_Click()); // a file saved again is listed once
    QCOMPARE(RecentFiles(), (QStringList{b, a}));

    QVERIFY(QFile::remove(a));
    w.fileCommands().openRecent(a);
    QCOMPARE(shell.prompter.prompts.size(), 1);
    QVERIFY(shell.prompter.prompts.at(0).text.contains(QStringLiteral("no longer exists")));
    QCOMPARE(RecentFiles(), QStringList{b});

    // b holds 118.1 too now (saved from a); compare with a third file.
    const QString c = shell.path(QStringLiteral("c.MZ4"));
    QVERIFY(WriteCloneFile(c, 145.5));
    shell.dialogs.openPaths << c;
    QStringList rows;
    readCompareDialogSoon(rows);
    action(w, "mnuCompareFile")->trigger();
    QCOMPARE(rows, QStringList{QStringLiteral("00-000 Frequency 118.100000 145.500000")});
}

void FileCommandsTest::compareSummaryCountsInEnglish_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("summary");
    QTest::newRow("one") << 1 << "1 difference between the data set (This) and c.MZ4 (Other):";
    QTest::newRow("two") << 2 << "2 differences between the data set (This) and c.MZ4 (Other):";
}

// The English forms of counted texts are installed as at start: one
// difference is singular.
void FileCommandsTest::compareSummaryCountsInEnglish() {
    QFETCH(int, count);
    QFETCH(QString, summary);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("mtz4clone_en"), TranslationFolders().last()));
    QCoreApplication::installTranslator(&english);
    const CompareDialog dialog(QList<DataDifference>(count), QStringLiteral("c.MZ4"));
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("compareSummary"))->text(), summary);
}

// File > Export and Import with CHIRP's CSV chosen as the file type. An
// import over entries in use asks first (Cancel changes nothing); its
// report ends with what it changed there and offers the compare view of
// the data before and after it.
void FileCommandsTest::chirpCsvThroughTheMenu() {
    Shell shell;
    frmMain& w = shell.window();
    const QString clonePath = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clonePath, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(clonePath));
    const QString csv = shell.path(QStringLiteral("chirp.csv"));
    shell.dialogs.chosen = FileKind::ChirpCsv;
    shell.dialogs.savePaths << csv;
    action(w, "mnuExport")->trigger();
    QVERIFY(fileContent(csv).startsWith("Location,Name,Frequency,"));

    QFile file(csv);
    QVERIFY(file.open(QIODevice::Append));
    file.write("7,NEW,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,,,,,\r\n"
               "8,BAD,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,LSB,12.50,,,,,,,\r\n");
    file.close();
    const QString question =
        QStringLiteral("The import replaces 1 entries in use.\r\nDo you want to go on?");
    const auto before = std::make_unique<DataSet>(shell.ds());
    shell.dialogs.openPaths << csv << csv;
    shell.prompter.script({PromptAnswer::Cancel});
    action(w, "mnuImport")->trigger();
    QCOMPARE(shell.prompter.texts(), QStringList{question});
    QCOMPARE(shell.prompter.prompts[0].defaultAnswer, PromptAnswer::Cancel);
    QCOMPARE(shell.ds().MemText, before->MemText);
    QCOMPARE(shell.ds().MemData, before->MemData);

    shell.prompter.clear();
    shell.prompter.script({PromptAnswer::Ok});
    shell.prompter.chooseOffer = true;
    QStringList rows;
    readCompareDialogSoon(rows);
    action(w, "mnuImport")->trigger();
    QVERIFY(shell.ds().MemEnable[7]);
    QCOMPARE(shell.ds().MemText[7][Col::Name], QStringLiteral("NEW"));
    // CHIRP's file holds no secret code, carrier or tone of a channel
    // without a squelch: the import's defaults, said.
    QCOMPARE(shell.prompter.texts(),
             (QStringList{question, QStringLiteral("2 rows imported, 1 skipped:\r\n"
                                                   "row 4 (Location 8): the mode LSB, which the "
                                                   "receiver does not have\r\n"
                                                   "Changes to entries in use before: 3 (Secret 1, "
                                                   "Carrier 1, Tone 1)\r\n"
                                                   "00-000 Secret: 0 -> 11\r\n"
                                                   "00-000 Carrier: 300Hz -> JR\r\n"
                                                   "00-000 Tone: 67.0Hz -> 88.5Hz")}));
    QCOMPARE(shell.prompter.offers, QStringList{QStringLiteral("&Compare...")});
    QCOMPARE(rows.first(), QStringLiteral("00-000 Secret 11 0"));
    QVERIFY(rows.contains(QStringLiteral("00-007 Name NEW ")));
}

// Each destination from the window, for our file, CHIRP's and one with a
// header row whose mapping the dialog changed, and a stock list from the
// menu: the rows where the dialog sent them, the question before entries in
// use are replaced, the report, and one Undo that brings back everything,
// the sizes of a bank that grew included.
void FileCommandsTest::importToADestination() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const QString clonePath = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clonePath, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(clonePath));
    const QString chirp = shell.path(QStringLiteral("chirp.csv"));
    QVERIFY(WriteFile(chirp, "Location,Frequency\n0,145.1\n1,145.2\n2,145.3\n"));
    const QString own = shell.path(QStringLiteral("own.csv"));
    QByteArray ownText;
    for (const char* mhz : {"145.1", "145.2", "145.3"})
        ownText += "\"MT-Z4\",\"MEMORY\",\"0\",\"" + QByteArray(mhz) +
                   "\",\"FM\",\"20KHz\",\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.6\",\"\",\"\","
                   "\"#FALSE#\",#TRUE#\r\n";
    QVERIFY(WriteFile(own, ownText));
    const QString club = shell.path(QStringLiteral("club.csv"));
    QVERIFY(WriteFile(club, "Kanal;Wert;Bemerkung\n1;145,1;Anruf\n2;145,2;x\n3;145,3;y\n"));
    const struct {
        const char* name;
        QString file; // none: the stock list pmr446
        ImportDestination to;
        PromptAnswer answer; // to the question, when one is asked
        QStringList labels;  // of 145.1, 145.2, 145.3 (or PMR 1, 2, 3); none: nothing imported
        const char* said;    // the question or the report begins so
    } cases[] = {
        {"CHIRP's into bank 12",
         chirp,
         ImportDestination::intoBank(12),
         PromptAnswer::Ok,
         {"12-000", "12-001", "12-002"},
         "3 rows imported, 0 skipped:\r\nBank 12 grew from 0 to 3"},
        {"ours from 01-005",
         own,
         ImportDestination::fromEntry(105),
         PromptAnswer::Ok,
         {"01-005", "01-006", "01-007"},
         "3 lines imported"},
        {"ours into the free entries",
         own,
         ImportDestination::freeEntries(),
         PromptAnswer::Ok,
         {"00-001", "00-002", "00-003"},
         "3 lines imported"},
        {"CHIRP's into bank 0, cancelled",
         chirp,
         ImportDestination::intoBank(0),
         PromptAnswer::Cancel,
         {},
         "The import replaces 1 entries in use."},
        {"a header row mapped in the dialog",
         club,
         ImportDestination::freeEntries(),
         PromptAnswer::Ok,
         {"00-001", "00-002", "00-003"},
         "3 rows imported, 0 skipped:\r\nColumns not imported: \"Kanal\" (1)"},
        {"a stock list",
         {},
         ImportDestination::intoBank(20),
         PromptAnswer::Ok,
         {"20-000", "20-001", "20-002"},
         "16 rows imported"},
    };
    const auto labelOf = [&ds](double mhz) {
        for (int e = 0; e < EntryCount; ++e) {
            if (ds.MemEnable[e] && qAbs(ds.MemData[e][Col::Freq] - mhz) < 1e-6)
                return BuildRowLabels(ds.bank)[e];
        }
        return QString();
    };
    for (const auto& c : cases) {
        const auto before = std::make_unique<DataSet>(ds);
        shell.prompter.clear();
        shell.prompter.script({c.answer});
        shell.importAnswer = [&c](CsvFileLook& look, ImportDestination& to) {
            to = c.to;
            SetColumnField(look.columns, 1, ColumnField::Frequency); // "Wert"
            return true;
        };
        shell.stockAnswer = [&c](QString& name, ImportDestination& to) {
            name = QStringLiteral("pmr446");
            to = c.to;
            return true;
        };
        // A first row of names that are none of the words: the type chosen.
        shell.dialogs.chosen = c.file == club ? FileKind::ColumnsCsv : FileKind::Csv;
        if (c.file.isEmpty()) {
            action(w, "mnuImportStock")->trigger();
        } else {
            shell.dialogs.openPaths << c.file;
            action(w, "mnuImport")->trigger();
        }
        QVERIFY2(shell.prompter.texts().value(0).startsWith(QLatin1String(c.said)),
                 qPrintable(shell.prompter.texts().join('\n')));
        QStringList labels;
        for (double mhz : c.file.isEmpty() ? QList<double>{446.00625, 446.01875, 446.03125}
                                           : QList<double>{145.1, 145.2, 145.3})
            labels << labelOf(mhz);
        QCOMPARE(labels, c.labels.isEmpty() ? QStringList(3) : c.labels);
        if (c.labels.isEmpty())
            continue;
        QCOMPARE(w.history()->undoText(), QStringLiteral("Import"));
        w.history()->undo();
        QCOMPARE(ds.MemText, before->MemText);
        QCOMPARE(ds.bank.txtBank, before->bank.txtBank);
        QCOMPARE(w.bankPage()->txtBank[12]->text(), before->bank.txtBank[12]);
    }
}

// A file of neither format, one that looks like CHIRP's under CHIRP's type
// chosen the other way, and one whose every line the model refuses: an
// error each, with the data, the caption and the change flag as they were.
void FileCommandsTest::importThatTakesNothingChangesNothing() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const QString clonePath = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clonePath, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(clonePath));
    const QString caption = w.windowTitle();
    const auto before = std::make_unique<DataSet>(ds);
    const struct {
        FileKind kind;
        QByteArray text;
        const char* error;
    } cases[] = {
        {FileKind::Csv, "Channel;Value\n1;145.5\n", "list.csv is neither"},
        {FileKind::ChirpCsv, "\"MT-Z4\",\"GROUP\",\"60\",\"1\"\r\n",
         "list.csv looks like the program's own CSV"},
        {FileKind::Csv,
         "\"MT-Z4\",\"VFO\",\"13\",\"145.000000\",\"FM\",\"20KHz\",\"OFF\",\"11\","
         "\"JR\",\"88.5Hz\",\"OFF\",\"0.600000\",\"\",\"\",\"#FALSE#\",#TRUE#\r\n",
         "No line of list.csv could be imported."},
    };
    const QString csv = shell.path(QStringLiteral("list.csv"));
    for (const auto& c : cases) {
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        shell.prompter.clear();
        shell.dialogs.chosen = c.kind;
        shell.dialogs.openPaths << csv;
        action(w, "mnuImport")->trigger();
        QCOMPARE(shell.prompter.prompts.size(), 1);
        QCOMPARE(shell.prompter.prompts[0].title, QStringLiteral("ERROR"));
        QVERIFY2(shell.prompter.prompts[0].text.contains(QLatin1String(c.error)),
                 qPrintable(shell.prompter.prompts[0].text));
        QCOMPARE(w.windowTitle(), caption);
        QVERIFY(!ds.DataChanged);
        QCOMPARE(ds.MemText, before->MemText);
        QCOMPARE(ds.VfoText, before->VfoText);
        QCOMPARE(ds.bank.chkGrp, before->bank.chkGrp);
    }
}

// 25 memory lines, a bank line whose number is none, 20 lines more: the 25
// are kept as one step, marked in the caption and the status bar with the
// line that stopped the import, which the report names with the lines not
// read; Save asks for a name until then, and Undo Import brings back what
// was there.
void FileCommandsTest::importStoppedPartWayIsMarkedUntilUndoneOrSaved() {
    Shell shell;
    frmMain& w = shell.window();
    const QString clonePath = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clonePath, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(clonePath));
    const QByteArray before = fileContent(clonePath);
    QByteArray csv;
    const auto memory = [&csv](int from, int count) {
        for (int n = from; n < from + count; ++n)
            csv += QStringLiteral("\"MT-Z4\",\"MEMORY\",\"%1\",\"%2\",\"FM\",\"20KHz\",\"OFF\","
                                  "\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.600000\",\"\",\"\","
                                  "\"#FALSE#\",#TRUE#\r\n")
                       .arg(n)
                       .arg(430.0 + n / 8.0, 0, 'f', 6)
                       .toLatin1();
    };
    memory(1, 25);
    csv += "\"MT-Z4\",\"BANK AMOUNT\",\"x7\",\"5\"\r\n";
    memory(30, 20);
    const QString csvPath = shell.path(QStringLiteral("list.csv"));
    QVERIFY(WriteFile(csvPath, csv));

    shell.dialogs.openPaths << csvPath;
    QVERIFY(!w.fileCommands().mnuImport_Click());
    QCOMPARE(shell.prompter.texts(),
             QStringList{QStringLiteral("File Open Error\r\n25 lines imported, 0 skipped:\r\n"
                                        "stopped at line 26 (BANK AMOUNT): \"x7\" is not a number; "
                                        "the 20 lines after it were not read")});
    QVERIFY(shell.ds().MemEnable[25] && !shell.ds().MemEnable[30]);
    QCOMPARE(w.windowTitle(), QStringLiteral("radio.MZ4 - Orlenk MT-Z4/Z40 Clone Utility (partly "
                                             "imported: stopped at line 26)"));
    QVERIFY2(w.statusPanel(0)->text().startsWith(
                 QStringLiteral("the import stopped at line 26 (BANK AMOUNT): \"x7\" is not a "
                                "number; the data are partly from list.csv; Edit > Undo Import")),
             qPrintable(w.statusPanel(0)->text()));

    // Save, and the closing question's Yes, ask for a name.
    QVERIFY(!w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 1);
    QCOMPARE(fileContent(clonePath), before);

    action(w, "mnuUndo")->trigger();
    QVERIFY(!shell.ds().MemEnable[25]);
    QCOMPARE(shell.ds().PartlyImported, 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("radio.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
    QCOMPARE(w.statusPanel(0)->text(), QString());
}

// A pipe in the place of the INI file and of the settings file: the window
// starts without opening either, on COM 1 and first-start settings, and
// says why in the status bar.
void FileCommandsTest::pipesInThePlaceOfTheSettingsNeitherBlockNorHide() {
    QTemporaryDir dir;
    const QString settings = PlacementStorePath();
    QDir().mkpath(QFileInfo(settings).absolutePath());
    QFile::remove(settings);
    const QString ini = dir.filePath(QStringLiteral("MT-Z4.ini"));
    for (const QString& pipe : {settings, ini})
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    {
        Shell shell({QStringLiteral("mtz4clone")}, {}, [&dir](StartupOptions& options) {
            options.ini = {{}, dir.path()};
        });
        QCOMPARE(shell.program->link().portNumber(), 1);
        const QString status = shell.window().statusPanel(0)->text();
        QVERIFY2(status.contains(ini + QStringLiteral(" is a device or a pipe, not a file: COM 1 "
                                                      "is used")),
                 qPrintable(status));
        QVERIFY2(status.contains(settings + QStringLiteral(" is not a file")), qPrintable(status));
    }
    QFile::remove(settings);
}

// A CHIRP file of 3000 rows: the summary names the first 20 rows, the
// details list every one, and the dialog stays within the screen.
void FileCommandsTest::longReportFitsTheScreen() {
    Shell shell;
    frmMain& w = shell.window();
    QByteArray text = "Location,Name,Frequency,Mode\r\n";
    for (int i = 0; i < 3000; ++i)
        text += QByteArray::number(i) + ",AIR " + QByteArray::number(i) + ",118.1,AM\r\n";
    const QString csv = shell.path(QStringLiteral("air.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    shell.dialogs.openPaths << csv;
    action(w, "mnuImport")->trigger(); // the default type: the file says it is CHIRP's
    QCOMPARE(shell.prompter.prompts.size(), 1);
    const Prompt report = shell.prompter.prompts[0];
    QVERIFY2(
        report.text.startsWith(QStringLiteral("1000 rows imported, 2000 skipped, 900 changed")),
        qPrintable(report.text.left(300)));
    QCOMPARE(report.text.count(QStringLiteral("\r\n")), 21); // summary, 20 rows, "and N more"
    QCOMPARE(shell.prompter.details.size(), 2900);
    QVERIFY(shell.ds().MemEnable[999]);

    ReportDialog dialog(report, shell.prompter.details, &w);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(dialog.frameGeometry().height() <= screen.height());
    QVERIFY(dialog.details() && dialog.details()->model()->rowCount() == 2900);
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommands_test.moc"
