#include "editing/VfoTableModel.h"

#include "editing/GridCellText.h"

namespace mtz4 {

VfoTableModel::VfoTableModel(DataSet& ds, QObject* parent)
    : GridTableModel(BandCount, parent), ds_(ds) {}

QString VfoTableModel::rowLabel(int band) const {
    return QString::number(band);
}

QString VfoTableModel::cellText(int band, int column) const {
    return VfoCellText(ds_, band, column, ds_.ModelIndex);
}

} // namespace mtz4
