#include "app/NoteCodePageMenu.h"

#include "app/ResourceTexts.h"
#include "app/WindowPlacement.h"
#include "model/NoteBytes.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace mtz4 {

namespace {

const QString NoteCodePageKey = QStringLiteral("Tool/NoteCodePage");
// The items' text numbers, in the order of NoteCodePages().
constexpr int FirstItemText = Text::NoteCodePageWestern;

} // namespace

CodePage ReadNoteCodePage() {
    const QString stored = OpenPlacementStore()->value(NoteCodePageKey).toString();
    return CodePageOfName(stored).value_or(DefaultCodePage(ProgramTextLanguage()));
}

void WriteNoteCodePage(CodePage page) {
    StoreSetting(NoteCodePageKey, CodePageName(page));
}

NoteCodePageMenu::NoteCodePageMenu(QMenu* menu, DataEditor& editor, QObject* parent)
    : QObject(parent), menu_(menu), editor_(editor) {
    auto* group = new QActionGroup(this);
    const QList<CodePage>& pages = NoteCodePages();
    for (int i = 0; i < pages.size(); ++i) {
        const CodePage page = pages[i];
        QAction* item = menu_->addAction(ResourceText(FirstItemText + i));
        item->setObjectName(QStringLiteral("mnuNoteCodePage%1").arg(int(page)));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, page] { choose(page); });
        items_[page] = item;
    }
    editor_.data().NoteCodePage = ReadNoteCodePage();
    showChoice();
    // Undo and redo of a change of code page bring its check mark along.
    connect(&editor_, &DataEditor::restored, this, [this] {
        showChoice();
        WriteNoteCodePage(editor_.data().NoteCodePage);
    });
}

void NoteCodePageMenu::choose(CodePage page) {
    if (page != editor_.data().NoteCodePage)
        editor_.apply(QCoreApplication::translate("NoteCodePageMenu", "Note Code Page"),
                      DataPart::Memory | DataPart::Vfo,
                      [page](DataSet& ds) { ChangeNoteCodePage(ds, page); });
    WriteNoteCodePage(page);
    showChoice();
}

void NoteCodePageMenu::showChoice() {
    const auto item = items_.find(editor_.data().NoteCodePage);
    if (item != items_.end())
        item->second->setChecked(true);
}

} // namespace mtz4
