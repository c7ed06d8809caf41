#include "app/FileModels.h"

#include "app/RecentFiles.h"
#include "app/WindowPlacement.h"
#include "model/ReferenceTables.h"

#include <QFileInfo>
#include <QStringList>

namespace mtz4 {

namespace {

const QString LastKey = QStringLiteral("Model/Last");
// Each line "<model>|<full path>", the newest first.
const QString FilesKey = QStringLiteral("Model/Files");
const QChar Separator = QLatin1Char('|');

bool ValidModel(int model) {
    return model >= 0 && model < ModelCount;
}

QString FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QStringList StoredFiles() {
    return OpenPlacementStore()->value(FilesKey).toStringList();
}

} // namespace

int ReadLastModel() {
    bool ok = false;
    const int model = OpenPlacementStore()->value(LastKey).toInt(&ok);
    return ok && ValidModel(model) ? model : 0;
}

void WriteLastModel(int model) {
    if (ValidModel(model) && ReadLastModel() != model)
        StoreSetting(LastKey, model);
}

int RememberedFileModel(const QString& path) {
    const QString full = FullPath(path);
    for (const QString& line : StoredFiles()) {
        bool ok = false;
        const int model = line.section(Separator, 0, 0).toInt(&ok);
        if (ok && ValidModel(model) && line.section(Separator, 1) == full)
            return model;
    }
    return -1;
}

void RememberFileModel(const QString& path, int model) {
    if (!ValidModel(model))
        return;
    const QString full = FullPath(path);
    const QString entry = QString::number(model) + Separator + full;
    QStringList files = StoredFiles();
    if (!files.isEmpty() && files.first() == entry)
        return;
    files.removeIf([&full](const QString& line) { return line.section(Separator, 1) == full; });
    files.prepend(entry);
    StoreSetting(FilesKey, files.mid(0, FileModelsKept));
}

void RememberRecentFile(const QString& path, int model) {
    AddRecentFile(path);
    RememberFileModel(path, model);
}

} // namespace mtz4
