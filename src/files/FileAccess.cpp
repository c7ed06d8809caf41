#include "files/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mtz4 {

namespace {

// What is wrong with the place itself (no folder there, a folder in the way),
// whatever the system said; empty when the place looks right.
QString placeProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("FileAccess", "%1 is a folder, not a file")
            .arg(DisplayPath(path));
    if (IsSpecialFile(path))
        return QCoreApplication::translate("FileAccess",
                                           "cannot write %1: it is a device or a pipe, not a file")
            .arg(DisplayPath(path));
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("FileAccess",
                                           "cannot write %1: the folder %2 does not exist")
            .arg(DisplayPath(path), DisplayPath(folder.filePath()));
    if (!folder.isDir())
        return QCoreApplication::translate("FileAccess", "cannot write %1: %2 is not a folder")
            .arg(DisplayPath(path), DisplayPath(folder.filePath()));
    return {};
}

// Why the existing file at path may not be written, as the system says it
// ("Read-only file system", "Permission denied").
QString notWritableReason([[maybe_unused]] const QString& path) {
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return QCoreApplication::translate("FileAccess", "the file is read-only");
}

void setReason(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
}

} // namespace

QString DisplayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool IsSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool CheckPlace(const QString& path, QString* reason) {
    if (path.isEmpty()) {
        setReason(reason, QCoreApplication::translate("FileAccess", "no file name given"));
        return false;
    }
    const QString problem = placeProblem(path);
    if (!problem.isEmpty()) {
        setReason(reason, problem);
        return false;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) {
        setReason(reason, QCoreApplication::translate("FileAccess", "cannot write %1: %2")
                              .arg(DisplayPath(path), notWritableReason(path)));
        return false;
    }
    return true;
}

bool CheckWritable(const QString& path, QString* reason) {
    if (!CheckPlace(path, reason))
        return false;
    const QFileInfo info(path);
    // A save writes a new file beside the old one and renames it into place:
    // the folder must take a new file.
    QTemporaryFile probe(QDir(info.absolutePath()).filePath(QStringLiteral(".mtz4-XXXXXX")));
    if (!probe.open()) {
        setReason(reason,
                  QCoreApplication::translate("FileAccess", "cannot write in the folder %1: %2")
                      .arg(DisplayPath(info.absolutePath()), probe.errorString()));
        return false;
    }
    return true;
}

QString WriteFailureReason(const QString& path, const QString& systemError) {
    const QString problem = placeProblem(path);
    if (!problem.isEmpty())
        return problem;
    return QCoreApplication::translate("FileAccess", "cannot write %1: %2")
        .arg(DisplayPath(path), systemError);
}

QString ReadFailureReason(const QString& path, const QString& systemError) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("FileAccess", "cannot open %1: there is no such file")
            .arg(DisplayPath(path));
    if (info.isDir())
        return QCoreApplication::translate("FileAccess",
                                           "cannot open %1: it is a folder, not a file")
            .arg(DisplayPath(path));
    if (!info.isFile())
        return QCoreApplication::translate("FileAccess",
                                           "cannot open %1: it is a device or a pipe, not a file")
            .arg(DisplayPath(path));
    return QCoreApplication::translate("FileAccess", "cannot open %1: %2")
        .arg(DisplayPath(path), systemError);
}

QString OutputReplacesInput(const QString& output, const QString& input) {
    return QCoreApplication::translate(
               "FileAccess",
               "the output %1 is the same file as %2, which is read: choose another file "
               "for the output")
        .arg(DisplayPath(output), DisplayPath(input));
}

std::unique_ptr<QLockFile> TakeLockFile(const QString& path, int waitMs) {
    if (IsSpecialFile(path) || QFileInfo(path).isDir())
        return nullptr;
    auto lock = std::make_unique<QLockFile>(path);
    return lock->tryLock(waitMs) ? std::move(lock) : nullptr;
}

bool SameFile(const QString& a, const QString& b) {
#ifdef Q_OS_UNIX
    // The same device and inode: the same file whatever the links that lead to it.
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#else
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() &&
           first.compare(QFileInfo(b).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#endif
}

} // namespace mtz4
