#include "files/CsvKind.h"

#include <QFile>

namespace mtz4 {

namespace {
// More than any CHIRP header line needs.
constexpr qint64 FirstLineLimit = 4096;
} // namespace

CsvKind CsvKindOfFirstLine(const QByteArray& firstLine) {
    QByteArray line = firstLine;
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    bool location = false;
    bool frequency = false;
    for (const QByteArray& cell : line.split(',')) {
        const QByteArray name = cell.trimmed().toLower();
        location = location || name == "location" || name == "\"location\"";
        frequency = frequency || name == "frequency" || name == "\"frequency\"";
    }
    return location && frequency ? CsvKind::Chirp : CsvKind::Own;
}

CsvKind CsvKindOfFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CsvKind::Own;
    return CsvKindOfFirstLine(file.readLine(FirstLineLimit));
}

} // namespace mtz4
