#pragma once

#include "editing/GridView.h"
#include "model/DataSet.h"

namespace mtz4 {

class VfoTableModel;

// The VFO grid `MSFlexGrid2` of the "Settings 1" page: one row per band
// (grid row b + 1 shows band b, rows 1..14), the band numbers 0..13 in the
// vertical header and the columns of the memory grid, with "Skip" and "Name"
// hidden. The texts depend on the selected model.
class VfoGrid : public GridView {
    Q_OBJECT
public:
    explicit VfoGrid(DataSet& ds, QWidget* parent = nullptr);

    // Redraws every band from VfoText with the texts of the selected model.
    // The tables are not changed.
    void UpdateVFOData();
    // Row 1, column 1 current; the selection runs to the last row and column
    // (after a settings read).
    void selectWholeGrid();

    VfoTableModel* tableModel() const { return model_; }

private:
    DataSet& ds_;
    VfoTableModel* model_ = nullptr;
};

} // namespace mtz4
