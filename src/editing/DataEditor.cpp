#include "editing/DataEditor.h"

namespace mtz4 {

DataEditor::DataEditor(DataSet& ds, QObject* parent) : QObject(parent), ds_(ds) {}

bool DataEditor::tryApply(const QString& name, DataParts parts,
                          const std::function<bool(DataSet&)>& change, StepKind kind) {
    emit aboutToChange(name, parts, kind);
    const bool happened = change(ds_);
    emit stepEnded(name, parts, kind, happened);
    if (happened)
        emit changed(name, parts);
    return happened;
}

void DataEditor::apply(const QString& name, DataParts parts,
                       const std::function<void(DataSet&)>& change, StepKind kind) {
    tryApply(
        name, parts,
        [&change](DataSet& ds) {
            change(ds);
            return true;
        },
        kind);
}

void DataEditor::restore(const QString& name, DataParts parts,
                         const std::function<void(DataSet&)>& put) {
    put(ds_);
    emit restored(name, parts);
    emit changed(name, parts);
}

} // namespace mtz4
