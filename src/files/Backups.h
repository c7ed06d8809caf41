#pragma once

#include "model/DataSet.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace mtz4 {

// Automatic backups of the data set as clone files, taken before every clone
// read and write and after every read that succeeded, named by the time, the
// model and the occasion: "2026-12-08 05-12-33 MT-Z4J before Read ALL.MZ4".
// The occasion is "before" or "after" and the command ("Read ALL", "Write
// Memory", ...; "read" and "write" in older backups): only files named so
// are backups, listed and pruned. The newest 50 are kept.
inline constexpr int BackupsKept = 50;

// The per-user "backups" folder.
QString BackupFolder();

struct BackupInfo {
    QString path;
    QDateTime when;
    QString model;
    QString occasion;        // "before Read ALL", "after Read Memory", ...
    int enabledEntries = -1; // -1: not counted, or the file cannot be loaded
    int sequence = 1;        // 2, 3, ... for later backups within the same second
};

// Saves the data set as a backup in `folder` (made when missing) and prunes
// the folder's backups to the newest BackupsKept, never the one just
// written; backups dated after `when` (a clock set back) are pruned first.
// The data set itself is not changed: not its current file, not its change
// flag. Returns the backup's path, or an empty text with the reason in plain
// words in `error`.
QString WriteBackup(const DataSet& ds, const QString& occasion, const QDateTime& when,
                    QString* error, const QString& folder = BackupFolder());

// The backups in `folder`, newest first; with `countEntries` each is loaded
// to count its enabled entries.
QList<BackupInfo> ListBackups(const QString& folder = BackupFolder(), bool countEntries = true);

} // namespace mtz4
