#include "editing/TypingLimit.h"

#include <QLineEdit>
#include <QVariant>

namespace mtz4 {

namespace {

constexpr char LimitProperty[] = "typingLimit";

// The box's length limit for a text of `length` characters: the typing limit,
// or the text's own length when it is longer, so that nothing is cut.
void FitLimit(QLineEdit* box, qsizetype length) {
    const int limit = box->property(LimitProperty).toInt();
    box->setMaxLength(int(qMax<qsizetype>(limit, length)));
}

} // namespace

void SetTypingLimit(QLineEdit* box, int limit) {
    box->setProperty(LimitProperty, limit);
    FitLimit(box, box->text().size());
    // Shortening a long text lowers the limit with it, down to the typing limit.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box](const QString& text) { FitLimit(box, text.size()); });
}

void PutText(QLineEdit* box, const QString& text) {
    FitLimit(box, text.size());
    box->setText(text);
}

} // namespace mtz4
