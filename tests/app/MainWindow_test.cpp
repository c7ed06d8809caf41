// The main window: menu and toolbar texts, the view switches, the page guard,
// the COM port command and the about box.
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "support/Shell.h"
#include "support/WindowActions.h"

#include "app/AboutBox.h"
#include "app/ComPortDialog.h"
#include "app/ResourceTexts.h"
#include "editing/BankPage.h"
#include "editing/EditDialog.h"
#include "editing/MemoryGrid.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/Twips.h"
#include "editing/VfoGrid.h"
#include "link/Link.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace mtz4;
using namespace mtz4::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void menuTextsInEnglish();
    void numberedTextsFollowTheTable();
    void printSetupIsDisabled();
    void toolbarButtonsAndTips();
    void viewSwitches();
    void statusBarPanels();
    void windowSize();
    void pageGuardShowsTheMessageOnce();
    void sizeTypedBeforeAPageChangeCounts();
    void modifyIsEnabledOnSettings1AndMemoryOnly();
    void modifyAndGridsOpenTheEditDialog();
    void rowOneIsCurrentAfterStartUp();
    void modelChange();
    void comPortDialogShowsTheCurrentPort();
    void helpButtonOpensTheAboutBox();
    void tabOrderFollowsThePagesAndTheMatrixItsPlace();
};

namespace {

QAction* toolButton(frmMain& w, const QString& key) {
    for (QAction* a : w.tbToolBar()->actions()) {
        if (a->data().toString() == key)
            return a;
    }
    return nullptr;
}

// Runs `check` on the modal window once it is up, then closes it.
void onModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        check(modal);
        if (modal)
            modal->close();
    });
}

} // namespace

void MainWindowTest::menuTextsInEnglish() {
    if (ProgramTextLanguage() == TextLanguage::Japanese)
        QSKIP("the system language is Japanese");
    Shell shell;
    frmMain& w = shell.window();
    const QList<QPair<const char*, const char*>> expected = {
        {"mnuFile", "File(&F)"},
        {"mnuFileNew", "New(&N)"},
        {"mnuFileOpen", "Open(&O)..."},
        {"mnuFileSave", "Save(&S)"},
        {"mnuFileSaveAs", "Save As(&A)..."},
        {"mnuImport", "Import(&I)..."},
        {"mnuExport", "Export(&E)..."},
        {"mnuFilePageSetup", "Print Setup(&U)..."},
        {"mnuFileExit", "Exit(&X)..."},
        {"mnuEdit", "Edit(&E)"},
        {"mnuEditUndo", "Modify(&M)"},
        {"mnuView", "View(&V)"},
        {"mnuViewToolbar", "Tool Bar(&T)"},
        {"mnuStatusBar", "Status Bar(&S)"},
        {"mnuTools", "Tool(&T)"},
        {"mnuRe", "Read(&R)"},
        {"mnuReSet", "Settings(&S)"},
        {"mnuReMem", "Memory(&M)"},
        {"mnuReAll", "ALL(&A)"},
        {"mnuWr", "Write(&W)"},
        {"mnuWrAll", "ALL(&A)"},
        {"mnuToolsOptions", "COM Port Setup(&C)"},
        {"mnuHelp", "Help(&H)"},
        {"mnuHelpAbout", "About(&A)"},
    };
    for (const auto& [name, text] : expected) {
        QAction* a = action(w, name);
        QVERIFY2(a, name);
        QCOMPARE(a->text(), QString::fromUtf8(text));
    }
    QCOMPARE(action(w, "mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    // The menu bar carries the five menus in order.
    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Tool(&T)", "Help(&H)"}));
}

void MainWindowTest::numberedTextsFollowTheTable() {
    QCOMPARE(ResourceText(1002), QStringLiteral("Open(&O)..."));
    QCOMPARE(ResourceText(1011), QStringLiteral("Tool Bar(&T)"));
    QCOMPARE(ResourceText(1021), QStringLiteral("Help"));
    QVERIFY(ResourceText(1006).isEmpty());

    // Captions and tips that hold a text number are replaced; others stay.
    QWidget window;
    window.setProperty("tag", QStringLiteral("1014"));
    QMenu menu(QStringLiteral("1000"), &window);
    QAction* item = menu.addAction(QStringLiteral("1001"));
    QAction* plain = menu.addAction(QStringLiteral("Settings 1"));
    QAction* tipped = menu.addAction(QStringLiteral("x"));
    tipped->setToolTip(QStringLiteral("1018"));
    QLabel label(&window);
    label.setProperty("tag", 1204);
    ApplyResourceTexts(&window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Help(&H)"));
    QCOMPARE(menu.title(), QStringLiteral("File(&F)"));
    QCOMPARE(item->text(), QStringLiteral("New(&N)"));
    QCOMPARE(plain->text(), QStringLiteral("Settings 1"));
    QCOMPARE(tipped->toolTip(), QStringLiteral("Open"));
    QCOMPARE(tipped->text(), QStringLiteral("x"));
    QCOMPARE(label.text(), QStringLiteral("Write(&W)"));
}

void MainWindowTest::printSetupIsDisabled() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(!action(w, "mnuFilePageSetup")->isEnabled());
    action(w, "mnuFilePageSetup")->trigger(); // a disabled action runs nothing
    QVERIFY(shell.prompter.prompts.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void MainWindowTest::toolbarButtonsAndTips() {
    Shell shell;
    frmMain& w = shell.window();
    QStringList keys;
    for (QAction* a : w.tbToolBar()->actions())
        keys << (a->isSeparator() ? QStringLiteral("|") : a->data().toString());
    QCOMPARE(keys, (QStringList{"新規作成", "開く", "上書き保存", "|", "ﾍﾙﾌﾟ"}));
    if (ProgramTextLanguage() == TextLanguage::English) {
        QCOMPARE(toolButton(w, QStringLiteral("新規作成"))->toolTip(), QStringLiteral("New"));
        QCOMPARE(toolButton(w, QStringLiteral("開く"))->toolTip(), QStringLiteral("Open"));
        QCOMPARE(toolButton(w, QStringLiteral("上書き保存"))->toolTip(), QStringLiteral("Save"));
        QCOMPARE(toolButton(w, QStringLiteral("ﾍﾙﾌﾟ"))->toolTip(), QStringLiteral("Help"));
    }
    for (QAction* a : w.tbToolBar()->actions())
        QVERIFY(a->isSeparator() || !a->icon().isNull());
}

void MainWindowTest::viewSwitches() {
    Shell shell;
    frmMain& w = shell.window();
    QAction* toolbar = action(w, "mnuViewToolbar");
    QAction* status = action(w, "mnuStatusBar");
    QVERIFY(toolbar->isChecked() && status->isChecked());
    QVERIFY(w.tbToolBar()->isVisible() && w.statusBar()->isVisible());

    toolbar->trigger();
    QVERIFY(!toolbar->isChecked());
    QVERIFY(!w.tbToolBar()->isVisible());
    QVERIFY(w.statusBar()->isVisible());
    toolbar->trigger();
    QVERIFY(toolbar->isChecked());
    QVERIFY(w.tbToolBar()->isVisible());

    status->trigger();
    QVERIFY(!status->isChecked());
    QVERIFY(!w.statusBar()->isVisible());
    QVERIFY(w.tbToolBar()->isVisible());
    status->trigger();
    QVERIFY(w.statusBar()->isVisible());
}

void MainWindowTest::statusBarPanels() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(w.statusPanel(0)->text().isEmpty());
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString tomorrow =
        QLocale::system().toString(QDate::currentDate().addDays(1), QLocale::ShortFormat);
    QVERIFY(w.statusPanel(1)->text() == today || w.statusPanel(1)->text() == tomorrow);
    QVERIFY(!w.statusPanel(2)->text().isEmpty());
    QVERIFY(w.statusPanel(3) == nullptr);
}

void MainWindowTest::windowSize() {
    Shell shell;
    frmMain& w = shell.window();
    const int pixels = TwipsToPixels(10000, &w);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.frameGeometry().size(), QSize(pixels, pixels)); // the frame included
    QCOMPARE(TwipsToPixels(1500, nullptr), 100);               // 15 twips per pixel at 96 dpi
}

void MainWindowTest::pageGuardShowsTheMessageOnce() {
    Shell shell;
    frmMain& w = shell.window();
    QTabWidget* tabs = w.TabStrip1();

    tabs->setCurrentIndex(frmMain::MemoryTab);
    QCOMPARE(tabs->currentIndex(), int(frmMain::MemoryTab));
    QVERIFY(shell.prompter.prompts.isEmpty());

    shell.ds().bank.lblAll = QStringLiteral("999");
    tabs->setCurrentIndex(frmMain::Settings2Tab);
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Total CH must be 1000")});
    const Prompt& p = shell.prompter.prompts.at(0);
    QCOMPARE(p.title, QStringLiteral("ERROR"));
    QCOMPARE(p.icon, PromptIcon::Critical);
    QCOMPARE(tabs->currentIndex(), int(frmMain::BankTab));
    QVERIFY(tabs->widget(frmMain::BankTab)->isEnabled());
    QVERIFY(!tabs->widget(frmMain::MemoryTab)->isEnabled());

    // Each further attempt is refused with one message.
    tabs->setCurrentIndex(frmMain::Settings1Tab);
    QCOMPARE(shell.prompter.prompts.size(), 2);
    QCOMPARE(tabs->currentIndex(), int(frmMain::BankTab));

    // With the total back at 1000 the pages switch again.
    shell.ds().bank.lblAll = QStringLiteral("1000");
    tabs->setCurrentIndex(frmMain::Settings1Tab);
    QCOMPARE(tabs->currentIndex(), int(frmMain::Settings1Tab));
    QCOMPARE(shell.prompter.prompts.size(), 2);
}

// A size typed into a bank box and not yet taken over counts when the user
// clicks another tab: the total is then 950 and the Bank page stays.
void MainWindowTest::sizeTypedBeforeAPageChangeCounts() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    QLineEdit* box = w.bankPage()->txtBank[0];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("50"));
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Total CH must be 1000")});
    QCOMPARE(w.TabStrip1()->currentIndex(), int(frmMain::BankTab));
    QCOMPARE(shell.ds().bank.lblAll, QStringLiteral("950"));
    QVERIFY(shell.ds().DataChanged);
}

void MainWindowTest::modifyIsEnabledOnSettings1AndMemoryOnly() {
    Shell shell;
    frmMain& w = shell.window();
    QAction* modify = action(w, "mnuEditUndo");
    const bool expected[] = {true, false, true, false};
    for (int page = 0; page < 4; ++page) {
        w.TabStrip1()->setCurrentIndex(page);
        QCOMPARE(modify->isEnabled(), expected[page]);
        // The memory list's commands only on the Memory page.
        for (const char* name : {"mnuCut", "mnuPaste", "mnuFind", "mnuSortName"})
            QCOMPARE(action(w, name)->isEnabled(), page == frmMain::MemoryTab);
        for (int other = 0; other < 4; ++other)
            QCOMPARE(w.TabStrip1()->widget(other)->isEnabled(), other == page);
    }
}

void MainWindowTest::modifyAndGridsOpenTheEditDialog() {
    Shell shell;
    frmMain& w = shell.window();
    const QString path = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path, 118.1));
    QVERIFY(w.fileCommands().LoadCloneFile(path));

    // Memory page: Modify edits the memory grid's current row; OK stores the
    // entry and the grid is redrawn.
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    w.MSFlexGrid1()->setCurrentRow(1);
    QAbstractItemModel* memoryModel = w.MSFlexGrid1()->model();
    QSignalSpy reset(memoryModel, &QAbstractItemModel::modelReset);
    QSignalSpy changed(memoryModel, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(memoryModel, &QAbstractItemModel::layoutChanged);
    bool seen = false;
    onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<dlgModify*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->EditingMemory);
        QCOMPARE(dialog->EditIndex, 1);
        QCOMPARE(dialog->txtFreq->text(), QStringLiteral("118.100000"));
        dialog->txtFreq->setText(QStringLiteral("145.000000"));
        dialog->OKButton->click();
        seen = true;
    });
    action(w, "mnuEditUndo")->trigger();
    QVERIFY(seen);
    QCOMPARE(shell.ds().MemText[0][Col::Freq], QStringLiteral("145.000000"));
    QVERIFY(shell.ds().DataChanged);
    QVERIFY(reset.count() + changed.count() + layout.count() > 0);

    // A double-click (edit request) on a grid row opens the same dialog.
    seen = false;
    onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<dlgModify*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->EditIndex, 3);
        dialog->CancelButton->click();
        seen = true;
    });
    emit w.MSFlexGrid1()->editRequested(3);
    QVERIFY(seen);

    // Settings 1: Modify edits the VFO grid's current band.
    w.TabStrip1()->setCurrentIndex(frmMain::Settings1Tab);
    seen = false;
    onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<dlgModify*>(modal);
        QVERIFY(dialog);
        QVERIFY(!dialog->EditingMemory);
        QCOMPARE(dialog->EditIndex, 1);
        dialog->CancelButton->click();
        seen = true;
    });
    action(w, "mnuEditUndo")->trigger();
    QVERIFY(seen);
}

// Modify right after start-up opens band 0 on "Settings 1" and entry 00-000
// on "Memory"; coming back to the Memory page keeps the row the user was on.
void MainWindowTest::rowOneIsCurrentAfterStartUp() {
    Shell shell;
    frmMain& w = shell.window();
    const auto modifyOpens = [&](bool memory, const QString& position) {
        bool seen = false;
        onModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<dlgModify*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->EditingMemory, memory);
            QCOMPARE(dialog->EditIndex, 1);
            QCOMPARE(dialog->lblCH->text(), position);
            dialog->CancelButton->click();
            seen = true;
        });
        action(w, "mnuEditUndo")->trigger();
        QVERIFY(seen);
    };
    for (GridView* grid :
         {static_cast<GridView*>(w.MSFlexGrid1()), static_cast<GridView*>(w.MSFlexGrid2())}) {
        const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), grid->model()->columnCount());
        for (const QModelIndex& cell : selected)
            QCOMPARE(cell.row(), 0);
    }
    modifyOpens(false, QStringLiteral("Band 0"));
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    modifyOpens(true, QStringLiteral("000Ch"));

    w.MSFlexGrid1()->setCurrentRow(42);
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    QCOMPARE(w.MSFlexGrid1()->currentRow(), 42);
}

// Choosing a model with a file open offers to keep its channels (Yes) or
// the model's factory data (No, with no question about saving when nothing
// changed); Cancel keeps the model and the data; the MT-Z4J groups and the
// header of grid column 6 follow the model.
void MainWindowTest::modelChange() {
    struct Case {
        PromptAnswer answer;
        int chosen;
        int modelAfter;
    };
    for (const Case& c : {Case{PromptAnswer::No, 1, 1}, Case{PromptAnswer::Cancel, 1, 0},
                          Case{PromptAnswer::Yes, 2, 2}}) {
        Shell shell;
        frmMain& w = shell.window();
        DataSet& ds = shell.ds();
        const QString path = shell.path(QStringLiteral("radio.MZ4"));
        QVERIFY(WriteCloneFile(path, 118.1));
        QVERIFY(w.fileCommands().LoadCloneFile(path));
        QVERIFY(!ds.DataChanged);

        shell.prompter.script({c.answer});
        w.settings1Page()->opbModel(c.chosen)->click();
        // Then, for kept channels, the report of what did not fit.
        QCOMPARE(shell.prompter.prompts.size(), c.answer == PromptAnswer::Yes ? 2 : 1);
        QCOMPARE(shell.prompter.prompts[0].yesText, QStringLiteral("Keep these channels"));
        QCOMPARE(ds.ModelIndex, c.modelAfter);
        QVERIFY(w.settings1Page()->opbModel(c.modelAfter)->isChecked());
        const bool reset = c.answer == PromptAnswer::No;
        QCOMPARE(ds.MemEnable[0], !reset);
        QCOMPARE(ds.DataChanged, c.answer == PromptAnswer::Yes);
        QCOMPARE(ds.CurrentFile.isEmpty(), reset);
        const bool z4j = c.modelAfter == 0;
        QCOMPARE(w.settings2Page()
                     ->findChild<QWidget*>(QStringLiteral("optRecRateGroup"))
                     ->isVisibleTo(w.settings2Page()),
                 z4j);
        const QString header = w.MSFlexGrid1()->model()->headerData(5, Qt::Horizontal).toString();
        QCOMPARE(header, QStringList({"Carrier", "Scr", "-"}).at(c.modelAfter));
        QCOMPARE(w.MSFlexGrid2()->model()->headerData(5, Qt::Horizontal).toString(), header);
        if (c.modelAfter == 1)
            QCOMPARE(ds.VfoText[1][Col::Freq], QStringLiteral("0.522000"));
    }

    // Back to MT-Z4J from MT-Z40T: the groups and "Carrier" come back.
    Shell shell;
    frmMain& w = shell.window();
    shell.prompter.script({PromptAnswer::No, PromptAnswer::No});
    w.settings1Page()->opbModel(2)->click();
    w.settings1Page()->opbModel(0)->click();
    QCOMPARE(shell.ds().ModelIndex, 0);
    QVERIFY(w.settings2Page()
                ->findChild<QWidget*>(QStringLiteral("opbBugGroup"))
                ->isVisibleTo(w.settings2Page()));
    QCOMPARE(w.MSFlexGrid1()->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Carrier"));
}

void MainWindowTest::comPortDialogShowsTheCurrentPort() {
    Shell shell;
    frmMain& w = shell.window();
    shell.program->link().setPortNumber(3);
    bool seen = false;
    onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<dlgCOM*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->opbCom(2)->isChecked());
        QCOMPARE(dialog->opbCom(2)->text(), QStringLiteral("COM  3"));
        // Choose COM 16 and confirm.
        dialog->opbCom(15)->setChecked(true);
        dialog->OKButton()->click();
        seen = true;
    });
    action(w, "mnuToolsOptions")->trigger();
    QVERIFY(seen);
    QCOMPARE(shell.program->link().portNumber(), 16);
}

void MainWindowTest::helpButtonOpensTheAboutBox() {
    Shell shell;
    frmMain& w = shell.window();
    for (QAction* trigger : {toolButton(w, QStringLiteral("ﾍﾙﾌﾟ")), action(w, "mnuHelpAbout")}) {
        bool seen = false;
        onModal([&](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            QVERIFY(about);
            QVERIFY(about->isModal());
            QCOMPARE(about->lblTitle()->text(), QStringLiteral("Orlenk MT-Z4/Z40 Clone Utility"));
            QVERIFY(about->lblVersion()->text().contains(QLatin1String(ProgramVersion)));
            seen = true;
        });
        trigger->trigger();
        QVERIFY(seen);
    }
    QVERIFY(!shell.ds().DataChanged);
    QVERIFY(shell.prompter.prompts.isEmpty());
}

// Tab from the tab strip goes down each page as it is laid out; the bank
// page's group matrix, one stop of Tab, starts at its place on the page.
void MainWindowTest::tabOrderFollowsThePagesAndTheMatrixItsPlace() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto tabbing = [&w](int page, int presses) {
        w.TabStrip1()->setCurrentIndex(page);
        w.TabStrip1()->tabBar()->setFocus();
        QStringList names;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    };
    QStringList bank;
    for (int b = 0; b < BankCount; ++b)
        bank << QStringLiteral("txtBank%1").arg(b);
    bank << "cmbReadBank"
         << "cmbWriteBank"
         << "cmdReadGroup"
         << "cmdWriteGroup"
         << "chkGrp50" // the matrix is one stop
         << "qt_tabwidget_tabbar";
    QCOMPARE(tabbing(frmMain::BankTab, int(bank.size())), bank);
    QCOMPARE(tabbing(frmMain::Settings1Tab, 4),
             (QStringList{"opbModel0", "Slider2", "Slider1", "MSFlexGrid2"}));

    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    QWidget* matrix = w.bankPage()->findChild<QWidget*>(QStringLiteral("GroupMatrix"));
    const int top = matrix->mapTo(w.bankPage()->parentWidget(), QPoint(0, 0)).y();
    QVERIFY2(qAbs(top - TwipsToPixels(4370, &w)) <= 1, qPrintable(QString::number(top)));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
