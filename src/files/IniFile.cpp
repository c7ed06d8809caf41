#include "files/IniFile.h"

#include "model/NumericText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace mtz4 {

namespace {

const QString IniName = QStringLiteral("MT-Z4.ini");
// How long a window waits for another one writing the file.
constexpr int LockWaitMs = 5000;

QString iniPath(const QString& dir) {
    return QDir(dir).filePath(IniName);
}

// The port number in the file, or 0 when there is none.
int portInFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return IniPortOfText(file.readLine(64));
}

bool writePort(const QString& dir, int port) {
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return false;
    QSaveFile file(iniPath(dir));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = QByteArray::number(port) + "\r\n";
    return file.write(line) == line.size() && file.commit();
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

int ReadIniPort(const IniLocation& where) {
    for (const QString& dir : {where.userDir, where.programDir}) {
        if (dir.isEmpty() || !QFile::exists(iniPath(dir)))
            continue;
        const int port = portInFile(iniPath(dir));
        return port != 0 ? port : FirstPort;
    }
    return FirstPort;
}

bool WriteIniPort(const IniLocation& where, int port) {
    if (writePort(where.programDir, port)) {
        // The program's own copy is current now; a per-user copy would hide it.
        if (!where.userDir.isEmpty())
            QFile::remove(iniPath(where.userDir));
        return true;
    }
    return writePort(where.userDir, port);
}

bool StoreIniPortAtExit(const IniLocation& where, int port, int portAtStart) {
    const QString lockDir = where.userDir.isEmpty() ? where.programDir : where.userDir;
    QDir().mkpath(lockDir);
    QLockFile lock(QDir(lockDir).filePath(IniName + QStringLiteral(".lock")));
    // A lock that cannot be had in time (a folder that takes no file) does not
    // keep the port from being written: the write itself is atomic.
    lock.tryLock(LockWaitMs);
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
    return WriteIniPort(where, port);
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
