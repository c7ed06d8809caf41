#include "editing/UndoHistory.h"

#include "editing/DataDelta.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace mtz4 {

namespace {

// One step of the history. Pushing it runs redo() once; the change has
// already been made then, so that first call does nothing.
class UndoStep : public QUndoCommand {
public:
    UndoStep(DataEditor& editor, const QString& name, DataParts parts, DataDelta delta)
        : QUndoCommand(name), editor_(editor), parts_(parts), delta_(std::move(delta)) {}

    void undo() override {
        editor_.restore(text(), parts_, [this](DataSet& ds) { delta_.putBefore(ds); });
    }
    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        editor_.restore(text(), parts_, [this](DataSet& ds) { delta_.putAfter(ds); });
    }

private:
    DataEditor& editor_;
    DataParts parts_;
    DataDelta delta_;
    bool pushed_ = true;
};

} // namespace

UndoHistory::UndoHistory(DataEditor& editor, QObject* parent)
    : QObject(parent), editor_(editor), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(Limit);
    stack_->setClean();
    connect(&editor_, &DataEditor::aboutToChange, this,
            [this](const QString&, DataParts, StepKind kind) { aboutToChange(kind); });
    connect(&editor_, &DataEditor::stepEnded, this, &UndoHistory::stepEnded);
    connect(&editor_, &DataEditor::saved, this, [this] { stack_->setClean(); });
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(stack_, signal, this, &UndoHistory::stateChanged);
    connect(stack_, &QUndoStack::undoTextChanged, this, &UndoHistory::stateChanged);
    connect(stack_, &QUndoStack::redoTextChanged, this, &UndoHistory::stateChanged);
}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::canUndo() const {
    return stack_->canUndo();
}

bool UndoHistory::canRedo() const {
    return stack_->canRedo();
}

QString UndoHistory::undoText() const {
    return stack_->undoText();
}

QString UndoHistory::redoText() const {
    return stack_->redoText();
}

void UndoHistory::aboutToChange(StepKind kind) {
    if (depth_++ > 0)
        return;
    if (kind == StepKind::Edit || kind == StepKind::Read)
        before_ = std::make_unique<DataSet>(editor_.data());
}

void UndoHistory::stepEnded(const QString& name, DataParts parts, StepKind kind, bool happened) {
    if (--depth_ > 0)
        return;
    const DataSet& now = editor_.data();
    switch (kind) {
    case StepKind::Edit:
    case StepKind::Read:
        if (happened && before_) {
            DataDelta delta(*before_, now);
            // A read that brought exactly the data there were still made
            // them unsaved; undoing it makes them saved again.
            const bool flagOnly = kind == StepKind::Read && before_->DataChanged != now.DataChanged;
            if (!delta.empty() || flagOnly)
                stack_->push(new UndoStep(editor_, name, parts, std::move(delta)));
        }
        break;
    case StepKind::Replace:
        if (happened) {
            // The data come from a file or the factory: nothing to save,
            // unless loading them repaired something.
            stack_->clear();
            if (now.DataChanged)
                stack_->resetClean();
            else
                stack_->setClean();
        }
        break;
    case StepKind::Transfer:
        break;
    }
    before_.reset();
}

void UndoHistory::undo() {
    stack_->undo();
    afterUndoOrRedo();
}

void UndoHistory::redo() {
    stack_->redo();
    afterUndoOrRedo();
}

void UndoHistory::afterUndoOrRedo() {
    editor_.data().DataChanged = !stack_->isClean();
}

} // namespace mtz4
