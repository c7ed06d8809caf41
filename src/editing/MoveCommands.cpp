#include "editing/MoveCommands.h"

#include "editing/DataEditor.h"
#include "editing/EntryClipboard.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "model/Prompter.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

MoveCommands::MoveCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid,
                           MemoryCommands& commands, QObject* parent)
    : QObject(parent), editor_(editor), prompter_(prompter), grid_(grid), commands_(commands),
      drag_(new RowDrag(grid, [&editor](const QList<int>& entries) {
          return EntriesAsText(editor.data(), entries);
      })) {
    connect(drag_, &RowDrag::dropped, this, &MoveCommands::drop);
}

QString MoveCommands::entriesName(const QList<int>& entries) const {
    return entries.size() == 1
               ? grid_.rowLabel(entries.first() + 1)
               : QCoreApplication::translate("MoveCommands", "%n entries", nullptr, entries.size());
}

void MoveCommands::moveUp() {
    move(false);
}

void MoveCommands::moveDown() {
    move(true);
}

void MoveCommands::move(bool down) {
    const QList<int> entries = grid_.selectedEntries();
    if (locked_ || entries.isEmpty())
        return;
    const DataSet& ds = editor_.data();
    // One row up: before the item above the first; one row down: after the
    // item below the last; past a bank's end into the bank next to it.
    const int edge = down ? entries.last() : entries.first();
    EntryList target = ListOfEntry(ds, edge);
    if (!target.contains(edge))
        return;
    const int items = (target.last - target.first + 1) / target.step;
    const int index = (edge - target.first) / target.step;
    int position = down ? index + 2 : index - 1;
    if (position < 0 || position > items) {
        target = NeighbourList(ds, edge, down);
        if (target.first > target.last) {
            prompter_.status(
                down ? QCoreApplication::translate("MoveCommands",
                                                   "The rows are at the end of the list already.")
                     : QCoreApplication::translate("MoveCommands",
                                                   "The rows are at the top of the list already."));
            return;
        }
        position = down ? 0 : (target.last - target.first + 1) / target.step;
    }
    moveTo(entries, target, position,
           (down ? QCoreApplication::translate("MoveCommands", "Move Down %1")
                 : QCoreApplication::translate("MoveCommands", "Move Up %1"))
               .arg(entriesName(entries)));
}

void MoveCommands::drop(const RowDrag::Rows& rows, int entry, bool below) {
    if (locked_)
        return;
    if (!rows.fromHere) {
        // From another window: pasted where they were dropped.
        const int first = below ? entry + 1 : entry;
        if (first >= EntryCount)
            return;
        grid_.setCurrentRow(first + 1);
        commands_.pasteText(rows.text);
        return;
    }
    const EntryList target = ListOfEntry(editor_.data(), entry);
    if (!target.contains(entry) || rows.entries.isEmpty())
        return;
    const int position = (entry - target.first) / target.step + (below ? 1 : 0);
    moveTo(rows.entries, target, position,
           QCoreApplication::translate("MoveCommands", "Move %1").arg(entriesName(rows.entries)));
}

void MoveCommands::moveTo(const QList<int>& entries, const EntryList& target, int position,
                          const QString& name) {
    MoveOutcome outcome = MoveOutcome::NoList;
    QList<int> landed;
    editor_.tryApply(name, DataPart::Memory, [&](DataSet& ds) {
        // Planned on a copy: a move refused leaves the data as they were.
        auto moved = std::make_unique<DataSet>(ds);
        outcome = MoveEntries(*moved, entries, target, position, &landed);
        if (outcome != MoveOutcome::Done || landed == entries)
            return false;
        for (int e = 0; e < EntryCount; ++e) {
            ds.MemData[e] = moved->MemData[e];
            ds.MemText[e] = moved->MemText[e];
            ds.MemEnable[e] = moved->MemEnable[e];
            ds.MemNoteBytes[e] = moved->MemNoteBytes[e];
        }
        ds.DataChanged = true;
        return true;
    });
    switch (outcome) {
    case MoveOutcome::Done:
        grid_.selectEntries(landed);
        break;
    case MoveOutcome::LastInUse:
        prompter_.status(QCoreApplication::translate(
                             "MoveCommands", "%1: no room, the last entries of the list are in use")
                             .arg(grid_.rowLabel(target.first + 1)));
        break;
    case MoveOutcome::OtherKind:
        prompter_.status(QCoreApplication::translate(
            "MoveCommands", "Rows move within the memory channels or within their own "
                            "list (Program Scan, Search Pass, Priority)."));
        break;
    case MoveOutcome::NoList:
        break;
    }
}

} // namespace mtz4
