#pragma once

#include "editing/DataEditor.h"
#include "model/CodePage.h"

#include <QObject>
#include <map>

class QAction;
class QMenu;

namespace mtz4 {

// Tool > "Note Code Page": the code page the notes are read and written in,
// one checked item of the code pages the program offers. Choosing another
// reads every note anew in it (ChangeNoteCodePage): a step of its own, so
// that undo goes back. The choice is remembered for the user; the first
// time it is Japanese where the program's texts are, Western elsewhere.
class NoteCodePageMenu : public QObject {
    Q_OBJECT
public:
    // Fills `menu` and puts the remembered code page into the editor's data
    // set (which should hold no notes yet).
    NoteCodePageMenu(QMenu* menu, DataEditor& editor, QObject* parent = nullptr);

    QMenu* menu() const { return menu_; }
    // Chooses a code page as the menu item does.
    void choose(CodePage page);

private:
    void showChoice();

    QMenu* menu_;
    DataEditor& editor_;
    std::map<CodePage, QAction*> items_;
};

// The remembered code page (section "Tool" of the per-user store), or the
// one for the program's language.
CodePage ReadNoteCodePage();
void WriteNoteCodePage(CodePage page);

} // namespace mtz4
