#pragma once

#include "model/CodePage.h"
#include "model/DataSet.h"

#include <QByteArray>
#include <QString>

namespace mtz4 {

// Notes keep the bytes they were read as: a note the user has not changed is
// written back byte for byte, whatever the code page, so that a file from
// another system, opened under the wrong code page and saved, comes out as
// it went in. A note read from a file keeps its bytes (DataSet::MemNoteBytes,
// VfoNoteBytes) while its text is still what those bytes read as; once the
// note is edited, it is written from its text.

// The bytes a note is written as: the kept bytes while they still read as
// the note in the code page, else the note in the code page.
QByteArray NoteFileBytes(const QString& note, const QByteArray& kept, CodePage page);

// Stores a note that came from a file or a paste: `text` may hold raw bytes
// of a file in the code page (DecodeTextKeepingBytes). The note becomes
// what its bytes read as, and the bytes are kept when they read as no
// character, so that they are written back as they came.
void StoreNote(QString& note, QByteArray& kept, const QString& text, CodePage page);

// The note as the text of a file in the code page: its bytes (NoteFileBytes)
// with those that read as no character as raw bytes, so that a file written
// with EncodeTextKeepingBytes holds them exactly.
QString NoteFileText(const QString& note, const QByteArray& kept, CodePage page);

// Reads every note of the data set anew in another code page: each note's
// bytes (kept, or its text in the old page) are kept and read as the new
// page has them. Nothing of the file to be written changes: switching back
// shows the notes as they were.
void ChangeNoteCodePage(DataSet& ds, CodePage page);

} // namespace mtz4
