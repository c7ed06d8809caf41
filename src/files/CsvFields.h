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

// The same one line at a time, for texts too long to hold as fields all at
// once (an import of a million rows).
class CsvLineReader {
public:
    explicit CsvLineReader(const QString& text) : text_(text) {}
    // The fields of the next line (none for an empty line); false at the end.
    bool next(QStringList& fields);
    // How far the reader has got, in characters of the text.
    qsizetype position() const { return pos_; }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

// The text as one quoted field: quotes doubled, line breaks written as spaces
// so that the field stays on its line. AppendQuotedCsvField writes it at the
// end of a line (the export writes some twenty thousand fields at a time).
QString QuotedCsvField(const QString& text);
void AppendQuotedCsvField(QString& line, const QString& text);

} // namespace mtz4
