#pragma once

#include <QStringList>

namespace mtz4 {

// File > Open Recent: the clone files last opened or saved, newest first,
// at most RecentFilesKept, remembered between runs.
inline constexpr int RecentFilesKept = 8;

QStringList RecentFiles();
// Puts `path` at the top of the list.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);
void ClearRecentFiles();

} // namespace mtz4
