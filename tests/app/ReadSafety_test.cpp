// A read never costs the user the data there were: the window asks before a
// read replaces unsaved changes, backs up before every read, makes every read
// one step of the undo history, never saves a partly read mixture over a
// file, and opens backups only as copies. Against mtz4sim on COM 1.
#include "WindowCloneSupport.h"
#include "app/FileCommands.h"
#include "app/MainWindow.h"

#include "app/BackupsDialog.h"
#include "app/RecentFiles.h"
#include "editing/BankPage.h"
#include "editing/MemoryPage.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/UndoHistory.h"
#include "files/Backups.h"
#include "link/Link.h"
#include "model/ReferenceTables.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace mtz4;
using namespace mtz4::test;

class ReadSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(BackupFolder()).removeRecursively(); }
    void cleanup() { qunsetenv("MTZ4_COM1"); }
    void everyReadAsksBeforeItReplacesUnsavedChanges();
    void theAnswersToTheQuestion();
    void partlyReadDataAreUndoneExactlyAndNeverSavedOverTheFile();
    void readsKeepTheHistory();
    void backupsOpenAsCopies();
};

namespace {

// The user's edit of entry 0, and a note on entry `noted`, through the
// window's editor, as the edit dialog makes them.
void editEntries(frmMain& w, int noted = 900) {
    w.editor()->apply(QStringLiteral("Modify 00-000"), DataPart::Memory, [noted](DataSet& ds) {
        ds.MemData[0][Col::Freq] = 145.5;
        ds.MemText[0][Col::Freq] = QStringLiteral("145.500000");
        ds.MemText[0][Col::Name] = QStringLiteral("MINE");
        ds.MemText[0][Col::Note] = QStringLiteral("my repeater");
        ds.MemEnable[0] = true;
        ds.MemData[noted][Col::Freq] = 430.0;
        ds.MemText[noted][Col::Freq] = QStringLiteral("430.000000");
        ds.MemText[noted][Col::Note] = QStringLiteral("kept note");
        ds.MemEnable[noted] = true;
        ds.DataChanged = true;
    });
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every way to start a read: the Read menu's items and the pages' buttons,
// each with the page it is on.
struct ReadCommand {
    const char* name;
    frmMain::Tab page;
    std::function<void(frmMain&)> run;
};
const std::vector<ReadCommand>& readCommands() {
    using P = frmMain::Tab;
    static const std::vector<ReadCommand> commands = {
        {"Read ALL", P::Settings1Tab, [](frmMain& w) { action(w, "mnuReAll")->trigger(); }},
        {"Read > Memory", P::Settings1Tab, [](frmMain& w) { action(w, "mnuReMem")->trigger(); }},
        {"Read > Settings", P::BankTab, [](frmMain& w) { action(w, "mnuReSet")->trigger(); }},
        {"Read", P::MemoryTab, [](frmMain& w) { w.memoryPage()->cmbRxData->click(); }},
        {"Read Settings 1", P::Settings1Tab,
         [](frmMain& w) { w.settings1Page()->cmbRxData1()->click(); }},
        {"Read Settings 2", P::Settings2Tab,
         [](frmMain& w) { w.settings2Page()->cmbRxData2()->click(); }},
        {"Read Bank", P::BankTab, [](frmMain& w) { w.bankPage()->cmbReadBank->click(); }},
        {"Read Group", P::BankTab, [](frmMain& w) { w.bankPage()->cmdReadGroup->click(); }},
    };
    return commands;
}

} // namespace

// Cancel reads nothing, from every Read item and button, and takes no backup.
void ReadSafetyTest::everyReadAsksBeforeItReplacesUnsavedChanges() {
    SimRunner sim;
    QVERIFY(startSim(sim, {}));
    Shell shell;
    frmMain& w = shell.window();
    editEntries(w);
    const QByteArray edited = CloneTextOf(shell.ds());
    for (const ReadCommand& command : readCommands()) {
        w.TabStrip1()->setCurrentIndex(command.page);
        shell.prompter.clear();
        shell.prompter.script({PromptAnswer::Cancel});
        command.run(w);
        QVERIFY2(shell.prompter.texts() == QStringList{QStringLiteral("Save changes to settings?")},
                 command.name);
        QCOMPARE(shell.prompter.prompts.first().buttons, PromptButtons::YesNoCancel);
        QCOMPARE(shell.prompter.prompts.first().title, QStringLiteral("Save Changes"));
    }
    QVERIFY(sim.commands().isEmpty());
    QVERIFY(ListBackups().isEmpty());
    QCOMPARE(CloneTextOf(shell.ds()), edited);
    QCOMPARE(w.history()->undoText(), QStringLiteral("Modify 00-000"));
}

// Yes saves first (a cancelled Save As cancels the read), No reads anyway,
// and without unsaved changes there is no question at all.
void ReadSafetyTest::theAnswersToTheQuestion() {
    struct Case {
        const char* what;
        bool edited;
        bool hasFile;
        QList<PromptAnswer> answers;
        bool saveDialogAnswered;
        bool reads;
        bool saved;
    };
    const Case cases[] = {
        {"unchanged", false, true, {}, false, true, false},
        {"No", true, true, {PromptAnswer::No}, false, true, false},
        {"Yes", true, true, {PromptAnswer::Yes}, false, true, true},
        {"Yes, Save As cancelled", true, false, {PromptAnswer::Yes}, false, false, false},
        {"Yes, Save As", true, false, {PromptAnswer::Yes}, true, true, true},
    };
    for (const Case& c : cases) {
        SimRunner sim;
        QVERIFY(startSim(sim, {}));
        Shell shell;
        frmMain& w = shell.window();
        const QString path = shell.path(QStringLiteral("radio.MZ4"));
        QVERIFY(WriteCloneFile(path, 118.1));
        if (c.hasFile)
            QVERIFY(w.fileCommands().LoadCloneFile(path));
        if (c.edited)
            editEntries(w);
        if (c.saveDialogAnswered)
            shell.dialogs.savePaths << path;
        for (PromptAnswer a : c.answers)
            shell.prompter.script({a});
        action(w, "mnuReSet")->trigger();

        QStringList expected;
        if (c.edited)
            expected << QStringLiteral("Save changes to settings?");
        if (c.reads)
            expected << QStringLiteral("Successed!!");
        QVERIFY2(shell.prompter.texts() == expected, c.what);
        QVERIFY2(sim.commands().isEmpty() != c.reads, c.what);
        QVERIFY2((fileBytes(path).contains("my repeater")) == c.saved, c.what);
    }
}

// The fault this all is for: a file opened and edited, then Read > ALL from
// a receiver that falls silent part-way.
void ReadSafetyTest::partlyReadDataAreUndoneExactlyAndNeverSavedOverTheFile() {
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    const auto receiver = receiverImage(image, 7);
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image, QStringLiteral("--silent-after"),
                           QStringLiteral("400")}));
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const QString path = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(path));
    const QByteArray original = fileBytes(path);
    // A note on an entry that the read enables but does not reach.
    int noted = 1000;
    while (!receiver->MemEnable[noted])
        --noted;
    editEntries(w, noted);
    const QByteArray edited = CloneTextOf(ds);

    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuReAll")->trigger();
    QCOMPARE(shell.prompter.texts(),
             (QStringList{"Save changes to settings?", "Communication Error", "Read Failed..."}));
    // A mixture: the receiver's first entries beside the file's others.
    QCOMPARE(ds.MemData[0], receiver->MemData[0]);
    QCOMPARE(ds.MemText[noted][Col::Note], QStringLiteral("kept note"));
    QVERIFY(ds.PartlyRead);
    QCOMPARE(w.windowTitle(),
             FileCaption(path) + QStringLiteral(" (partly read from the receiver)"));
    QVERIFY2(w.statusPanel(0)->text().endsWith(QStringLiteral(
                 "; the data are partly from the receiver; Edit > Undo Read ALL brings back "
                 "what was there")),
             qPrintable(w.statusPanel(0)->text()));

    // The backup taken before the read holds the edited data.
    const QList<BackupInfo> backups = ListBackups();
    QCOMPARE(backups.size(), 1);
    QCOMPARE(backups.first().occasion, QStringLiteral("before Read ALL"));
    QCOMPARE(fileBytes(backups.first().path), edited);

    // Neither Save nor the closing question's Yes writes the mixture over
    // the file: both ask for a name, on the current one.
    QVERIFY(!w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 1);
    shell.prompter.script({PromptAnswer::Yes});
    QVERIFY(!w.close());
    QCOMPARE(shell.dialogs.saveCalls, 2);
    QCOMPARE(fileBytes(path), original);

    // Undo Read ALL brings back every table, the notes, the change flag and
    // the caption; the edit before it is still in the history.
    QAction* undo = action(w, "mnuUndo");
    QCOMPARE(undo->text(), QStringLiteral("Undo Read ALL"));
    undo->trigger();
    QCOMPARE(CloneTextOf(ds), edited);
    QVERIFY(ds.DataChanged && !ds.PartlyRead);
    QCOMPARE(w.windowTitle(), FileCaption(path));
    QVERIFY(w.statusPanel(0)->text().isEmpty());
    QCOMPARE(undo->text(), QStringLiteral("Undo Modify 00-000"));

    // Save is a plain save again, and writes the edited data byte for byte.
    QVERIFY(w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 2);
    QCOMPARE(fileBytes(path), edited);

    // Redo makes the mixture again, unsaved.
    action(w, "mnuRedo")->trigger();
    QVERIFY(ds.PartlyRead && ds.DataChanged);
    QCOMPARE(ds.MemData[0], receiver->MemData[0]);

    // Good reads of parts of the data keep the mark: only a complete Read
    // ALL clears it. Save still asks for a name and leaves the file as it was.
    SimRunner good;
    QVERIFY(startSim(good, {QStringLiteral("--image"), image}));
    shell.program->link().close(); // the silent receiver's port

    const QByteArray saved = fileBytes(path);
    for (const ReadCommand& command : readCommands()) {
        const QByteArray name(command.name);
        if (name != "Read > Settings" && name != "Read Bank" && name != "Read Group")
            continue;
        w.TabStrip1()->setCurrentIndex(command.page);
        shell.prompter.clear();
        shell.prompter.script({PromptAnswer::No});
        command.run(w);
        QVERIFY2(shell.prompter.texts().last() == QStringLiteral("Successed!!"), command.name);
        QVERIFY2(ds.PartlyRead, command.name);
    }
    const int asked = shell.dialogs.saveCalls;
    QVERIFY(!w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, asked + 1);
    QCOMPARE(fileBytes(path), saved);
}

// A read is a step of the history, not its end; one that changed nothing
// leaves the history as it was.
void ReadSafetyTest::readsKeepTheHistory() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    editEntries(w);
    const QByteArray edited = CloneTextOf(ds);

    qputenv("MTZ4_COM1", "/dev/mtz4-no-such-device");
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuReMem")->trigger();
    QCOMPARE(shell.prompter.texts().last(), QStringLiteral("Read Failed..."));
    QCOMPARE(w.history()->undoText(), QStringLiteral("Modify 00-000"));
    QVERIFY(!w.history()->canRedo());
    QVERIFY(!ds.PartlyRead);

    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    const auto receiver = receiverImage(image, 9);
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image}));
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuReSet")->trigger();
    QCOMPARE(ds.settings.optLamp, receiver->settings.optLamp);
    QCOMPARE(w.history()->undoText(), QStringLiteral("Read Settings"));
    w.history()->undo();
    QCOMPARE(CloneTextOf(ds), edited);
    QVERIFY(ds.DataChanged);
    w.history()->undo();
    QVERIFY(!ds.DataChanged && !ds.MemEnable[0]);

    // A read of the very data there were still marks them unsaved; its
    // undo makes them saved again.
    const auto factory = FactoryDataSet(Model::MTZ4J);
    SimRunner same;
    const QString sameImage = same.path(QStringLiteral("same.MZ4"));
    QVERIFY(SaveCloneFile(*factory, sameImage) == CloneFileStatus::Ok);
    QVERIFY(startSim(same, {QStringLiteral("--image"), sameImage}));
    action(w, "mnuFileNew")->trigger();
    action(w, "mnuReSet")->trigger();
    QVERIFY(ds.DataChanged);
    QCOMPARE(w.history()->undoText(), QStringLiteral("Read Settings"));
    // An edit after the read, undone, leaves the data read: still unsaved.
    editEntries(w);
    w.history()->undo();
    QVERIFY(ds.DataChanged);
    w.history()->undo();
    QVERIFY(!ds.DataChanged);
}

// File > Backups opens a copy: no current file, a caption that says so, not
// a recent file, and Save asks for a name instead of writing the backup.
void ReadSafetyTest::backupsOpenAsCopies() {
    const auto data = FactoryDataSet(Model::MTZ4J);
    data->MemData[3][Col::Freq] = 430.0;
    data->MemEnable[3] = true;
    data->MemText[3][Col::Note] = QStringLiteral("from the backup");
    QString error;
    const QString backup =
        WriteBackup(*data, QStringLiteral("before Read ALL"), QDateTime::currentDateTime(), &error);
    QVERIFY2(!backup.isEmpty(), qPrintable(error));
    const QByteArray stored = fileBytes(backup);

    Shell shell;
    frmMain& w = shell.window();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<BackupsDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    action(w, "mnuBackups")->trigger();
    QCOMPARE(shell.ds().MemText[3][Col::Note], QStringLiteral("from the backup"));
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QCOMPARE(w.windowTitle(),
             QFileInfo(backup).fileName() + QStringLiteral(" (backup) - ") + Ref().AppTitle);
    QVERIFY(!RecentFiles().contains(backup));

    editEntries(w);
    QVERIFY(!w.fileCommands().mnuFileSave_Click());
    QCOMPARE(shell.dialogs.saveCalls, 1);
    QCOMPARE(fileBytes(backup), stored);
}

QTEST_MAIN(ReadSafetyTest)
#include "ReadSafety_test.moc"
