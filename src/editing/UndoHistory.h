#pragma once

#include "editing/DataEditor.h"

#include <QObject>
#include <memory>

class QUndoStack;

namespace mtz4 {

// Undo and redo of the window's changes to the data set. Every step of the
// editor that the user made (StepKind::Edit) and that changed the data
// becomes one entry of the history, named after the step ("Clear 03-012");
// so does every clone read that changed the data or the change flag
// (StepKind::Read, "Read ALL"), whether it ended well or not. Open and New
// end the history. Undo and redo count as changes (DataChanged), except that
// coming back to the state last saved or loaded clears the flag.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    // At most this many steps are kept; the oldest go first.
    static constexpr int Limit = 200;

    explicit UndoHistory(DataEditor& editor, QObject* parent = nullptr);
    ~UndoHistory() override;

    QUndoStack* stack() const { return stack_; }
    bool canUndo() const;
    bool canRedo() const;
    // The name of the step that undo or redo would take back or make again.
    QString undoText() const;
    QString redoText() const;
    void undo();
    void redo();

signals:
    // canUndo, canRedo or the step names changed.
    void stateChanged();

private:
    void aboutToChange(StepKind kind);
    void stepEnded(const QString& name, DataParts parts, StepKind kind, bool happened);
    void afterUndoOrRedo();

    DataEditor& editor_;
    QUndoStack* stack_;
    std::unique_ptr<DataSet> before_; // the data as they were when the step began
    int depth_ = 0;                   // steps started inside a step belong to it
};

} // namespace mtz4
