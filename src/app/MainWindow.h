#pragma once

#include "editing/DataEditor.h"
#include "files/IniFile.h"
#include "link/CloneMode.h"

#include <QList>
#include <QMainWindow>
#include <QSize>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QToolBar;

namespace mtz4 {

struct DataSet;
class CloneFileDialogs;
class BankPage;
class DataEditor;
class MemoryPage;
class Settings1Page;
class Settings2Page;
class Link;
class MemoryGrid;
class Prompter;
class VfoGrid;
class UndoHistory;
class WindowCloneView;
class dlgCOM;
class dlgModify;
class frmAbout;

// The main window: menu bar, toolbar, the four pages "Settings 1" (with the
// VFO grid), "Settings 2", "Memory" (with the memory grid) and "Bank", and
// the status bar. It owns the file commands (New, Open, Save, Save As), the
// question about unsaved changes, and what is kept when the program ends:
// the port number in the INI file and the window placement.
//
// The data set, the link, the prompter and the file dialogs belong to the
// caller and must outlive the window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The clone commands of the buttons and the Read and Write menus.
    enum class CloneCommand {
        ReadAll,
        ReadMemoryMenu,
        ReadSettingsMenu,
        ReadMemory,   // "Read" on the Memory page
        ReadSettings, // "Read Settings" on either settings page
        ReadBank,
        ReadGroup,
        WriteAll,
        WriteMemoryMenu,
        WriteSettingsMenu,
        WriteMemory,
        WriteSettings,
        WriteBank,
        WriteGroup,
    };

    // Pages of TabStrip1, by index.
    enum Page { Settings1Page = 0, Settings2Page = 1, MemoryPage = 2, BankPage = 3 };
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

    // File > New: asks about unsaved changes, then puts the factory data of
    // the selected model in place and redraws. Returns 1 when the user
    // cancelled (or the save he asked for did not happen) and nothing
    // changed, 0 when the new data set is in place.
    int NewDataSet();
    // File > Open. Returns true when a file was loaded.
    bool mnuFileOpen_Click();
    // File > Save: to the current file without a dialog, else (no current
    // file, or data partly read from the receiver) as Save As. Returns true
    // when the data were saved.
    bool mnuFileSave_Click();
    // File > Save As: always asks for the file. Returns true when saved.
    bool mnuFileSaveAs_Click();
    // File > Export: the data set to a CSV file. True when written.
    bool mnuExport_Click();
    // File > Import: a CSV file merged into the data set. True when the whole
    // file was read (a file that stops early keeps the lines applied so far).
    bool mnuImport_Click();
    // Import of CHIRP's generic CSV into the memory channels, with a summary
    // of the rows taken and left out.
    bool importChirpCsv(const QString& path);
    // Loads a clone file without a dialog and redraws; messages go through
    // the prompter. Returns true on success.
    bool LoadCloneFile(const QString& path);

    // Page switching: the bank total must be 1000 to leave the Bank page.
    void TabStrip1_Click();
    // Edit > Modify: edits the current row of the VFO grid (Settings 1) or
    // of the memory grid (Memory).
    void mnuEditUndo_Click();
    // The toolbar button with the given key ("新規作成", "開く", "上書き保存", "ﾍﾙﾌﾟ").
    void tbToolBar_ButtonClick(const QString& key);
    void mnuViewToolbar_Click();
    void mnuStatusBar_Click();
    // Tool > COM Port Setup: the COM port dialog with the current port selected.
    void mnuToolsOptions_Click();
    // Help > About and the Help button: the about box, modally.
    void mnuHelpAbout_Click();

    // Runs a clone command as one step of the editor, with every other
    // command disabled until it has ended; a second command while one runs
    // is refused. A read first asks about unsaved changes ("Save changes to
    // settings?"; Cancel reads nothing), every transfer is preceded by a
    // backup, and a read is one step of the undo history whatever its
    // outcome. Memory reads are quick reads while Tool > Quick Read is
    // checked. Returns the command's outcome.
    LinkResult runClone(CloneCommand command);
    // Tool > Compare With Receiver: reads the receiver into a separate data
    // set (this one untouched) and shows the differences.
    void compareWithReceiver();
    // Tool > Detect Model: finds the model the receiver accepts and offers
    // to select it on Settings 1, as a choice of the user's.
    void detectModel();
    // File > Compare With File: the differences with a clone file.
    void compareWithFile();
    // File > Backups: the list of automatic backups; opens a copy of the
    // chosen one.
    void showBackups();
    // File > Open Recent: opens a file of the list (one that no longer
    // exists is taken off it, with a message).
    void openRecent(const QString& path);

    // Stops a running read after the exchange in progress (Cancel, Esc).
    void cancelRead();
    bool transferRunning() const { return transferRunning_; }

    // The user selected model option `model` (0..3): after the question
    // about unsaved changes, the factory data of that model; Cancel keeps the
    // previous model and its data.
    void opbModel_Click(int model);

    // Every change the window makes to the data set goes through it.
    DataEditor* editor() const { return editor_; }
    UndoHistory* history() const { return history_; }
    QTabWidget* TabStrip1() const { return TabStrip1_; }
    QComboBox* cbbBank() const { return cbbBank_; }
    QToolBar* tbToolBar() const { return tbToolBar_; }
    // Puts a line into the status bar's text panel.
    void showStatusText(const QString& text);
    // Status bar panels: text, date, time.
    QLabel* statusPanel(int index) const;
    MemoryGrid* MSFlexGrid1() const { return MSFlexGrid1_; }
    mtz4::Settings1Page* settings1Page() const { return settings1Page_; }
    mtz4::Settings2Page* settings2Page() const { return settings2Page_; }
    mtz4::MemoryPage* memoryPage() const { return memoryPage_; }
    mtz4::BankPage* bankPage() const { return bankPage_; }
    VfoGrid* MSFlexGrid2() const { return MSFlexGrid2_; }
    dlgModify* modifyDialog() const { return dlgModify_; }
    frmAbout* aboutBox() const { return frmAbout_; }
    dlgCOM* comPortDialog() const { return dlgCOM_; }

protected:
    // The close request: asks about unsaved changes; when the close goes on,
    // writes the INI file and the window placement.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPages();
    void buildStatusBar();
    void connectCloneButtons();
    void setTransferRunning(bool running, bool reading);
    // Runs `body` as a transfer: every other command disabled, the status
    // text, cancelling, a pending close.
    LinkResult runTransfer(const QString& name, bool reading,
                           const std::function<LinkResult()>& body);
    // A backup of the data set; a failure is told in the status bar at the end.
    void takeBackup(const QString& occasion);
    // Tool > Verify After Write: reads back what a write sent and compares;
    // a difference fails the write with a message listing it.
    LinkResult verifyWrite(bool settings);
    void fillRecentMenu();
    void updateClock();

    // "Save changes to settings?" before New, Open and closing. Returns true
    // when the command may go on: nothing changed, No, or Yes and the save
    // succeeded.
    bool askToSaveChanges();
    void Form_Unload();
    void enterMemoryPage();
    // Redraws what shows the given parts, beyond the pages that follow the
    // editor themselves.
    void showChangedParts(DataParts parts);
    // The factory data of `model` in place, as the editor step `step`.
    void putFactoryData(const QString& step, int model, StepKind kind);
    // Undo and Redo name their step and are enabled when there is one.
    void updateUndoActions();
    // The memory list's commands work on the Memory page, outside transfers.
    bool memoryCommandsEnabled() const;
    void updateMemoryActions();
    // Selects model option `model` on the page without it counting as a choice.
    void showModelSelection(int model);
    // Once a window manager has framed the window, makes the frame, not the
    // inner area, the start size.
    void fitFrameToStartSize();
    void showCurrentFileCaption();
    // The caption: `caption` (the application title, or the file it names),
    // marked while the data are partly read from the receiver.
    void setCaption(const QString& caption);
    void showCaption();
    // The start of the status bar's notice after a read that stopped part-way.
    static QString partlyReadNotice();
    // Opens a backup as a copy: no current file, a caption that says so.
    bool openBackupCopy(const QString& path);

    DataSet& ds_;
    Link& link_;
    Prompter& prompter_;
    CloneFileDialogs& fileDialogs_;
    IniLocation ini_;

    DataEditor* editor_ = nullptr;
    UndoHistory* history_ = nullptr;
    std::unique_ptr<WindowCloneView> cloneView_;
    QList<QAction*> dataActions_; // disabled while a clone command runs
    bool transferRunning_ = false;
    bool transferReading_ = false;
    bool closePending_ = false; // the user closed the window during a transfer
    QString backupProblem_;     // why the last transfer's backup was not written
    bool verified_ = false;     // the last transfer's write was read back and agreed
    bool partlyRead_ = false;   // the last transfer was a read that stopped part-way
    QString caption_;           // the caption without the partly-read mark
    QAction* mnuVerify_ = nullptr;
    QMenu* mnuRecent_ = nullptr;
    QSize startSize_;
    bool frameFitted_ = false;

    QTabWidget* TabStrip1_ = nullptr;
    bool tabStripFlag_ = false;
    QComboBox* cbbBank_ = nullptr;
    QToolBar* tbToolBar_ = nullptr;
    QLabel* statusPanels_[3] = {};
    QTimer* clockTimer_ = nullptr;

    mtz4::Settings1Page* settings1Page_ = nullptr;
    mtz4::Settings2Page* settings2Page_ = nullptr;
    mtz4::MemoryPage* memoryPage_ = nullptr;
    mtz4::BankPage* bankPage_ = nullptr;
    MemoryGrid* MSFlexGrid1_ = nullptr;
    VfoGrid* MSFlexGrid2_ = nullptr;
    dlgModify* dlgModify_ = nullptr;
    frmAbout* frmAbout_ = nullptr;
    dlgCOM* dlgCOM_ = nullptr;

    QList<QAction*> memoryActions_;
    QAction* mnuHideEmpty_ = nullptr;
    QAction* mnuQuickRead_ = nullptr;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    QAction* mnuEditUndo_ = nullptr;
    QAction* mnuViewToolbar_ = nullptr;
    QAction* mnuStatusBar_ = nullptr;
};

} // namespace mtz4
