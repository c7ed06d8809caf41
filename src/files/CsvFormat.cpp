#include "files/CsvFormat.h"

#include "files/CsvWords.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>

namespace mtz4 {

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";
constexpr char Separators[] = {',', ';', '\t'};

QByteArrayView unquoted(QByteArrayView field) {
    field = field.trimmed();
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.sliced(1, field.size() - 2);
    return field.trimmed();
}

QList<QByteArrayView> fieldsOf(QByteArrayView line, char separator) {
    QList<QByteArrayView> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == separator) {
            fields << line.sliced(start, i - start);
            start = i + 1;
        }
    }
    return fields;
}

bool namesChirpColumns(QByteArrayView line, char separator) {
    bool location = false;
    bool frequency = false;
    for (const QByteArrayView field : fieldsOf(line, separator)) {
        const QByteArrayView name = unquoted(field);
        location = location || name.compare("Location", Qt::CaseInsensitive) == 0;
        frequency = frequency || name.compare("Frequency", Qt::CaseInsensitive) == 0;
    }
    return location && frequency;
}

// The separator after a first field "MT-Z4", or 0 when the line does not
// begin with that field.
char separatorAfterModelWord(QByteArrayView line) {
    for (const char separator : Separators) {
        const qsizetype end = line.indexOf(separator);
        const QByteArrayView first = unquoted(end < 0 ? line : line.first(end));
        if (first == QByteArrayView(CsvWord::Model.data(), CsvWord::Model.size()))
            return end < 0 ? ',' : separator;
    }
    return 0;
}

// Calls `look` with each line that holds anything, and whether it is the
// first such line, until it returns true.
template <typename Look> void eachLine(const QByteArray& bytes, Look look) {
    QByteArrayView text(bytes);
    if (text.startsWith(Utf8Bom))
        text = text.sliced(3);
    bool firstLine = true;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line = text.sliced(pos, end - pos);
        pos = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        if (look(line, firstLine))
            return;
        firstLine = false;
    }
}

struct Detected {
    CsvFileFormat format = CsvFileFormat::Neither;
    char separator = ',';
};

Detected detect(const QByteArray& bytes) {
    Detected found;
    eachLine(bytes, [&found](QByteArrayView line, bool first) {
        for (const char separator : Separators) {
            if (first && namesChirpColumns(line, separator)) {
                found = {CsvFileFormat::Chirp, separator};
                return true;
            }
        }
        if (const char separator = separatorAfterModelWord(line)) {
            found = {CsvFileFormat::Own, separator};
            return true;
        }
        return false;
    });
    return found;
}

} // namespace

CsvFileFormat DetectCsvFormat(const QByteArray& bytes) {
    return detect(bytes).format;
}

QChar DetectCsvSeparator(const QByteArray& bytes) {
    return QLatin1Char(detect(bytes).separator);
}

QString DescribeCsvStart(const QByteArray& bytes) {
    QString description = QCoreApplication::translate("CsvFormat", "The file is empty.");
    eachLine(bytes, [&description](QByteArrayView line, bool) {
        // The separator that splits the line most.
        char separator = ',';
        qsizetype most = 0;
        for (const char s : Separators) {
            if (line.count(s) > most) {
                most = line.count(s);
                separator = s;
            }
        }
        constexpr qsizetype Shown = 60;
        QString shown = QString::fromUtf8(line.first(qMin(line.size(), Shown)))
                            .replace(QLatin1Char('\t'), QLatin1Char(' '));
        if (line.size() > Shown)
            shown += QStringLiteral("…");
        const QString separated =
            separator == ';'    ? QCoreApplication::translate("CsvFormat", "semicolons")
            : separator == '\t' ? QCoreApplication::translate("CsvFormat", "TABs")
                                : QCoreApplication::translate("CsvFormat", "commas");
        const int fields = int(most) + 1;
        description = QCoreApplication::translate(
                          "CsvFormat", "Its first line reads \"%1\" (%n fields separated by %2).",
                          nullptr, fields)
                          .arg(shown, separated);
        return true;
    });
    return description;
}

QString CsvFormatDescription(CsvFileFormat format) {
    switch (format) {
    case CsvFileFormat::Own:
        return QCoreApplication::translate(
            "CsvFormat", "the program's own CSV (lines that begin with \"MT-Z4\")");
    case CsvFileFormat::Chirp:
        return QCoreApplication::translate(
            "CsvFormat", "CHIRP's CSV (a first line naming Location and Frequency)");
    case CsvFileFormat::Columns:
        return QCoreApplication::translate("CsvFormat",
                                           "a CSV file whose first row names its columns");
    case CsvFileFormat::Neither:
        break;
    }
    return QCoreApplication::translate(
        "CsvFormat", "neither the program's own CSV (lines that begin with \"MT-Z4\") nor "
                     "CHIRP's (a first line naming Location and Frequency) nor one whose first "
                     "row names its columns (Frequency, Mode, Name ...)");
}

} // namespace mtz4
