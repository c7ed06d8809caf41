#include "editing/GridView.h"

#include "editing/GridTableModel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace mtz4 {

GridView::GridView(GridTableModel* model, const std::array<int, GridColumns>& widths,
                   const QString& widestRowLabel, QWidget* parent)
    : QTableView(parent), model_(model) {
    model_->setParent(this);
    setModel(model_);
    ApplyGridLayout(*this, widths, widestRowLabel);
}

void GridView::ChangeFont() {
    model_->setNoteFont(NoteColumnFont());
    // Row 1 becomes the current row, selected from the first column to the
    // last, so that Modify has an entry to open from the start.
    if (model_->rowCount() == 0)
        return;
    const QModelIndex first = model_->index(0, 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, model_->index(0, model_->columnCount() - 1)),
                             QItemSelectionModel::ClearAndSelect);
}

void GridView::setModelHeader(int model) {
    model_->setModelHeader(ModelColumnHeader(model));
    model_->refresh();
}

int GridView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit editRequested(index.row() + 1);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentRow() > 0) {
        emit editRequested(currentRow());
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace mtz4
