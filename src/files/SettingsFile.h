#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace mtz4 {

// The per-user settings file: keys such as "Settings/MainLeft" or
// "Recent/Files" with their values (texts, lists of texts, truth values,
// numbers), in the INI form that QSettings reads and writes (SettingsText),
// so that files written by earlier versions keep their settings:
//
//   [Recent]
//   Files=/home/u/radio.MZ4, /home/u/club.MZ4
//
// It is written through the checked writer (CheckedFileWriter), so that a
// full disk or a folder that takes no file leaves the file as it was and
// says why; QSettings' own writing cannot tell that a small file was cut
// short. A device or a pipe in the file's place is never opened: the
// settings then start empty, are not written, and problem() says why.
class SettingsFile {
public:
    // Reads the file at path (none there: no settings yet).
    explicit SettingsFile(const QString& path);
    // Writes what changed since the last sync(), as QSettings does when it goes.
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    bool contains(const QString& key) const { return values_.contains(key); }
    void setValue(const QString& key, const QVariant& value);
    // Removes the key, or the group of that name with every key in it.
    void remove(const QString& key);
    void clear();
    // The groups at the top ("Settings", "Recent", ...).
    QStringList childGroups() const;

    // Writes the changes to the file, over what it holds by then (another
    // window may have stored a setting meanwhile). False, with the reason in
    // `reason` when given, when they could not be written; they are then
    // kept for the next sync().
    bool sync(QString* reason = nullptr);

    const QString& path() const { return path_; }
    // Why the file could not be read; empty when it could (or was not there).
    const QString& problem() const { return problem_; }

private:
    struct Change {
        QString key;
        QVariant value;
        bool removal = false;
    };

    QString path_;
    QMap<QString, QVariant> values_;
    QList<Change> changes_; // since the last sync()
    QString problem_;
};

} // namespace mtz4
