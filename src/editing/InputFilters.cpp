#include "editing/InputFilters.h"

#include "model/TextFit.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <QCoreApplication>
#include <algorithm>

namespace mtz4 {

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsDecimalMark(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

qsizetype DecimalMarks(const QString& text) {
    return std::count_if(text.begin(), text.end(), IsDecimalMark);
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
        if (IsDecimalMark(c)) {
            const auto* box = qobject_cast<QLineEdit*>(watched);
            if (box && DecimalMarks(box->text()) == 0 && DecimalMarks(typed) == 1)
                continue;
        }
        return true; // discarded
    }
    return false;
}

QValidator::State NumericTextValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (!IsDigit(c) && !IsDecimalMark(c))
            return Invalid;
    }
    return DecimalMarks(input) <= 1 ? Acceptable : Invalid;
}

CharacterRangeValidator::CharacterRangeValidator(char16_t first, char16_t last, QObject* parent)
    : QValidator(parent), first_(first), last_(last) {}

QValidator::State CharacterRangeValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() >= first_ && c.unicode() <= last_)
            continue;
        if (refused) {
            refused(QCoreApplication::translate(
                        "InputFilters",
                        "A name holds only the letters, digits and signs the receiver "
                        "shows (ASCII): \"%1\" is not one of them")
                        .arg(c.unicode() < 0x20 ? QStringLiteral("U+%1").arg(uint(c.unicode()), 4,
                                                                             16, QLatin1Char('0'))
                                                : QString(c)));
        }
        return Invalid;
    }
    return Acceptable;
}

NoteTextValidator::NoteTextValidator(const CodePage& page, QObject* parent)
    : QValidator(parent), page_(page), knownPage_(page) {}

void NoteTextValidator::setGivenText(const QString& text) {
    given_.clear();
    for (const char32_t c : text.toUcs4())
        given_.insert(c);
}

bool NoteTextValidator::takes(char32_t c) const {
    if (c >= 0x20 && c < 0x7F)
        return true;
    if (given_.contains(c))
        return true;
    if (knownPage_ != page_) {
        known_.clear();
        knownPage_ = page_;
    }
    auto found = known_.find(c);
    if (found == known_.end())
        found = known_.insert(c, NoteCanHold(c, page_));
    return *found;
}

QValidator::State NoteTextValidator::validate(QString& input, int&) const {
    // A pasted TAB or line break becomes a space, as in a paste of rows.
    for (QChar& c : input) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    for (qsizetype i = 0; i < input.size(); ++i) {
        char32_t c = input.at(i).unicode();
        if (input.at(i).isHighSurrogate() && i + 1 < input.size() &&
            input.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(input.at(i), input.at(i + 1));
            ++i;
        }
        if (takes(c))
            continue;
        if (refused) {
            const char32_t units[] = {c};
            refused(QCoreApplication::translate(
                        "InputFilters",
                        "The note code page %1 has no character \"%2\": the note cannot "
                        "hold it (Tool > Note Code Page chooses another)")
                        .arg(CodePageCaption(page_),
                             c < 0x20 ? QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'))
                                      : QString::fromUcs4(units, 1)));
        }
        return Invalid;
    }
    return Acceptable;
}

} // namespace mtz4
