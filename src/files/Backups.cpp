#include "files/Backups.h"

#include "files/CloneFile.h"
#include "files/FileBytes.h"
#include "reference/ReferenceTables.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

namespace mtz4 {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");
const QString Suffix = QStringLiteral(".MZ4");

// "2026-12-08 05-12-33 MT-Z4J after read.MZ4", with " (2)" and so on before
// the suffix when two backups fall in the same second.
const QRegularExpression& NamePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}-\\d{2}) (MT-\\S+(?: [TE])?) "
                       "(.+?)(?: \\((\\d+)\\))?\\.MZ4$"));
    return pattern;
}

void Prune(const QString& folder) {
    const QList<BackupInfo> backups = ListBackups(folder, false);
    for (int i = BackupsKept; i < backups.size(); ++i)
        QFile::remove(backups[i].path);
}

} // namespace

QString BackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

QString WriteBackup(const DataSet& ds, const QString& occasion, const QDateTime& when,
                    QString* error, const QString& folder) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QString();
    };
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot make the folder %1").arg(folder));
    const QString stem = when.toString(TimeFormat) + QLatin1Char(' ') + ModelName(ds.ModelIndex) +
                         QLatin1Char(' ') + occasion;
    QString path = QDir(folder).filePath(stem + Suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1)").arg(n) + Suffix);

    // The text is made from a copy: making it runs the encoders, and the data
    // set the user works on is to stay exactly as it is.
    auto copy = std::make_unique<DataSet>(ds);
    if (!SaveFileBytes(path, CloneFileText(*copy)))
        return fail(QStringLiteral("cannot write %1").arg(path));
    Prune(folder);
    return path;
}

QList<BackupInfo> ListBackups(const QString& folder, bool countEntries) {
    QList<BackupInfo> backups;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch m = NamePattern().match(file.fileName());
        if (!m.hasMatch())
            continue;
        BackupInfo info;
        info.path = file.absoluteFilePath();
        info.when = QDateTime::fromString(m.captured(1), TimeFormat);
        info.model = m.captured(2);
        info.occasion = m.captured(3);
        info.sequence = m.captured(4).isEmpty() ? 1 : m.captured(4).toInt();
        if (countEntries) {
            auto ds = std::make_unique<DataSet>();
            InitTables(*ds);
            if (ReadCloneFile(*ds, info.path) == CloneFileStatus::Ok)
                info.enabledEntries =
                    int(std::count(ds->MemEnable.begin(), ds->MemEnable.end(), true));
        }
        backups.append(info);
    }
    std::sort(backups.begin(), backups.end(), [](const BackupInfo& a, const BackupInfo& b) {
        if (a.when != b.when)
            return a.when > b.when;
        if (a.sequence != b.sequence)
            return a.sequence > b.sequence;
        // Within one second the file times tell.
        return QFileInfo(a.path).lastModified() > QFileInfo(b.path).lastModified();
    });
    return backups;
}

} // namespace mtz4
