#include "app/CloneFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace mtz4 {

namespace {
const QString CloneFilesFilter = QStringLiteral("Orlenk MT-Z4 Clone Files (*.MZ4)");
const QString CsvFilesFilter = QStringLiteral("CSV Files (*.csv)");
const QString AllFilesFilter = QStringLiteral("All Files (*)");

QString chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
} // namespace

QString FileFilter(FileKind kind) {
    return (kind == FileKind::Csv ? CsvFilesFilter : CloneFilesFilter) + QStringLiteral(";;") +
           AllFilesFilter;
}

QString SystemCloneFileDialogs::chooseFileToOpen(QWidget* parent, const QString& directory,
                                                 FileKind kind) {
    QFileDialog dialog(parent, QString(), directory, FileFilter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog);
}

QString SystemCloneFileDialogs::chooseFileToSave(QWidget* parent, const QString& suggestion,
                                                 FileKind kind) {
    QFileDialog dialog(parent, QString(), suggestion, FileFilter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the kind's.
    dialog.setDefaultSuffix(kind == FileKind::Csv ? QStringLiteral("csv") : QStringLiteral("MZ4"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return chosenPath(dialog);
}

} // namespace mtz4
