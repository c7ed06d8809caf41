#include "editing/InputFilters.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace mtz4 {

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.isEmpty() || key->key() == Qt::Key_Backspace)
        return false;
    // Keys that type a control character (Enter, Tab, Escape, Ctrl+C) are
    // not characters of the text.
    if (typed.size() == 1 && typed[0].unicode() < 0x20)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (const QChar c : typed) {
        if (IsDigit(c))
            continue;
        if (c == QLatin1Char('.')) {
            const auto* box = qobject_cast<QLineEdit*>(watched);
            if (box && !box->text().contains(QLatin1Char('.')) && typed.count(c) == 1)
                continue;
        }
        return true; // discarded
    }
    return false;
}

QValidator::State NumericTextValidator::validate(QString& input, int&) const {
    int points = 0;
    for (const QChar c : input) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (!IsDigit(c))
            return Invalid;
    }
    return points <= 1 ? Acceptable : Invalid;
}

CharacterRangeValidator::CharacterRangeValidator(char16_t first, char16_t last, QObject* parent)
    : QValidator(parent), first_(first), last_(last) {}

QValidator::State CharacterRangeValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() < first_ || c.unicode() > last_)
            return Invalid;
    }
    return Acceptable;
}

} // namespace mtz4
