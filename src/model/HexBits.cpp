#include "model/HexBits.h"

namespace mtz4 {

namespace {

const char* const bitPatterns[16] = {"0000", "0001", "0010", "0011", "0100", "0101",
                                     "0110", "0111", "1000", "1001", "1010", "1011",
                                     "1100", "1101", "1110", "1111"};

// Value of an upper-case hex digit, -1 for anything else.
int UpperHexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

QString BinToHex(const QString& bits) {
    if (bits.size() != 4)
        return QString();
    int value = 0;
    for (QChar c : bits) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return QString();
        value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
    }
    return QString(QLatin1Char("0123456789ABCDEF"[value]));
}

QString HexToBin(const QString& digit) {
    const int value = digit.size() == 1 ? UpperHexDigit(digit[0]) : -1;
    return QLatin1String(bitPatterns[value < 0 ? 0 : value]);
}

int HexDigitValue(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return 0;
}

int HexByteAt(const QString& text, qsizetype pos) {
    const int high = pos >= 0 && pos < text.size() ? HexDigitValue(text[pos]) : 0;
    const int low = pos + 1 >= 0 && pos + 1 < text.size() ? HexDigitValue(text[pos + 1]) : 0;
    return high * 16 + low;
}

namespace {
constexpr char UpperHexDigits[] = "0123456789ABCDEF";
} // namespace

QString HexByte(qint64 value) {
    QString text;
    AppendHexByte(text, value);
    return text;
}

void AppendHexByte(QString& text, qint64 value) {
    const auto byte = quint8(value & 0xFF);
    text += QLatin1Char(UpperHexDigits[byte >> 4]);
    text += QLatin1Char(UpperHexDigits[byte & 0xF]);
}

QString BitsOfLine(const QString& line, int digitCount) {
    QString bits;
    bits.reserve(digitCount * 4);
    for (int i = 0; i < digitCount; ++i)
        bits += HexToBin(i < line.size() ? QString(line[i]) : QString());
    return bits;
}

QString HexOfBits(const QString& bits) {
    QString hex;
    hex.reserve(bits.size() / 4);
    for (qsizetype i = 0; i + 4 <= bits.size(); i += 4)
        hex += BinToHex(bits.mid(i, 4));
    return hex;
}

} // namespace mtz4
