#pragma once

#include "model/DataSet.h"

#include <QTableView>

namespace mtz4 {

class MemoryTableModel;

// The memory grid `MSFlexGrid1`: one row per memory entry (grid row r shows
// entry r - 1, rows 1..1300), the row labels in the vertical header and the
// eleven display columns "Frequency" .. "Name" as view columns 0..10 (grid
// columns 1..11). The cells are read from the data set whenever they are
// painted; a refresh is one change notification for the whole table.
//
// A selection is always exactly one whole row: the current row.
class MemoryGrid : public QTableView {
    Q_OBJECT
public:
    explicit MemoryGrid(DataSet& ds, QWidget* parent = nullptr);

    // Rebuilds the row labels from the bank size boxes ds.bank.txtBank.
    void BuildRowLabels();
    // Empties every disabled entry, redraws all rows and keeps the current
    // row as the current, selected row. Returns 0.
    int UpDateMemData();
    // Sets the font of the Note column.
    void ChangeFont();
    // Header of grid column 6 for `model`: "Carrier", "Scr" or "-"; redraws.
    void setModelHeader(int model);

    // Current grid row 1..1300 (entry + 1), 0 when there is none.
    int currentRow() const;
    // Makes grid row `row` (1..1300) current, selects it whole and scrolls to it.
    void setCurrentRow(int row);
    // Label of grid row `row` (1..1300): "03-017", "0A", "S5", "Pr12".
    QString rowLabel(int row) const;

    MemoryTableModel* tableModel() const { return model_; }

signals:
    // The user asked to edit grid row `row` (1..1300): double-click or Enter.
    void editRequested(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectCurrentRowWhole();

    DataSet& ds_;
    MemoryTableModel* model_ = nullptr;
};

} // namespace mtz4
