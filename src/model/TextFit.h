#pragma once

#include "model/CodePage.h"

#include <QString>
#include <QStringList>

namespace mtz4 {

// Notes and names that come from outside (a paste, an import) made to fit
// what the data can hold, with every change named: nothing is lost without
// a word.

// The longest note a paste or an import brings in; a longer one is cut. A
// longer note already stored (read from a clone file) is kept whole.
inline constexpr int NoteLengthLimit = 255;
// A name holds 6 characters of codes 32..126: what the receiver shows.
inline constexpr int NameLength = 6;

// A fitted text and what had to change in it, one item each ("ł → ?",
// "TAB → space", "cut to 255 characters"); no items when it fitted as it was.
struct FittedText {
    QString text;
    QStringList changes;
};

// A note in the code page: a TAB or line break becomes a space, a character
// the page cannot hold becomes its base letter where the page holds that
// (é → e) or "?" otherwise, and the note is cut to NoteLengthLimit
// characters (`limit`). Look-alikes that the page keeps in its own form (the
// wave dash, fullwidth letters) are taken in that form without a word. Raw
// bytes of a file in the code page (DecodeTextKeepingBytes) stay as they are.
FittedText FitNote(const QString& text, CodePage page, int limit = NoteLengthLimit);

// A name: the same rules within codes 32..126, cut to NameLength characters.
FittedText FitName(const QString& text);

// Whether the note box takes the character (a Unicode code point): the code
// page holds it, and it is no control character.
bool NoteCanHold(char32_t character, CodePage page);

// The text with its ASCII letters a..z in upper case; every other character
// stays as it is, so that no byte of a double-byte character (and no letter
// that the receiver cannot show anyway) ever changes.
QString UpperCaseAscii(const QString& text);

// The changes of a fitted field for a report: the field's name, then the
// changes ("note: ł → ?, cut to 255 characters"); empty when none.
QString DescribeChanges(const QString& field, const QStringList& changes);

} // namespace mtz4
