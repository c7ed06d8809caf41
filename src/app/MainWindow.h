#pragma once

#include "app/CloneCommands.h"
#include "app/CommandHost.h"
#include "editing/DataEditor.h"
#include "files/IniFile.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTabWidget;
class QToolBar;

namespace mtz4 {

struct DataSet;
struct MenuEntry;
struct ToolButton;
class CloneFileDialogs;
class BankPage;
class FileCommands;
class FileDrop;
class HelpCommands;
class MainMenus;
class ModelCommands;
class NewWindowCommand;
class PrintCommands;
class StatusPanels;
class MemoryCommands;
class MemoryPage;
class NoteCodePageMenu;
class Settings1Page;
class Settings2Page;
class Link;
class MemoryGrid;
class Prompter;
class VfoGrid;
class UndoHistory;
class WindowCloneView;
class WindowFit;
class dlgCOM;
class dlgModify;
class frmAbout;

// The main window: menu bar, toolbar, the four pages "Settings 1" (with the
// VFO grid), "Settings 2", "Memory" (with the memory grid) and "Bank", and
// the status bar; the page switching, the start-up, the question and what
// is kept when the program ends (the port number in the INI file and the
// window placement). Its commands live in classes of their own: the file
// commands (FileCommands), the clone commands (CloneCommands), the menu and
// toolbar table (MainWindowMenuTable.cpp); the window wires them to its
// controls.
//
// The data set, the link, the prompter and the file dialogs belong to the
// caller and must outlive the window.
class frmMain : public QMainWindow, private CommandHost {
    Q_OBJECT
public:
    using CloneCommand = CloneCommands::Command;

    // The tabs of TabStrip1, by index (each shows the page of the same name).
    enum Tab { Settings1Tab = 0, Settings2Tab = 1, MemoryTab = 2, BankTab = 3 };
    // The hidden list cbbBank: "Bank 0".."Bank 49", "Program Scan",
    // "Seach Pass", "Priority", "All".
    static constexpr int BankListCount = 54;
    static constexpr int BankListAll = 53;

    frmMain(DataSet& ds, Link& link, Prompter& prompter, CloneFileDialogs& fileDialogs,
            IniLocation ini, QWidget* parent = nullptr);
    ~frmMain() override;

    // The initialisation when the window loads: texts, size, grids, the port
    // number from the INI file, default settings and VFO records, bank list,
    // row labels, caption, first page, then the clone file named on the
    // command line (when not empty). Ends with nothing to save.
    void Form_Load(const QString& commandFile);

    // Page switching: the bank total must be 1000 to leave the Bank page.
    void TabStrip1_Click();
    // Edit > Modify (the item mnuEditUndo): edits the current row of the VFO
    // grid (Settings 1) or of the memory grid (Memory).
    void modifyCurrentRow();
    void mnuViewToolbar_Click();
    void mnuStatusBar_Click();
    // Tool > COM Port Setup: the COM port dialog with the current port selected.
    void mnuToolsOptions_Click();
    // Help > About and the Help button: the about box, modally.
    void mnuHelpAbout_Click();
    // The user selected model option `model` (0..3): with a clone file open
    // the choice of keeping its channels; otherwise, or when the user
    // chooses them, the factory data of that model after the question about
    // unsaved changes (asked only when the data differ). Cancel keeps the
    // previous model and its data.
    void opbModel_Click(int model);

    // The command classes.
    FileCommands& fileCommands() const { return *files_; }
    CloneCommands& cloneCommands() const { return *clone_; }
    MainMenus& menus() const { return *menus_; }
    PrintCommands& printCommands() const { return *print_; }
    HelpCommands& helpCommands() const { return *help_; }
    ModelCommands& modelCommands() const { return *models_; }
    NewWindowCommand& newWindowCommand() const { return *newWindow_; }
    FileDrop& fileDrop() const { return *drop_; }
    // Keeps the window on its screen.
    WindowFit& windowFit() const { return *fit_; }

    // Every change the window makes to the data set goes through it.
    DataEditor* editor() const { return editor_; }
    UndoHistory* history() const { return history_; }
    QTabWidget* TabStrip1() const { return TabStrip1_; }
    QComboBox* cbbBank() const { return cbbBank_; }
    QToolBar* tbToolBar() const;
    // Puts a line into the status bar's text panel (its tool tip shows it whole).
    void showStatusText(const QString& text) override;
    void showNoteCodePageHint() override;
    // Status bar panels: text, date, time.
    QLabel* statusPanel(int index) const;
    MemoryGrid* MSFlexGrid1() const { return MSFlexGrid1_; }
    Settings1Page* settings1Page() const { return settings1Page_; }
    Settings2Page* settings2Page() const { return settings2Page_; }
    MemoryPage* memoryPage() const { return memoryPage_; }
    BankPage* bankPage() const { return bankPage_; }
    VfoGrid* MSFlexGrid2() const { return MSFlexGrid2_; }
    dlgModify* modifyDialog() const { return editDialog_; }
    frmAbout* aboutBox() const { return aboutBox_; }
    dlgCOM* comPortDialog() const { return comPortDialog_; }

protected:
    // The close request: asks about unsaved changes; when the close goes on,
    // writes the INI file and the window placement. During a transfer a read
    // is cancelled first and a write finishes; the window closes then.
    void closeEvent(QCloseEvent* event) override;

private:
    // CommandHost
    QWidget* dialogParent() override { return this; }
    void setCaption(const QString& caption) override;
    QString statusText() const override;
    void showFirstMemoryRow() override;
    void showWholeMemoryList() override;
    int currentMemoryEntry() const override;
    void showMemoryEntry(int entry) override;
    void setTransferRunning(bool running, bool reading) override;

    // The menu table and the toolbar's buttons, each with its command
    // (MainWindowMenuTable.cpp).
    std::vector<MenuEntry> menuEntries();
    std::vector<ToolButton> toolButtons();
    void buildPages();
    void connectCommands();
    void Form_Unload();
    void enterMemoryPage();
    // Redraws what shows the given parts, beyond the pages that follow the
    // editor themselves.
    void showChangedParts(DataParts parts);
    // Each menu item and button enabled by its rule; Undo and Redo named
    // after their steps.
    void updateCommands();
    // Runs one of the memory list's commands, on the Memory page outside transfers.
    void runMemoryCommand(void (*command)(MemoryCommands&));
    void runOnMemoryPage(void (*command)(mtz4::MemoryPage&));
    // The caption with the partly-read mark when the data carry it.
    void showCaption();

    DataSet& ds_;
    Link& link_;
    Prompter& prompter_;
    IniLocation ini_;

    DataEditor* editor_ = nullptr;
    UndoHistory* history_ = nullptr;
    FileCommands* files_ = nullptr;
    CloneCommands* clone_ = nullptr;
    PrintCommands* print_ = nullptr;
    HelpCommands* help_ = nullptr;
    ModelCommands* models_ = nullptr;
    NewWindowCommand* newWindow_ = nullptr;
    FileDrop* drop_ = nullptr;
    std::unique_ptr<MainMenus> menus_;
    NoteCodePageMenu* noteCodePages_ = nullptr; // Tool > Note Code Page
    std::unique_ptr<WindowCloneView> cloneView_;
    bool closePending_ = false; // the user closed the window during a transfer
    QString caption_;           // the caption without the partly-read mark
    QString statusBeforeStep_;  // the status text when the last step began
    QString codePageHint_;      // the code page hint last shown in the status text
    int statusStep_ = 0;        // the undo history's index when the status text was shown
    bool restoring_ = false;    // undo or redo has restored data; the index moves next
    WindowFit* fit_ = nullptr;
    int iniPortAtStart_ = 0; // the port number the INI file gave

    QTabWidget* TabStrip1_ = nullptr;
    bool tabStripFlag_ = false;
    QComboBox* cbbBank_ = nullptr;
    StatusPanels* status_ = nullptr;

    Settings1Page* settings1Page_ = nullptr;
    Settings2Page* settings2Page_ = nullptr;
    MemoryPage* memoryPage_ = nullptr;
    BankPage* bankPage_ = nullptr;
    MemoryGrid* MSFlexGrid1_ = nullptr;
    VfoGrid* MSFlexGrid2_ = nullptr;
    dlgModify* editDialog_ = nullptr;
    frmAbout* aboutBox_ = nullptr;
    dlgCOM* comPortDialog_ = nullptr;
};

} // namespace mtz4
