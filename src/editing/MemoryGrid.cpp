#include "editing/MemoryGrid.h"

#include "editing/GridLayout.h"
#include "editing/MemoryTableModel.h"
#include "model/EntryOps.h"
#include "model/RowLabels.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace mtz4 {

MemoryGrid::MemoryGrid(DataSet& ds, QWidget* parent) : QTableView(parent), ds_(ds) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    model_ = new MemoryTableModel(ds_, this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    ApplyGridLayout(*this, MemoryGridWidths, QStringLiteral("00-000"));
    BuildRowLabels();
}

void MemoryGrid::BuildRowLabels() {
    model_->setRowLabels(mtz4::BuildRowLabels(ds_.bank));
}

int MemoryGrid::UpDateMemData() {
    // A disabled entry carries no data: it shows as an empty row.
    ClearDisabledEntries(ds_);
    model_->refresh();
    selectCurrentRowWhole();
    return 0;
}

void MemoryGrid::ChangeFont() {
    model_->setNoteFont(NoteColumnFont());
}

void MemoryGrid::setModelHeader(int model) {
    model_->setModelHeader(ModelColumnHeader(model));
    model_->refresh();
}

int MemoryGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void MemoryGrid::setCurrentRow(int row) {
    if (row < 1 || row > EntryCount)
        return;
    const QModelIndex target = model_->index(row - 1, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    scrollTo(target);
}

QString MemoryGrid::rowLabel(int row) const {
    return model_->rowLabel(row - 1);
}

void MemoryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    // Whatever the mouse did, the selection ends as the whole current row.
    selectCurrentRowWhole();
}

void MemoryGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit editRequested(index.row() + 1);
}

void MemoryGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentRow() > 0) {
        emit editRequested(currentRow());
        return;
    }
    QTableView::keyPressEvent(event);
    selectCurrentRowWhole();
}

void MemoryGrid::selectCurrentRowWhole() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const QItemSelection row(model_->index(current.row(), 0),
                             model_->index(current.row(), model_->columnCount() - 1));
    if (selectionModel()->selection() != row)
        selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
}

} // namespace mtz4
