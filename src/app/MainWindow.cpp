#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/BackupsDialog.h"
#include "app/CloneFileDialogs.h"
#include "app/ComPortDialog.h"
#include "app/CompareDialog.h"
#include "app/DetectModel.h"
#include "app/RecentFiles.h"
#include "app/ResourceTexts.h"
#include "app/WindowCloneView.h"
#include "app/WindowPlacement.h"
#include "editing/BankPage.h"
#include "editing/DataDelta.h"
#include "editing/DataEditor.h"
#include "editing/EditDialog.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/Twips.h"
#include "editing/UndoHistory.h"
#include "editing/VfoGrid.h"
#include "files/Backups.h"
#include "files/ChirpCsv.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "link/CloneMessages.h"
#include "link/CloneRead.h"
#include "link/Link.h"
#include "link/ReadCommands.h"
#include "link/VerifyWrite.h"
#include "link/WriteCommands.h"
#include "model/DataDiff.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/SettingsCodec.h"
#include "reference/FactoryData.h"
#include "reference/ReferenceTables.h"
#include "reference/VfoDefaults.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <map>

namespace mtz4 {

namespace {

// The main window opens at 10000 x 10000 twips.
constexpr int WindowTwips = 10000;
constexpr int ClockIntervalMs = 1000;
constexpr int BankTotal = 1000;

// Toolbar button keys.
const QString KeyNew = QStringLiteral("新規作成");
const QString KeyOpen = QStringLiteral("開く");
const QString KeySave = QStringLiteral("上書き保存");
const QString KeyHelp = QStringLiteral("ﾍﾙﾌﾟ");

// A menu whose caption is the text number; ApplyResourceTexts puts the text in.
QMenu* addMenu(QMenuBar* bar, const char* name, int number) {
    QMenu* menu = bar->addMenu(QString::number(number));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* addSubmenu(QMenu* parent, const char* name, int number) {
    QMenu* menu = parent->addMenu(QString::number(number));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, int number) {
    QAction* action = menu->addAction(QString::number(number));
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

frmMain::frmMain(DataSet& ds, Link& link, Prompter& prompter, CloneFileDialogs& fileDialogs,
                 IniLocation ini, QWidget* parent)
    : QMainWindow(parent), ds_(ds), link_(link), prompter_(prompter), fileDialogs_(fileDialogs),
      ini_(std::move(ini)) {
    setObjectName(QStringLiteral("frmMain"));
    editor_ = new DataEditor(ds_, this);
    history_ = new UndoHistory(*editor_, this);
    connect(history_, &UndoHistory::stateChanged, this, &frmMain::updateUndoActions);
    buildMenus();
    buildToolBar();
    buildPages();
    buildStatusBar();
    frmAbout_ = new frmAbout(this);
    dlgCOM_ = new dlgCOM(link_, this);

    // The edit dialog is created once and hidden between uses.
    dlgModify_ = new dlgModify(*editor_, prompter_, this);
    // No entry is edited while a clone command runs.
    connect(MSFlexGrid1_, &MemoryGrid::editRequested, this, [this](int row) {
        if (!transferRunning_)
            dlgModify_->MSFlexGrid1_DblClick(row, MSFlexGrid1_->rowLabel(row));
    });
    connect(MSFlexGrid2_, &VfoGrid::editRequested, this, [this](int row) {
        if (!transferRunning_)
            dlgModify_->MSFlexGrid2_DblClick(row);
    });
    connectCloneButtons();
    updateUndoActions();
    connect(editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        showChangedParts(parts);
        showCaption();
    });
    // Once undo has brought back what a stopped read replaced, its notice
    // in the status bar no longer holds.
    connect(editor_, &DataEditor::restored, this, [this] {
        if (!ds_.PartlyRead && statusPanels_[0]->text().contains(partlyReadNotice()))
            showStatusText(QString());
    });
}

frmMain::~frmMain() = default;

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "mnuFile", 1000);
    // Commands that touch the data or the port; none of them may start while
    // a clone command runs.
    const auto dataCommand = [this](QMenu* menu, const char* name, int number,
                                    std::function<void()> run) {
        QAction* action = addItem(menu, name, number);
        connect(action, &QAction::triggered, this, std::move(run));
        dataActions_ << action;
        return action;
    };
    dataCommand(file, "mnuFileNew", 1001, [this] {
        NewDataSet();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    dataCommand(file, "mnuFileOpen", 1002, [this] { mnuFileOpen_Click(); });
    mnuRecent_ = addSubmenu(file, "mnuRecent", 2020);
    dataActions_ << mnuRecent_->menuAction();
    connect(mnuRecent_, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    dataCommand(file, "mnuFileSave", 1003, [this] { mnuFileSave_Click(); });
    dataCommand(file, "mnuFileSaveAs", 1004, [this] { mnuFileSaveAs_Click(); });
    file->addSeparator();
    dataCommand(file, "mnuImport", 1201, [this] { mnuImport_Click(); });
    dataCommand(file, "mnuExport", 1202, [this] { mnuExport_Click(); });
    file->addSeparator();
    dataCommand(file, "mnuBackups", 2021, [this] { showBackups(); });
    dataCommand(file, "mnuCompareFile", 2022, [this] { compareWithFile(); });
    file->addSeparator();
    // The program offers no printing: the item is there but never enabled.
    addItem(file, "mnuFilePageSetup", 1005)->setEnabled(false);
    connect(addItem(file, "mnuFileExit", 1007), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = addMenu(bar, "mnuEdit", 1008);
    // Undo and redo name the step they take back or make again.
    mnuUndo_ = edit->addAction(QString());
    mnuUndo_->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo_->setShortcut(QKeySequence::Undo);
    connect(mnuUndo_, &QAction::triggered, this, [this] { history_->undo(); });
    mnuRedo_ = edit->addAction(QString());
    mnuRedo_->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mnuRedo_, &QAction::triggered, this, [this] { history_->redo(); });
    edit->addSeparator();
    mnuEditUndo_ = addItem(edit, "mnuEditUndo", 1009);
    connect(mnuEditUndo_, &QAction::triggered, this, &frmMain::mnuEditUndo_Click);

    // The memory list's own commands: on the Memory page only.
    const auto memoryCommand = [this](QMenu* menu, const char* name, int number,
                                      const QList<QKeySequence>& keys, auto run) {
        QAction* action = menu ? addItem(menu, name, number) : new QAction(this);
        if (!menu) {
            action->setObjectName(QLatin1String(name));
            addAction(action);
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, run] {
            if (memoryCommandsEnabled())
                run(*memoryPage_->commands);
        });
        memoryActions_ << action;
        return action;
    };
    edit->addSeparator();
    memoryCommand(edit, "mnuCut", 2003, {QKeySequence::Cut}, [](MemoryCommands& c) { c.cut(); });
    memoryCommand(edit, "mnuCopy", 2004, {QKeySequence::Copy}, [](MemoryCommands& c) { c.copy(); });
    memoryCommand(edit, "mnuPaste", 2005, {QKeySequence::Paste},
                  [](MemoryCommands& c) { c.paste(); });
    edit->addSeparator();
    memoryCommand(edit, "mnuInsertEntry", 2006, {QKeySequence(Qt::Key_Insert)},
                  [](MemoryCommands& c) { c.insertEmptyEntry(); });
    memoryCommand(edit, "mnuDeleteEntry", 2007, {QKeySequence(Qt::Key_Delete)},
                  [](MemoryCommands& c) { c.deleteEntry(); });
    edit->addSeparator();
    memoryCommand(edit, "mnuFind", 2008, {QKeySequence(Qt::CTRL | Qt::Key_F)},
                  [](MemoryCommands& c) { c.openFind(); });
    memoryCommand(nullptr, "mnuFindNext", 0, {QKeySequence(Qt::Key_F3)},
                  [](MemoryCommands& c) { c.findNext(); });
    memoryCommand(nullptr, "mnuFindPrevious", 0, {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
                  [](MemoryCommands& c) { c.findPrevious(); });
    memoryCommand(edit, "mnuGoTo", 2009, {QKeySequence(Qt::CTRL | Qt::Key_G)},
                  [](MemoryCommands& c) { c.askGoTo(); });
    edit->addSeparator();
    memoryCommand(edit, "mnuSortFrequency", 2011, {},
                  [](MemoryCommands& c) { c.sortBank(SortKey::Frequency); });
    memoryCommand(edit, "mnuSortName", 2012, {},
                  [](MemoryCommands& c) { c.sortBank(SortKey::Name); });

    QMenu* view = addMenu(bar, "mnuView", 1010);
    mnuViewToolbar_ = addItem(view, "mnuViewToolbar", 1011);
    mnuViewToolbar_->setCheckable(true);
    mnuViewToolbar_->setChecked(true);
    connect(mnuViewToolbar_, &QAction::triggered, this, &frmMain::mnuViewToolbar_Click);
    mnuStatusBar_ = addItem(view, "mnuStatusBar", 1100);
    mnuStatusBar_->setCheckable(true);
    mnuStatusBar_->setChecked(true);
    connect(mnuStatusBar_, &QAction::triggered, this, &frmMain::mnuStatusBar_Click);
    view->addSeparator();
    mnuHideEmpty_ = addItem(view, "mnuHideEmpty", 2010);
    mnuHideEmpty_->setCheckable(true);
    connect(mnuHideEmpty_, &QAction::toggled, this, [this](bool hide) {
        MSFlexGrid1_->setHideEmpty(hide);
        WriteHideEmptyEntries(hide);
    });

    QMenu* tools = addMenu(bar, "mnuTools", 1012);
    QMenu* read = addSubmenu(tools, "mnuRe", 1203);
    dataCommand(read, "mnuReSet", 1205, [this] { runClone(CloneCommand::ReadSettingsMenu); });
    dataCommand(read, "mnuReMem", 1206, [this] { runClone(CloneCommand::ReadMemoryMenu); });
    dataCommand(read, "mnuReAll", 1207, [this] { runClone(CloneCommand::ReadAll); });
    QMenu* write = addSubmenu(tools, "mnuWr", 1204);
    dataCommand(write, "mnuWrSet", 1205, [this] { runClone(CloneCommand::WriteSettingsMenu); });
    dataCommand(write, "mnuWrMem", 1206, [this] { runClone(CloneCommand::WriteMemoryMenu); });
    dataCommand(write, "mnuWrAll", 1207, [this] { runClone(CloneCommand::WriteAll); });
    dataCommand(tools, "mnuCompareReceiver", 2023, [this] { compareWithReceiver(); });
    // A quick read fetches only the entries in use; remembered between runs.
    mnuQuickRead_ = addItem(tools, "mnuQuickRead", 2013);
    mnuQuickRead_->setCheckable(true);
    connect(mnuQuickRead_, &QAction::toggled, this, [](bool quick) { WriteQuickRead(quick); });
    // A write of the memory can be read back and compared; remembered too.
    mnuVerify_ = addItem(tools, "mnuVerifyWrite", 2025);
    mnuVerify_->setCheckable(true);
    connect(mnuVerify_, &QAction::toggled, this,
            [](bool verify) { WriteVerifyAfterWrite(verify); });
    dataCommand(tools, "mnuDetectModel", 2040, [this] { detectModel(); });
    dataCommand(tools, "mnuToolsOptions", 1013, [this] { mnuToolsOptions_Click(); });

    QMenu* help = addMenu(bar, "mnuHelp", 1014);
    // A modal box during a transfer would hold up its wait; it waits too.
    dataCommand(help, "mnuHelpAbout", 1016, [this] { mnuHelpAbout_Click(); });
}

void frmMain::buildToolBar() {
    tbToolBar_ = addToolBar(QStringLiteral("Tool Bar"));
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setMovable(false);
    tbToolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The toolbar is switched by View > Tool Bar only, not by its context menu.
    tbToolBar_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    struct Button {
        const QString& key;
        QStyle::StandardPixmap icon;
        int tipNumber;
    };
    const Button buttons[] = {
        {KeyNew, QStyle::SP_FileIcon, 1017},
        {KeyOpen, QStyle::SP_DialogOpenButton, 1018},
        {KeySave, QStyle::SP_DialogSaveButton, 1019},
    };
    auto addButton = [this](const Button& b) {
        QAction* action = tbToolBar_->addAction(style()->standardIcon(b.icon), b.key);
        action->setObjectName(QStringLiteral("tb_") + b.key);
        action->setData(b.key);
        action->setToolTip(QString::number(b.tipNumber));
        const QString key = b.key;
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        dataActions_ << action;
    };
    for (const Button& b : buttons)
        addButton(b);
    tbToolBar_->addSeparator();
    addButton({KeyHelp, QStyle::SP_MessageBoxQuestion, 1021});
}

void frmMain::buildPages() {
    TabStrip1_ = new QTabWidget(this);
    TabStrip1_->setObjectName(QStringLiteral("TabStrip1"));

    const QString captions[] = {QStringLiteral("Settings 1"), QStringLiteral("Settings 2"),
                                QStringLiteral("Memory"), QStringLiteral("Bank")};
    QWidget* frames[4] = {};
    for (int i = 0; i < 4; ++i) {
        frames[i] = new QWidget;
        frames[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        // Narrow margins leave the grids room for every column.
        (new QVBoxLayout(frames[i]))->setContentsMargins(4, 4, 4, 4);
        TabStrip1_->addTab(frames[i], captions[i]);
    }

    settings1Page_ = new mtz4::Settings1Page(*editor_, frames[Settings1Page]);
    frames[Settings1Page]->layout()->addWidget(settings1Page_);
    MSFlexGrid2_ = settings1Page_->MSFlexGrid2();
    connect(settings1Page_, &mtz4::Settings1Page::modelChosen, this, &frmMain::opbModel_Click);

    settings2Page_ = new mtz4::Settings2Page(*editor_, frames[Settings2Page]);
    frames[Settings2Page]->layout()->addWidget(settings2Page_);

    memoryPage_ = new mtz4::MemoryPage(*editor_, prompter_, frames[MemoryPage]);
    frames[MemoryPage]->layout()->addWidget(memoryPage_);
    MSFlexGrid1_ = memoryPage_->MSFlexGrid1;
    cbbBank_ = memoryPage_->cbbBank;

    bankPage_ = new mtz4::BankPage(*editor_, prompter_, frames[BankPage]);
    frames[BankPage]->layout()->addWidget(bankPage_);

    setCentralWidget(TabStrip1_);
    connect(TabStrip1_, &QTabWidget::currentChanged, this, [this] { TabStrip1_Click(); });
}

void frmMain::connectCloneButtons() {
    cloneView_ = std::make_unique<WindowCloneView>(WindowCloneView::Parts{
        TabStrip1_, settings1Page_, settings2Page_, memoryPage_, bankPage_, statusPanels_[0]});
    const auto button = [this](QPushButton* b, CloneCommand command) {
        connect(b, &QPushButton::clicked, this, [this, command] { runClone(command); });
    };
    button(memoryPage_->cmbRxData, CloneCommand::ReadMemory);
    button(memoryPage_->cmbTxData, CloneCommand::WriteMemory);
    button(settings1Page_->cmbRxData1(), CloneCommand::ReadSettings);
    button(settings1Page_->cmbTxData1(), CloneCommand::WriteSettings);
    button(settings2Page_->cmbRxData2(), CloneCommand::ReadSettings);
    button(settings2Page_->cmbTxData2(), CloneCommand::WriteSettings);
    button(bankPage_->cmbReadBank, CloneCommand::ReadBank);
    button(bankPage_->cmbWriteBank, CloneCommand::WriteBank);
    button(bankPage_->cmdReadGroup, CloneCommand::ReadGroup);
    button(bankPage_->cmdWriteGroup, CloneCommand::WriteGroup);

    // A read stops with the Cancel button beside the progress bar, or Esc.
    connect(memoryPage_->cmbCancel, &QPushButton::clicked, this, &frmMain::cancelRead);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &frmMain::cancelRead);
}

LinkResult frmMain::runClone(CloneCommand command) {
    using Procedure = std::function<LinkResult(Link&, DataSet&, CloneView&)>;
    struct Run {
        const char* name;
        bool reading;
        DataParts parts;
        Procedure procedure;
        bool verifiable = false; // a write of the memory, which Verify After Write reads back
    };
    // The commands that read the memory do it the way Tool > Quick Read says.
    const MemoryRead memoryRead = mnuQuickRead_->isChecked() ? MemoryRead::Quick : MemoryRead::Full;
    const auto reading =
        [memoryRead](LinkResult (*command)(Link&, DataSet&, CloneView&, MemoryRead)) -> Procedure {
        return [command, memoryRead](Link& link, DataSet& ds, CloneView& view) {
            return command(link, ds, view, memoryRead);
        };
    };
    // What each command touches: a read replaces data, a write only what
    // the encoders rebuild (bank sizes fitted to 1000, groups from the boxes).
    const DataParts read = DataPart::Memory | DataPart::Banks | DataPart::Groups;
    const DataParts settings = DataPart::Settings | DataPart::Vfo;
    const DataParts written = DataPart::Banks | DataPart::Groups;
    const std::map<CloneCommand, Run> runs = {
        {CloneCommand::ReadAll, {"Read ALL", true, read | settings, reading(&mnuReAll_Click)}},
        {CloneCommand::ReadMemoryMenu, {"Read Memory", true, read, reading(&mnuReMem_Click)}},
        {CloneCommand::ReadSettingsMenu, {"Read Settings", true, settings, &mnuReSet_Click}},
        {CloneCommand::ReadMemory, {"Read Memory", true, read, reading(&cmbRxData_Click)}},
        {CloneCommand::ReadSettings, {"Read Settings", true, settings, &cmbRxData1_Click}},
        {CloneCommand::ReadBank, {"Read Bank", true, written, &cmbReadBank_Click}},
        {CloneCommand::ReadGroup, {"Read Group", true, DataPart::Groups, &cmdReadGroup_Click}},
        {CloneCommand::WriteAll, {"Write ALL", false, written | settings, &mnuWrAll_Click, true}},
        {CloneCommand::WriteMemoryMenu, {"Write Memory", false, written, &mnuWrMem_Click, true}},
        {CloneCommand::WriteSettingsMenu,
         {"Write Settings", false, DataPart::Settings, &mnuWrSet_Click}},
        {CloneCommand::WriteMemory, {"Write Memory", false, written, &cmbTxData_Click, true}},
        {CloneCommand::WriteSettings,
         {"Write Settings", false, DataPart::Settings, &cmbTxData1_Click}},
        {CloneCommand::WriteBank, {"Write Bank", false, written, &cmbWriteBank_Click}},
        {CloneCommand::WriteGroup, {"Write Group", false, DataPart::Groups, &cmdWriteGroup_Click}},
    };
    // One clone command at a time: a second one would interleave with the
    // first on the line.
    if (transferRunning_)
        return LinkResult::Failure;
    const Run& run = runs.at(command);
    const QString name = QString::fromLatin1(run.name);
    // A read replaces data: unsaved changes are offered a save first, and
    // Cancel (or a save that did not happen) reads nothing.
    if (run.reading && !askToSaveChanges())
        return LinkResult::Failure;
    const bool verifying = !run.reading && run.verifiable && mnuVerify_->isChecked();

    return runTransfer(name, run.reading, [&] {
        // What was there before, in case the transfer goes wrong: before a
        // read the data it replaces, before a write what goes to the receiver.
        takeBackup(QStringLiteral("before ") + name);
        // With Verify After Write, "Successed!!" waits for the read-back.
        if (verifying)
            link_.prompter().holdSuccess();
        LinkResult result = LinkResult::Failure;
        if (run.reading) {
            // One step of the history: Undo brings back the data as they
            // were, whatever the read's outcome.
            editor_->apply(
                name, run.parts,
                [&](DataSet& ds) {
                    const auto before = std::make_unique<DataSet>(ds);
                    result = run.procedure(link_, ds, *cloneView_);
                    if (result == LinkResult::Success) {
                        if (command == CloneCommand::ReadAll)
                            ds.PartlyRead = false;
                    } else if (!DataDelta(*before, ds).empty()) {
                        ds.PartlyRead = true;
                        partlyRead_ = true;
                    }
                },
                StepKind::Read);
            if (result == LinkResult::Success && !link_.cancelled())
                takeBackup(QStringLiteral("after ") + name);
        } else {
            editor_->apply(
                name, run.parts,
                [&](DataSet& ds) { result = run.procedure(link_, ds, *cloneView_); },
                StepKind::Transfer);
        }
        if (verifying) {
            if (result == LinkResult::Success)
                result = verifyWrite(command == CloneCommand::WriteAll);
            else
                link_.prompter().dropSuccess();
        }
        return result;
    });
}

LinkResult frmMain::runTransfer(const QString& name, bool reading,
                                const std::function<LinkResult()>& body) {
    setTransferRunning(true, reading);
    cloneView_->begin(name, reading);
    link_.prompter().clearShown();
    backupProblem_.clear();
    verified_ = false;
    partlyRead_ = false;
    const LinkResult result = body();
    const bool cancelled = link_.cancelled();
    link_.resume();
    QString problem = link_.lastPortError();
    if (problem.isEmpty() && result == LinkResult::RegionError)
        problem = ModelRefusedInWindow(ds_.ModelIndex);
    cloneView_->end(result == LinkResult::Success, cancelled, link_.prompter().shown(), problem);
    const auto addStatus = [this](const QString& text) {
        statusPanels_[0]->setText(statusPanels_[0]->text() + QStringLiteral("; ") + text);
    };
    if (verified_)
        addStatus(QStringLiteral("Verified"));
    // A read that stopped part-way says how to get back what was there.
    if (partlyRead_)
        addStatus(ResourceText(2028, SystemTextLanguage())
                      .arg(ResourceText(2001, SystemTextLanguage()) + QLatin1Char(' ') + name));
    // A backup that could not be written never stops a clone, but is told.
    if (!backupProblem_.isEmpty())
        addStatus(QStringLiteral("no backup: ") + backupProblem_);
    // The panel may cut a long text: the tool tip shows it whole.
    statusPanels_[0]->setToolTip(statusPanels_[0]->text());
    setTransferRunning(false, reading);

    if (closePending_)
        QTimer::singleShot(0, this, &QWidget::close);
    return result;
}

LinkResult frmMain::verifyWrite(bool settings) {
    const VerifyOutcome outcome = VerifyWrite(link_, ds_, *cloneView_, settings);
    if (outcome.read != LinkResult::Success) {
        link_.prompter().dropSuccess();
        if (!link_.cancelled())
            ShowReadResult(link_.prompter(), outcome.read);
        return LinkResult::Failure;
    }
    if (!outcome.differences.isEmpty()) {
        link_.prompter().dropSuccess();
        link_.prompter().ask(VerifyFailedPrompt(outcome.differences));
        return LinkResult::Failure;
    }
    // The write's "Successed!!" comes only now that the receiver agrees.
    link_.prompter().releaseSuccess();
    verified_ = true;
    return LinkResult::Success;
}

void frmMain::takeBackup(const QString& occasion) {
    QString error;
    if (WriteBackup(ds_, occasion, QDateTime::currentDateTime(), &error).isEmpty())
        backupProblem_ = error;
}

void frmMain::compareWithReceiver() {
    auto other = std::make_unique<DataSet>(ds_);
    const LinkResult result = runTransfer(QStringLiteral("Compare With Receiver"), true, [&] {
        LinkResult read = ReadSettings(link_, *other, *cloneView_);
        if (read == LinkResult::Success)
            read = ReadMemory(link_, *other, *cloneView_);
        if (read != LinkResult::Success && !link_.cancelled())
            ShowReadResult(link_.prompter(), read);
        return read;
    });
    if (result == LinkResult::Success)
        CompareDialog(CompareData(ds_, *other), QStringLiteral("the receiver"), this).exec();
}

void frmMain::detectModel() {
    DetectedModel found;
    runTransfer(DetectModelTitle(), true, [&] {
        found = DetectModelAndTell(link_);
        // Refused by every model is no refusal of the selected one.
        return found.result == LinkResult::RegionError ? LinkResult::Failure : found.result;
    });
    if (found.result != LinkResult::Success)
        return;
    showStatusText(statusPanels_[0]->text() + QStringLiteral("; ") +
                   ModelFoundInWindow(found.model));
    if (OfferDetectedModel(prompter_, found.model, ds_.ModelIndex))
        settings1Page_->opbModel(found.model)->click();
}

void frmMain::compareWithFile() {
    const QString directory =
        ds_.CurrentFile.isEmpty() ? QString() : QFileInfo(ds_.CurrentFile).absolutePath();
    const QString path = fileDialogs_.chooseFileToOpen(this, directory, FileKind::Clone);
    if (path.isEmpty())
        return;
    auto other = std::make_unique<DataSet>();
    MakeFactoryDataSet(*other, ds_.ModelIndex);
    if (!mtz4::LoadCloneFile(*other, path, prompter_))
        return;
    CompareDialog(CompareData(ds_, *other), QFileInfo(path).fileName(), this).exec();
}

void frmMain::showBackups() {
    BackupsDialog dialog(BackupFolder(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    if (askToSaveChanges())
        openBackupCopy(dialog.chosenPath());
}

bool frmMain::openBackupCopy(const QString& path) {
    // A backup is never anyone's working file: it opens as a copy without a
    // file of its own, so that Save asks for a name and cannot write over it.
    const bool loaded = editor_->tryApply(
        QStringLiteral("Open"), DataPart::Everything,
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
    MSFlexGrid1_->setCurrentRow(1);
    setCaption(ResourceText(2027, SystemTextLanguage()).arg(QFileInfo(path).fileName()) +
               QStringLiteral(" - ") + Ref().AppTitle);
    return true;
}

void frmMain::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        RemoveRecentFile(path);
        prompter_.ask({QStringLiteral("%1 no longer exists; it is taken off the list.")
                           .arg(QDir::toNativeSeparators(path)),
                       QStringLiteral("Open Recent"), PromptIcon::Exclamation, PromptButtons::Ok,
                       PromptAnswer::Ok});
        return;
    }
    if (askToSaveChanges())
        LoadCloneFile(path);
}

void frmMain::fillRecentMenu() {
    mnuRecent_->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = mnuRecent_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        item->setToolTip(QDir::toNativeSeparators(files[i]));
        item->setEnabled(!transferRunning_);
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    mnuRecent_->addSeparator();
    QAction* clear = addItem(mnuRecent_, "mnuClearRecent", 2024);
    clear->setText(ResourceText(2024, SystemTextLanguage()));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [] { ClearRecentFiles(); });
}

bool frmMain::memoryCommandsEnabled() const {
    return !transferRunning_ && TabStrip1_->currentIndex() == MemoryPage;
}

void frmMain::updateMemoryActions() {
    for (QAction* action : memoryActions_)
        action->setEnabled(memoryCommandsEnabled());
}

void frmMain::updateUndoActions() {
    const TextLanguage language = SystemTextLanguage();
    const auto caption = [language](int number, const QString& step) {
        const QString text = ResourceText(number, language);
        return step.isEmpty() ? text : text + QLatin1Char(' ') + step;
    };
    mnuUndo_->setText(caption(2001, history_->undoText()));
    mnuRedo_->setText(caption(2002, history_->redoText()));
    mnuUndo_->setEnabled(!transferRunning_ && history_->canUndo());
    mnuRedo_->setEnabled(!transferRunning_ && history_->canRedo());
}

void frmMain::cancelRead() {
    if (transferRunning_ && transferReading_)
        link_.cancel();
}

void frmMain::setTransferRunning(bool running, bool reading) {
    transferRunning_ = running;
    transferReading_ = running && reading;
    for (QAction* action : dataActions_)
        action->setEnabled(!running);
    updateUndoActions();
    mnuEditUndo_->setEnabled(!running && (TabStrip1_->currentIndex() == Settings1Page ||
                                          TabStrip1_->currentIndex() == MemoryPage));
    updateMemoryActions();
    settings1Page_->setEditingEnabled(!running);
    settings2Page_->setEnabled(!running);
    bankPage_->setEnabled(!running);
    for (QPushButton* b : {memoryPage_->cmbRxData, memoryPage_->cmbTxData, memoryPage_->cmbClear,
                           memoryPage_->cmbClAll, bankPage_->cmbReadBank, bankPage_->cmbWriteBank,
                           bankPage_->cmdReadGroup, bankPage_->cmdWriteGroup,
                           settings2Page_->cmbRxData2(), settings2Page_->cmbTxData2()})
        b->setEnabled(!running);
}

void frmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
    }
    statusPanels_[1]->setAlignment(Qt::AlignCenter);
    statusPanels_[2]->setAlignment(Qt::AlignCenter);
    bar->addWidget(statusPanels_[0], 1);
    bar->addPermanentWidget(statusPanels_[1]);
    bar->addPermanentWidget(statusPanels_[2]);

    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(ClockIntervalMs);
    connect(clockTimer_, &QTimer::timeout, this, &frmMain::updateClock);
    clockTimer_->start();
    updateClock();
}

void frmMain::showStatusText(const QString& text) {
    statusPanels_[0]->setText(text);
    statusPanels_[0]->setToolTip(text);
}

QString frmMain::partlyReadNotice() {
    // The text before the name of the step to undo.
    return ResourceText(2028, SystemTextLanguage()).section(QStringLiteral("%1"), 0, 0);
}

QLabel* frmMain::statusPanel(int index) const {
    return index >= 0 && index < 3 ? statusPanels_[index] : nullptr;
}

void frmMain::updateClock() {
    const QLocale locale = QLocale::system();
    statusPanels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    statusPanels_[2]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void frmMain::Form_Load(const QString& commandFile) {
    ApplyResourceTexts(this, SystemTextLanguage());
    // 10000 x 10000 twips is the outer size, frame included, as the placement
    // written at exit measures it; the frame is fitted once it is known.
    startSize_ = QSize(TwipsToPixels(WindowTwips, this), TwipsToPixels(WindowTwips, this));
    resize(startSize_);

    // The grids' headers follow the selected model.
    MSFlexGrid2_->setModelHeader(ds_.settings.opbModel);
    MSFlexGrid1_->setModelHeader(ds_.settings.opbModel);

    link_.setPortNumber(ReadIniPort(ini_));
    // A device chosen outside the numbered ports outlives the run.
    link_.setDevicePath(ReadChosenDevice());

    ds_.SetLine1 = DefaultSetLine1(ds_.settings.opbModel);
    ds_.SetLine2 = DefaultSetLine2(ds_.settings.opbModel);
    DecodeSettings(ds_);
    settings1Page_->showSettings();
    settings2Page_->showSettings();

    MSFlexGrid2_->ChangeFont();
    MSFlexGrid1_->ChangeFont();

    VfoDefaults(ds_);
    MSFlexGrid2_->UpdateVFOData();

    cbbBank_->clear();
    for (int b = 0; b < BankCount; ++b) {
        ds_.bank.txtBank[b] = ds_.BankText[b];
        cbbBank_->addItem(QStringLiteral("Bank %1").arg(b));
    }
    bankPage_->showBanks();
    cbbBank_->addItems({QStringLiteral("Program Scan"), QStringLiteral("Seach Pass"),
                        QStringLiteral("Priority"), QStringLiteral("All")});
    cbbBank_->setCurrentIndex(BankListAll);
    cbbBank_->hide();

    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->ChangeFont();
    MSFlexGrid1_->UpDateMemData();
    mnuHideEmpty_->setChecked(ReadHideEmptyEntries());
    mnuQuickRead_->setChecked(ReadQuickRead());
    mnuVerify_->setChecked(ReadVerifyAfterWrite());

    setCaption(Ref().AppTitle);
    TabStrip1_Click();

    if (!commandFile.isEmpty())
        LoadCloneFile(commandFile);

    ds_.DataChanged = false;
    const int model = ds_.settings.opbModel;
    if (model >= 0 && model < ModelCount)
        ds_.ModelIndex = model;
}

void frmMain::showChangedParts(DataParts parts) {
    // The memory page and the bank page follow the editor themselves.
    if (parts & DataPart::Model)
        MSFlexGrid2_->setModelHeader(ds_.settings.opbModel);
    if (parts & (DataPart::Vfo | DataPart::Model))
        MSFlexGrid2_->UpdateVFOData();
}

void frmMain::showCurrentFileCaption() {
    setCaption(ds_.CurrentFile.isEmpty() ? Ref().AppTitle : FileCaption(ds_.CurrentFile));
}

void frmMain::setCaption(const QString& caption) {
    caption_ = caption;
    showCaption();
}

void frmMain::showCaption() {
    // Data partly read from the receiver are marked as such, whatever file
    // the caption names.
    setWindowTitle(ds_.PartlyRead ? caption_ + ResourceText(2026, SystemTextLanguage()) : caption_);
}

bool frmMain::askToSaveChanges() {
    if (!ds_.DataChanged)
        return true;
    const PromptAnswer answer =
        prompter_.ask({QStringLiteral("Save changes to settings?"), QStringLiteral("Save Changes"),
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

int frmMain::NewDataSet() {
    if (!askToSaveChanges())
        return 1;
    putFactoryData(QStringLiteral("New"), ds_.settings.opbModel, StepKind::Replace);
    return 0;
}

void frmMain::putFactoryData(const QString& step, int model, StepKind kind) {
    editor_->apply(
        step, DataPart::Everything,
        [model](DataSet& ds) {
            ds.settings.opbModel = model;
            ApplyFactoryData(ds);
            if (model >= 0 && model < ModelCount)
                ds.ModelIndex = model;
        },
        kind);
    cbbBank_->setCurrentIndex(BankListAll);
    setCaption(Ref().AppTitle);
}

void frmMain::showModelSelection(int model) {
    settings1Page_->showModel(model);
}

void frmMain::opbModel_Click(int model) {
    // Choosing a model counts as a change, so that the question before the
    // reset is always asked.
    editor_->apply(QStringLiteral("Model"), {}, [](DataSet& ds) { ds.DataChanged = true; });
    if (model == ds_.ModelIndex)
        return;
    if (!askToSaveChanges()) {
        showModelSelection(ds_.ModelIndex);
        return;
    }
    putFactoryData(QStringLiteral("Model ") + ModelName(model), model, StepKind::Edit);
}

bool frmMain::mnuFileOpen_Click() {
    if (!askToSaveChanges())
        return false;
    const QString directory =
        ds_.CurrentFile.isEmpty() ? QString() : QFileInfo(ds_.CurrentFile).absolutePath();
    const QString path = fileDialogs_.chooseFileToOpen(this, directory, FileKind::Clone);
    if (path.isEmpty())
        return false;
    return LoadCloneFile(path);
}

bool frmMain::LoadCloneFile(const QString& path) {
    const bool loaded = editor_->tryApply(
        QStringLiteral("Open"), DataPart::Everything,
        [&](DataSet& ds) { return mtz4::LoadCloneFile(ds, path, prompter_); }, StepKind::Replace);
    if (!loaded)
        return false;
    MSFlexGrid1_->setCurrentRow(1);
    showCurrentFileCaption();
    AddRecentFile(path);
    return true;
}

bool frmMain::mnuFileSave_Click() {
    // Data partly read from the receiver are a mixture that the current file
    // never held: they are saved only under a name the user chooses.
    if (ds_.CurrentFile.isEmpty() || ds_.PartlyRead)
        return mnuFileSaveAs_Click();
    if (!SaveCurrentCloneFile(ds_, prompter_))
        return false;
    editor_->markSaved();
    AddRecentFile(ds_.CurrentFile);
    showCurrentFileCaption();
    return true;
}

bool frmMain::mnuFileSaveAs_Click() {
    const QString path = fileDialogs_.chooseFileToSave(this, ds_.CurrentFile, FileKind::Clone);
    if (path.isEmpty())
        return false;
    if (!SaveCloneFile(ds_, path, prompter_))
        return false;
    editor_->markSaved();
    AddRecentFile(path);
    showCurrentFileCaption();
    return true;
}

bool frmMain::mnuExport_Click() {
    const QString path = fileDialogs_.chooseFileToSave(this, QString(), FileKind::Csv);
    if (path.isEmpty())
        return false;
    if (fileDialogs_.chosenKind() == FileKind::ChirpCsv) {
        if (!ExportChirpCsvFile(ds_, path)) {
            prompter_.error(CsvFileMessage(CsvFileStatus::FileOpenError));
            return false;
        }
    } else if (!ExportCsvFile(ds_, path, prompter_)) {
        return false;
    }
    // The caption names the CSV file; the clone file stays the current file,
    // so that Save never writes clone format over the CSV file.
    setCaption(FileCaption(path));
    return true;
}

bool frmMain::mnuImport_Click() {
    const QString path = fileDialogs_.chooseFileToOpen(this, QString(), FileKind::Csv);
    if (path.isEmpty())
        return false;
    if (fileDialogs_.chosenKind() == FileKind::ChirpCsv)
        return importChirpCsv(path);
    // A file that stops early keeps the lines applied before the failure, and
    // the views show them.
    bool complete = false;
    editor_->apply(QStringLiteral("Import"), DataPart::Everything, [&](DataSet& ds) {
        complete = ImportCsvFile(ds, path, prompter_);
        if (complete)
            ds.CurrentFile.clear();
    });
    if (!complete)
        return false;
    MSFlexGrid1_->setCurrentRow(1);
    setCaption(Ref().AppTitle);
    return true;
}

bool frmMain::importChirpCsv(const QString& path) {
    ChirpImport result;
    editor_->tryApply(QStringLiteral("Import"), DataPart::Memory, [&](DataSet& ds) {
        result = ImportChirpCsvFile(ds, path);
        return result.imported > 0;
    });
    if (!result.readable) {
        prompter_.error(CsvFileMessage(CsvFileStatus::FileOpenError));
        return false;
    }
    MSFlexGrid1_->setCurrentRow(1);
    prompter_.ask({ChirpImportSummary(result).replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
                   QStringLiteral("Import"), PromptIcon::Information, PromptButtons::Ok,
                   PromptAnswer::Ok});
    return true;
}

void frmMain::TabStrip1_Click() {
    // A size being typed into a bank box counts before the total is checked,
    // as it would when the box lost the focus to the tab strip.
    bankPage_->takeOverFocusedBox();
    int chosen = TabStrip1_->currentIndex();
    bool totalOk = false;
    const int total = ds_.bank.lblAll.trimmed().toInt(&totalOk);
    if (!totalOk || total != BankTotal) {
        if (!tabStripFlag_) {
            prompter_.ask({QStringLiteral("Total CH must be 1000"), QStringLiteral("ERROR"),
                           PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok});
            // Selecting the Bank tab runs this handler again; the flag keeps
            // it from showing the message a second time.
            tabStripFlag_ = true;
            TabStrip1_->setCurrentIndex(BankPage);
            tabStripFlag_ = false;
        }
        chosen = BankPage;
    }

    for (int i = 0; i < TabStrip1_->count(); ++i)
        TabStrip1_->widget(i)->setEnabled(i == chosen);
    mnuEditUndo_->setEnabled(!transferRunning_ &&
                             (chosen == Settings1Page || chosen == MemoryPage));
    updateMemoryActions();
    if (chosen == MemoryPage)
        enterMemoryPage();
}

void frmMain::enterMemoryPage() {
    // Coming back to the Memory page keeps the entry the user was on; only
    // the start-up puts row 1 current.
    const int row = MSFlexGrid1_->currentRow();
    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->ChangeFont();
    MSFlexGrid1_->setCurrentRow(row);
    MSFlexGrid1_->UpDateMemData();
}

void frmMain::mnuEditUndo_Click() {
    switch (TabStrip1_->currentIndex()) {
    case Settings1Page:
        if (const int row = MSFlexGrid2_->currentRow(); row > 0)
            dlgModify_->MSFlexGrid2_DblClick(row);
        break;
    case MemoryPage:
        if (const int row = MSFlexGrid1_->currentRow(); row > 0)
            dlgModify_->MSFlexGrid1_DblClick(row, MSFlexGrid1_->rowLabel(row));
        break;
    default:
        break;
    }
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    if (key == KeyNew)
        NewDataSet();
    else if (key == KeyOpen)
        mnuFileOpen_Click();
    else if (key == KeySave)
        mnuFileSave_Click();
    else if (key == KeyHelp)
        mnuHelpAbout_Click();
}

void frmMain::mnuViewToolbar_Click() {
    // QAction has already reversed the check mark.
    tbToolBar_->setVisible(mnuViewToolbar_->isChecked());
}

void frmMain::mnuStatusBar_Click() {
    statusBar()->setVisible(mnuStatusBar_->isChecked());
}

void frmMain::mnuToolsOptions_Click() {
    // The dialog selects the link's current port whenever it is shown.
    dlgCOM_->exec();
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout_->exec();
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        fitFrameToStartSize();
        break;
    default:
        break;
    }
    return handled;
}

void frmMain::fitFrameToStartSize() {
    // A window manager adds its frame only after the window is shown; until
    // then the frame and the inner area are the same size.
    if (frameFitted_ || startSize_.isEmpty() || !isVisible() || isMaximized() || isFullScreen())
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isNull())
        return;
    frameFitted_ = true;
    resize(startSize_ - frame);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (transferRunning_) {
        // Nothing is left half done: a read stops after the block in
        // progress, a write goes on to its end; the window closes then.
        event->ignore();
        if (closePending_)
            return;
        closePending_ = true;
        if (transferReading_) {
            link_.cancel();
        } else {
            const QString notice = QStringLiteral(
                "The write to the receiver goes on; the program closes when it has ended.");
            statusPanels_[0]->setText(notice);
            prompter_.notify({notice, Ref().AppTitle, PromptIcon::Information, PromptButtons::Ok,
                              PromptAnswer::Ok});
        }
        return;
    }
    closePending_ = false;
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    // The program's data are not affected when the INI file cannot be
    // written; the port number then falls back to COM 1 next time.
    WriteIniPort(ini_, link_.portNumber());

    // Other windows of the program still open (the most recent first).
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* window = *it;
        if (window != this && window->isVisible() && !isAncestorOf(window))
            window->close();
    }
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (dialog->isVisible())
            dialog->reject();
    }

    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        const QRectF twips(PixelsToTwips(frame.left(), this), PixelsToTwips(frame.top(), this),
                           PixelsToTwips(frame.width(), this), PixelsToTwips(frame.height(), this));
        WritePlacement(*OpenPlacementStore(), twips);
    }
}

} // namespace mtz4
