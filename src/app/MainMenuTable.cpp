// The main window's menu bar and toolbar as one table: each line gives the
// item's name, its text number (the English and Japanese texts are in
// ResourceTexts.cpp), its keys, when it can be used and the command it runs.
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/NewWindowCommand.h"
#include "app/PrintCommands.h"
#include "app/WindowPlacement.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/UndoHistory.h"

#include <QToolBar>

namespace mtz4 {

namespace {

// Toolbar button keys.
const QString KeyNew = QStringLiteral("新規作成");
const QString KeyOpen = QStringLiteral("開く");
const QString KeySave = QStringLiteral("上書き保存");
const QString KeyHelp = QStringLiteral("ﾍﾙﾌﾟ");

using Kind = MenuEntry::Kind;
using When = EnabledWhen;

MenuEntry menu(const char* parent, const char* name, int text, When when = When::Always) {
    return {Kind::Menu, parent, name, text, {}, when};
}

MenuEntry separator(const char* parent) {
    return {Kind::Separator, parent};
}

} // namespace

std::vector<MenuEntry> frmMain::menuEntries() {
    FileCommands& f = *files_;
    CloneCommands& c = *clone_;
    const auto clone = [&c](CloneCommand command) {
        return [&c, command] { c.runClone(command); };
    };
    const auto memory = [this](void (*command)(MemoryCommands&)) {
        return [this, command] { runMemoryCommand(command); };
    };
    using K = QKeySequence;
    using Keys = QList<QKeySequence>;
    // Commands that touch the data or the port are Idle: none of them may
    // start while a clone command runs.
    return {
        menu(nullptr, "mnuFile", 1000),
        {Kind::Item,
         "mnuFile",
         "mnuFileNew",
         1001,
         {K(Qt::CTRL | Qt::Key_N)},
         When::Idle,
         [&f] { f.NewDataSet(); }},
        {Kind::Item,
         "mnuFile",
         "mnuFileOpen",
         1002,
         {K(Qt::CTRL | Qt::Key_O)},
         When::Idle,
         [&f] { f.mnuFileOpen_Click(); }},
        {Kind::Menu,
         "mnuFile",
         "mnuRecent",
         2020,
         {},
         When::Idle,
         {},
         {},
         [this](QMenu* m) { files_->fillRecentMenu(m, !clone_->running()); }},
        {Kind::Item,
         "mnuFile",
         "mnuFileSave",
         1003,
         {K(Qt::CTRL | Qt::Key_S)},
         When::Idle,
         [&f] { f.mnuFileSave_Click(); }},
        {Kind::Item,
         "mnuFile",
         "mnuFileSaveAs",
         1004,
         {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         When::Idle,
         [&f] { f.mnuFileSaveAs_Click(); }},
        separator("mnuFile"),
        {Kind::Item, "mnuFile", "mnuImport", 1201, {}, When::Idle, [&f] { f.mnuImport_Click(); }},
        {Kind::Item, "mnuFile", "mnuExport", 1202, {}, When::Idle, [&f] { f.mnuExport_Click(); }},
        separator("mnuFile"),
        {Kind::Item, "mnuFile", "mnuBackups", 2021, {}, When::Idle, [&f] { f.showBackups(); }},
        {Kind::Item,
         "mnuFile",
         "mnuCompareFile",
         2022,
         {},
         When::Idle,
         [&f] { f.compareWithFile(); }},
        separator("mnuFile"),
        // Second windows, processes of their own, beside this one.
        {Kind::Item,
         "mnuFile",
         "mnuNewWindow",
         2070,
         {},
         When::Always,
         [this] { newWindow_->openNewWindow(); }},
        {Kind::Item,
         "mnuFile",
         "mnuOpenInNewWindow",
         2071,
         {},
         When::Idle,
         [this] { newWindow_->openFileInNewWindow(); }},
        separator("mnuFile"),
        // The channel list, printed or as a PDF file.
        {Kind::Item,
         "mnuFile",
         "mnuPrintList",
         2072,
         {},
         When::Idle,
         [this] { print_->printChannelList(); }},
        {Kind::Item,
         "mnuFile",
         "mnuExportListPdf",
         2073,
         {},
         When::Idle,
         [this] { print_->exportChannelListPdf(); }},
        // Print Setup is there but never enabled.
        {Kind::Item, "mnuFile", "mnuFilePageSetup", 1005, {}, When::Never},
        // Ctrl+Q asks about unsaved changes as the close box does.
        {Kind::Item,
         "mnuFile",
         "mnuFileExit",
         1007,
         {K(Qt::CTRL | Qt::Key_Q)},
         When::Always,
         [this] { close(); }},

        menu(nullptr, "mnuEdit", 1008),
        // Undo and Redo name the step they take back or make again.
        {Kind::Item,
         "mnuEdit",
         "mnuUndo",
         0,
         {K::Undo},
         When::CanUndo,
         [this] { history_->undo(); }},
        {Kind::Item, "mnuEdit", "mnuRedo", 0,
         Keys{K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, When::CanRedo,
         [this] { history_->redo(); }},
        separator("mnuEdit"),
        {Kind::Item,
         "mnuEdit",
         "mnuEditUndo",
         1009,
         {},
         When::IdleOnGridPage,
         [this] { mnuEditUndo_Click(); }},
        separator("mnuEdit"),
        {Kind::Item,
         "mnuEdit",
         "mnuCut",
         2003,
         {K::Cut},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.cut(); })},
        {Kind::Item,
         "mnuEdit",
         "mnuCopy",
         2004,
         {K::Copy},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.copy(); })},
        {Kind::Item,
         "mnuEdit",
         "mnuPaste",
         2005,
         {K::Paste},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.paste(); })},
        separator("mnuEdit"),
        {Kind::Item,
         "mnuEdit",
         "mnuInsertEntry",
         2006,
         {K(Qt::Key_Insert)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.insertEmptyEntry(); })},
        {Kind::Item,
         "mnuEdit",
         "mnuDeleteEntry",
         2007,
         {K(Qt::Key_Delete)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.deleteEntry(); })},
        separator("mnuEdit"),
        {Kind::Item,
         "mnuEdit",
         "mnuFind",
         2008,
         {K(Qt::CTRL | Qt::Key_F)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.openFind(); })},
        {Kind::Shortcut,
         nullptr,
         "mnuFindNext",
         0,
         {K(Qt::Key_F3)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.findNext(); })},
        {Kind::Shortcut,
         nullptr,
         "mnuFindPrevious",
         0,
         {K(Qt::SHIFT | Qt::Key_F3)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.findPrevious(); })},
        {Kind::Item,
         "mnuEdit",
         "mnuGoTo",
         2009,
         {K(Qt::CTRL | Qt::Key_G)},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.askGoTo(); })},
        separator("mnuEdit"),
        {Kind::Item,
         "mnuEdit",
         "mnuSortFrequency",
         2011,
         {},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.sortBank(SortKey::Frequency); })},
        {Kind::Item,
         "mnuEdit",
         "mnuSortName",
         2012,
         {},
         When::IdleOnMemoryPage,
         memory([](MemoryCommands& m) { m.sortBank(SortKey::Name); })},

        menu(nullptr, "mnuView", 1010),
        {Kind::Item,
         "mnuView",
         "mnuViewToolbar",
         1011,
         {},
         When::Always,
         {},
         [this](bool) { mnuViewToolbar_Click(); }},
        {Kind::Item,
         "mnuView",
         "mnuStatusBar",
         1100,
         {},
         When::Always,
         {},
         [this](bool) { mnuStatusBar_Click(); }},
        separator("mnuView"),
        // Only the entries in use; remembered between runs.
        {Kind::Item,
         "mnuView",
         "mnuHideEmpty",
         2010,
         {},
         When::Always,
         {},
         [this](bool hide) {
             MSFlexGrid1_->setHideEmpty(hide);
             WriteHideEmptyEntries(hide);
         }},

        menu(nullptr, "mnuTools", 1012),
        menu("mnuTools", "mnuRe", 1203),
        {Kind::Item,
         "mnuRe",
         "mnuReSet",
         1205,
         {},
         When::Idle,
         clone(CloneCommand::ReadSettingsMenu)},
        {Kind::Item,
         "mnuRe",
         "mnuReMem",
         1206,
         {},
         When::Idle,
         clone(CloneCommand::ReadMemoryMenu)},
        {Kind::Item, "mnuRe", "mnuReAll", 1207, {}, When::Idle, clone(CloneCommand::ReadAll)},
        menu("mnuTools", "mnuWr", 1204),
        {Kind::Item,
         "mnuWr",
         "mnuWrSet",
         1205,
         {},
         When::Idle,
         clone(CloneCommand::WriteSettingsMenu)},
        {Kind::Item,
         "mnuWr",
         "mnuWrMem",
         1206,
         {},
         When::Idle,
         clone(CloneCommand::WriteMemoryMenu)},
        {Kind::Item, "mnuWr", "mnuWrAll", 1207, {}, When::Idle, clone(CloneCommand::WriteAll)},
        {Kind::Item,
         "mnuTools",
         "mnuCompareReceiver",
         2023,
         {},
         When::Idle,
         [&c] { c.compareWithReceiver(); }},
        // A quick read fetches only the entries in use; remembered between runs.
        {Kind::Item,
         "mnuTools",
         "mnuQuickRead",
         2013,
         {},
         When::Always,
         {},
         [&c](bool quick) {
             c.quickRead = quick;
             WriteQuickRead(quick);
         }},
        // A write of the memory can be read back and compared; remembered too.
        {Kind::Item,
         "mnuTools",
         "mnuVerifyWrite",
         2025,
         {},
         When::Always,
         {},
         [&c](bool verify) {
             c.verifyAfterWrite = verify;
             WriteVerifyAfterWrite(verify);
         }},
        {Kind::Item,
         "mnuTools",
         "mnuToolsOptions",
         1013,
         {},
         When::Idle,
         [this] { mnuToolsOptions_Click(); }},

        menu(nullptr, "mnuHelp", 1014),
        {Kind::Item,
         "mnuHelp",
         "mnuUserGuide",
         2074,
         {K(Qt::Key_F1)},
         When::Always,
         [this] { help_->showUserGuide(); }},
        {Kind::Item,
         "mnuHelp",
         "mnuSampleFile",
         2075,
         {},
         When::Idle,
         [this] { help_->openSampleFile(); }},
        separator("mnuHelp"),
        // A modal box during a transfer would hold up its wait; it waits too.
        {Kind::Item,
         "mnuHelp",
         "mnuHelpAbout",
         1016,
         {},
         When::Idle,
         [this] { mnuHelpAbout_Click(); }},
    };
}

std::vector<ToolButton> frmMain::toolButtons() {
    const auto key = [this](const QString& k) { return [this, k] { tbToolBar_ButtonClick(k); }; };
    return {
        {KeyNew, QStyle::SP_FileIcon, 1017, key(KeyNew)},
        {KeyOpen, QStyle::SP_DialogOpenButton, 1018, key(KeyOpen)},
        {KeySave, QStyle::SP_DialogSaveButton, 1019, key(KeySave)},
        {},
        {KeyHelp, QStyle::SP_MessageBoxQuestion, 1021, key(KeyHelp)},
    };
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    if (key == KeyNew)
        files_->NewDataSet();
    else if (key == KeyOpen)
        files_->mnuFileOpen_Click();
    else if (key == KeySave)
        files_->mnuFileSave_Click();
    else if (key == KeyHelp)
        mnuHelpAbout_Click();
}

QToolBar* frmMain::tbToolBar() const {
    return menus_->toolBar();
}

} // namespace mtz4
