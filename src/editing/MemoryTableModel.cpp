#include "editing/MemoryTableModel.h"

#include "editing/GridCellText.h"

namespace mtz4 {

MemoryTableModel::MemoryTableModel(DataSet& ds, QObject* parent)
    : GridTableModel(EntryCount, parent), ds_(ds) {}

void MemoryTableModel::setRowLabels(const QStringList& labels) {
    // The labels are rebuilt on every refresh of the page, mostly to the same
    // texts; telling the views of a change makes them lay out and repaint.
    if (labels == labels_)
        return;
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
