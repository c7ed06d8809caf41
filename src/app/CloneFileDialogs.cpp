#include "app/CloneFileDialogs.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace mtz4 {

namespace {
QString cloneFilesFilter() {
    return QCoreApplication::translate("CloneFileDialogs", "Orlenk MT-Z4 Clone Files (*.MZ4)");
}
QString csvFilesFilter() {
    return QCoreApplication::translate("CloneFileDialogs", "CSV Files (*.csv)");
}
QString chirpFilesFilter() {
    return QCoreApplication::translate("CloneFileDialogs", "CHIRP CSV Files (*.csv)");
}
QString csvUtf8Filter() {
    return QCoreApplication::translate("CloneFileDialogs", "CSV Files, UTF-8 (*.csv)");
}
QString columnsFilter() {
    return QCoreApplication::translate("CloneFileDialogs",
                                       "CSV Files with a Header Row (*.csv *.txt)");
}
QString allFilesFilter() {
    return QCoreApplication::translate("CloneFileDialogs", "All Files (*)");
}
QString pdfFilesFilter() {
    return QCoreApplication::translate("CloneFileDialogs", "PDF Files (*.pdf)");
}

} // namespace

QString FileFilter(FileKind kind, bool saving) {
    if (kind == FileKind::Clone)
        return cloneFilesFilter() + QStringLiteral(";;") + allFilesFilter();
    if (kind == FileKind::Pdf)
        return pdfFilesFilter() + QStringLiteral(";;") + allFilesFilter();
    return csvFilesFilter() + QStringLiteral(";;") +
           (saving ? csvUtf8Filter() + QStringLiteral(";;") : QString()) + chirpFilesFilter() +
           QStringLiteral(";;") + (saving ? QString() : columnsFilter() + QStringLiteral(";;")) +
           allFilesFilter();
}

QString SystemCloneFileDialogs::chosenPath(QFileDialog& dialog, FileKind kind) {
    if (kind == FileKind::ChirpCsv)
        dialog.selectNameFilter(chirpFilesFilter());
    else if (kind == FileKind::CsvUtf8)
        dialog.selectNameFilter(csvUtf8Filter());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString filter = dialog.selectedNameFilter();
    if (kind == FileKind::Clone || kind == FileKind::Pdf)
        chosen_ = kind;
    else if (filter == chirpFilesFilter())
        chosen_ = FileKind::ChirpCsv;
    else if (filter == csvUtf8Filter())
        chosen_ = FileKind::CsvUtf8;
    else if (filter == columnsFilter())
        chosen_ = FileKind::ColumnsCsv;
    else
        chosen_ = FileKind::Csv;
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString SystemCloneFileDialogs::chooseFileToOpen(QWidget* parent, const QString& directory,
                                                 FileKind kind) {
    QFileDialog dialog(parent, QString(), directory, FileFilter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog, kind);
}

QString SystemCloneFileDialogs::chooseFileToSave(QWidget* parent, const QString& suggestion,
                                                 FileKind kind) {
    QFileDialog dialog(parent, QString(), suggestion, FileFilter(kind, true));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the kind's.
    dialog.setDefaultSuffix(kind == FileKind::Clone ? QStringLiteral("MZ4")
                            : kind == FileKind::Pdf ? QStringLiteral("pdf")
                                                    : QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return chosenPath(dialog, kind);
}

} // namespace mtz4
