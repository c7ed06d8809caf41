#include "app/CloneFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace mtz4 {

namespace {
const QString CloneFilesFilter = QStringLiteral("Orlenk MT-Z4 Clone Files (*.MZ4)");
const QString AllFilesFilter = QStringLiteral("All Files (*)");

QString chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
} // namespace

QString CloneFileFilter() {
    return CloneFilesFilter + QStringLiteral(";;") + AllFilesFilter;
}

QString SystemCloneFileDialogs::chooseFileToOpen(QWidget* parent, const QString& directory) {
    QFileDialog dialog(parent, QString(), directory, CloneFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog);
}

QString SystemCloneFileDialogs::chooseFileToSave(QWidget* parent, const QString& suggestion) {
    QFileDialog dialog(parent, QString(), suggestion, CloneFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the clone file's.
    dialog.setDefaultSuffix(QStringLiteral("MZ4"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return chosenPath(dialog);
}

} // namespace mtz4
