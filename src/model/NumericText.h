#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace mtz4 {

// The numeric value of a text as the program reads numbers typed by users or
// found in files: leading blanks skipped, an optional sign, then digits with
// at most one decimal point; reading stops at the first other character.
// A text without a leading number gives 0.
double NumericValue(const QString& text);

// The numeric value of a text typed into a number box (the edit dialog's
// frequency and offset): as NumericValue, with a comma taken as the decimal
// mark as a point is, for keyboards and locales that write one.
double TypedNumericValue(const QString& text);

// A number written whole, in any notation a user or a spreadsheet writes:
// blanks around it, an optional sign ("+" as well), digits with at most one
// decimal mark, "." or ",", digits grouped in thousands by the other mark
// when both are there ("1.234,5", "1,234.5"), and an exponent ("1E-06",
// "1,45E+02"). Nothing for a text that is anything else or empty, so that a
// field is never read as its leading digits alone ("145.5 MHz", "1/2").
std::optional<double> ParseNumber(QStringView text);

// Rounds to the nearest whole number, halves to the even one.
qint64 RoundHalfEven(double value);

// A frequency or offset in MHz with six decimals and at least one digit
// before the point ("###0.000000", "#0.000000"): 145.000000, 0.531000.
QString FormatMHz(double mhz);

} // namespace mtz4
