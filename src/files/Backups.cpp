#include "files/Backups.h"

#include "files/CheckedFileWriter.h"
#include "files/CloneFile.h"
#include "files/FileAccess.h"
#include "model/ReferenceTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

namespace mtz4 {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");
// Several windows of the program may write backups into the folder at the
// same moment: one at a time, each waiting this long at most for the others.
constexpr int LockWaitMs = 10000;
// A backup dated up to this long after the one being written was written
// meanwhile by another window, not before the clock was set back.
constexpr qint64 ClockSlackSeconds = 600;
// Backups of one occasion within one second, at most.
constexpr int MaxSameName = 10000;
const QString Suffix = QStringLiteral(".MZ4");

// "2026-12-08 05-12-33 MT-Z4J before Read ALL.MZ4", with " (2)" and so on
// before the suffix when two backups fall in the same second. Only names of
// this program's own occasions match, so that a file the user keeps in the
// folder is neither listed nor pruned.
const QRegularExpression& NamePattern() {
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}-\\d{2}) (MT-\\S+(?: [TE])?) "
        "((?:before|after) (?:read|write|(?:Read|Write) (?:ALL|Memory|Settings|Bank|Group)))"
        "(?: \\((\\d+)\\))?\\.MZ4$"));
    return pattern;
}

// Keeps the newest BackupsKept backups and always the one just written.
// Backups dated well after `now` (the clock was set back since they were
// written) go first: they are older than their names say, and counting them
// as the newest would make every new backup the oldest, pruned at once.
void Prune(const QString& folder, const QString& justWritten, const QDateTime& now) {
    QList<BackupInfo> backups = ListBackups(folder, false);
    const QDateTime latest = now.addSecs(ClockSlackSeconds);
    std::stable_partition(backups.begin(), backups.end(),
                          [&latest](const BackupInfo& b) { return b.when <= latest; });
    for (int i = BackupsKept; i < backups.size(); ++i) {
        if (QFileInfo(backups[i].path) != QFileInfo(justWritten))
            QFile::remove(backups[i].path);
    }
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
    const QString stem = when.toString(TimeFormat) + QLatin1Char(' ') + ModelName(ds.ModelIndex) +
                         QLatin1Char(' ') + occasion;
    if (!QDir().mkpath(folder))
        return fail(WriteFailureReason(
            QDir(folder).filePath(stem + Suffix),
            QCoreApplication::translate("Backups", "the folder cannot be made")));

    // The text is made from a copy: making it runs the encoders, and the data
    // set the user works on is to stay exactly as it is.
    auto copy = std::make_unique<DataSet>(ds);
    const QByteArray text = CloneFileText(*copy);
    QString tooLarge;
    if (CheckCloneFileSize(text.size(), QDir(folder).filePath(stem + Suffix), &tooLarge) !=
        CloneFileStatus::Ok)
        return fail(tooLarge);

    // Writing and pruning happen under the folder's lock, so that two windows
    // do not prune each other's new backups; without the lock (it cannot be
    // had in time) pruning waits for the next backup. The name is reserved by
    // creating the file: two windows never write the same one.
    const auto lock = TakeLockFile(QDir(folder).filePath(QStringLiteral(".lock")), LockWaitMs);
    const bool locked = lock != nullptr;
    QString path;
    for (int n = 1;; ++n) {
        path = QDir(folder).filePath(n == 1 ? stem + Suffix
                                            : stem + QStringLiteral(" (%1)").arg(n) + Suffix);
        QFile reserved(path);
        if (reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!QFileInfo::exists(path) || n >= MaxSameName)
            return fail(WriteFailureReason(path, reserved.errorString()));
    }

    QString why;
    if (!WriteFileChecked(path, text, &why)) {
        QFile::remove(path); // the name reserved above
        return fail(why);
    }
    if (locked)
        Prune(folder, path, when);
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
