#include "editing/MemoryGrid.h"

namespace mtz4 {

MemoryGrid::MemoryGrid(DataSet& ds, QWidget* parent) : QTableView(parent), ds_(ds) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
}

void MemoryGrid::BuildRowLabels() {}
int MemoryGrid::UpDateMemData() {
    return 0;
}
void MemoryGrid::ChangeFont() {}
void MemoryGrid::setModelHeader(int) {}
int MemoryGrid::currentRow() const {
    return 0;
}
void MemoryGrid::setCurrentRow(int) {}
QString MemoryGrid::rowLabel(int) const {
    return {};
}
void MemoryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
}
void MemoryGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
}
void MemoryGrid::keyPressEvent(QKeyEvent* event) {
    QTableView::keyPressEvent(event);
}
void MemoryGrid::selectCurrentRowWhole() {}

} // namespace mtz4
