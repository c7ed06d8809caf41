// The main window's menu bar and toolbar as one table: each line gives the
// item's name, its text number (named after the item in ResourceTexts.h; the
// English and Japanese texts are in ResourceTexts.cpp), its keys, when it can
// be used and the command it runs.
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/NewWindowCommand.h"
#include "app/PrintCommands.h"
#include "app/ResourceTexts.h"
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
        menu(nullptr, "mnuFile", Text::mnuFile),
        item("mnuFile", "mnuFileNew", Text::mnuFileNew, Idle, [&f] { f.NewDataSet(); }, {K(Qt::CTRL | Qt::Key_N)}),
        item("mnuFile", "mnuFileOpen", Text::mnuFileOpen, Idle, [&f] { f.mnuFileOpen_Click(); }, {K(Qt::CTRL | Qt::Key_O)}),
        // Its items are made as it opens.
        {Kind::Menu, "mnuFile", "mnuRecent", Text::mnuRecent, {}, Idle, {}, {}, recent},
        item("mnuFile", "mnuFileSave", Text::mnuFileSave, Idle, [&f] { f.mnuFileSave_Click(); }, {K(Qt::CTRL | Qt::Key_S)}),
        item("mnuFile", "mnuFileSaveAs", Text::mnuFileSaveAs, Idle, [&f] { f.mnuFileSaveAs_Click(); },
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        separator("mnuFile"),
        item("mnuFile", "mnuImport", Text::mnuImport, Idle, [&f] { f.mnuImport_Click(); }),
        item("mnuFile", "mnuImportStock", Text::mnuImportStock, Idle,
             [&f] { f.importStockList(); }),
        item("mnuFile", "mnuExport", Text::mnuExport, Idle, [&f] { f.mnuExport_Click(); }),
        separator("mnuFile"),
        item("mnuFile", "mnuBackups", Text::mnuBackups, Idle, [&f] { f.showBackups(); }),
        item("mnuFile", "mnuCompareFile", Text::mnuCompareFile, Idle, [&f] { f.compareWithFile(); }),
        separator("mnuFile"),
        // Second windows, processes of their own, beside this one.
        item("mnuFile", "mnuNewWindow", Text::mnuNewWindow, When::Always, [this] { newWindow_->openNewWindow(); }),
        item("mnuFile", "mnuOpenInNewWindow", Text::mnuOpenInNewWindow, Idle, [this] { newWindow_->openFileInNewWindow(); }),
        separator("mnuFile"),
        // The channel list, printed or as a PDF file.
        item("mnuFile", "mnuPrintList", Text::mnuPrintList, Idle, [this] { print_->printChannelList(); }),
        item("mnuFile", "mnuExportListPdf", Text::mnuExportListPdf, Idle, [this] { print_->exportChannelListPdf(); }),
        // Print Setup is there but never enabled.
        item("mnuFile", "mnuFilePageSetup", Text::mnuFilePageSetup, When::Never, {}),
        // Ctrl+Q asks about unsaved changes as the close box does.
        item("mnuFile", "mnuFileExit", Text::mnuFileExit, When::Always, [this] { close(); }, {K(Qt::CTRL | Qt::Key_Q)}),

        menu(nullptr, "mnuEdit", Text::mnuEdit),
        // Undo and Redo name the step they take back or make again.
        item("mnuEdit", "mnuUndo", 0, When::CanUndo, [this] { history_->undo(); }, {K::Undo}),
        item("mnuEdit", "mnuRedo", 0, When::CanRedo, [this] { history_->redo(); },
             {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuEditUndo", Text::mnuEditUndo, When::IdleOnGridPage, [this] { modifyCurrentRow(); }),
        // The fields of every selected row at once.
        item("mnuEdit", "mnuProperties", Text::mnuProperties, Memory, page([](mtz4::MemoryPage& p) { p.fields->properties(); }),
             {K(Qt::ALT | Qt::Key_Return), K(Qt::ALT | Qt::Key_Enter)}),
        separator("mnuEdit"),
        // The memory list's own commands: on the Memory page only.
        item("mnuEdit", "mnuCut", Text::mnuCut, Memory, memory([](MemoryCommands& m) { m.cut(); }), {K::Cut}),
        item("mnuEdit", "mnuCopy", Text::mnuCopy, Memory, memory([](MemoryCommands& m) { m.copy(); }), {K::Copy}),
        item("mnuEdit", "mnuPaste", Text::mnuPaste, Memory, memory([](MemoryCommands& m) { m.paste(); }), {K::Paste}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuFillDown", Text::mnuFillDown, Memory, page([](mtz4::MemoryPage& p) { p.fields->fillDown(); }),
             {K(Qt::CTRL | Qt::Key_D)}),
        item("mnuEdit", "mnuFillFrequencies", Text::mnuFillFrequencies, Memory,
             page([](mtz4::MemoryPage& p) { p.fields->fillFrequencies(); })),
        separator("mnuEdit"),
        item("mnuEdit", "mnuInsertEntry", Text::mnuInsertEntry, Memory,
             memory([](MemoryCommands& m) { m.insertEmptyEntry(); }), {K(Qt::Key_Insert)}),
        item("mnuEdit", "mnuDeleteEntry", Text::mnuDeleteEntry, Memory,
             memory([](MemoryCommands& m) { m.deleteEntry(); }), {K(Qt::Key_Delete)}),
        item("mnuEdit", "mnuMoveUp", Text::mnuMoveUp, Memory, page([](mtz4::MemoryPage& p) { p.moves->moveUp(); }),
             {K(Qt::CTRL | Qt::Key_Up)}),
        item("mnuEdit", "mnuMoveDown", Text::mnuMoveDown, Memory, page([](mtz4::MemoryPage& p) { p.moves->moveDown(); }),
             {K(Qt::CTRL | Qt::Key_Down)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuFind", Text::mnuFind, Memory,
             memory([](MemoryCommands& m) { m.openFind(); }), {K(Qt::CTRL | Qt::Key_F)}),
        key("mnuFindNext", {K(Qt::Key_F3)}, Memory, memory([](MemoryCommands& m) { m.findNext(); })),
        key("mnuFindPrevious", {K(Qt::SHIFT | Qt::Key_F3)}, Memory,
            memory([](MemoryCommands& m) { m.findPrevious(); })),
        item("mnuEdit", "mnuGoTo", Text::mnuGoTo, Memory,
             memory([](MemoryCommands& m) { m.askGoTo(); }), {K(Qt::CTRL | Qt::Key_G)}),
        separator("mnuEdit"),
        item("mnuEdit", "mnuSortFrequency", Text::mnuSortFrequency, Memory,
             memory([](MemoryCommands& m) { m.sortBank(SortKey::Frequency); })),
        item("mnuEdit", "mnuSortName", Text::mnuSortName, Memory,
             memory([](MemoryCommands& m) { m.sortBank(SortKey::Name); })),

        menu(nullptr, "mnuView", Text::mnuView),
        check("mnuView", "mnuViewToolbar", Text::mnuViewToolbar, [this](bool) { mnuViewToolbar_Click(); }),
        check("mnuView", "mnuStatusBar", Text::mnuStatusBar, [this](bool) { mnuStatusBar_Click(); }),
        separator("mnuView"),
        // Only the entries in use; remembered between runs.
        check("mnuView", "mnuHideEmpty", Text::mnuHideEmpty, [this](bool hide) {
            MSFlexGrid1_->setHideEmpty(hide);
            WriteHideEmptyEntries(hide);
        }),
        // The filter box beside Find: only the rows that match show.
        item("mnuView", "mnuFilter", Text::mnuFilter, Memory, page([](mtz4::MemoryPage& p) { p.filterBar->open(); }),
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}),
        separator("mnuView"),
        // The language of the program's texts; its items are made by LanguageMenu.
        menu("mnuView", "mnuLanguage", Text::mnuLanguage, When::Always),

        menu(nullptr, "mnuTools", Text::mnuTools),
        menu("mnuTools", "mnuRe", Text::mnuRe),
        item("mnuRe", "mnuReSet", Text::mnuReSet, Idle, clone(CloneCommand::ReadSettingsMenu)),
        item("mnuRe", "mnuReMem", Text::mnuReMem, Idle, clone(CloneCommand::ReadMemoryMenu)),
        item("mnuRe", "mnuReAll", Text::mnuReAll, Idle, clone(CloneCommand::ReadAll)),
        menu("mnuTools", "mnuWr", Text::mnuWr),
        item("mnuWr", "mnuWrSet", Text::mnuWrSet, Idle, clone(CloneCommand::WriteSettingsMenu)),
        item("mnuWr", "mnuWrMem", Text::mnuWrMem, Idle, clone(CloneCommand::WriteMemoryMenu)),
        item("mnuWr", "mnuWrAll", Text::mnuWrAll, Idle, clone(CloneCommand::WriteAll)),
        item("mnuTools", "mnuCompareReceiver", Text::mnuCompareReceiver, Idle, [&c] { c.compareWithReceiver(); }),
        // A quick read fetches only the entries in use; remembered between runs.
        check("mnuTools", "mnuQuickRead", Text::mnuQuickRead, [&c](bool quick) {
            c.quickRead = quick;
            WriteQuickRead(quick);
        }),
        // A write of the memory can be read back and compared; remembered too.
        check("mnuTools", "mnuVerifyWrite", Text::mnuVerifyWrite, [&c](bool verify) {
            c.verifyAfterWrite = verify;
            WriteVerifyAfterWrite(verify);
        }),
        // Finds the model the receiver accepts and offers to select it.
        item("mnuTools", "mnuDetectModel", Text::mnuDetectModel, Idle, [&c] { c.detectModel(); }),
        // The code page of the notes; its items are made by NoteCodePageMenu.
        menu("mnuTools", "mnuNoteCodePage", Text::mnuNoteCodePage, Idle),
        item("mnuTools", "mnuToolsOptions", Text::mnuToolsOptions, Idle, [this] { mnuToolsOptions_Click(); }),

        menu(nullptr, "mnuHelp", Text::mnuHelp),
        item("mnuHelp", "mnuUserGuide", Text::mnuUserGuide, When::Always, [this] { help_->showUserGuide(); }, {K(Qt::Key_F1)}),
        item("mnuHelp", "mnuSampleFile", Text::mnuSampleFile, Idle, [this] { help_->openSampleFile(); }),
        separator("mnuHelp"),
        // A modal box during a transfer would hold up its wait; it waits too.
        item("mnuHelp", "mnuHelpAbout", Text::mnuHelpAbout, Idle, [this] { mnuHelpAbout_Click(); }),
    };
    // clang-format on
}

std::vector<ToolButton> frmMain::toolButtons() {
    FileCommands& f = *files_;
    // Each button runs the command of its key (what tbToolBar_ButtonClick
    // does), connected to it directly.
    return {
        {KeyNew, QStyle::SP_FileIcon, Text::tipNew, [&f] { f.NewDataSet(); }},
        {KeyOpen, QStyle::SP_DialogOpenButton, Text::tipOpen, [&f] { f.mnuFileOpen_Click(); }},
        {KeySave, QStyle::SP_DialogSaveButton, Text::tipSave, [&f] { f.mnuFileSave_Click(); }},
        {},
        {KeyHelp, QStyle::SP_MessageBoxQuestion, Text::tipHelp, [this] { mnuHelpAbout_Click(); }},
    };
}

QToolBar* frmMain::tbToolBar() const {
    return menus_->toolBar();
}

} // namespace mtz4
