#pragma once

#include "editing/GridLayout.h"

#include <QTableView>

namespace mtz4 {

class CellEdits;
class DataEditor;
class GridTableModel;

// What the memory grid and the VFO grid have in common as views: the layout
// (widths in twips, 8-point text, the row label column as vertical header),
// the Note column font, the model-dependent header of grid column 6, the
// current row, and an edit request on a double-click or Enter.
//
// Once shown, the Note column takes the width the other columns leave in
// the view: every other column stays whole in a window of the start size,
// and a wider window shows longer notes (a note cut short shows whole in
// its tool tip). It keeps the width of a few letters however narrow the
// view.
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
    // Cells take edits in place, each stored through `editor` as a step.
    void enableCellEditing(DataEditor& editor);
    CellEdits* cellEdits() const { return edits_; }

signals:
    // The user asked to edit grid row `row` (1-based): double-click, or
    // Enter (Shift+Enter with cell editing).
    void editRequested(int row);
    // Why an edit in a cell was refused, for the status bar.
    void told(const QString& text);

protected:
    // Takes ownership of `model` and lays the view out.
    GridView(GridTableModel* model, const std::array<int, GridColumns>& widths,
             const QString& widestRowLabel, QWidget* parent);
    GridTableModel* gridModel() const { return model_; }
    // Whether the rows are memory entries (else VFO bands).
    virtual bool showsMemory() const { return false; }

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void fitNoteColumn();

    GridTableModel* model_;
    CellEdits* edits_ = nullptr;
    int noteFloor_ = 0; // the least width of the Note column
};

} // namespace mtz4
