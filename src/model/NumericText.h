#pragma once

#include <QString>
#include <QtGlobal>

namespace mtz4 {

// The numeric value of a text as the program reads numbers typed by users or
// found in files: leading blanks skipped, an optional sign, then digits with
// at most one decimal point; reading stops at the first other character.
// A text without a leading number gives 0.
double NumericValue(const QString& text);

// Rounds to the nearest whole number, halves to the even one.
qint64 RoundHalfEven(double value);

// A frequency or offset in MHz with six decimals and at least one digit
// before the point ("###0.000000", "#0.000000"): 145.000000, 0.531000.
QString FormatMHz(double mhz);

} // namespace mtz4
