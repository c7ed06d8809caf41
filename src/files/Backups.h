#pragma once

#include "model/DataSet.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace mtz4 {

// Automatic backups of the data set as clone files, taken after every clone
// read and before every clone write, named by the time, the model and the
// occasion: "2026-12-08 05-12-33 MT-Z4J after read.MZ4". The newest 50 are
// kept.
inline constexpr int BackupsKept = 50;

// The per-user "backups" folder.
QString BackupFolder();

struct BackupInfo {
    QString path;
    QDateTime when;
    QString model;
    QString occasion;        // "after read", "before write"
    int enabledEntries = -1; // -1: not counted, or the file cannot be loaded
    int sequence = 1;        // 2, 3, ... for later backups within the same second
};

// Saves the data set as a backup in `folder` (made when missing) and prunes
// the folder to the newest BackupsKept. The data set itself is not changed:
// not its current file, not its change flag. Returns the backup's path, or
// an empty text with the reason in `error`.
QString WriteBackup(const DataSet& ds, const QString& occasion, const QDateTime& when,
                    QString* error, const QString& folder = BackupFolder());

// The backups in `folder`, newest first; with `countEntries` each is loaded
// to count its enabled entries.
QList<BackupInfo> ListBackups(const QString& folder = BackupFolder(), bool countEntries = true);

} // namespace mtz4
