#pragma once

#include "model/EntryMoves.h"

#include <QObject>

namespace mtz4 {

class DataEditor;
class FindBar;
class MemoryGrid;
class Prompter;

// The editing commands of the memory list beyond the page's buttons: copy,
// cut and paste of entries, inserting and deleting an entry with the rest of
// its list moving along, sorting a bank, finding and going to an entry. Every
// change is one step of the editor.
class MemoryCommands : public QObject {
    Q_OBJECT
public:
    MemoryCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid, FindBar& findBar,
                   QObject* parent = nullptr);

    // The selected entries to the clipboard, as tab-separated rows.
    void copy();
    // Copies, then empties the selected entries.
    void cut();
    // The rows on the clipboard into consecutive entries from the current row.
    void paste();
    // Pastes `text` as paste() does the clipboard's.
    void pasteText(const QString& text);
    void insertEmptyEntry();
    void deleteEntry();
    void sortBank(SortKey key);
    // Makes the row with the label the user typed current, in the middle of
    // the view (a row that the filter or View > Hide Empty Entries hides is
    // shown again); false (after a message) when no row has it.
    bool goTo(const QString& label);
    // Asks for a row label and goes there.
    void askGoTo();
    // Opens the find bar; the next or previous match of its text.
    void openFind();
    void findNext();
    void findPrevious();

signals:
    // A row to show is hidden by the filter: the filter is to be cleared.
    void filterInTheWay();

private:
    int currentEntry() const;
    void find(bool forward);
    void tell(const QString& text, const QString& title);

    DataEditor& editor_;
    Prompter& prompter_;
    MemoryGrid& grid_;
    FindBar& findBar_;
};

} // namespace mtz4
