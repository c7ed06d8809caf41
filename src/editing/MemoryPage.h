#pragma once

#include <QWidget>

class QComboBox;
class QProgressBar;
class QPushButton;

namespace mtz4 {

class DataEditor;
class FieldCommands;
class FilterBar;
class FindBar;
class MemoryCommands;
class MemoryGrid;
class MoveCommands;
class Prompter;

// The "Memory" page: the memory grid, the hidden list selector, the clone
// buttons "Read" and "Write", the list operations "Clear", "Clear All",
// "Up" and "Down", and the progress bar of a memory read or write. The grid
// redraws itself whenever the editor reports a change of the entries, the
// bank sizes (row labels) or the model.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    MemoryPage(DataEditor& editor, Prompter& prompter, QWidget* parent = nullptr);

    // "Clear": empties the entry of the current row, after a question.
    void cmbClear_Click();
    // "Clear All": empties every entry, after a question.
    void cmbClAll_Click();
    // "Up" and "Down": the current row moves by one and stays in view.
    void Command5_Click();
    void Command4_Click();

    MemoryGrid* MSFlexGrid1 = nullptr;
    FindBar* findBar = nullptr;
    // Beside the find bar: the rows shown.
    FilterBar* filterBar = nullptr;
    // Copy, cut, paste, insert, delete, sort, find and go to.
    MemoryCommands* commands = nullptr;
    // Properties, Fill Down and Fill Frequencies of the selected rows.
    FieldCommands* fields = nullptr;
    // Moving the selected rows with the keys and by dragging their headers.
    MoveCommands* moves = nullptr;
    QComboBox* cbbBank =
        nullptr; // "Bank 0".."Bank 49", "Program Scan", "Seach Pass", "Priority", "All"
    QPushButton* cmbRxData = nullptr;
    QPushButton* cmbTxData = nullptr;
    QPushButton* cmbClear = nullptr;
    QPushButton* cmbClAll = nullptr;
    QPushButton* upButton = nullptr;   // "Up" (Command5)
    QPushButton* downButton = nullptr; // "Down" (Command4)
    QProgressBar* ProgressBar1 = nullptr;
    // Beside the progress bar while a read runs: stops it (as Esc does).
    QPushButton* cmbCancel = nullptr;

    // Clears the filter, so that every row shows again.
    void clearFilter();

private:
    bool confirmClear(const QString& question);
    void showFilterCount();

    DataEditor& editor_;
    Prompter& prompter_;
};

} // namespace mtz4
