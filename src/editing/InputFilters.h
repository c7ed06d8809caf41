#pragma once

#include <QObject>
#include <QValidator>

namespace mtz4 {

// Key filter of the frequency and offset boxes: a typed character that is not
// a digit or "." is discarded, and so is a "." while the text already holds
// one, whatever part of it is selected. Backspace and keys that type no
// character (cursor movement, Tab, Enter, shortcuts) pass.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Accepts texts of digits with at most one ".", so that pasted or dropped
// text obeys the same rule as typed keys.
class NumericTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Accepts texts whose characters all lie in [first, last]: the name box takes
// 32..126 (what the receiver shows), the note box 32..255 (what the clone
// file stores, one byte per character on one line). Refused keys and pastes
// leave the text unchanged.
class CharacterRangeValidator : public QValidator {
    Q_OBJECT
public:
    CharacterRangeValidator(char16_t first, char16_t last, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    char16_t first_;
    char16_t last_;
};

} // namespace mtz4
