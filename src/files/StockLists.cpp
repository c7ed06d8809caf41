#include "files/StockLists.h"

#include "files/FileBytes.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace mtz4 {

namespace {

constexpr int CommentLinesRead = 40;

// The "# Key: value" lines at the top of a list, keys in lower case.
QHash<QString, QString> commentsOf(const QByteArray& bytes) {
    QHash<QString, QString> values;
    const QList<QByteArray> lines = bytes.left(16 * 1024).split('\n');
    for (int i = 0; i < lines.size() && i < CommentLinesRead; ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty())
            continue;
        if (!line.startsWith(QLatin1Char('#')))
            break;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 1)
            values.insert(line.mid(1, colon - 1).trimmed().toLower(),
                          line.mid(colon + 1).trimmed());
    }
    return values;
}

StockList stockListOf(const QFileInfo& file) {
    QHash<QString, QString> values;
    if (const std::optional<QByteArray> bytes = ReadFileBytes(file.filePath()))
        values = commentsOf(*bytes);
    // "# Title-ja: ..." beside "# Title: ..." gives the text in the
    // program's language; the plain key is the English.
    const QString suffix = QLatin1Char('-') + ProgramLanguage();
    const auto text = [&](const char* key) {
        const QString own = values.value(QLatin1String(key) + suffix);
        return own.isEmpty() ? values.value(QLatin1String(key)) : own;
    };
    StockList list;
    list.name = file.completeBaseName();
    list.path = file.filePath();
    list.title = text("title");
    if (list.title.isEmpty())
        list.title = list.name;
    list.region = text("region");
    list.purpose = text("purpose");
    list.source = text("source");
    return list;
}

} // namespace

QString StockListFolder() {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& path : {bin.filePath(QStringLiteral("../share/mtz4clone/stock")),
                                bin.filePath(QStringLiteral("../doc/stock"))}) {
        if (QFileInfo(path).isDir())
            return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

QList<StockList> StockLists(const QString& folder) {
    QList<StockList> lists;
    if (folder.isEmpty())
        return lists;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        lists << stockListOf(file);
    std::stable_sort(lists.begin(), lists.end(), [](const StockList& a, const StockList& b) {
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return lists;
}

std::optional<StockList> StockListNamed(const QString& name, const QString& folder) {
    for (const StockList& list : StockLists(folder)) {
        if (list.name.compare(name, Qt::CaseInsensitive) == 0)
            return list;
    }
    return std::nullopt;
}

} // namespace mtz4
