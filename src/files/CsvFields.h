#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace mtz4 {

// Splits separated text into records of fields, as spreadsheets, CHIRP and
// the CSV export write them, and as spreadsheets put cells on the clipboard.
//
// - Fields are separated by `separator`: a comma, or the semicolon or TAB
//   that spreadsheets write under many locales (DetectCsvSeparator).
// - A line ends at CR LF, LF or CR. An empty line gives no fields.
// - An unquoted field runs up to the next separator or the line end as it
//   is, blanks included (CHIRP writes a name with leading blanks unquoted).
// - A field in double quotes (blanks before the opening quote skipped) is
//   taken without its quotes; separators inside the quotes belong to it, and
//   a doubled quote stands for one quote. A quote that is neither doubled nor
//   followed by (blanks and) a separator or the line end is kept as a
//   character, so a lone quote inside a quoted text survives too.
// - A quoted field goes on over line ends, which stay in it (CHIRP writes a
//   comment of two lines so), when its closing quote comes within the next
//   MaxLinesInField lines and none of them begins a record of its own, as
//   `recordStart` tells from the line's start (every line of the program's
//   own file begins with "MT-Z4", a CHIRP row with its Location). Otherwise
//   the field ends with its line: a stray quote spoils at most its own line.
inline constexpr int MaxLinesInField = 8;
QList<QStringList> SplitCsvLines(const QString& text, QChar separator = QLatin1Char(','));

// The same one record at a time, for texts too long to hold as fields all
// at once (an import of a million rows).
class CsvLineReader {
public:
    explicit CsvLineReader(const QString& text, QChar separator = QLatin1Char(','),
                           const QRegularExpression& recordStart = {})
        : text_(text), separator_(separator), recordStart_(recordStart) {}
    // The fields of the next record (none for an empty line); false at the end.
    bool next(QStringList& fields);
    // How far the reader has got, in characters of the text.
    qsizetype position() const { return pos_; }
    // The line (from 1) on which the record last read begins.
    int lineNumber() const { return recordLine_; }

private:
    const QString& text_;
    QChar separator_;
    QRegularExpression recordStart_;
    qsizetype pos_ = 0;
    int line_ = 1;       // the line at pos_
    int recordLine_ = 0; // the line the last record began on
};

// The text as one quoted field: quotes doubled, line breaks written as spaces
// so that the field stays on its line. AppendQuotedCsvField writes it at the
// end of a line (the export writes some twenty thousand fields at a time).
QString QuotedCsvField(const QString& text);

// The starts of the records of the program's own file ("MT-Z4", quoted or
// not) and of CHIRP's rows (a Location number and a separator), for
// CsvLineReader.
const QRegularExpression& OwnRecordStart();
const QRegularExpression& ChirpRecordStart();
void AppendQuotedCsvField(QString& line, const QString& text);

} // namespace mtz4
