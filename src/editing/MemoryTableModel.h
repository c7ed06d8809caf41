#pragma once

#include "editing/GridTableModel.h"
#include "model/DataSet.h"

#include <QStringList>

namespace mtz4 {

// The memory entries as a table: row e is entry e (grid row e + 1). The cell
// texts follow the model rule of ds.ModelIndex; the vertical header holds the
// row labels.
class MemoryTableModel : public GridTableModel {
    Q_OBJECT
public:
    explicit MemoryTableModel(DataSet& ds, QObject* parent = nullptr);

    // Row labels of entries 0..1299 (missing labels show as empty text).
    void setRowLabels(const QStringList& labels);
    QString rowLabel(int entry) const override;

protected:
    QString cellText(int entry, int column) const override;

private:
    DataSet& ds_;
    QStringList labels_;
};

} // namespace mtz4
