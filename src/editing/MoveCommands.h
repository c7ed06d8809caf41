#pragma once

#include "editing/RowDrag.h"
#include "model/EntryMoves.h"

#include <QObject>

namespace mtz4 {

class DataEditor;
class MemoryCommands;
class MemoryGrid;
class Prompter;

// Moving the selected rows of the memory grid: Move Up and Move Down
// (Ctrl+Up, Ctrl+Down) by one row, and dragging them by their row headers
// to another place, within a bank or list and from bank to bank. The
// entries leave their place as Delete takes an entry out and go in as
// Insert puts one in (MoveEntries), one step of the editor ("Move Up
// 05-007", "Move 3 entries"); afterwards they are selected where they went.
// Rows dragged from another window are pasted where they are dropped, as
// Paste pastes them.
class MoveCommands : public QObject {
    Q_OBJECT
public:
    MoveCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid, MemoryCommands& commands,
                 QObject* parent = nullptr);

    void moveUp();
    void moveDown();
    // While locked (a clone command runs) nothing moves and nothing is dropped.
    void setLocked(bool locked) { locked_ = locked; }

    RowDrag& drag() const { return *drag_; }

private:
    void move(bool down);
    void drop(const RowDrag::Rows& rows, int entry, bool below);
    // Moves `entries` to item `position` of `target`, as the step `name`.
    void moveTo(const QList<int>& entries, const EntryList& target, int position,
                const QString& name);
    QString entriesName(const QList<int>& entries) const;

    DataEditor& editor_;
    Prompter& prompter_;
    MemoryGrid& grid_;
    MemoryCommands& commands_;
    RowDrag* drag_;
    bool locked_ = false;
};

} // namespace mtz4
