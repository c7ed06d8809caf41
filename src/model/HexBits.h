#pragma once

#include <QString>

namespace mtz4 {

// "0000".."1111" (most significant bit first) to "0".."F"; any other input
// gives the empty text.
QString BinToHex(const QString& bits);
// "0".."9", "A".."F" (upper case only) to the four-character bit text; any
// other input, the empty text and lower-case letters included, gives "0000".
QString HexToBin(const QString& digit);

// Reading hex digits of image lines and records. Both cases are accepted; a
// character that is not a hex digit, and a digit beyond the end of the text,
// counts as 0, so a short or damaged line reads as if padded with zero bits.
int HexDigitValue(QChar c);
// The byte whose two digits start at the 0-based character position pos.
int HexByteAt(QStringView text, qsizetype pos);

// The low 8 bits of value as two upper-case hex digits; AppendHexByte puts
// them at the end of a text without making a text of their own (the encoders
// write thousands of bytes at a time).
QString HexByte(qint64 value);
void AppendHexByte(QString& text, qint64 value);

// The first digitCount digits of a bitmap line as bit text ("0"/"1", most
// significant bit of each digit first), missing digits giving "0000".
QString BitsOfLine(const QString& line, int digitCount);
// Bit text (a multiple of four characters) back to upper-case hex digits.
QString HexOfBits(const QString& bits);

} // namespace mtz4
