#pragma once

#include "model/DataParts.h"
#include "model/DataSet.h"

#include <QObject>
#include <QString>
#include <functional>

namespace mtz4 {

// What a step means for the undo history.
enum class StepKind {
    Edit,     // the user's own change: it can be undone
    Read,     // a clone read: undone as a whole, also when it only marked the data as changed
    Replace,  // the data come from elsewhere (Open, New): the history ends
    Transfer, // a clone write: only what the encoders rebuild changes; no step of its own
};

// The one way the window changes the data set: every edit, list operation,
// import, read, load and New runs as a named step through apply(), which
// announces it before and reports it after. The views redraw from changed();
// undo, backups and compare hook in at the same two signals.
class DataEditor : public QObject {
    Q_OBJECT
public:
    explicit DataEditor(DataSet& ds, QObject* parent = nullptr);

    DataSet& data() { return ds_; }
    const DataSet& data() const { return ds_; }

    // Runs `change` as the step `name` touching `parts`.
    void apply(const QString& name, DataParts parts, const std::function<void(DataSet&)>& change,
               StepKind kind = StepKind::Edit);
    // The same for a change that may not happen: `change` returns false when
    // it left the data set as it was (a refused file, say), and then no
    // change is reported. Returns what `change` returned.
    bool tryApply(const QString& name, DataParts parts, const std::function<bool(DataSet&)>& change,
                  StepKind kind = StepKind::Edit);

    // Puts earlier data back (undo and redo): `put` changes the data set,
    // reported as restored() and changed(), not as a step.
    void restore(const QString& name, DataParts parts, const std::function<void(DataSet&)>& put);

    // The data set was saved to its file (or loaded): what it holds now is
    // what the file holds.
    void markSaved() { emit saved(); }

signals:
    void aboutToChange(const QString& name, mtz4::DataParts parts, mtz4::StepKind kind);
    void changed(const QString& name, mtz4::DataParts parts);
    // A step ended: `kind` as announced; `happened` false when it changed nothing.
    void stepEnded(const QString& name, mtz4::DataParts parts, mtz4::StepKind kind, bool happened);
    void restored(const QString& name, mtz4::DataParts parts);
    void saved();

private:
    DataSet& ds_;
};

} // namespace mtz4
