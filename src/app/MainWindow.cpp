#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ComPortDialog.h"
#include "app/DetectModel.h"
#include "app/FileCommands.h"
#include "app/FileDrop.h"
#include "app/FileModels.h"
#include "app/GridContextMenu.h"
#include "app/HelpCommands.h"
#include "app/LanguageMenu.h"
#include "app/MainMenus.h"
#include "app/ModelCommands.h"
#include "app/NewWindowCommand.h"
#include "app/NoteCodePageHint.h"
#include "app/NoteCodePageMenu.h"
#include "app/PrintCommands.h"
#include "app/ResourceTexts.h"
#include "app/StatusPanels.h"
#include "app/WindowCloneView.h"
#include "app/WindowFit.h"
#include "app/WindowPlacement.h"
#include "editing/BankPage.h"
#include "editing/CellEdits.h"
#include "editing/EditDialog.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/MoveCommands.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/Twips.h"
#include "editing/UndoHistory.h"
#include "editing/VfoGrid.h"
#include "files/CloneFile.h"
#include "link/CloneMessages.h"
#include "link/Link.h"
#include "link/PortDevice.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/SettingsCodec.h"
#include "model/TextLanguage.h"
#include "reference/VfoDefaults.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

// The main window opens at 10000 x 10000 twips.
constexpr int WindowTwips = 10000;
constexpr int BankTotal = 1000;

} // namespace

frmMain::frmMain(DataSet& ds, Link& link, Prompter& prompter, CloneFileDialogs& fileDialogs,
                 IniLocation ini, QWidget* parent)
    : QMainWindow(parent), ds_(ds), link_(link), prompter_(prompter), ini_(std::move(ini)) {
    setObjectName(QStringLiteral("frmMain"));
    fit_ = new WindowFit(*this);
    editor_ = new DataEditor(ds_, this);
    history_ = new UndoHistory(*editor_, this);
    buildPages();
    status_ = new StatusPanels(*statusBar());
    cloneView_ = std::make_unique<WindowCloneView>(WindowCloneView::Parts{
        TabStrip1_, settings1Page_, settings2Page_, memoryPage_, bankPage_, status_->panel(0)});
    files_ = new FileCommands(ds_, *editor_, prompter_, fileDialogs, *this, this);
    clone_ = new CloneCommands(ds_, *editor_, link_, *files_, *this, *cloneView_, this);
    print_ = new PrintCommands(ds_, prompter_, fileDialogs, *this, this);
    help_ = new HelpCommands(*files_, prompter_, *this, this);
    // The guide opens at the section about the page in view.
    help_->sectionInView = [this] {
        return TabStrip1_->currentIndex() == Settings1Tab ? QStringLiteral("2-first-start")
                                                          : QStringLiteral("6-editing");
    };
    models_ = new ModelCommands(ds_, *editor_, prompter_, *files_, *this, this);
    newWindow_ = new NewWindowCommand(*this, fileDialogs, this);
    drop_ = new FileDrop(*this, *files_, *clone_, *this);
    menus_ = std::make_unique<MainMenus>(*this, menuEntries(), toolButtons());
    noteCodePages_ =
        new NoteCodePageMenu(menus_->menu(QStringLiteral("mnuNoteCodePage")), *editor_, this);
    new LanguageMenu(menus_->menu(QStringLiteral("mnuLanguage")), *this, this);
    aboutBox_ = new frmAbout(this);
    comPortDialog_ = new dlgCOM(link_, this);
    // The edit dialog is created once and hidden between uses.
    editDialog_ = new dlgModify(*editor_, prompter_, this);
    connectCommands();
    UseGridContextMenu(*MSFlexGrid1_, *menus_);
    updateCommands();
    // A setting that cannot be stored is told in the status bar.
    SetSettingsFailureHandler([this](const QString& text) { showStatusText(text); });
}

frmMain::~frmMain() {
    SetSettingsFailureHandler({});
    // The undo history outlives this part of the window while its children
    // are destroyed; what it says then must not reach a window that is gone.
    if (history_)
        disconnect(history_->stack(), nullptr, this, nullptr);
}

void frmMain::buildPages() {
    TabStrip1_ = new QTabWidget(this);
    TabStrip1_->setObjectName(QStringLiteral("TabStrip1"));

    const QString captions[] = {QCoreApplication::translate("MainWindow", "Settings 1"),
                                QCoreApplication::translate("MainWindow", "Settings 2"),
                                QCoreApplication::translate("MainWindow", "Memory"),
                                QCoreApplication::translate("MainWindow", "Bank")};
    QWidget* frames[4] = {};
    for (int i = 0; i < 4; ++i) {
        frames[i] = new QWidget;
        frames[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        // Narrow margins leave the grids room for every column.
        (new QVBoxLayout(frames[i]))->setContentsMargins(4, 4, 4, 4);
        TabStrip1_->addTab(ScrollableWhenSmall(frames[i]), captions[i]);
    }

    settings1Page_ = new Settings1Page(*editor_, frames[Settings1Tab]);
    frames[Settings1Tab]->layout()->addWidget(settings1Page_);
    MSFlexGrid2_ = settings1Page_->MSFlexGrid2();
    connect(settings1Page_, &Settings1Page::modelChosen, this, &frmMain::opbModel_Click);

    settings2Page_ = new Settings2Page(*editor_, frames[Settings2Tab]);
    frames[Settings2Tab]->layout()->addWidget(settings2Page_);

    memoryPage_ = new MemoryPage(*editor_, prompter_, frames[MemoryTab]);
    frames[MemoryTab]->layout()->addWidget(memoryPage_);
    MSFlexGrid1_ = memoryPage_->MSFlexGrid1;
    cbbBank_ = memoryPage_->cbbBank;

    bankPage_ = new BankPage(*editor_, prompter_, frames[BankTab]);
    frames[BankTab]->layout()->addWidget(bankPage_);

    setCentralWidget(TabStrip1_);
    connect(TabStrip1_, &QTabWidget::currentChanged, this, [this] { TabStrip1_Click(); });
}

void frmMain::connectCommands() {
    const auto button = [this](QPushButton* b, CloneCommand command) {
        connect(b, &QPushButton::clicked, this, [this, command] { clone_->runClone(command); });
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
    connect(memoryPage_->cmbCancel, &QPushButton::clicked, clone_, &CloneCommands::cancelRead);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, clone_, &CloneCommands::cancelRead);
    // The model the receiver accepts, selected on Settings 1 as a choice of
    // the user's when he says so.
    // The cure of a "Region Error": the model found, the data kept.
    clone_->keepModel = [this](int model) { models_->keepChannels(model); };
    connect(clone_, &CloneCommands::modelDetected, this, [this](int model) {
        models_->offerDetected(model);
        settings1Page_->showModel(ds_.ModelIndex);
    });
    // A close asked for during a transfer goes on once it has ended.
    connect(clone_, &CloneCommands::ended, this, [this] {
        if (closePending_)
            QTimer::singleShot(0, this, &QWidget::close);
    });

    // No entry is edited while a clone command runs.
    connect(MSFlexGrid1_, &MemoryGrid::editRequested, this, [this](int row) {
        if (!clone_->running())
            editDialog_->MSFlexGrid1_DblClick(row, MSFlexGrid1_->rowLabel(row));
    });
    // A refused edit in a cell of the VFO grid says why.
    connect(MSFlexGrid2_, &GridView::told, this, &frmMain::showStatusText);
    connect(MSFlexGrid2_, &VfoGrid::editRequested, this, [this](int row) {
        if (!clone_->running())
            editDialog_->MSFlexGrid2_DblClick(row);
    });

    connect(history_, &UndoHistory::stateChanged, this, &frmMain::updateCommands);
    // A status text no longer holds once the step it followed is undone (a
    // paste's count), nor one left from before once a file is opened or New
    // starts afresh (Detect Model's words).
    connect(editor_, &DataEditor::aboutToChange, this,
            [this](const QString&, DataParts, StepKind) { statusBeforeStep_ = statusText(); });
    connect(editor_, &DataEditor::stepEnded, this,
            [this](const QString&, DataParts, StepKind kind, bool happened) {
                if (happened && kind == StepKind::Replace && statusText() == statusBeforeStep_)
                    showStatusText(QString());
            });
    // The code page hint goes once the notes read well (the code page it
    // named was chosen) or are others.
    const auto dropStaleHint = [this](DataParts parts) {
        if (!(parts & (DataPart::Memory | DataPart::Vfo)) || codePageHint_.isEmpty() ||
            !statusText().contains(codePageHint_) || NoteCodePageHintText(ds_) == codePageHint_)
            return;
        showStatusText(WithoutNoteCodePageHint(statusText(), codePageHint_));
        codePageHint_.clear();
    };
    connect(editor_, &DataEditor::changed, this,
            [dropStaleHint](const QString&, DataParts parts) { dropStaleHint(parts); });
    connect(editor_, &DataEditor::restored, this,
            [dropStaleHint](const QString&, DataParts parts) { dropStaleHint(parts); });
    connect(editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        // The model last selected is the next start's.
        if (parts & DataPart::Model)
            WriteLastModel(ds_.ModelIndex);
        showChangedParts(parts);
        showCaption();
    });
    // Once undo has brought back what a stopped read replaced, its notice
    // in the status bar no longer holds.
    // The history's index moves just after the data are restored.
    connect(history_->stack(), &QUndoStack::indexChanged, this, [this](int index) {
        if (restoring_ && index < statusStep_)
            showStatusText(QString());
        restoring_ = false;
    });
    connect(editor_, &DataEditor::restored, this, [this] {
        restoring_ = true;
        if ((!ds_.PartlyRead && statusText().contains(CloneCommands::partlyReadNotice())) ||
            (ds_.PartlyImported == 0 &&
             statusText().contains(FileCommands::partlyImportedNotice())))
            showStatusText(QString());
    });
}

void frmMain::setTransferRunning(bool running, bool) {
    updateCommands();
    settings1Page_->setEditingEnabled(!running);
    for (GridView* grid :
         {static_cast<GridView*>(MSFlexGrid1_), static_cast<GridView*>(MSFlexGrid2_)})
        grid->cellEdits()->setLocked(running);
    memoryPage_->moves->setLocked(running);
    settings2Page_->setEnabled(!running);
    bankPage_->setEnabled(!running);
    for (QPushButton* b : {memoryPage_->cmbRxData, memoryPage_->cmbTxData, memoryPage_->cmbClear,
                           memoryPage_->cmbClAll, bankPage_->cmbReadBank, bankPage_->cmbWriteBank,
                           bankPage_->cmdReadGroup, bankPage_->cmdWriteGroup,
                           settings2Page_->cmbRxData2(), settings2Page_->cmbTxData2()})
        b->setEnabled(!running);
}

void frmMain::updateCommands() {
    const int page = TabStrip1_->currentIndex();
    menus_->update({clone_->running(), page == MemoryTab, page == Settings1Tab || page == MemoryTab,
                    history_->canUndo(), history_->canRedo()});
    const auto caption = [](int number, const QString& step) {
        const QString text = ResourceText(number);
        return step.isEmpty() ? text : text + QLatin1Char(' ') + step;
    };
    menus_->action(QStringLiteral("mnuUndo"))
        ->setText(caption(Text::mnuUndo, history_->undoText()));
    menus_->action(QStringLiteral("mnuRedo"))
        ->setText(caption(Text::mnuRedo, history_->redoText()));
}

void frmMain::runMemoryCommand(void (*command)(MemoryCommands&)) {
    if (!clone_->running() && TabStrip1_->currentIndex() == MemoryTab)
        command(*memoryPage_->commands);
}

void frmMain::runOnMemoryPage(void (*command)(mtz4::MemoryPage&)) {
    if (!clone_->running() && TabStrip1_->currentIndex() == MemoryTab)
        command(*memoryPage_);
}

QString frmMain::statusText() const {
    return status_->text();
}

void frmMain::showStatusText(const QString& text) {
    status_->showText(text);
    // The step the text follows.
    statusStep_ = history_->stack()->index();
}

void frmMain::showNoteCodePageHint() {
    const QString hint = NoteCodePageHintText(ds_);
    if (hint.isEmpty())
        return;
    codePageHint_ = hint;
    showStatusText(WithNoteCodePageHint(statusText(), hint));
}

QLabel* frmMain::statusPanel(int index) const {
    return status_->panel(index);
}

void frmMain::Form_Load(const QString& commandFile) {
    ApplyResourceTexts(this);
    // 10000 x 10000 twips is the outer size, frame included, as the placement
    // written at exit measures it; on a smaller screen the screen's size.
    fit_->place(QSize(TwipsToPixels(WindowTwips, this), TwipsToPixels(WindowTwips, this)));

    // The model last selected, with its defaults; the grids' headers follow it.
    ds_.ModelIndex = ReadLastModel();
    settings1Page_->showModel(ds_.ModelIndex);
    MSFlexGrid2_->setModelHeader(ds_.ModelIndex);
    MSFlexGrid1_->setModelHeader(ds_.ModelIndex);

    // Neither a device nor a pipe in the place of the INI file or the
    // settings file keeps the program from starting: it starts with port 1
    // and the settings it would have on a first start, and says why.
    QStringList startProblems;
    QString iniProblem;
    iniPortAtStart_ = ReadIniPort(ini_, &iniProblem);
    startProblems << iniProblem << OpenPlacementStore()->problem();
    startProblems.removeAll(QString());
    link_.setPortNumber(iniPortAtStart_);
    // A device chosen outside the numbered ports outlives the run, unless
    // the environment points the port at a device for this run: the
    // environment wins, and the status bar says so (the choice stays stored).
    const QString chosen = ReadChosenDevice();
    const QString variable = portOverrideVariable(iniPortAtStart_);
    if (!chosen.isEmpty() && !qEnvironmentVariable(variable.toLatin1().constData()).isEmpty())
        startProblems << QCoreApplication::translate(
                             "MainWindow",
                             "%1 is used for this run, as %2 says, instead of %3 chosen in "
                             "COM Port Setup")
                             .arg(link_.portInUse(), variable, chosen);
    else
        link_.setDevicePath(chosen);

    ds_.SetLine1 = DefaultSetLine1(ds_.ModelIndex);
    ds_.SetLine2 = DefaultSetLine2(ds_.ModelIndex);
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
        cbbBank_->addItem(QCoreApplication::translate("MainWindow", "Bank %1").arg(b));
    }
    bankPage_->showBanks();
    cbbBank_->addItems({QCoreApplication::translate("MainWindow", "Program Scan"),
                        QCoreApplication::translate("MainWindow", "Seach Pass"),
                        QCoreApplication::translate("MainWindow", "Priority"),
                        QCoreApplication::translate("MainWindow", "All")});
    cbbBank_->setCurrentIndex(BankListAll);
    cbbBank_->hide();

    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->ChangeFont();
    MSFlexGrid1_->UpDateMemData();
    for (const char* name : {"mnuViewToolbar", "mnuStatusBar"})
        menus_->action(QLatin1String(name))->setChecked(true);
    menus_->action(QStringLiteral("mnuHideEmpty"))->setChecked(ReadHideEmptyEntries());
    menus_->action(QStringLiteral("mnuQuickRead"))->setChecked(ReadQuickRead());
    menus_->action(QStringLiteral("mnuVerifyWrite"))->setChecked(ReadVerifyAfterWrite());

    setCaption(Ref().AppTitle);
    TabStrip1_Click();

    if (!commandFile.isEmpty())
        files_->LoadCloneFile(commandFile);
    // After the file, which would clear them; beside what its load said.
    if (!startProblems.isEmpty()) {
        startProblems.prepend(statusText());
        startProblems.removeAll(QString());
        showStatusText(startProblems.join(QStringLiteral("; ")));
    }

    ds_.DataChanged = false;
    models_->takeBaseline();
}

void frmMain::showChangedParts(DataParts parts) {
    // The memory page and the bank page follow the editor themselves.
    if (parts & DataPart::Model)
        MSFlexGrid2_->setModelHeader(ds_.ModelIndex);
    if (parts & (DataPart::Vfo | DataPart::Model))
        MSFlexGrid2_->UpdateVFOData();
}

void frmMain::setCaption(const QString& caption) {
    caption_ = caption;
    showCaption();
}

void frmMain::showCaption() {
    // Data partly read from the receiver, or partly imported, are marked as
    // such, whatever file the caption names.
    QString caption = caption_;
    if (ds_.PartlyRead)
        caption += ResourceText(Text::PartlyReadCaption);
    if (ds_.PartlyImported != 0)
        caption += ResourceText(Text::PartlyImportedCaption).arg(ds_.PartlyImported);
    setWindowTitle(caption);
}

void frmMain::opbModel_Click(int model) {
    if (!models_->chooseModel(model))
        settings1Page_->showModel(ds_.ModelIndex);
}

void frmMain::showFirstMemoryRow() {
    MSFlexGrid1_->setCurrentRow(1);
}

void frmMain::showWholeMemoryList() {
    cbbBank_->setCurrentIndex(BankListAll);
}

int frmMain::currentMemoryEntry() const {
    return MSFlexGrid1_->currentRow() - 1;
}

void frmMain::showMemoryEntry(int entry) {
    MSFlexGrid1_->setCurrentRow(entry + 1);
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
            prompter_.ask({ShownCloneMessage(BankTotalMessage), ErrorText(), PromptIcon::Critical,
                           PromptButtons::Ok, PromptAnswer::Ok});
            // Selecting the Bank tab runs this handler again; the flag keeps
            // it from showing the message a second time.
            tabStripFlag_ = true;
            TabStrip1_->setCurrentIndex(BankTab);
            tabStripFlag_ = false;
        }
        chosen = BankTab;
    }

    for (int i = 0; i < TabStrip1_->count(); ++i)
        TabStrip1_->widget(i)->setEnabled(i == chosen);
    updateCommands();
    if (chosen == MemoryTab)
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

void frmMain::modifyCurrentRow() {
    switch (TabStrip1_->currentIndex()) {
    case Settings1Tab:
        if (const int row = MSFlexGrid2_->currentRow(); row > 0)
            editDialog_->MSFlexGrid2_DblClick(row);
        break;
    case MemoryTab:
        if (const int row = MSFlexGrid1_->currentRow(); row > 0)
            editDialog_->MSFlexGrid1_DblClick(row, MSFlexGrid1_->rowLabel(row));
        break;
    default:
        break;
    }
}

void frmMain::mnuViewToolbar_Click() {
    // QAction has already reversed the check mark.
    tbToolBar()->setVisible(menus_->action(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void frmMain::mnuStatusBar_Click() {
    statusBar()->setVisible(menus_->action(QStringLiteral("mnuStatusBar"))->isChecked());
}

void frmMain::mnuToolsOptions_Click() {
    // The dialog selects the link's current port whenever it is shown.
    comPortDialog_->exec();
}

void frmMain::mnuHelpAbout_Click() {
    aboutBox_->exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (clone_->running()) {
        // Nothing is left half done: a read stops after the block in
        // progress, a write goes on to its end; the window closes then.
        event->ignore();
        if (closePending_)
            return;
        closePending_ = true;
        if (clone_->reading()) {
            clone_->cancelRead();
        } else {
            const QString notice = QCoreApplication::translate(
                "MainWindow",
                "The write to the receiver goes on; the program closes when it has ended.");
            showStatusText(notice);
            prompter_.notify({notice, Ref().AppTitle, PromptIcon::Information, PromptButtons::Ok,
                              PromptAnswer::Ok});
        }
        return;
    }
    closePending_ = false;
    if (!files_->askToSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    // The program's data are not affected when the INI file or the settings
    // cannot be written: the files stay as they were, and the window says
    // why before it goes. Another window's newer port is kept.
    QStringList problems;
    QString iniProblem;
    if (!StoreIniPortAtExit(ini_, link_.portNumber(), iniPortAtStart_, &iniProblem))
        problems << QCoreApplication::translate("MainWindow",
                                                "COM %1 was not stored for the next start: %2")
                        .arg(link_.portNumber())
                        .arg(iniProblem);

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

    if (const QString placement = WriteWindowPlacement(*this); !placement.isEmpty())
        problems << SettingsFailureText(placement);
    if (!problems.isEmpty()) {
        showStatusText(problems.join(QStringLiteral("; ")));
        prompter_.ask({problems.join(QLatin1Char('\n')), Ref().AppTitle, PromptIcon::Exclamation,
                       PromptButtons::Ok, PromptAnswer::Ok});
    }
}

} // namespace mtz4
