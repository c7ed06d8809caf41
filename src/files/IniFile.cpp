#include "files/IniFile.h"

#include "files/CheckedFileWriter.h"
#include "files/FileAccess.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace mtz4 {

namespace {

const QString IniName = QStringLiteral("MT-Z4.ini");
// How long a window waits for another one writing the file.
constexpr int LockWaitMs = 5000;

QString iniPath(const QString& dir) {
    return QDir(dir).filePath(IniName);
}

// The port number in the file, or 0 when there is none. A device or a pipe
// in the file's place is not opened: it could block the start for ever.
int portInFile(const QString& path) {
    QFile file(path);
    if (IsSpecialFile(path) || !file.open(QIODevice::ReadOnly))
        return 0;
    return IniPortOfText(file.readLine(64));
}

bool writePort(const QString& dir, int port, QStringList& reasons) {
    if (dir.isEmpty())
        return false;
    QString reason;
    if (!QDir().mkpath(dir)) {
        reasons << WriteFailureReason(
            iniPath(dir), QCoreApplication::translate("IniFile", "the folder cannot be made"));
        return false;
    }
    if (!WriteFileChecked(iniPath(dir), QByteArray::number(port) + "\r\n", &reason)) {
        reasons << reason;
        return false;
    }
    return true;
}

} // namespace

int IniPortOfText(const QByteArray& text) {
    const qsizetype end = text.indexOf('\n');
    const QString line = QString::fromLatin1(end < 0 ? text : text.first(end)).trimmed();
    if (line.isEmpty())
        return 0;
    const qint64 value = RoundHalfEven(NumericValue(line));
    return value >= FirstPort && value <= LastPort ? int(value) : 0;
}

int ReadIniPort(const IniLocation& where, QString* problem) {
    for (const QString& dir : {where.userDir, where.programDir}) {
        if (dir.isEmpty() || !QFile::exists(iniPath(dir)))
            continue;
        if (IsSpecialFile(iniPath(dir)) && problem)
            *problem = QCoreApplication::translate(
                           "IniFile", "%1 is a device or a pipe, not a file: COM 1 is used")
                           .arg(DisplayPath(iniPath(dir)));
        const int port = portInFile(iniPath(dir));
        return port != 0 ? port : FirstPort;
    }
    return FirstPort;
}

bool WriteIniPort(const IniLocation& where, int port, QString* reason) {
    QStringList reasons;
    if (writePort(where.programDir, port, reasons)) {
        // The program's own copy is current now; a per-user copy would hide it.
        if (!where.userDir.isEmpty())
            QFile::remove(iniPath(where.userDir));
        return true;
    }
    if (writePort(where.userDir, port, reasons))
        return true;
    if (reason)
        *reason = reasons.join(QStringLiteral("; "));
    return false;
}

bool StoreIniPortAtExit(const IniLocation& where, int port, int portAtStart, QString* reason) {
    const QString lockDir = where.userDir.isEmpty() ? where.programDir : where.userDir;
    QDir().mkpath(lockDir);
    // A lock that cannot be had in time (a folder that takes no file) does not
    // keep the port from being written: the write itself is atomic.
    const auto lock =
        TakeLockFile(QDir(lockDir).filePath(IniName + QStringLiteral(".lock")), LockWaitMs);
    if (port == portAtStart) {
        for (const QString& dir : {where.userDir, where.programDir}) {
            if (dir.isEmpty() || !QFile::exists(iniPath(dir)))
                continue;
            const int stored = portInFile(iniPath(dir));
            if (stored != 0 && stored != port)
                return true; // another window's newer choice
            break;
        }
    }
    return WriteIniPort(where, port, reason);
}

IniLocation DefaultIniLocation() {
    return IniLocationFor(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

IniLocation IniLocationFor(const QString& programDir, const QString& userDir) {
    const bool installed = QFile::exists(
        QDir(programDir).filePath(QStringLiteral("../share/applications/mtz4clone.desktop")));
    return {installed ? QString() : programDir, userDir};
}

} // namespace mtz4
