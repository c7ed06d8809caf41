#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/CloneFileDialogs.h"
#include "app/ComPortDialog.h"
#include "app/ResourceTexts.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "editing/EditDialog.h"
#include "editing/MemoryGrid.h"
#include "editing/VfoGrid.h"
#include "files/CloneFile.h"
#include "link/Link.h"
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
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

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
    buildMenus();
    buildToolBar();
    buildPages();
    buildStatusBar();
    frmAbout_ = new frmAbout(this);
    dlgCOM_ = new dlgCOM(link_, this);

    // The edit dialog is created once and hidden between uses.
    dlgModify_ = new dlgModify(ds_, prompter_, this);
    connect(MSFlexGrid1_, &MemoryGrid::editRequested, this, [this](int row) {
        dlgModify_->MSFlexGrid1_DblClick(row, MSFlexGrid1_->rowLabel(row));
    });
    connect(MSFlexGrid2_, &VfoGrid::editRequested, this,
            [this](int row) { dlgModify_->MSFlexGrid2_DblClick(row); });
    connect(dlgModify_, &dlgModify::memoryStored, MSFlexGrid1_, &MemoryGrid::UpDateMemData);
    connect(dlgModify_, &dlgModify::vfoStored, MSFlexGrid2_, &VfoGrid::UpdateVFOData);
}

frmMain::~frmMain() = default;

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "mnuFile", 1000);
    QAction* fileNew = addItem(file, "mnuFileNew", 1001);
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(fileNew, &QAction::triggered, this, [this] { NewDataSet(); });
    connect(addItem(file, "mnuFileOpen", 1002), &QAction::triggered, this,
            [this] { mnuFileOpen_Click(); });
    connect(addItem(file, "mnuFileSave", 1003), &QAction::triggered, this,
            [this] { mnuFileSave_Click(); });
    connect(addItem(file, "mnuFileSaveAs", 1004), &QAction::triggered, this,
            [this] { mnuFileSaveAs_Click(); });
    file->addSeparator();
    // CSV import and export come with their own commands; until then the
    // items are shown but cannot be chosen.
    addItem(file, "mnuImport", 1201)->setEnabled(false);
    addItem(file, "mnuExport", 1202)->setEnabled(false);
    file->addSeparator();
    // The program offers no printing: the item is there but never enabled.
    addItem(file, "mnuFilePageSetup", 1005)->setEnabled(false);
    connect(addItem(file, "mnuFileExit", 1007), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = addMenu(bar, "mnuEdit", 1008);
    mnuEditUndo_ = addItem(edit, "mnuEditUndo", 1009);
    connect(mnuEditUndo_, &QAction::triggered, this, &frmMain::mnuEditUndo_Click);

    QMenu* view = addMenu(bar, "mnuView", 1010);
    mnuViewToolbar_ = addItem(view, "mnuViewToolbar", 1011);
    mnuViewToolbar_->setCheckable(true);
    mnuViewToolbar_->setChecked(true);
    connect(mnuViewToolbar_, &QAction::triggered, this, &frmMain::mnuViewToolbar_Click);
    mnuStatusBar_ = addItem(view, "mnuStatusBar", 1100);
    mnuStatusBar_->setCheckable(true);
    mnuStatusBar_->setChecked(true);
    connect(mnuStatusBar_, &QAction::triggered, this, &frmMain::mnuStatusBar_Click);

    QMenu* tools = addMenu(bar, "mnuTools", 1012);
    // The clone read and write commands are wired with the clone procedures;
    // until then their items are shown but cannot be chosen.
    QMenu* read = addSubmenu(tools, "mnuRe", 1203);
    addItem(read, "mnuReSet", 1205)->setEnabled(false);
    addItem(read, "mnuReMem", 1206)->setEnabled(false);
    addItem(read, "mnuReAll", 1207)->setEnabled(false);
    QMenu* write = addSubmenu(tools, "mnuWr", 1204);
    addItem(write, "mnuWrSet", 1205)->setEnabled(false);
    addItem(write, "mnuWrMem", 1206)->setEnabled(false);
    addItem(write, "mnuWrAll", 1207)->setEnabled(false);
    connect(addItem(tools, "mnuToolsOptions", 1013), &QAction::triggered, this,
            &frmMain::mnuToolsOptions_Click);

    QMenu* help = addMenu(bar, "mnuHelp", 1014);
    connect(addItem(help, "mnuHelpAbout", 1016), &QAction::triggered, this,
            &frmMain::mnuHelpAbout_Click);
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
        new QVBoxLayout(frames[i]);
        TabStrip1_->addTab(frames[i], captions[i]);
    }

    MSFlexGrid2_ = new VfoGrid(ds_, frames[Settings1Page]);
    MSFlexGrid2_->setObjectName(QStringLiteral("MSFlexGrid2"));
    frames[Settings1Page]->layout()->addWidget(MSFlexGrid2_);

    MSFlexGrid1_ = new MemoryGrid(ds_, frames[MemoryPage]);
    MSFlexGrid1_->setObjectName(QStringLiteral("MSFlexGrid1"));
    frames[MemoryPage]->layout()->addWidget(MSFlexGrid1_);

    // The list selector of the memory list: filled at load, set to "All",
    // never shown.
    cbbBank_ = new QComboBox(frames[MemoryPage]);
    cbbBank_->setObjectName(QStringLiteral("cbbBank"));
    cbbBank_->hide();

    setCentralWidget(TabStrip1_);
    connect(TabStrip1_, &QTabWidget::currentChanged, this, [this] { TabStrip1_Click(); });
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
    resize(TwipsToPixels(WindowTwips, this), TwipsToPixels(WindowTwips, this));

    // The grids' headers follow the selected model.
    MSFlexGrid2_->setModelHeader(ds_.settings.opbModel);
    MSFlexGrid1_->setModelHeader(ds_.settings.opbModel);

    link_.setPortNumber(ReadIniPort(ini_));

    ds_.SetLine1 = DefaultSetLine1(ds_.settings.opbModel);
    ds_.SetLine2 = DefaultSetLine2(ds_.settings.opbModel);
    DecodeSettings(ds_);

    MSFlexGrid2_->ChangeFont();
    MSFlexGrid1_->ChangeFont();

    VfoDefaults(ds_);
    MSFlexGrid2_->UpdateVFOData();

    cbbBank_->clear();
    for (int b = 0; b < BankCount; ++b) {
        ds_.bank.txtBank[b] = ds_.BankText[b];
        cbbBank_->addItem(QStringLiteral("Bank %1").arg(b));
    }
    cbbBank_->addItems({QStringLiteral("Program Scan"), QStringLiteral("Seach Pass"),
                        QStringLiteral("Priority"), QStringLiteral("All")});
    cbbBank_->setCurrentIndex(BankListAll);
    cbbBank_->hide();

    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->ChangeFont();
    MSFlexGrid1_->UpDateMemData();

    setWindowTitle(Ref().AppTitle);
    TabStrip1_Click();

    if (!commandFile.isEmpty())
        LoadCloneFile(commandFile);

    ds_.DataChanged = false;
    const int model = ds_.settings.opbModel;
    if (model >= 0 && model < ModelCount)
        ds_.ModelIndex = model;
}

void frmMain::RefreshGrids() {
    MSFlexGrid2_->UpdateVFOData();
    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->setCurrentRow(1);
    MSFlexGrid1_->UpDateMemData();
}

void frmMain::showCurrentFileCaption() {
    setWindowTitle(ds_.CurrentFile.isEmpty() ? Ref().AppTitle : FileCaption(ds_.CurrentFile));
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
    ApplyFactoryData(ds_);
    MSFlexGrid2_->UpdateVFOData();
    cbbBank_->setCurrentIndex(BankListAll);
    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->UpDateMemData();
    setWindowTitle(Ref().AppTitle);
    ds_.DataChanged = false;
    return 0;
}

bool frmMain::mnuFileOpen_Click() {
    if (!askToSaveChanges())
        return false;
    const QString directory =
        ds_.CurrentFile.isEmpty() ? QString() : QFileInfo(ds_.CurrentFile).absolutePath();
    const QString path = fileDialogs_.chooseFileToOpen(this, directory);
    if (path.isEmpty())
        return false;
    return LoadCloneFile(path);
}

bool frmMain::LoadCloneFile(const QString& path) {
    if (!mtz4::LoadCloneFile(ds_, path, prompter_))
        return false;
    RefreshGrids();
    showCurrentFileCaption();
    return true;
}

bool frmMain::mnuFileSave_Click() {
    if (ds_.CurrentFile.isEmpty())
        return mnuFileSaveAs_Click();
    if (!SaveCurrentCloneFile(ds_, prompter_))
        return false;
    showCurrentFileCaption();
    return true;
}

bool frmMain::mnuFileSaveAs_Click() {
    const QString path = fileDialogs_.chooseFileToSave(this, ds_.CurrentFile);
    if (path.isEmpty())
        return false;
    if (!SaveCloneFile(ds_, path, prompter_))
        return false;
    showCurrentFileCaption();
    return true;
}

void frmMain::TabStrip1_Click() {
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
    mnuEditUndo_->setEnabled(chosen == Settings1Page || chosen == MemoryPage);
    if (chosen == MemoryPage)
        enterMemoryPage();
}

void frmMain::enterMemoryPage() {
    MSFlexGrid1_->BuildRowLabels();
    MSFlexGrid1_->ChangeFont();
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

void frmMain::closeEvent(QCloseEvent* event) {
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
