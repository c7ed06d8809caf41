#pragma once

#include <QStyledItemDelegate>

namespace mtz4 {

class CellEdits;

// The editors of the grids' cells: a number box for a frequency or offset
// (digits and one decimal mark, "." or ","), a note box that takes what the
// note code page holds, a name box of the characters the receiver shows,
// each with the dialog's typing limit, and a list of the dialog's choices for
// every other field. Enter ends an edit as Tab does, and the grid moves on
// to the row below (SubmitModelCache); Escape cancels it.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridCellDelegate(CellEdits& edits, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    CellEdits& edits_;
};

} // namespace mtz4
