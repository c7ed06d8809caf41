#include "editing/GridTableModel.h"

#include "editing/CellEdits.h"
#include "editing/GridLayout.h"
#include "model/Limits.h"

namespace mtz4 {

namespace {

// A cell shows at most this many characters of its text, a tip a few more:
// no column is wider, and laying out a note of megabytes would hold up the
// window for as many seconds. The rest is elided.
constexpr qsizetype CellTextShown = 300;
constexpr qsizetype TipTextShown = 1000;

QString shown(const QString& text, qsizetype most) {
    return text.size() <= most ? text : text.left(most) + QChar(0x2026);
}

} // namespace

GridTableModel::GridTableModel(int rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), modelHeader_(ModelColumnHeader(Model::MTZ4J)) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridColumns - 1;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return shown(cellText(index.row(), column), CellTextShown);
    case Qt::EditRole:
        return edits_ ? edits_->value(index.row(), column) : QVariant();
    case Qt::FontRole:
        if (column == GridCol::Note && hasNoteFont_)
            return noteFont_;
        return {};
    case Qt::ToolTipRole: {
        // A note is often longer than its column: the whole of it.
        if (column != GridCol::Note)
            return {};
        const QString note = cellText(index.row(), column);
        return note.isEmpty() ? QVariant() : QVariant(shown(note, TipTextShown));
    }
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
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

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (edits_ && index.isValid() && edits_->editable(index.row(), index.column() + 1))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!edits_ || !index.isValid() || role != Qt::EditRole)
        return false;
    // The data set tells the views of the change (the editor's step).
    return edits_->commit(index.row(), index.column() + 1, value);
}

void GridTableModel::setModelHeader(const QString& header) {
    modelHeader_ = header;
    emit headerDataChanged(Qt::Horizontal, GridCol::Model - 1, GridCol::Model - 1);
}

void GridTableModel::setNoteFont(const QFont& font) {
    noteFont_ = font;
    hasNoteFont_ = true;
    emit dataChanged(index(0, GridCol::Note - 1), index(rows_ - 1, GridCol::Note - 1),
                     {Qt::FontRole});
}

void GridTableModel::refresh() {
    emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

} // namespace mtz4
