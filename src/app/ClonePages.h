#pragma once

#include "link/CloneProgress.h"

#include <QStringList>

namespace mtz4 {

// The buttons a clone command disables while it runs.
enum class CloneButtons {
    Memory,   // the memory page's "Read" and "Write"
    Settings, // "Read Settings" and "Write Settings" on both settings pages
    Bank,     // "Read Bank" and "Write Bank" on the bank page
};

// The main window's tabs, in tab-strip order.
enum class CloneTab { Settings1, Settings2, Memory, Bank };

// The main window as its clone handlers (ReadCommands.h, WriteCommands.h)
// see it: the buttons, the progress bar, the grids, the pages and the tabs.
// The link operations change the data set and say what they changed; the
// handlers then tell the pages here. Every hook does nothing by default; a
// view overrides what it has.
class ClonePages : public CloneProgress {
public:
    // Buttons disabled at the start of a command are enabled again on
    // every way out of it.
    virtual void setButtonsEnabled(CloneButtons /*buttons*/, bool /*enabled*/) {}

    // The memory grid's row labels were rebuilt from the bank sizes (1300
    // labels, row r + 1 showing entry r).
    virtual void rowLabelsRebuilt(const QStringList& /*labels*/) {}
    // The memory entries changed: redraw the memory grid from the tables.
    // Disabled entries have already been emptied.
    virtual void memoryListRefreshed() {}
    // The band VFO records changed: redraw the VFO grid.
    virtual void vfoListRefreshed() {}
    // The settings record was decoded anew: refresh the settings pages.
    virtual void settingsDecoded() {}
    // The bank size boxes (and the total label) hold new values.
    virtual void banksShown() {}
    // The group check boxes hold new values.
    virtual void groupsShown() {}

    // The memory grid's current row (1-based, as the grid counts), kept
    // across a memory read. The default view has none (0).
    virtual int currentMemoryRow() const { return 0; }
    // Makes `row` the current row, column 1 the current column and selects
    // to the last column.
    virtual void setCurrentMemoryRow(int /*row*/) {}
    // Selects the whole VFO grid: row 1, column 1, to the last row and column.
    virtual void selectWholeVfoGrid() {}

    // The selected tab, and selecting one (which brings its page to the front).
    virtual CloneTab currentTab() const { return CloneTab::Settings1; }
    virtual void selectTab(CloneTab /*tab*/) {}
};

// Disables a group of buttons for as long as it lives.
class ButtonsDisabled {
public:
    ButtonsDisabled(ClonePages& pages, CloneButtons buttons) : pages_(pages), buttons_(buttons) {
        pages_.setButtonsEnabled(buttons_, false);
    }
    ~ButtonsDisabled() { pages_.setButtonsEnabled(buttons_, true); }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    ClonePages& pages_;
    CloneButtons buttons_;
};

} // namespace mtz4
