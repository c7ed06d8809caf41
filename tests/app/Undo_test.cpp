// Undo and redo in the window: every kind of change comes back exactly (the
// clone file text before and after compared), the steps are named, Open and
// New end the history, and the change flag follows the saved state.
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "reference/FactoryData.h"
#include "support/Shell.h"
#include "support/WindowActions.h"

#include "editing/BankPage.h"
#include "editing/EditDialog.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/UndoHistory.h"
#include "editing/VfoGrid.h"
#include "files/CsvFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace mtz4;
using namespace mtz4::test;

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyKindOfChangeComesBack();
    void historyAndChangeFlag();
    void statusTextsThatNoLongerHoldAreCleared();
};

namespace {

// A clone file whose first entries are in use, each with a name and a note,
// so that a change that loses either shows in the file's text.
bool WriteNotedCloneFile(const QString& path) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, 0);
    for (int e = 0; e < 4; ++e) {
        ds->MemData[e][Col::Freq] = 118.1 + e;
        ds->MemEnable[e] = true;
        ds->MemText[e][Col::Name] = QStringLiteral("N%1").arg(e);
        ds->MemText[e][Col::Note] = QStringLiteral("note %1").arg(e);
    }
    return SaveCloneFile(*ds, path) == CloneFileStatus::Ok;
}

// Presses OK on the edit dialog once it is up, after `edit`.
void whenDialogShown(std::function<void(dlgModify&)> edit) {
    QTimer::singleShot(0, [edit] {
        if (auto* dialog = qobject_cast<dlgModify*>(QApplication::activeModalWidget())) {
            edit(*dialog);
            dialog->OKButton->click();
        }
    });
}

} // namespace

void UndoTest::everyKindOfChangeComesBack() {
    struct Change {
        const char* undoText;
        std::function<void(Shell&)> make;
    };
    const std::vector<Change> changes = {
        {"Undo Modify 00-001",
         [](Shell& shell) {
             whenDialogShown([](dlgModify& d) {
                 d.txtName->setText(QStringLiteral("NEW"));
                 d.txtNote->setText(QStringLiteral("changed note"));
             });
             emit shell.window().MSFlexGrid1()->editRequested(2);
         }},
        {"Undo Modify Band 5",
         [](Shell& shell) {
             whenDialogShown([](dlgModify& d) { d.txtNote->setText(QStringLiteral("air")); });
             emit shell.window().MSFlexGrid2()->editRequested(6);
         }},
        {"Undo Clear 00-000",
         [](Shell& shell) {
             shell.prompter.script({PromptAnswer::Ok});
             shell.window().TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
             shell.window().MSFlexGrid1()->setCurrentRow(1);
             shell.window().memoryPage()->cmbClear->click();
         }},
        {"Undo Clear All",
         [](Shell& shell) {
             shell.prompter.script({PromptAnswer::Ok});
             shell.window().TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
             shell.window().memoryPage()->cmbClAll->click();
         }},
        {"Undo Bank 0 Size",
         [](Shell& shell) {
             shell.window().TabStrip1()->setCurrentIndex(frmMain::BankTab);
             QLineEdit* box = shell.window().bankPage()->txtBank[0];
             box->setFocus();
             box->setText(QStringLiteral("60"));
             shell.window().bankPage()->takeOverFocusedBox();
         }},
        {"Undo GRP2 Bank 7",
         [](Shell& shell) {
             shell.window().TabStrip1()->setCurrentIndex(frmMain::BankTab);
             shell.window().bankPage()->chkGrp[2 * BankCount + 7]->click();
         }},
        {"Undo Lamp",
         [](Shell& shell) {
             shell.window().TabStrip1()->setCurrentIndex(frmMain::Settings2Tab);
             shell.window().settings2Page()->findChild<QRadioButton*>("optLamp3")->click();
         }},
        {"Undo Import",
         [](Shell& shell) {
             auto other = std::make_unique<DataSet>(shell.ds());
             other->MemData[5] = other->MemData[0];
             other->MemText[5] = other->MemText[0];
             other->MemText[5][Col::Freq] = QStringLiteral("430.000000");
             other->MemEnable[5] = true;
             const QString csv = shell.path(QStringLiteral("other.csv"));
             QCOMPARE(ExportCsvFile(*other, csv), CsvFileStatus::Ok);
             shell.dialogs.openPaths << csv;
             action(shell.window(), "mnuImport")->trigger();
         }},
        {"Undo Model MT-Z40T",
         [](Shell& shell) {
             shell.prompter.script({PromptAnswer::No});
             shell.window().settings1Page()->opbModel(2)->click();
         }},
    };
    for (const Change& change : changes) {
        Shell shell;
        frmMain& w = shell.window();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString path = shell.path(QStringLiteral("radio.MZ4"));
        QVERIFY(WriteNotedCloneFile(path));
        QVERIFY(w.fileCommands().LoadCloneFile(path));
        const QByteArray before = CloneFileText(shell.ds());

        change.make(shell);
        const QByteArray after = CloneFileText(shell.ds());
        QVERIFY2(after != before, change.undoText);
        QAction* undo = action(w, "mnuUndo");
        QCOMPARE(undo->text(), QString::fromLatin1(change.undoText));

        undo->trigger();
        QVERIFY2(CloneFileText(shell.ds()) == before, change.undoText);
        QVERIFY2(!shell.ds().DataChanged, change.undoText); // back to the file's state
        action(w, "mnuRedo")->trigger();
        QVERIFY2(CloneFileText(shell.ds()) == after, change.undoText);
        QVERIFY(shell.ds().DataChanged);
    }
}

void UndoTest::historyAndChangeFlag() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    QAction* undo = action(w, "mnuUndo");
    QAction* redo = action(w, "mnuRedo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Undo"));
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));

    // Two changes, the second of which leaves the change flag alone.
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    w.bankPage()->chkGrp[60]->click();
    ds.DataChanged = false;
    w.TabStrip1()->setCurrentIndex(frmMain::Settings2Tab);
    w.settings2Page()->findChild<QRadioButton*>("optAntenna1")->click();
    QVERIFY(!ds.DataChanged);
    QCOMPARE(undo->text(), QStringLiteral("Undo Antenna"));

    // Saving makes the present state the clean one.
    const QString path = shell.path(QStringLiteral("saved.MZ4"));
    shell.dialogs.savePaths << path;
    QVERIFY(w.fileCommands().mnuFileSaveAs_Click());
    undo->trigger();
    QVERIFY(ds.DataChanged);
    QCOMPARE(ds.settings.optAntenna, 0);
    redo->trigger();
    QVERIFY(!ds.DataChanged);

    // Open and New end the history; a step that changes nothing is none.
    QVERIFY(w.fileCommands().LoadCloneFile(path));
    QVERIFY(!undo->isEnabled());
    w.settings2Page()->findChild<QRadioButton*>("optAntenna1")->click(); // already selected
    QVERIFY(!undo->isEnabled());
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    w.bankPage()->chkGrp[61]->click();
    QVERIFY(undo->isEnabled());
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuFileNew")->trigger();
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());

    // Data that their load repaired are unsaved; an edit and its undo
    // leave them so, and the repair is still offered for saving.
    w.editor()->apply(
        QStringLiteral("Open"), DataPart::Everything, [](DataSet& d) { d.DataChanged = true; },
        StepKind::Replace);
    w.bankPage()->chkGrp[62]->click();
    undo->trigger();
    QVERIFY(ds.DataChanged);
}

// What a step said goes with its undo; what a command said before goes
// when a file is opened; a later edit's undo leaves an older text.
void UndoTest::statusTextsThatNoLongerHoldAreCleared() {
    Shell shell;
    frmMain& w = shell.window();
    const auto edit = [&w] {
        w.editor()->apply(QStringLiteral("Paste 00-000"), DataPart::Memory, [](DataSet& ds) {
            ds.MemEnable[0] = !ds.MemEnable[0];
            ds.DataChanged = true;
        });
    };
    edit();
    w.showStatusText(QStringLiteral("3 rows pasted, 0 skipped"));
    w.history()->undo();
    QCOMPARE(w.statusPanel(0)->text(), QString());

    w.showStatusText(QStringLiteral("Detect Model: done in 1.0 s"));
    edit();
    w.history()->undo();
    QCOMPARE(w.statusPanel(0)->text(), QStringLiteral("Detect Model: done in 1.0 s"));
    const QString path = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path));
    shell.prompter.script({PromptAnswer::No});
    QVERIFY(w.fileCommands().openFile(path));
    QCOMPARE(w.statusPanel(0)->text(), QString());
}

QTEST_MAIN(UndoTest)
#include "Undo_test.moc"
