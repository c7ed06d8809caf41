#include "editing/MemoryCommands.h"

#include "editing/DataEditor.h"
#include "editing/EntryClipboard.h"
#include "editing/FindBar.h"
#include "editing/MemoryGrid.h"
#include "model/EntryFind.h"
#include "model/EntryOps.h"
#include "model/Prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QInputDialog>

namespace mtz4 {

namespace {

// A short name for a set of entries in a step's name: the label of the only
// one, or how many there are.
QString EntriesName(const MemoryGrid& grid, const QList<int>& entries) {
    return entries.size() == 1 ? grid.rowLabel(entries.first() + 1)
                               : QCoreApplication::translate("MemoryCommands", "%n Entries",
                                                             nullptr, entries.size());
}

// The name of the list an entry is in, for step names.
QString ListName(const MemoryGrid& grid, int entry) {
    if (entry >= FirstPriorityEntry)
        return QCoreApplication::translate("MemoryCommands", "Priority");
    if (entry >= FirstSearchPassEntry)
        return QCoreApplication::translate("MemoryCommands", "Search Pass");
    if (entry >= FirstProgramScanEntry)
        return QCoreApplication::translate("MemoryCommands", "Program Scan");
    return QCoreApplication::translate("MemoryCommands", "Bank %1")
        .arg(grid.rowLabel(entry + 1).left(2));
}

} // namespace

MemoryCommands::MemoryCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid,
                               FindBar& findBar, QObject* parent)
    : QObject(parent), editor_(editor), prompter_(prompter), grid_(grid), findBar_(findBar) {
    connect(&findBar_, &FindBar::findNext, this, &MemoryCommands::findNext);
    connect(&findBar_, &FindBar::findPrevious, this, &MemoryCommands::findPrevious);
}

int MemoryCommands::currentEntry() const {
    return grid_.currentRow() - 1;
}

void MemoryCommands::tell(const QString& text, const QString& title) {
    prompter_.ask({text, title, PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
}

void MemoryCommands::copy() {
    const QList<int> entries = grid_.selectedEntries();
    if (!entries.isEmpty())
        QApplication::clipboard()->setText(EntriesAsText(editor_.data(), entries));
}

void MemoryCommands::cut() {
    const QList<int> entries = grid_.selectedEntries();
    if (entries.isEmpty())
        return;
    copy();
    editor_.apply(
        QCoreApplication::translate("MemoryCommands", "Cut %1").arg(EntriesName(grid_, entries)),
        DataPart::Memory, [&entries](DataSet& ds) {
            for (int e : entries)
                ClearEntry(ds, e);
            ds.DataChanged = true;
        });
}

void MemoryCommands::paste() {
    pasteText(QApplication::clipboard()->text());
}

void MemoryCommands::pasteText(const QString& text) {
    const int first = currentEntry();
    if (first < 0)
        return;
    const PastePlan plan = PlanPaste(editor_.data(), text, first);
    if (plan.overwritesInUse > 0) {
        const PromptAnswer answer = prompter_.ask(
            {QCoreApplication::translate(
                 "MemoryCommands", "The paste replaces %n entries in use.\r\nDo you want to go on?",
                 nullptr, plan.overwritesInUse),
             QCoreApplication::translate("MemoryCommands", "Paste"), PromptIcon::Exclamation,
             PromptButtons::OkCancel, PromptAnswer::Cancel});
        if (answer != PromptAnswer::Ok)
            return;
    }
    if (!plan.rows.isEmpty()) {
        editor_.apply(QCoreApplication::translate("MemoryCommands", "Paste %1")
                          .arg(grid_.rowLabel(first + 1)),
                      DataPart::Memory, [&plan](DataSet& ds) {
                          ApplyPaste(ds, plan);
                          ds.DataChanged = true;
                      });
    }
    // A paste that went as asked says so in the status bar; one with rows
    // changed or left out says which and why, and one that replaced
    // entries in use what it changed in them.
    if (!plan.skipped.isEmpty() || !plan.changed.isEmpty() || !plan.compared.isEmpty())
        ShowImportReport(prompter_, plan, QCoreApplication::translate("MemoryCommands", "Paste"),
                         QStringLiteral("pasted"));
    else
        prompter_.status(ImportSummary(plan, QStringLiteral("pasted")));
}

void MemoryCommands::insertEmptyEntry() {
    const int entry = currentEntry();
    if (entry < 0)
        return;
    MoveOutcome outcome = MoveOutcome::NoList;
    editor_.tryApply(
        QCoreApplication::translate("MemoryCommands", "Insert %1").arg(grid_.rowLabel(entry + 1)),
        DataPart::Memory, [&](DataSet& ds) {
            outcome = InsertEmptyEntry(ds, entry);
            if (outcome == MoveOutcome::Done)
                ds.DataChanged = true;
            return outcome == MoveOutcome::Done;
        });
    if (outcome == MoveOutcome::LastInUse)
        tell(QCoreApplication::translate(
                 "MemoryCommands",
                 "The last entry of this list is in use: there is no room to insert "
                 "an empty entry."),
             QCoreApplication::translate("MemoryCommands", "Insert Empty Entry"));
    else if (outcome == MoveOutcome::NoList)
        tell(QCoreApplication::translate("MemoryCommands", "This row belongs to no bank."),
             QCoreApplication::translate("MemoryCommands", "Insert Empty Entry"));
}

void MemoryCommands::deleteEntry() {
    const int entry = currentEntry();
    if (entry < 0)
        return;
    const QString label = grid_.rowLabel(entry + 1);
    const PromptAnswer answer = prompter_.ask(
        {QCoreApplication::translate("MemoryCommands",
                                     "Delete entry %1?\r\nThe entries after it in its list move "
                                     "up by one.")
             .arg(label),
         QCoreApplication::translate("MemoryCommands", "Delete Entry"), PromptIcon::Exclamation,
         PromptButtons::OkCancel, PromptAnswer::Cancel});
    if (answer != PromptAnswer::Ok)
        return;
    MoveOutcome outcome = MoveOutcome::NoList;
    editor_.tryApply(QCoreApplication::translate("MemoryCommands", "Delete %1").arg(label),
                     DataPart::Memory, [&](DataSet& ds) {
                         outcome = DeleteEntry(ds, entry);
                         if (outcome == MoveOutcome::Done)
                             ds.DataChanged = true;
                         return outcome == MoveOutcome::Done;
                     });
    if (outcome == MoveOutcome::NoList)
        tell(QCoreApplication::translate("MemoryCommands", "This row belongs to no bank."),
             QCoreApplication::translate("MemoryCommands", "Delete Entry"));
}

void MemoryCommands::sortBank(SortKey key) {
    const int entry = currentEntry();
    if (entry < 0)
        return;
    const QString name =
        QCoreApplication::translate("MemoryCommands", "Sort %1 by %2")
            .arg(ListName(grid_, entry),
                 key == SortKey::Name ? QCoreApplication::translate("MemoryCommands", "Name")
                                      : QCoreApplication::translate("MemoryCommands", "Frequency"));
    MoveOutcome outcome = MoveOutcome::NoList;
    editor_.tryApply(name, DataPart::Memory, [&](DataSet& ds) {
        outcome = SortList(ds, entry, key);
        if (outcome == MoveOutcome::Done)
            ds.DataChanged = true;
        return outcome == MoveOutcome::Done;
    });
    if (outcome == MoveOutcome::NoList)
        tell(QCoreApplication::translate("MemoryCommands", "This row belongs to no bank."),
             QCoreApplication::translate("MemoryCommands", "Sort"));
}

bool MemoryCommands::goTo(const QString& label) {
    const int entry = EntryOfRowLabel(grid_.rowLabels(), label);
    if (entry < 0) {
        tell(QCoreApplication::translate("MemoryCommands", "There is no row labelled \"%1\".")
                 .arg(label.trimmed()),
             QCoreApplication::translate("MemoryCommands", "Go To"));
        return false;
    }
    if (grid_.isRowHidden(entry))
        grid_.setHideEmpty(false);
    if (grid_.isRowHidden(entry))
        emit filterInTheWay();
    grid_.centreOnRow(entry + 1);
    return true;
}

void MemoryCommands::askGoTo() {
    bool ok = false;
    const QString label = QInputDialog::getText(
        grid_.window(), QCoreApplication::translate("MemoryCommands", "Go To"),
        QCoreApplication::translate("MemoryCommands",
                                    "Row label (for example 03-012, 12A, S5 or Pr3):"),
        QLineEdit::Normal, QString(), &ok);
    if (ok && !label.trimmed().isEmpty())
        goTo(label);
}

void MemoryCommands::openFind() {
    findBar_.open();
}

void MemoryCommands::findNext() {
    find(true);
}

void MemoryCommands::findPrevious() {
    find(false);
}

void MemoryCommands::find(bool forward) {
    if (findBar_.text().isEmpty()) {
        findBar_.open();
        return;
    }
    // The next match among the rows shown.
    const DataSet& ds = editor_.data();
    int entry = FindEntry(ds, findBar_.text(), currentEntry(), forward);
    const int first = entry;
    while (entry >= 0 && grid_.isRowHidden(entry)) {
        entry = FindEntry(ds, findBar_.text(), entry, forward);
        if (entry == first)
            entry = -1;
    }
    findBar_.showFound(entry >= 0);
    if (entry >= 0)
        grid_.centreOnRow(entry + 1);
}

} // namespace mtz4
