#pragma once

#include "editing/GridLayout.h"

#include <QTableView>

namespace mtz4 {

class GridTableModel;

// What the memory grid and the VFO grid have in common as views: the layout
// (widths in twips, 8-point text, the row label column as vertical header),
// the Note column font, the model-dependent header of grid column 6, the
// current row, and an edit request on a double-click or Enter.
class GridView : public QTableView {
    Q_OBJECT
public:
    // Sets the font of the Note column and makes row 1, all columns, the
    // current selection.
    void ChangeFont();
    // Header of grid column 6 for `model`: "Carrier", "Scr" or "-"; redraws.
    void setModelHeader(int model);
    // Current grid row (table row + 1), 0 when there is none.
    int currentRow() const;

signals:
    // The user asked to edit grid row `row` (1-based): double-click or Enter.
    void editRequested(int row);

protected:
    // Takes ownership of `model` and lays the view out.
    GridView(GridTableModel* model, const std::array<int, GridColumns>& widths,
             const QString& widestRowLabel, QWidget* parent);
    GridTableModel* gridModel() const { return model_; }

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    GridTableModel* model_;
};

} // namespace mtz4
