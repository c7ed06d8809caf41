#pragma once

#include "model/TextLanguage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace mtz4 {

// The 8-bit code page that notes are kept in: the note lines of the clone
// file, the program's own CSV file, and what the note box and a paste
// accept. Each is named by its Windows number. This is the program's one
// interface to a character converter: nothing else knows which library
// does the converting.
enum class CodePage : int {
    Western = 1252,         // Windows-1252 (a superset of ISO-8859-1's printable characters)
    Japanese = 932,         // Shift-JIS as Windows writes it
    CentralEuropean = 1250, // Windows-1250
    Cyrillic = 1251,        // Windows-1251
    Greek = 1253,           // Windows-1253
    Turkish = 1254,         // Windows-1254
};

// Every code page the program offers, in the order of the menu.
const QList<CodePage>& NoteCodePages();

// The code page for the language of the program's texts: Japanese for
// Japanese, Western otherwise.
CodePage DefaultCodePage(TextLanguage language);

// Its name for files and the command line: "windows-1252", "shift_jis".
QString CodePageName(CodePage page);
// Its caption for the user, in the user's language: "Western (Windows-1252)".
QString CodePageCaption(CodePage page);
// The code page of a name or number as a user may write it: "windows-1252",
// "cp1252" or "1252"; "shift_jis", "sjis", "windows-31j", "cp932" or "932";
// any case. Nothing for one the program does not offer.
std::optional<CodePage> CodePageOfName(const QString& name);

// The bytes as text. A byte (sequence) the code page has no character for
// reads as U+FFFD, so that the note still shows where it is.
QString DecodeText(QByteArrayView bytes, CodePage page);
// The text as bytes. A character the code page cannot hold is written as
// "?"; callers fit texts beforehand (TextFit.h), so that this never happens
// unnoticed.
QByteArray EncodeText(QStringView text, CodePage page);
// Files in the code page keep their bytes exactly, also those that read as
// no character: such a byte (and one that would be written back as another
// byte) reads as a raw byte, a character of its own (from the private use
// area) that stands for it, so that decoding and encoding again give the
// very bytes. Raw bytes are taken apart from the text where it is shown or
// stored (StoreNote, NoteBytes.h).
QString DecodeTextKeepingBytes(QByteArrayView bytes, CodePage page);
QByteArray EncodeTextKeepingBytes(QStringView text, CodePage page);
bool IsRawByte(QChar c);
bool HasRawBytes(QStringView text);
// The text with each raw byte as U+FFFD, as DecodeText shows such a byte.
QString WithoutRawBytes(const QString& text);

// True when the code page holds the character (a Unicode code point), also
// where it keeps only its look-alike (the Japanese page's wave dash for
// U+301C, say).
bool CanHold(char32_t character, CodePage page);

// The text in the encoding of the terminal or console the program runs in
// (the locale's character set), for printing; "?" for what it cannot show.
QByteArray EncodeForTerminal(QStringView text);

} // namespace mtz4
