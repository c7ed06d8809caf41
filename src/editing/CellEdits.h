#pragma once

#include "editing/FieldEdit.h"

#include <QObject>
#include <QVariant>

namespace mtz4 {

class DataEditor;
class GridTableModel;

// Editing the cells of the memory grid or the VFO grid in place: which cell
// takes an edit, how it is edited (a typed number, a note, a name, or a
// choice from a list of what the dialog offers), and storing the edit as
// one step of the editor ("Edit 05-007 Step", "Edit Band 3 Mode"), checked
// as the dialog checks it (PlanEntryEdit, PlanBandEdit). A refused edit
// changes nothing and tells why (told()), for the status bar.
class CellEdits : public QObject {
    Q_OBJECT
public:
    // How a cell is edited.
    enum class Kind { None, Number, Note, Name, List };

    // `memory`: the cells of the memory grid (row = entry), else of the VFO
    // grid (row = band); `model` gives the row labels and column headers.
    CellEdits(DataEditor& editor, bool memory, const GridTableModel& model,
              QObject* parent = nullptr);

    // Whether the cell of table row `row`, grid column `column` takes an
    // edit; when not, `whyNot` says why.
    bool editable(int row, int column, QString* whyNot = nullptr) const;
    Kind kind(int row, int column) const;
    // The typing limit of a typed cell.
    int typingLimit(int column) const;
    // The value an editor starts from: the stored text, or the code of a list cell.
    QVariant value(int row, int column) const;
    // The choices of a list cell, as (text, code).
    QList<QPair<QString, int>> choices(int row, int column) const;
    const DataSet& data() const;

    // Stores `value` (a text, or a code) into the cell. False when the edit
    // was refused (then told() said why).
    bool commit(int row, int column, const QVariant& value);

    // Where a cell is, in a message: "05-007 Step", "Band 3 Mode".
    QString where(int row, int column) const;
    // While locked (a clone command runs) no cell takes an edit.
    void setLocked(bool locked) { locked_ = locked; }
    // Says `text` where the user sees it (the status bar).
    void tell(const QString& text) { emit told(text); }

signals:
    void told(const QString& text);

private:
    EditField field(int column) const;
    QString rowName(int row) const;

    DataEditor& editor_;
    bool memory_;
    const GridTableModel& model_;
    bool locked_ = false;
};

} // namespace mtz4
