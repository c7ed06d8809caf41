#include "editing/DataEditor.h"

namespace mtz4 {

DataEditor::DataEditor(DataSet& ds, QObject* parent) : QObject(parent), ds_(ds) {}

bool DataEditor::tryApply(const QString& name, DataParts parts,
                          const std::function<bool(DataSet&)>& change) {
    emit aboutToChange(name, parts);
    const bool changedData = change(ds_);
    if (changedData)
        emit changed(name, parts);
    return changedData;
}

void DataEditor::apply(const QString& name, DataParts parts,
                       const std::function<void(DataSet&)>& change) {
    tryApply(name, parts, [&change](DataSet& ds) {
        change(ds);
        return true;
    });
}

} // namespace mtz4
