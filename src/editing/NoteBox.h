#pragma once

#include "model/CodePage.h"
#include "model/Prompter.h"
#include "model/TextFit.h"

#include <QString>

class QLineEdit;

namespace mtz4 {

class NoteTextValidator;

// The note to store for a typed note, given the one stored now: an
// unchanged note as it is (its bytes are kept), a changed one in the code
// page's own form, a character the page cannot hold as its base letter or
// "?" (each such change named), a long note never cut.
FittedText NoteToStore(const QString& typed, const QString& stored, CodePage page);

// The edit dialog's note box: it takes only characters the note code page
// holds, and says in the status bar (Prompter::explain) why it refused one.
class NoteBox {
public:
    // Fits `box` with the filter; `page` is the data set's note code page.
    NoteBox(QLineEdit* box, const CodePage& page, Prompter& prompter);

    // Puts a stored note into the box, whole.
    void put(const QString& note);
    // The note to store, given the one stored now. An unchanged note comes
    // back as it is (its bytes are kept). A changed one comes in the code
    // page's own form; a character the page cannot hold (one the box was
    // given, read from bytes the page has no character for) becomes its base
    // letter or "?", and the status bar says so. A long stored note is
    // never cut here.
    QString take(const QString& stored) const;

private:
    QLineEdit* box_;
    const CodePage& page_;
    Prompter& prompter_;
    NoteTextValidator* validator_;
};

} // namespace mtz4
