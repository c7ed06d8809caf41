#include "files/CsvFormat.h"

#include "files/CsvWords.h"
#include "model/TextLanguage.h"

#include <QByteArrayView>
#include <QList>

namespace mtz4 {

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

QByteArrayView unquoted(QByteArrayView field) {
    field = field.trimmed();
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.sliced(1, field.size() - 2);
    return field.trimmed();
}

bool namesChirpColumns(QByteArrayView line) {
    bool location = false;
    bool frequency = false;
    for (const QByteArrayView field :
         QByteArray::fromRawData(line.data(), line.size()).split(',')) {
        const QByteArrayView name = unquoted(field);
        location = location || name.compare("Location", Qt::CaseInsensitive) == 0;
        frequency = frequency || name.compare("Frequency", Qt::CaseInsensitive) == 0;
    }
    return location && frequency;
}

bool beginsWithModelWord(QByteArrayView line) {
    const qsizetype comma = line.indexOf(',');
    const QByteArrayView first = unquoted(comma < 0 ? line : line.first(comma));
    return first == QByteArrayView(CsvWord::Model.data(), CsvWord::Model.size());
}

} // namespace

CsvFileFormat DetectCsvFormat(const QByteArray& bytes) {
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
        if (firstLine && namesChirpColumns(line))
            return CsvFileFormat::Chirp;
        firstLine = false;
        if (beginsWithModelWord(line))
            return CsvFileFormat::Own;
    }
    return CsvFileFormat::Neither;
}

QString CsvFormatDescription(CsvFileFormat format) {
    switch (format) {
    case CsvFileFormat::Own:
        return InLanguage("the program's own CSV (lines that begin with \"MT-Z4\")",
                          "このプログラムの CSV (\"MT-Z4\" で始まる行)");
    case CsvFileFormat::Chirp:
        return InLanguage("CHIRP's CSV (a first line naming Location and Frequency)",
                          "CHIRP の CSV (先頭行に Location と Frequency)");
    case CsvFileFormat::Neither:
        break;
    }
    return InLanguage("neither the program's own CSV (lines that begin with \"MT-Z4\") nor "
                      "CHIRP's (a first line naming Location and Frequency)",
                      "このプログラムの CSV (\"MT-Z4\" で始まる行) でも CHIRP の CSV "
                      "(先頭行に Location と Frequency) でもありません");
}

} // namespace mtz4
