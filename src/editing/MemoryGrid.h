#pragma once

#include "editing/GridView.h"
#include "model/DataSet.h"
#include "model/EntryFilter.h"

namespace mtz4 {

class MemoryTableModel;

// The memory grid `MSFlexGrid1`: one row per memory entry (grid row r shows
// entry r - 1, rows 1..1300), the row labels in the vertical header and the
// eleven display columns "Frequency" .. "Name" as view columns 0..10 (grid
// columns 1..11). The cells are read from the data set whenever they are
// painted; a refresh is one change notification for the whole table.
//
// A click or a drag selects exactly one whole row: the current row. With
// Ctrl or Shift held, rows can be added to the selection (for copying).
class MemoryGrid : public GridView {
    Q_OBJECT
public:
    explicit MemoryGrid(DataSet& ds, QWidget* parent = nullptr);

    // Rebuilds the row labels from the bank size boxes ds.bank.txtBank.
    void BuildRowLabels();
    // Empties every disabled entry, redraws all rows and keeps the current
    // row as the current, selected row. Returns 0.
    int UpDateMemData();
    // Makes grid row `row` (1..1300) current, selects it whole and scrolls to it.
    void setCurrentRow(int row);
    // Label of grid row `row` (1..1300): "03-017", "0A", "S5", "Pr12".
    QString rowLabel(int row) const;
    // The labels of all rows, row r + 1 at index r.
    QStringList rowLabels() const;
    // The entries of the selected rows that are shown (entry = row - 1), in
    // ascending order; the current row's entry when none is selected.
    QList<int> selectedEntries() const;
    // Hides the rows of disabled entries, or shows every row again. Kept
    // across refreshes.
    void setHideEmpty(bool hide);
    bool hideEmpty() const { return hideEmpty_; }
    // Shows only the rows whose entries the filter takes; the row labels
    // keep their entry numbers. Setting a filter shows exactly the rows it
    // takes; a later change of the data shows every row that comes to match
    // and hides none that is shown, so that a row never vanishes as it is
    // edited. An empty filter shows every row again. Nothing is removed
    // from the data: the filter is only what the grid shows.
    void setFilter(const QString& text);
    QString filterText() const { return filterText_; }
    // How many rows are shown.
    int shownRows() const;
    // Selects the rows of `entries` whole, the first of them current.
    void selectEntries(const QList<int>& entries);
    // Selects the rows of `entries` whole; the current cell stays where it is.
    void keepSelected(const QList<int>& entries);
    // Makes grid row `row` (1..1300) current and selects it whole, scrolled
    // to the middle of the view.
    void centreOnRow(int row);

    MemoryTableModel* tableModel() const { return model_; }

protected:
    bool showsMemory() const override { return true; }
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectCurrentRowWhole();
    // Hides the rows that the hide-empty switch and the filter leave out;
    // `strict`: the filter has changed, and rows shown may be hidden.
    void applyHiddenRows(bool strict = false);

    DataSet& ds_;
    MemoryTableModel* model_ = nullptr;
    bool hideEmpty_ = false;
    EntryFilter filter_;
    QString filterText_;
};

} // namespace mtz4
