#pragma once

#include "model/DataSet.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QStringList>

namespace mtz4 {

// The memory entries as a table: row e is entry e (grid row e + 1), column c
// is grid column c + 1 ("Frequency" .. "Name"). The cell texts are read from
// the data set on demand with the model rule of ds.ModelIndex; the vertical
// header holds the row labels.
class MemoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemoryTableModel(DataSet& ds, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Row labels of entries 0..1299 (missing labels show as empty text).
    void setRowLabels(const QStringList& labels);
    QString rowLabel(int entry) const;
    // Header of grid column 6.
    void setModelHeader(const QString& header);
    void setNoteFont(const QFont& font);
    // Every cell may have changed.
    void refresh();

private:
    DataSet& ds_;
    QStringList labels_;
    QString modelHeader_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
};

} // namespace mtz4
