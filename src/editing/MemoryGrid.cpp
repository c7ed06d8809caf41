#include "editing/MemoryGrid.h"

#include "editing/MemoryTableModel.h"
#include "model/EntryOps.h"
#include "model/RowLabels.h"

#include <QMouseEvent>

namespace mtz4 {

MemoryGrid::MemoryGrid(DataSet& ds, QWidget* parent)
    : GridView(new MemoryTableModel(ds), MemoryGridWidths, QStringLiteral("00-000"), parent),
      ds_(ds) {
    model_ = static_cast<MemoryTableModel*>(gridModel());
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
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

void MemoryGrid::keyPressEvent(QKeyEvent* event) {
    GridView::keyPressEvent(event);
    // Moving with the keys keeps the selection one whole row too.
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
