#include "model/NumericText.h"

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
