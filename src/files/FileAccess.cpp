#include "files/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mtz4 {

namespace {

// What is wrong with the place itself (no folder there, a folder in the way),
// whatever the system said; empty when the place looks right.
QString placeProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not a file").arg(DisplayPath(path));
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return QStringLiteral("cannot write %1: the folder %2 does not exist")
            .arg(DisplayPath(path), DisplayPath(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("cannot write %1: %2 is not a folder")
            .arg(DisplayPath(path), DisplayPath(folder.filePath()));
    return {};
}

void setReason(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
}

} // namespace

QString DisplayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool CheckWritable(const QString& path, QString* reason) {
    if (path.isEmpty()) {
        setReason(reason, QStringLiteral("no file name given"));
        return false;
    }
    const QString problem = placeProblem(path);
    if (!problem.isEmpty()) {
        setReason(reason, problem);
        return false;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) {
        setReason(reason,
                  QStringLiteral("cannot write %1: the file is read-only").arg(DisplayPath(path)));
        return false;
    }
    // A save writes a new file beside the old one and renames it into place:
    // the folder must take a new file.
    QTemporaryFile probe(QDir(info.absolutePath()).filePath(QStringLiteral(".mtz4-XXXXXX")));
    if (!probe.open()) {
        setReason(reason, QStringLiteral("cannot write in the folder %1: %2")
                              .arg(DisplayPath(info.absolutePath()), probe.errorString()));
        return false;
    }
    return true;
}

QString WriteFailureReason(const QString& path, const QString& systemError) {
    const QString problem = placeProblem(path);
    if (!problem.isEmpty())
        return problem;
    return QStringLiteral("cannot write %1: %2").arg(DisplayPath(path), systemError);
}

QString ReadFailureReason(const QString& path, const QString& systemError) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("cannot open %1: there is no such file").arg(DisplayPath(path));
    if (info.isDir())
        return QStringLiteral("cannot open %1: it is a folder, not a file").arg(DisplayPath(path));
    if (!info.isFile())
        return QStringLiteral("cannot open %1: it is a device or a pipe, not a file")
            .arg(DisplayPath(path));
    return QStringLiteral("cannot open %1: %2").arg(DisplayPath(path), systemError);
}

} // namespace mtz4
