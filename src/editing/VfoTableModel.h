#pragma once

#include "model/DataSet.h"

#include <QAbstractTableModel>
#include <QFont>

namespace mtz4 {

// The 14 band VFO records as a table: row b is band b (grid row b + 1),
// column c is grid column c + 1. The texts follow the model selector button
// ds.settings.opbModel; the vertical header shows the band numbers 0..13.
class VfoTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VfoTableModel(DataSet& ds, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setModelHeader(const QString& header);
    void setNoteFont(const QFont& font);
    void refresh();

private:
    DataSet& ds_;
    QString modelHeader_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
};

} // namespace mtz4
