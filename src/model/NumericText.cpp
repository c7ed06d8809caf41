#include "model/NumericText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mtz4 {

double NumericValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;

    // The leading number: optional sign, digits, at most one point.
    const bool negative = i < n && text[i] == QLatin1Char('-');
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype start = i;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            seenDigit = true;
        else if (c == QLatin1Char('.') && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (!seenDigit)
        return 0.0;

    // As characters for the conversion: on the stack unless unusually long.
    std::array<char, 64> shortNumber;
    std::string longNumber;
    const qsizetype length = i - start + (negative ? 1 : 0);
    char* number = shortNumber.data();
    if (length > qsizetype(shortNumber.size())) {
        longNumber.resize(std::size_t(length));
        number = longNumber.data();
    }
    char* out = number;
    if (negative)
        *out++ = '-';
    for (qsizetype k = start; k < i; ++k)
        *out++ = char(text[k].unicode());

    double value = 0.0;
    const auto result = std::from_chars(number, out, value);
    if (result.ec != std::errc())
        return 0.0;
    return value + 0.0; // no negative zero
}

double TypedNumericValue(const QString& text) {
    QString dotted = text;
    return NumericValue(dotted.replace(QLatin1Char(','), QLatin1Char('.')));
}

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0);
}

// The digits of a mantissa written with `decimal` as its decimal mark and
// `group` between thousands, as a C number with a point ("1.234,5" gives
// "1234.5"); empty when the text is no such number.
std::string plainMantissa(QStringView m, QChar decimal, QChar group) {
    std::string out;
    const qsizetype point = m.indexOf(decimal);
    if (point >= 0 && m.indexOf(decimal, point + 1) >= 0)
        return {};
    const QStringView whole = point < 0 ? m : m.first(point);
    const QStringView fraction = point < 0 ? QStringView() : m.sliced(point + 1);
    // Groups: the first of one to three digits, every other of three.
    qsizetype run = 0;
    bool grouped = false;
    for (const QChar c : whole) {
        if (c == group) {
            if (run == 0 || run > 3 || (grouped && run != 3))
                return {};
            grouped = true;
            run = 0;
        } else if (isDigit(c)) {
            ++run;
            out += char(c.unicode());
        } else {
            return {};
        }
    }
    if (grouped && run != 3)
        return {};
    if (point >= 0) {
        out += '.';
        for (const QChar c : fraction) {
            if (!isDigit(c))
                return {};
            out += char(c.unicode());
        }
    }
    return out.find_first_of("0123456789") == std::string::npos ? std::string() : out;
}

} // namespace

std::optional<double> ParseNumber(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    std::string number;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        if (text.front() == QLatin1Char('-'))
            number += '-';
        text = text.sliced(1);
    }
    // The exponent: "E" or "e", an optional sign, digits.
    std::string exponent;
    const qsizetype e =
        std::max(text.lastIndexOf(QLatin1Char('E')), text.lastIndexOf(QLatin1Char('e')));
    if (e >= 0) {
        QStringView power = text.sliced(e + 1);
        exponent = "e";
        if (!power.isEmpty() &&
            (power.front() == QLatin1Char('+') || power.front() == QLatin1Char('-'))) {
            exponent += char(power.front().unicode());
            power = power.sliced(1);
        }
        if (power.isEmpty())
            return std::nullopt;
        for (const QChar c : power) {
            if (!isDigit(c))
                return std::nullopt;
            exponent += char(c.unicode());
        }
        text = text.first(e);
    }
    // The decimal mark is the one that comes last when both are there, and
    // a lone mark of either kind when only one is.
    const qsizetype lastPoint = text.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = text.lastIndexOf(QLatin1Char(','));
    const QChar decimal = lastComma > lastPoint ? QLatin1Char(',') : QLatin1Char('.');
    const QChar group = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    std::string mantissa = plainMantissa(text, decimal, group);
    if (mantissa.empty() && (lastPoint < 0 || lastComma < 0)) {
        // One kind of mark used more than once: thousands without decimals
        // ("1.234.567").
        mantissa = plainMantissa(text, group, decimal);
    }
    if (mantissa.empty())
        return std::nullopt;
    number += mantissa + exponent;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value + 0.0; // no negative zero
}

qint64 RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    // Beyond this every double is a whole number; clamp to the representable range.
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();

    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5)
        rounded = lower + 1.0;
    else if (fraction == 0.5)
        rounded = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    return static_cast<qint64>(rounded);
}

QString FormatMHz(double mhz) {
    if (!std::isfinite(mhz))
        mhz = 0.0;
    QString text = QString::number(mhz, 'f', 6);
    // A tiny negative value must not show as "-0.000000".
    if (text.startsWith(QLatin1Char('-')) && text.mid(1) == QLatin1String("0.000000"))
        text = text.mid(1);
    return text;
}

} // namespace mtz4
