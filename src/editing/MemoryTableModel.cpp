#include "editing/MemoryTableModel.h"

#include "editing/GridCellText.h"
#include "editing/GridLayout.h"

namespace mtz4 {

MemoryTableModel::MemoryTableModel(DataSet& ds, QObject* parent)
    : QAbstractTableModel(parent), ds_(ds), modelHeader_(ModelColumnHeader(Model::MTZ4J)) {}

int MemoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EntryCount;
}

int MemoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridColumns - 1;
}

QVariant MemoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return MemoryCellText(ds_, index.row(), column, ds_.ModelIndex);
    case Qt::FontRole:
        if (column == GridCol::Note && hasNoteFont_)
            return noteFont_;
        return {};
    default:
        return {};
    }
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return rowLabel(section);
    const int column = section + 1;
    if (column == GridCol::Model)
        return modelHeader_;
    static const auto titles = GridHeaderTexts();
    return column >= 1 && column < GridColumns ? titles[column] : QString();
}

void MemoryTableModel::setRowLabels(const QStringList& labels) {
    labels_ = labels;
    emit headerDataChanged(Qt::Vertical, 0, EntryCount - 1);
}

QString MemoryTableModel::rowLabel(int entry) const {
    return entry >= 0 && entry < labels_.size() ? labels_[entry] : QString();
}

void MemoryTableModel::setModelHeader(const QString& header) {
    modelHeader_ = header;
    emit headerDataChanged(Qt::Horizontal, GridCol::Model - 1, GridCol::Model - 1);
}

void MemoryTableModel::setNoteFont(const QFont& font) {
    noteFont_ = font;
    hasNoteFont_ = true;
    emit dataChanged(index(0, GridCol::Note - 1), index(EntryCount - 1, GridCol::Note - 1),
                     {Qt::FontRole});
}

void MemoryTableModel::refresh() {
    emit dataChanged(index(0, 0), index(EntryCount - 1, columnCount() - 1));
}

} // namespace mtz4
