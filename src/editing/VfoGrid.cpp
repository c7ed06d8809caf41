#include "editing/VfoGrid.h"

namespace mtz4 {

VfoGrid::VfoGrid(DataSet& ds, QWidget* parent) : QTableView(parent), ds_(ds) {
    setObjectName(QStringLiteral("MSFlexGrid2"));
}

void VfoGrid::UpdateVFOData() {}
void VfoGrid::ChangeFont() {}
void VfoGrid::setModelHeader(int) {}
int VfoGrid::currentRow() const {
    return 0;
}
void VfoGrid::selectAllCells() {}
void VfoGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
}
void VfoGrid::keyPressEvent(QKeyEvent* event) {
    QTableView::keyPressEvent(event);
}

} // namespace mtz4
