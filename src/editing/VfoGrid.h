#pragma once

#include "model/DataSet.h"

#include <QTableView>

namespace mtz4 {

class VfoTableModel;

// The VFO grid `MSFlexGrid2` of the "Settings 1" page: one row per band
// (grid row b + 1 shows band b, rows 1..14), the band numbers 0..13 in the
// vertical header and the columns of the memory grid, with "Skip" and "Name"
// hidden. The texts depend on the selected model.
class VfoGrid : public QTableView {
    Q_OBJECT
public:
    explicit VfoGrid(DataSet& ds, QWidget* parent = nullptr);

    // Redraws every band from VfoText with the texts of the selected model.
    // The tables are not changed.
    void UpdateVFOData();
    // Sets the font of the Note column.
    void ChangeFont();
    // Header of grid column 6 for `model`: "Carrier", "Scr" or "-"; redraws.
    void setModelHeader(int model);

    // Current grid row 1..14 (band + 1), 0 when there is none.
    int currentRow() const;
    // Row 1, column 1 current; the selection runs to the last row and column.
    void selectAllCells();

    VfoTableModel* tableModel() const { return model_; }

signals:
    // The user asked to edit grid row `row` (1..14): double-click or Enter.
    void editRequested(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DataSet& ds_;
    VfoTableModel* model_ = nullptr;
};

} // namespace mtz4
