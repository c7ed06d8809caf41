#include "editing/NoteBox.h"

#include "editing/InputFilters.h"
#include "editing/TypingLimit.h"
#include "model/TextFit.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <limits>

namespace mtz4 {

NoteBox::NoteBox(QLineEdit* box, const CodePage& page, Prompter& prompter)
    : box_(box), page_(page), prompter_(prompter), validator_(new NoteTextValidator(page, box)) {
    validator_->refused = [this](const QString& reason) { prompter_.explain(reason); };
    box_->setValidator(validator_);
}

void NoteBox::put(const QString& note) {
    validator_->setGivenText(note);
    PutText(box_, note);
}

FittedText NoteToStore(const QString& typed, const QString& stored, CodePage page) {
    if (typed == stored)
        return {typed, {}};
    return FitNote(typed, page, std::numeric_limits<int>::max());
}

QString NoteBox::take(const QString& stored) const {
    const FittedText fitted = NoteToStore(box_->text(), stored, page_);
    if (!fitted.changes.isEmpty())
        prompter_.explain(
            DescribeChanges(QCoreApplication::translate("NoteBox", "note"), fitted.changes));
    return fitted.text;
}

} // namespace mtz4
