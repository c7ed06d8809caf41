#pragma once

#include <QByteArray>
#include <QString>

namespace mtz4 {

// Which of the two CSV files the program reads a file is: CHIRP's generic
// CSV when its first line names the columns "Location" and "Frequency" (in
// any case, a UTF-8 byte-order mark allowed), the program's own otherwise.
enum class CsvKind { Own, Chirp };

CsvKind CsvKindOfFirstLine(const QByteArray& firstLine);
// The kind of the file at path; Own when it cannot be read.
CsvKind CsvKindOfFile(const QString& path);

} // namespace mtz4
