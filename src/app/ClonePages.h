#pragma once

#include <QStringList>

namespace mtz4 {

// The buttons a clone operation disables while it runs.
enum class CloneButtons {
    Memory,   // the memory page's "Read" and "Write"
    Settings, // "Read Settings" and "Write Settings" on both settings pages
    Bank,     // "Read Bank" and "Write Bank" on the bank page
};

// The main window's tabs, in tab-strip order.
enum class CloneTab { Settings1, Settings2, Memory, Bank };

// What a clone read or write shows while it runs and after it changed the
// data: the window's buttons, progress bar, grids and pages. The procedures
// change the data set themselves and then tell the view, so that the same
// procedures serve the desktop program, the command-line tool and the tests.
// Every hook does nothing by default; a view overrides what it has.
class CloneView {
public:
    virtual ~CloneView() = default;

    // Buttons disabled at the start of a procedure are enabled again on
    // every way out of it.
    virtual void setButtonsEnabled(CloneButtons /*buttons*/, bool /*enabled*/) {}

    // The memory page's progress bar: shown while the memory entries are
    // read or written, its value the number of entries done so far.
    virtual void showProgress() {}
    virtual void setProgressMaximum(int /*maximum*/) {}
    virtual void setProgressValue(int /*value*/) {}
    virtual void hideProgress() {}

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
    ButtonsDisabled(CloneView& view, CloneButtons buttons) : view_(view), buttons_(buttons) {
        view_.setButtonsEnabled(buttons_, false);
    }
    ~ButtonsDisabled() { view_.setButtonsEnabled(buttons_, true); }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    CloneView& view_;
    CloneButtons buttons_;
};

// Shows the progress bar, from value 0, for as long as it lives.
class ProgressShown {
public:
    explicit ProgressShown(CloneView& view) : view_(view) {
        view_.setProgressValue(0);
        view_.showProgress();
    }
    ~ProgressShown() { view_.hideProgress(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    CloneView& view_;
};

} // namespace mtz4
