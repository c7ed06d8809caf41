#include "editing/VfoGrid.h"

#include "editing/VfoTableModel.h"

namespace mtz4 {

VfoGrid::VfoGrid(DataSet& ds, QWidget* parent)
    : GridView(new VfoTableModel(ds), VfoGridWidths, QStringLiteral("13"), parent), ds_(ds) {
    model_ = static_cast<VfoTableModel*>(gridModel());
    setObjectName(QStringLiteral("MSFlexGrid2"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void VfoGrid::UpdateVFOData() {
    model_->refresh();
}

} // namespace mtz4
