#pragma once

#include "editing/GridTableModel.h"
#include "model/DataSet.h"

namespace mtz4 {

// The 14 band VFO records as a table: row b is band b (grid row b + 1). The
// texts follow the model selector button ds.ModelIndex; the vertical
// header shows the band numbers 0..13.
class VfoTableModel : public GridTableModel {
    Q_OBJECT
public:
    explicit VfoTableModel(DataSet& ds, QObject* parent = nullptr);

    QString rowLabel(int band) const override;

protected:
    QString cellText(int band, int column) const override;

private:
    DataSet& ds_;
};

} // namespace mtz4
