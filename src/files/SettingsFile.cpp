#include "files/SettingsFile.h"

#include "files/CheckedFileWriter.h"
#include "files/FileAccess.h"
#include "files/SettingsText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace mtz4 {

namespace {

// Two windows storing a setting at the same moment: one at a time, each
// waiting this long at most for the other.
constexpr int LockWaitMs = 5000;
// What the file at path holds; `problem` says why it could not be read.
QMap<QString, QVariant> readValues(const QString& path, QString& problem) {
    QMap<QString, QVariant> values;
    problem.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return values;
    if (!info.isFile()) {
        problem =
            QCoreApplication::translate(
                "SettingsFile", "%1 is not a file (a folder, a device or a pipe): the settings are "
                                "neither read nor stored")
                .arg(DisplayPath(path));
        return values;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = ReadFailureReason(path, file.errorString());
        return values;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        problem = ReadFailureReason(path, file.errorString());
    return ParseSettingsText(text);
}

bool inGroup(const QString& key, const QString& group) {
    return key.size() > group.size() && key.startsWith(group) && key.at(group.size()) == u'/';
}

// Removes the key, or the group with everything in it (an empty key: all).
void removeFrom(QMap<QString, QVariant>& values, const QString& key) {
    for (auto it = values.begin(); it != values.end();) {
        if (key.isEmpty() || it.key() == key || inGroup(it.key(), key))
            it = values.erase(it);
        else
            ++it;
    }
}

} // namespace

SettingsFile::SettingsFile(const QString& path) : path_(path) {
    values_ = readValues(path_, problem_);
}

SettingsFile::~SettingsFile() {
    sync();
}

QVariant SettingsFile::value(const QString& key, const QVariant& fallback) const {
    return values_.value(key, fallback);
}

void SettingsFile::setValue(const QString& key, const QVariant& value) {
    values_.insert(key, value);
    changes_.append({key, value, false});
}

void SettingsFile::remove(const QString& key) {
    const qsizetype had = values_.size();
    removeFrom(values_, key);
    if (values_.size() != had)
        changes_.append({key, {}, true});
}

void SettingsFile::clear() {
    remove(QString());
}

QStringList SettingsFile::childGroups() const {
    QStringList groups;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash > 0 && !groups.contains(it.key().first(slash)))
            groups.append(it.key().first(slash));
    }
    return groups;
}

bool SettingsFile::sync(QString* reason) {
    if (changes_.isEmpty())
        return true;
    QString why;
    if (!problem_.isEmpty()) {
        why = problem_;
    } else if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        why = WriteFailureReason(
            path_, QCoreApplication::translate("SettingsFile", "the folder cannot be made"));
    } else {
        // One window at a time, each writing what the file holds now with
        // its own changes on it, so that a setting another window stored
        // meanwhile stays. Without the lock (a folder that takes no file)
        // the write goes ahead all the same, and fails by itself.
        const auto lock = TakeLockFile(path_ + QStringLiteral(".lock"), LockWaitMs);
        QString unread;
        QMap<QString, QVariant> now = readValues(path_, unread);
        for (const Change& change : changes_) {
            if (change.removal)
                removeFrom(now, change.key);
            else
                now.insert(change.key, change.value);
        }
        if (WriteFileChecked(path_, SettingsFileText(now), &why)) {
            values_ = std::move(now);
            changes_.clear();
            return true;
        }
    }
    if (reason)
        *reason = why;
    return false;
}

} // namespace mtz4
