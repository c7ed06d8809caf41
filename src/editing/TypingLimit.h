#pragma once

class QLineEdit;
class QString;

namespace mtz4 {

// A text box whose limit holds for typing only. A text the program puts in
// (a stored note, an offset of 100 MHz or more) is shown and kept whole,
// however long; the user may shorten it or edit inside it, but never type it
// longer. Once the text is within the limit, the limit holds as usual.
void SetTypingLimit(QLineEdit* box, int limit);

// Puts `text` into a box with a typing limit, whole.
void PutText(QLineEdit* box, const QString& text);

} // namespace mtz4
