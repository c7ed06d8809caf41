#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>

namespace mtz4 {

class CellEdits;

// What the memory grid and the VFO grid have in common as a table: view
// column c is grid column c + 1 ("Frequency" .. "Name"), the header row is
// the grids' format string with the model-dependent title of grid column 6,
// the Note column may have a font of its own and tells its whole text as
// tool tip, and the cell texts are read
// from the data set whenever they are painted. Subclasses say how many rows
// there are, what each cell and each row label reads.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // With cell edits set, the cells that take an edit are editable: their
    // edit role is the value an editor starts from, and setting it stores
    // the edit through them.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void setCellEdits(CellEdits* edits) { edits_ = edits; }
    CellEdits* cellEdits() const { return edits_; }

    // Label of table row `row` (the vertical header).
    virtual QString rowLabel(int row) const = 0;
    // Header of grid column 6.
    void setModelHeader(const QString& header);
    void setNoteFont(const QFont& font);
    // Every cell may have changed: one notification for the whole table.
    void refresh();

protected:
    GridTableModel(int rows, QObject* parent);
    // Text of table row `row`, grid column `column` (1..11).
    virtual QString cellText(int row, int column) const = 0;

private:
    int rows_;
    QString modelHeader_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
    CellEdits* edits_ = nullptr;
};

} // namespace mtz4
