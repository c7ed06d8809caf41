#include "editing/GridCellText.h"

#include "editing/GridLayout.h"

namespace mtz4 {

namespace {

const QString Dash = QStringLiteral("-");

} // namespace

QString MemoryCellText(const DataSet& ds, int entry, int column, int model) {
    if (entry < 0 || entry >= EntryCount || column < 1 || column >= GridColumns)
        return {};
    const auto& text = ds.MemText[entry];
    switch (column) {
    case GridCol::Option:
        return ShownOptionText(text[Col::Option], model);
    case GridCol::Skip:
        return ds.MemData[entry][Col::Skip] != 0.0 ? QStringLiteral("*") : QString();
    case GridCol::Model:
        if (model == Model::MTZ4J)
            return text[Col::Carrier];
        if (model == Model::MTZ40E)
            return text[Col::Secret];
        return Dash;
    default:
        return text[column - 1];
    }
}

QString VfoCellText(const DataSet& ds, int band, int column, int model) {
    if (band < 0 || band >= BandCount || column < 1 || column >= GridColumns)
        return {};
    const auto& text = ds.VfoText[band];
    if (model == Model::MTZ4J || model == Model::MTZ40E) {
        switch (column) {
        case GridCol::Option:
            return ShownOptionText(text[Col::Option], model);
        case GridCol::Model:
            // Model 1 repeats the secret code, which column 5 shows as well.
            return model == Model::MTZ40E ? text[Col::Secret] : text[Col::Carrier];
        default:
            return text[column - 1];
        }
    }
    if (band >= 8)
        return Dash;
    switch (column) {
    case GridCol::Option:
        return ShownOptionText(text[Col::Option], model);
    case GridCol::Skip:
    case GridCol::Model:
        return Dash;
    default:
        return text[column - 1];
    }
}

} // namespace mtz4
