#pragma once

#include "model/CodePage.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QValidator>
#include <functional>

namespace mtz4 {

// Key filter of the frequency and offset boxes: a typed character that is not
// a digit or a decimal mark ("." or ",", as keyboards and locales write it)
// is discarded, and so is a mark while the text already holds one, whatever
// part of it is selected. Backspace and keys that type no character (cursor
// movement, Tab, Enter, shortcuts) pass.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Accepts texts of digits with at most one decimal mark ("." or ","), so
// that pasted or dropped text obeys the same rule as typed keys.
class NumericTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Accepts texts whose characters all lie in [first, last]: the name box takes
// 32..126 (what the receiver shows). Refused keys and pastes leave the text
// unchanged and tell `refused` why.
class CharacterRangeValidator : public QValidator {
    Q_OBJECT
public:
    CharacterRangeValidator(char16_t first, char16_t last, QObject* parent = nullptr);
    std::function<void(const QString& reason)> refused;
    State validate(QString& input, int& pos) const override;

private:
    char16_t first_;
    char16_t last_;
};

// The note box's filter: accepts texts whose characters the note code page
// holds (NoteCanHold; `page` is read at each check, so it follows the
// user's choice), and any character of the note the box was given, which
// may show bytes the page has no character for. A pasted TAB or line break
// becomes a space. A refused key or paste leaves the text unchanged and
// tells `refused` why, in plain words.
class NoteTextValidator : public QValidator {
    Q_OBJECT
public:
    NoteTextValidator(const CodePage& page, QObject* parent = nullptr);
    // The note put into the box: its characters stay acceptable.
    void setGivenText(const QString& text);
    std::function<void(const QString& reason)> refused;
    State validate(QString& input, int& pos) const override;

private:
    bool takes(char32_t c) const;

    const CodePage& page_;
    QSet<char32_t> given_;
    mutable QHash<char32_t, bool> known_; // per page: whether it holds the character
    mutable CodePage knownPage_;
};

} // namespace mtz4
