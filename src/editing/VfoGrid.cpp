#include "editing/VfoGrid.h"

#include "editing/GridLayout.h"
#include "editing/VfoTableModel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace mtz4 {

VfoGrid::VfoGrid(DataSet& ds, QWidget* parent) : QTableView(parent), ds_(ds) {
    setObjectName(QStringLiteral("MSFlexGrid2"));
    model_ = new VfoTableModel(ds_, this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    ApplyGridLayout(*this, VfoGridWidths, QStringLiteral("13"));
}

void VfoGrid::UpdateVFOData() {
    model_->refresh();
}

void VfoGrid::ChangeFont() {
    model_->setNoteFont(NoteColumnFont());
}

void VfoGrid::setModelHeader(int model) {
    model_->setModelHeader(ModelColumnHeader(model));
    model_->refresh();
}

int VfoGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void VfoGrid::selectAllCells() {
    const QModelIndex first = model_->index(0, 0);
    const QModelIndex last = model_->index(BandCount - 1, model_->columnCount() - 1);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void VfoGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit editRequested(index.row() + 1);
}

void VfoGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentRow() > 0) {
        emit editRequested(currentRow());
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace mtz4
