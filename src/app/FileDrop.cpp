#include "app/FileDrop.h"

#include "app/CloneCommands.h"
#include "app/CommandHost.h"
#include "app/FileCommands.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace mtz4 {

namespace {

// The local files a drag carries.
QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

DroppedFile DroppedFileOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mz4"))
        return DroppedFile::Clone;
    if (suffix == QLatin1String("csv"))
        return DroppedFile::Csv;
    return DroppedFile::Refused;
}

FileDrop::FileDrop(QWidget& window, FileCommands& files, CloneCommands& clone, CommandHost& host)
    : QObject(&window), files_(files), clone_(clone), host_(host) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Any local file is accepted here, so that the drop can say why one
        // is refused.
        auto* drag = static_cast<QDropEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* dropped = static_cast<QDropEvent*>(event);
        const QStringList files = LocalFiles(dropped->mimeData());
        if (files.isEmpty())
            return QObject::eventFilter(watched, event);
        dropped->acceptProposedAction();
        if (files.size() > 1)
            refuse(QCoreApplication::translate("FileDrop", "drop one file at a time"));
        else
            drop(files.first());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool FileDrop::drop(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    if (clone_.running()) {
        refuse(QCoreApplication::translate("FileDrop",
                                           "%1 not opened: the receiver is being read or written")
                   .arg(name));
        return false;
    }
    switch (DroppedFileOf(path)) {
    case DroppedFile::Clone:
        return files_.openFile(path);
    case DroppedFile::Csv:
        // The file itself says whether it is our CSV, CHIRP's or one with a
        // header row.
        return files_.importFile(path);
    case DroppedFile::Refused:
        break;
    }
    refuse(QCoreApplication::translate(
               "FileDrop",
               "%1 not opened: only clone files (.MZ4) and CSV files (.csv) can be dropped "
               "here")
               .arg(name));
    return false;
}

void FileDrop::refuse(const QString& why) {
    host_.showStatusText(why);
}

} // namespace mtz4
