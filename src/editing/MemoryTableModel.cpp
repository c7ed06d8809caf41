#include "editing/MemoryTableModel.h"

#include "editing/GridCellText.h"

namespace mtz4 {

MemoryTableModel::MemoryTableModel(DataSet& ds, QObject* parent)
    : GridTableModel(EntryCount, parent), ds_(ds) {}

void MemoryTableModel::setRowLabels(const QStringList& labels) {
    labels_ = labels;
    emit headerDataChanged(Qt::Vertical, 0, EntryCount - 1);
}

QString MemoryTableModel::rowLabel(int entry) const {
    return entry >= 0 && entry < labels_.size() ? labels_[entry] : QString();
}

QString MemoryTableModel::cellText(int entry, int column) const {
    return MemoryCellText(ds_, entry, column, ds_.ModelIndex);
}

} // namespace mtz4
