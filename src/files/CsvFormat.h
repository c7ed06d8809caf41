#pragma once

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The kinds of CSV file an import takes, told apart by what the file holds
// rather than by its name or the type chosen in a dialog.
enum class CsvFileFormat {
    Own,     // the program's own: lines whose first field is "MT-Z4"
    Chirp,   // CHIRP's generic CSV: a first line naming Location and Frequency
    Columns, // anyone's: a first row naming its columns, the frequency among them
             // (FindColumnsHeader, which reads the text: DetectCsvFormat never says it)
    Neither, // none of these
};

// What the file's bytes look like. CHIRP's header on the first line that
// holds anything decides first; otherwise any line whose first field (in
// quotes or not) is exactly "MT-Z4" makes it our own. Fields may be
// separated by commas, semicolons or TABs (DetectCsvSeparator). A UTF-8
// byte-order mark is passed over. Cheap enough for any size of file: the
// bytes are looked at as they are, without reading the file as text.
CsvFileFormat DetectCsvFormat(const QByteArray& bytes);

// The character the file's fields are separated by: the one that makes its
// first line CHIRP's header, or that follows the first field "MT-Z4" of a
// line; a comma when neither tells.
QChar DetectCsvSeparator(const QByteArray& bytes);

// What the start of a file looks like, for a message about a file of
// neither format: "Its first line reads "Channel;Freq" (2 fields separated
// by semicolons)." or "The file is empty."
QString DescribeCsvStart(const QByteArray& bytes);

// The format in words for a message: "CHIRP's CSV (a first line naming
// Location and Frequency)", "the program's own CSV (lines that begin with
// "MT-Z4")", "a CSV file whose first row names its columns", "neither the
// program's own CSV nor CHIRP's nor one whose first row names its columns".
QString CsvFormatDescription(CsvFileFormat format);

} // namespace mtz4
