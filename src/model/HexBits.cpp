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

namespace {

// Value of four bit characters ("0101" is 5), -1 when any is not 0 or 1.
int FourBitsValue(QStringView bits) {
    int value = 0;
    for (QChar c : bits) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return -1;
        value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
    }
    return value;
}

constexpr char UpperHexDigits[] = "0123456789ABCDEF";

} // namespace

QString BinToHex(const QString& bits) {
    const int value = bits.size() == 4 ? FourBitsValue(bits) : -1;
    return value < 0 ? QString() : QString(QLatin1Char(UpperHexDigits[value]));
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

int HexByteAt(QStringView text, qsizetype pos) {
    const int high = pos >= 0 && pos < text.size() ? HexDigitValue(text[pos]) : 0;
    const int low = pos + 1 >= 0 && pos + 1 < text.size() ? HexDigitValue(text[pos + 1]) : 0;
    return high * 16 + low;
}

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
    // As HexToBin digit by digit (anything but an upper-case hex digit, or no
    // digit at all, gives 0000), without a string per digit.
    for (int i = 0; i < digitCount; ++i) {
        const int value = i < line.size() ? UpperHexDigit(line[i]) : -1;
        bits += QLatin1String(bitPatterns[value < 0 ? 0 : value]);
    }
    return bits;
}

QString HexOfBits(const QString& bits) {
    QString hex;
    hex.reserve(bits.size() / 4);
    // As BinToHex four by four: a group that is not all 0 and 1 adds nothing.
    for (qsizetype i = 0; i + 4 <= bits.size(); i += 4) {
        const int value = FourBitsValue(QStringView(bits).sliced(i, 4));
        if (value >= 0)
            hex += QLatin1Char(UpperHexDigits[value]);
    }
    return hex;
}

} // namespace mtz4
