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
#include "editing/FieldCommands.h"
#include "editing/FilterBar.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/MoveCommands.h"
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
using Keys = QList<QKeySequence>;
using Run = std::function<void()>;

MenuEntry menu(const char* parent, const char* name, int text, When when = When::Always) {
    return {Kind::Menu, parent, name, text, {}, when};
}

MenuEntry item(const char* parent, const char* name, int text, When when, Run run, Keys keys = {}) {
    return {Kind::Item, parent, name, text, std::move(keys), when, std::move(run)};
}

// An item with a check mark, always enabled.
MenuEntry check(const char* parent, const char* name, int text, std::function<void(bool)> toggled) {
    return {Kind::Item, parent, name, text, {}, When::Always, {}, std::move(toggled)};
}

// A key of the window's own, without a menu item.
MenuEntry key(const char* name, Keys keys, When when, Run run) {
    return {Kind::Shortcut, nullptr, name, 0, std::move(keys), when, std::move(run)};
}

MenuEntry separator(const char* parent) {
    return {Kind::Separator, parent};
}

} // namespace

std::vector<MenuEntry> frmMain::menuEntries() {
    FileCommands& f = *files_;
    CloneCommands& c = *clone_;
    const auto clone = [&c](CloneCommand command) -> Run {
        return [&c, command] { c.runClone(command); };
    };
    const auto memory = [this](void (*command)(MemoryCommands&)) -> Run {
        return [this, command] { runMemoryCommand(command); };
    };
    const auto page = [this](void (*command)(mtz4::MemoryPage&)) -> Run {
        return [this, command] { runOnMemoryPage(command); };
    };
    const auto recent = [this](QMenu* m) { files_->fillRecentMenu(m, !clone_->running()); };
    using K = QKeySequence;
    constexpr When Idle = When::Idle; // none of these may start while a clone command runs
    constexpr When Memory = When::IdleOnMemoryPage;
    // clang-format off
    return {
        menu(nullptr, "mnuFile", 1000),
        item("mnuFile", "mnuFileNew", 1001, Idle, [&f] { f.NewDataSet(); }, {K(Qt::CTRL | Qt::Key_N)}),
        item("mnuFile", "mnuFileOpen", 1002, Idle, [&f] { f.mnuFileOpen_Click(); }, {K(Qt::CTRL | Qt::Key_O)}),
        // Its items are made as it opens.
        {Kind::Menu, "mnuFile", "mnuRecent", 2020, {}, Idle, {}, {}, recent},
        item("mnuFile", "mnuFileSave", 1003, Idle, [&f] { f.mnuFileSave_Click(); }, {K(Qt::CTRL | Qt::Key_S)}),
        item("mnuFile", "mnuFileSaveAs", 1004, Idle, [&f] { f.mnuFileSaveAs_Click(); },
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        separator("mnuFile"),
        item("mnuFile", "mnuImport", 1201, Idle, [&f] { f.mnuImport_Click(); }),
        item("mnuFile", "mnuExport", 1202, Idle, [&f] { f.mnuExport_Click(); }),
        separator("mnuFile"),
        item("mnuFile", "mnuBackups", 2021, Idle, [&f] { f.showBackups(); }),
        item("mnuFile", "mnuCompareFile", 2022, Idle, [&f] { f.compareWithFile(); }),
        separator("mnuFile"),
        // Second windows, processes of their own, beside this one.
        item("mnuFile", "mnuNewWindow", 2070, When::Always, [this] { newWindow_->openNewWindow(); }),
        item("mnuFile", "mnuOpenInNewWindow", 2071, Idle, [this] { newWindow_->openFileInNewWindow(); }),
        separator("mnuFile"),
        // The channel list, printed or as a PDF file.
        item("mnuFile", "mnuPrintList", 2072, Idle, [this] { print_->printChannelList(); }),
        item("mnuFile", "mnuExportListPdf", 2073, Idle, [this] { print_->exportChannelListPdf(); }),
        // Print Setup is there but never enabled.
        item("mnuFile", "mnuFilePageSetup", 1005, When::Never, {}),
        // Ctrl+Q asks about unsaved changes as the close box does.
        item("mnuFile", "mnuFileExit", 1007, When::Always, [this] { close(); }, {K(Qt::CTRL | Qt::Key_Q)}),

        menu(nullptr, "mnuEdit", 1008),
        // Undo and Redo name the step they take back or make again.
        item("mnuEdit", "mnuUndo", 0, When::CanUndo, [this] { history_->undo(); }, {K::Undo}),
        item("mnuEdit", "mnuRedo", 0, When::CanRedo, [this] { history_->redo(); },
             {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuEditUndo", 1009, When::IdleOnGridPage, [this] { mnuEditUndo_Click(); }),
        // The fields of every selected row at once.
        item("mnuEdit", "mnuProperties", 2014, Memory, page([](mtz4::MemoryPage& p) { p.fields->properties(); }),
             {K(Qt::ALT | Qt::Key_Return), K(Qt::ALT | Qt::Key_Enter)}),
        separator("mnuEdit"),
        // The memory list's own commands: on the Memory page only.
        item("mnuEdit", "mnuCut", 2003, Memory, memory([](MemoryCommands& m) { m.cut(); }), {K::Cut}),
        item("mnuEdit", "mnuCopy", 2004, Memory, memory([](MemoryCommands& m) { m.copy(); }), {K::Copy}),
        item("mnuEdit", "mnuPaste", 2005, Memory, memory([](MemoryCommands& m) { m.paste(); }), {K::Paste}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuFillDown", 2015, Memory, page([](mtz4::MemoryPage& p) { p.fields->fillDown(); }),
             {K(Qt::CTRL | Qt::Key_D)}),
        item("mnuEdit", "mnuFillFrequencies", 2016, Memory,
             page([](mtz4::MemoryPage& p) { p.fields->fillFrequencies(); })),
        separator("mnuEdit"),
        item("mnuEdit", "mnuInsertEntry", 2006, Memory,
             memory([](MemoryCommands& m) { m.insertEmptyEntry(); }), {K(Qt::Key_Insert)}),
        item("mnuEdit", "mnuDeleteEntry", 2007, Memory,
             memory([](MemoryCommands& m) { m.deleteEntry(); }), {K(Qt::Key_Delete)}),
        item("mnuEdit", "mnuMoveUp", 2017, Memory, page([](mtz4::MemoryPage& p) { p.moves->moveUp(); }),
             {K(Qt::CTRL | Qt::Key_Up)}),
        item("mnuEdit", "mnuMoveDown", 2018, Memory, page([](mtz4::MemoryPage& p) { p.moves->moveDown(); }),
             {K(Qt::CTRL | Qt::Key_Down)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuFind", 2008, Memory,
             memory([](MemoryCommands& m) { m.openFind(); }), {K(Qt::CTRL | Qt::Key_F)}),
        key("mnuFindNext", {K(Qt::Key_F3)}, Memory, memory([](MemoryCommands& m) { m.findNext(); })),
        key("mnuFindPrevious", {K(Qt::SHIFT | Qt::Key_F3)}, Memory,
            memory([](MemoryCommands& m) { m.findPrevious(); })),
        item("mnuEdit", "mnuGoTo", 2009, Memory,
             memory([](MemoryCommands& m) { m.askGoTo(); }), {K(Qt::CTRL | Qt::Key_G)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuSortFrequency", 2011, Memory,
             memory([](MemoryCommands& m) { m.sortBank(SortKey::Frequency); })),
        item("mnuEdit", "mnuSortName", 2012, Memory,
             memory([](MemoryCommands& m) { m.sortBank(SortKey::Name); })),

        menu(nullptr, "mnuView", 1010),
        check("mnuView", "mnuViewToolbar", 1011, [this](bool) { mnuViewToolbar_Click(); }),
        check("mnuView", "mnuStatusBar", 1100, [this](bool) { mnuStatusBar_Click(); }),
        separator("mnuView"),
        // Only the entries in use; remembered between runs.
        check("mnuView", "mnuHideEmpty", 2010, [this](bool hide) {
            MSFlexGrid1_->setHideEmpty(hide);
            WriteHideEmptyEntries(hide);
        }),
        // The filter box beside Find: only the rows that match show.
        item("mnuView", "mnuFilter", 2019, Memory, page([](mtz4::MemoryPage& p) { p.filterBar->open(); }),
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}),

        menu(nullptr, "mnuTools", 1012),
        menu("mnuTools", "mnuRe", 1203),
        item("mnuRe", "mnuReSet", 1205, Idle, clone(CloneCommand::ReadSettingsMenu)),
        item("mnuRe", "mnuReMem", 1206, Idle, clone(CloneCommand::ReadMemoryMenu)),
        item("mnuRe", "mnuReAll", 1207, Idle, clone(CloneCommand::ReadAll)),
        menu("mnuTools", "mnuWr", 1204),
        item("mnuWr", "mnuWrSet", 1205, Idle, clone(CloneCommand::WriteSettingsMenu)),
        item("mnuWr", "mnuWrMem", 1206, Idle, clone(CloneCommand::WriteMemoryMenu)),
        item("mnuWr", "mnuWrAll", 1207, Idle, clone(CloneCommand::WriteAll)),
        item("mnuTools", "mnuCompareReceiver", 2023, Idle, [&c] { c.compareWithReceiver(); }),
        // A quick read fetches only the entries in use; remembered between runs.
        check("mnuTools", "mnuQuickRead", 2013, [&c](bool quick) {
            c.quickRead = quick;
            WriteQuickRead(quick);
        }),
        // A write of the memory can be read back and compared; remembered too.
        check("mnuTools", "mnuVerifyWrite", 2025, [&c](bool verify) {
            c.verifyAfterWrite = verify;
            WriteVerifyAfterWrite(verify);
        }),
        // Finds the model the receiver accepts and offers to select it.
        item("mnuTools", "mnuDetectModel", 2040, Idle, [&c] { c.detectModel(); }),
        // The code page of the notes; its items are made by NoteCodePageMenu.
        menu("mnuTools", "mnuNoteCodePage", 2050, Idle),
        item("mnuTools", "mnuToolsOptions", 1013, Idle, [this] { mnuToolsOptions_Click(); }),

        menu(nullptr, "mnuHelp", 1014),
        item("mnuHelp", "mnuUserGuide", 2074, When::Always, [this] { help_->showUserGuide(); }, {K(Qt::Key_F1)}),
        item("mnuHelp", "mnuSampleFile", 2075, Idle, [this] { help_->openSampleFile(); }),
        separator("mnuHelp"),
        // A modal box during a transfer would hold up its wait; it waits too.
        item("mnuHelp", "mnuHelpAbout", 1016, Idle, [this] { mnuHelpAbout_Click(); }),
    };
    // clang-format on
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
