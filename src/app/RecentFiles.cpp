#include "app/RecentFiles.h"

#include "app/WindowPlacement.h"

#include <QFileInfo>

namespace mtz4 {

namespace {

const QString Key = QStringLiteral("Recent/Files");

void Store(const QStringList& files) {
    StoreSetting(Key, files);
}

} // namespace

QStringList RecentFiles() {
    return OpenPlacementStore()->value(Key).toStringList().mid(0, RecentFilesKept);
}

void AddRecentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(full);
    files.prepend(full);
    Store(files.mid(0, RecentFilesKept));
}

void RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    Store(files);
}

void ClearRecentFiles() {
    Store({});
}

} // namespace mtz4
