#include "editing/VfoGrid.h"

#include "editing/VfoTableModel.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

VfoGrid::VfoGrid(DataSet& ds, QWidget* parent)
    : GridView(new VfoTableModel(ds), VfoGridWidths, QStringLiteral("13"), parent), ds_(ds) {
    model_ = static_cast<VfoTableModel*>(gridModel());
    setObjectName(QStringLiteral("MSFlexGrid2"));
    setAccessibleName(QCoreApplication::translate("VfoGrid", "VFO records of the bands"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void VfoGrid::UpdateVFOData() {
    model_->refresh();
}

void VfoGrid::selectWholeGrid() {
    const QModelIndex first = model_->index(0, 0);
    const QModelIndex last = model_->index(BandCount - 1, model_->columnCount() - 1);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

} // namespace mtz4
