#include "editing/VfoTableModel.h"

#include "editing/GridCellText.h"
#include "editing/GridLayout.h"

namespace mtz4 {

VfoTableModel::VfoTableModel(DataSet& ds, QObject* parent)
    : QAbstractTableModel(parent), ds_(ds), modelHeader_(ModelColumnHeader(Model::MTZ4J)) {}

int VfoTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : BandCount;
}

int VfoTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridColumns - 1;
}

QVariant VfoTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return VfoCellText(ds_, index.row(), column, ds_.settings.opbModel);
    case Qt::FontRole:
        if (column == GridCol::Note && hasNoteFont_)
            return noteFont_;
        return {};
    default:
        return {};
    }
}

QVariant VfoTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return QString::number(section);
    const int column = section + 1;
    if (column == GridCol::Model)
        return modelHeader_;
    static const auto titles = GridHeaderTexts();
    return column >= 1 && column < GridColumns ? titles[column] : QString();
}

void VfoTableModel::setModelHeader(const QString& header) {
    modelHeader_ = header;
    emit headerDataChanged(Qt::Horizontal, GridCol::Model - 1, GridCol::Model - 1);
}

void VfoTableModel::setNoteFont(const QFont& font) {
    noteFont_ = font;
    hasNoteFont_ = true;
    emit dataChanged(index(0, GridCol::Note - 1), index(BandCount - 1, GridCol::Note - 1),
                     {Qt::FontRole});
}

void VfoTableModel::refresh() {
    emit dataChanged(index(0, 0), index(BandCount - 1, columnCount() - 1));
}

} // namespace mtz4
