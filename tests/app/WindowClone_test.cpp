// The window's clone commands against mtz4sim on a pseudo-terminal (COM 1
// mapped to it through MTZ4_COM1): a full read fills every page, an edit
// written back reaches the receiver, the failure paths show their messages
// in order, a cancelled read leaves what a failed read leaves, and no
// command can start while one runs.
#include "WindowCloneSupport.h"
#include "app/MainWindow.h"

#include "editing/BankPage.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/Settings2Page.h"
#include "editing/VfoGrid.h"
#include "files/Backups.h"
#include "link/Link.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

using namespace mtz4;
using namespace mtz4::test;

class WindowCloneTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { qunsetenv("MTZ4_COM1"); }
    void readAllFillsEveryPage();
    void editWrittenWithWriteAllReachesTheReceiver();
    void failurePaths();
    void cancelledReadAndCommandsDuringATransfer();
    void closingDuringATransfer();
    void backupsAroundTransfers();
    void quickReadIsRememberedAndFetchesOnlyEntriesInUse();
    void verifyAfterWrite();

private:
};

namespace {

// The entry blocks (0A00h..) a list of commands reads.
int entryReads(const QStringList& commands) {
    int reads = 0;
    for (const QString& c : commands) {
        bool ok = false;
        const int address = c.mid(4, 5).toInt(&ok, 16);
        if (c.startsWith(QLatin1String("QZ~F")) && c.endsWith(QLatin1Char('R')) && ok &&
            address >= 0xA00)
            ++reads;
    }
    return reads;
}

} // namespace

void WindowCloneTest::readAllFillsEveryPage() {
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    const auto source = receiverImage(image, 11);
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image}));
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    w.MSFlexGrid1()->setCurrentRow(7);

    action(w, "mnuReAll")->trigger();
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Successed!!")});
    QCOMPARE(w.TabStrip1()->currentIndex(), int(frmMain::MemoryTab));
    // The sixth enable slot (entries 1280..1299) is not in the receiver.
    for (int n = 0; n < 1280; ++n) {
        QCOMPARE(ds.MemEnable[n], source->MemEnable[n]);
        QCOMPARE(ds.MemData[n], source->MemData[n]);
    }
    QCOMPARE(ds.VfoData, source->VfoData);
    QCOMPARE(ds.BankSize, source->BankSize);
    QCOMPARE(ds.GroupFlag, source->GroupFlag);
    QVERIFY(ds.DataChanged);

    // Every page shows it.
    QCOMPARE(w.bankPage()->txtBank[3]->text(), QString::number(source->BankSize[3]));
    for (int i = BankCount; i < GroupBoxCount; ++i)
        QCOMPARE(w.bankPage()->chkGrp[i]->isChecked(), source->GroupFlag[i / 50][i % 50]);
    QVERIFY(w.settings2Page()->findChild<QRadioButton*>(QStringLiteral("optLamp2"))->isChecked());
    QCOMPARE(w.MSFlexGrid2()->model()->index(3, 0).data().toString(), source->VfoText[3][0]);
    QCOMPARE(w.MSFlexGrid1()->currentRow(), 7);
    QVERIFY(w.memoryPage()->ProgressBar1->isHidden());
    QVERIFY(w.statusPanel(0)->text().startsWith(QStringLiteral("Read ALL: done in")));
    // The port used is named.
    QVERIFY(w.statusPanel(0)->text().endsWith(QStringLiteral(" on COM 1 (%1)").arg(sim.device())));
    QVERIFY(action(w, "mnuReAll")->isEnabled());
    QVERIFY(w.memoryPage()->cmbRxData->isEnabled());
}

void WindowCloneTest::editWrittenWithWriteAllReachesTheReceiver() {
    SimRunner sim;
    const QString dump = sim.path(QStringLiteral("dump.MZ4"));
    QVERIFY(startSim(sim, {QStringLiteral("--dump"), dump}));
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    ds.MemData[0][Col::Freq] = 145.5;
    ds.MemText[0][Col::Freq] = QStringLiteral("145.500000");
    ds.MemEnable[0] = true;
    ds.settings.chkBell = 1;

    action(w, "mnuWrAll")->trigger();
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Successed!!")});
    QVERIFY(w.statusPanel(0)->text().startsWith(QStringLiteral("Write ALL: done in")));
    // The receiver dumps its memory shortly after its last reply; stopping it
    // waits for that.
    QVERIFY(sim.stop());
    DataSet received;
    InitTables(received);
    QCOMPARE(ReadCloneFile(received, dump), CloneFileStatus::Ok);
    QCOMPARE(received.MemData[0][Col::Freq], 145.5);
    QVERIFY(received.MemEnable[0]);
    QCOMPARE(received.settings.chkBell, 1);
}

void WindowCloneTest::failurePaths() {
    struct Case {
        const char* what;
        QStringList simArgs; // empty: no receiver at all
        const char* command;
        QStringList messages;
        const char* statusDetail = ""; // also in the status bar's text
    };
    const QString banks950 = QStringLiteral("950");
    const Case cases[] = {
        {"no device",
         {},
         "mnuReAll",
         {"Read Failed..."},
         "no such device /dev/mtz4-no-such-device"},
        // Then the offer to find the model, answered No.
        {"wrong model",
         {"--model", "MT-Z40E"},
         "mnuReMem",
         {"Region Error",
          "The receiver did not accept the model MT-Z4J.\r\n\r\nFind the receiver's model now? "
          "The model found is selected, keeping these channels, and Read Memory runs again."}},
        {"silent mid-read",
         {"--silent-after", "40"},
         "mnuReMem",
         {"Communication Error", "Read Failed..."}},
        {"bank total not 1000", {}, "mnuWrAll", {"Total CH must be 1000", "Write Failed..."}},
    };
    for (const Case& c : cases) {
        SimRunner sim;
        if (!c.simArgs.isEmpty() || QByteArray(c.what) == "bank total not 1000")
            QVERIFY(startSim(sim, c.simArgs));
        else
            qputenv("MTZ4_COM1", "/dev/mtz4-no-such-device");
        Shell shell;
        frmMain& w = shell.window();
        if (QByteArray(c.what) == "bank total not 1000")
            shell.ds().bank.lblAll = banks950;
        const auto before = std::make_unique<DataSet>(shell.ds());
        shell.prompter.script({PromptAnswer::No});
        action(w, c.command)->trigger();
        QCOMPARE(shell.prompter.texts(), c.messages);
        QVERIFY2(w.statusPanel(0)->text().contains(c.messages.first()), c.what);
        QVERIFY2(w.statusPanel(0)->text().contains(QLatin1String(c.statusDetail)),
                 qPrintable(w.statusPanel(0)->text()));
        if (QByteArray(c.what) != "silent mid-read")
            QCOMPARE(shell.ds().MemData, before->MemData);
        QVERIFY2(action(w, "mnuReAll")->isEnabled(), c.what);
    }
}

void WindowCloneTest::cancelledReadAndCommandsDuringATransfer() {
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    const auto source = receiverImage(image, 23);
    // Each reply 2 ms late, so that the read takes long enough to be caught.
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image, QStringLiteral("--delay-ms"),
                           QStringLiteral("2")}));
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const auto before = std::make_unique<DataSet>(ds);

    int cancelledAt = -1;
    bool checked = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &w, [&] {
        QProgressBar* bar = w.memoryPage()->ProgressBar1;
        if (cancelledAt >= 0 || bar->isHidden() || bar->value() < 100)
            return;
        // Nothing else can start meanwhile.
        for (const char* name : {"mnuReAll", "mnuWrAll", "mnuFileOpen", "mnuFileNew", "mnuImport",
                                 "mnuEditUndo", "mnuToolsOptions"})
            QVERIFY2(!action(w, name)->isEnabled(), name);
        QVERIFY(!w.memoryPage()->cmbClear->isEnabled());
        QVERIFY(!w.bankPage()->isEnabledTo(w.bankPage()->parentWidget()));
        QVERIFY(w.memoryPage()->cmbCancel->isVisible());
        QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand::ReadAll), LinkResult::Failure);
        QVERIFY(w.statusPanel(0)->text().startsWith(QStringLiteral("Reading memory entries:")));
        checked = true;
        cancelledAt = bar->value();
        w.memoryPage()->cmbCancel->click();
    });
    poll.start(5);
    action(w, "mnuReMem")->trigger();
    poll.stop();

    QVERIFY(checked);
    QVERIFY(shell.prompter.prompts.isEmpty()); // no failure boxes
    QVERIFY(w.statusPanel(0)->text().contains(QStringLiteral("cancelled")));
    // As a read that failed there: the entries read before are new, the
    // later ones as they were, and the data count as changed.
    for (int n = 0; n < cancelledAt; ++n)
        QCOMPARE(ds.MemData[n], source->MemData[n]);
    for (int n = cancelledAt + 2; n < 1280; ++n)
        QCOMPARE(ds.MemData[n], before->MemData[n]);
    QVERIFY(ds.DataChanged);
    for (const char* name : {"mnuReAll", "mnuFileOpen", "mnuToolsOptions"})
        QVERIFY2(action(w, name)->isEnabled(), name);
    QVERIFY(w.bankPage()->isEnabledTo(w.bankPage()->parentWidget()));
    QVERIFY(w.memoryPage()->cmbCancel->isHidden());

    // The link works again for the next command (which asks first: the
    // data read so far are not saved).
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuReSet")->trigger();
    QCOMPARE(shell.prompter.texts(), (QStringList{QStringLiteral("Save changes to settings?"),
                                                  QStringLiteral("Successed!!")}));
}

// Closing cancels a read, then asks about the data read so far; closing
// during a write says so, lets the write finish and then closes.
void WindowCloneTest::closingDuringATransfer() {
    for (const bool reading : {true, false}) {
        SimRunner sim;
        const QString image = sim.path(QStringLiteral("receiver.MZ4"));
        receiverImage(image, 5);
        QVERIFY(startSim(sim, {QStringLiteral("--image"), image, QStringLiteral("--delay-ms"),
                               QStringLiteral("2")}));
        Shell shell;
        frmMain& w = shell.window();
        if (!reading)
            QCOMPARE(ReadCloneFile(shell.ds(), image), CloneFileStatus::Ok);
        bool closeTried = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &w, [&] {
            if (!closeTried && w.memoryPage()->ProgressBar1->value() > 50) {
                closeTried = true;
                QVERIFY(!w.close()); // not yet
            }
        });
        poll.start(5);
        shell.prompter.script({PromptAnswer::No}); // "Save changes to settings?"
        action(w, reading ? "mnuReMem" : "mnuWrMem")->trigger();
        poll.stop();
        QVERIFY(closeTried);
        QTRY_VERIFY(!w.isVisible());
        const QStringList texts = shell.prompter.texts();
        if (reading) {
            QCOMPARE(texts, QStringList{QStringLiteral("Save changes to settings?")});
        } else {
            QCOMPARE(texts.size(), 2);
            QVERIFY(texts.at(0).contains(QStringLiteral("closes when it has ended")));
            QCOMPARE(texts.at(1), QStringLiteral("Successed!!"));
            QVERIFY(sim.commands().contains(QStringLiteral("QZ~FINISH")));
        }
    }
}

// A backup before each read and write and after each successful read; one
// that cannot be written is told in the status bar and stops nothing.
void WindowCloneTest::backupsAroundTransfers() {
    QDir(BackupFolder()).removeRecursively();
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    receiverImage(image, 31);
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image}));
    Shell shell;
    frmMain& w = shell.window();
    action(w, "mnuReSet")->trigger();
    action(w, "mnuWrSet")->trigger();
    QStringList occasions;
    for (const BackupInfo& b : ListBackups())
        occasions << b.occasion + QLatin1Char(' ') + b.model;
    QCOMPARE(occasions, (QStringList{"before Write Settings MT-Z4J", "after Read Settings MT-Z4J",
                                     "before Read Settings MT-Z4J"}));

    // A file where the folder should be: the read still succeeds.
    QVERIFY(QDir(BackupFolder()).removeRecursively());
    QFile blocker(BackupFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    shell.prompter.clear();
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuReSet")->trigger();
    QCOMPARE(shell.prompter.texts(), (QStringList{QStringLiteral("Save changes to settings?"),
                                                  QStringLiteral("Successed!!")}));
    // The reason in the same plain words as a failed save.
    QVERIFY2(w.statusPanel(0)->text().contains(
                 QStringLiteral("no backup: cannot write %1").arg(BackupFolder())),
             qPrintable(w.statusPanel(0)->text()));
    QVERIFY(w.statusPanel(0)->text().contains(QStringLiteral("is not a folder")));
    QFile::remove(BackupFolder());
}

void WindowCloneTest::quickReadIsRememberedAndFetchesOnlyEntriesInUse() {
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    const auto source = receiverImage(image, 31);
    QVERIFY(startSim(sim, {QStringLiteral("--image"), image}));
    OpenPlacementStore()->remove(QStringLiteral("Tool"));
    {
        Shell shell;
        QAction* quick = action(shell.window(), "mnuQuickRead");
        QVERIFY(quick->isCheckable());
        QVERIFY(!quick->isChecked()); // off unless chosen
        quick->trigger();
        QVERIFY(ReadQuickRead());

        action(shell.window(), "mnuReAll")->trigger();
        QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Successed!!")});
        // Entries 1280.. have no enable bit in the receiver and stay disabled.
        const auto inUse =
            std::count(source->MemEnable.begin(), source->MemEnable.begin() + 1280, true);
        QCOMPARE(entryReads(sim.commands()), int(inUse));
        for (int n = 0; n < 1280; ++n)
            QCOMPARE(shell.ds().MemData[n], source->MemData[n]);
    }
    // The next start has it checked.
    {
        Shell next;
        QVERIFY(action(next.window(), "mnuQuickRead")->isChecked());
    }
    OpenPlacementStore()->remove(QStringLiteral("Tool"));
}

// Tool > Verify After Write reads back a memory write: "Successed!!" comes
// only once the read-back agrees, and the status bar says so; a receiver
// that stores something else fails the write without a success message.
void WindowCloneTest::verifyAfterWrite() {
    for (const bool corrupting : {false, true}) {
        SimRunner sim;
        const QString image = sim.path(QStringLiteral("receiver.MZ4"));
        receiverImage(image, 41);
        QStringList args{QStringLiteral("--clone-mode")};
        if (corrupting)
            args << QStringLiteral("--corrupt-every") << QStringLiteral("40");
        QVERIFY(startSim(sim, args));
        Shell shell;
        frmMain& w = shell.window();
        QCOMPARE(ReadCloneFile(shell.ds(), image), CloneFileStatus::Ok);
        QAction* verify = action(w, "mnuVerifyWrite");
        if (!verify->isChecked())
            verify->trigger();
        QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand::WriteAll),
                 corrupting ? LinkResult::Failure : LinkResult::Success);
        const QStringList texts = shell.prompter.texts();
        if (corrupting) {
            QCOMPARE(texts.size(), 1);
            QVERIFY(texts.at(0).startsWith(QStringLiteral("The receiver holds something else")));
        } else {
            QCOMPARE(texts, QStringList{QStringLiteral("Successed!!")});
            // The read-back came after the write's end.
            const QStringList commands = sim.commands();
            QVERIFY(commands.indexOf(QStringLiteral("QZ~FINISH")) < commands.size() - 1);
            QVERIFY(commands.last().endsWith(QLatin1Char('R')));
            QVERIFY2(w.statusPanel(0)->text().endsWith(QStringLiteral("; Verified")),
                     qPrintable(w.statusPanel(0)->text()));
        }
        verify->trigger();
    }
}

QTEST_MAIN(WindowCloneTest)
#include "WindowClone_test.moc"
