#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mtz4 {

// Splits comma-separated text into lines of fields, as spreadsheets and the
// CSV export write them.
//
// - A line ends at CR LF, LF or CR. An empty line gives no fields.
// - Leading blanks (spaces, tabs) of a field are skipped.
// - A field in double quotes is taken without its quotes; commas inside the
//   quotes belong to it, and a doubled quote stands for one quote. A quote that
//   is neither doubled nor followed by (blanks and) a comma or the line end is
//   kept as a character, so a lone quote inside a quoted text survives too.
// - An unquoted field runs up to the next comma or the line end, as it is.
// - A line end always ends the field, even inside quotes: a stray quote can
//   spoil at most its own line.
QList<QStringList> SplitCsvLines(const QString& text);

// The text as one quoted field: quotes doubled, line breaks written as spaces
// so that the field stays on its line. AppendQuotedCsvField writes it at the
// end of a line (the export writes some twenty thousand fields at a time).
QString QuotedCsvField(const QString& text);
void AppendQuotedCsvField(QString& line, const QString& text);

} // namespace mtz4
