#pragma once

#include "model/CodePage.h"

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The text of a CSV file to import. It is read as UTF-8 when it is valid
// UTF-8 and starts with a UTF-8 byte-order mark (which is dropped) or holds
// characters outside ASCII, as spreadsheets save it; otherwise in the note
// code page, as the program's own export writes it, every byte kept
// (DecodeTextKeepingBytes). A file that starts with the mark but is no
// UTF-8 after it is read in the code page too, and `note` then says so.
QString ImportFileText(const QByteArray& bytes, CodePage page, QString* note = nullptr);

// How a CSV file is written: in the note code page, or as UTF-8 with a
// byte-order mark, which spreadsheets recognise.
enum class TextFileEncoding { CodePage, Utf8WithBom };

// The text as the bytes of such a file.
QByteArray TextFileBytes(const QString& text, TextFileEncoding encoding, CodePage page);

} // namespace mtz4
