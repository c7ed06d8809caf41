#pragma once

#include "editing/FieldEdit.h"

#include <QObject>

namespace mtz4 {

class DataEditor;
class MemoryGrid;
class Prompter;

// The commands that set fields of many selected rows at once, each row
// checked as the edit dialog checks it and the whole change one step of the
// editor: Properties (the fields changed in its dialog, "Edit 40 entries"),
// Fill Down (the current column of the first selected row into the others,
// "Fill Down Step") and Fill Frequencies (a start frequency plus a step per
// row, "Fill Frequencies"). Rows refused are reported with the reason; a
// change without a refusal is said in the status bar.
class FieldCommands : public QObject {
    Q_OBJECT
public:
    FieldCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid,
                  QObject* parent = nullptr);

    void properties();
    void fillDown();
    void fillFrequencies();

private:
    // Plans and stores the change of `entries` as the step `nameOf` names,
    // then reports it under `title`.
    void change(const std::function<QString(const EntriesEdit&)>& nameOf, const QString& title,
                const QList<int>& entries, const std::function<FieldChanges(int, int)>& changesOf);
    QList<int> selectedEntries(const QString& title, int least);

    DataEditor& editor_;
    Prompter& prompter_;
    MemoryGrid& grid_;
};

} // namespace mtz4
