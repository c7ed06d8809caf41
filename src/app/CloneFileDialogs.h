#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace mtz4 {

// What a file dialog offers: clone files (Open, Save, Save As) or CSV files
// (Import, Export).
// A CSV dialog also offers CHIRP's generic CSV, Import any CSV file whose
// first row names its columns, and Export the program's own CSV as UTF-8
// with a byte-order mark (for spreadsheets) besides the one in the note code
// page; chosenKind() tells which the user picked. PDF files are where the
// channel list is exported to.
enum class FileKind { Clone, Csv, ChirpCsv, CsvUtf8, Pdf, ColumnsCsv };

// The file dialogs of the file commands. Each returns the chosen path, or an
// empty string when the user cancelled. Behind an interface so that tests
// can script the user's choice.
class CloneFileDialogs {
public:
    virtual ~CloneFileDialogs() = default;
    // An existing file to open. `directory` is where the dialog starts.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& directory, FileKind kind) = 0;
    // A file to save to; asks before an existing file is replaced.
    // `suggestion` is the path the dialog starts with.
    virtual QString chooseFileToSave(QWidget* parent, const QString& suggestion, FileKind kind) = 0;
    // The kind of file the last dialog's chosen type filter stands for.
    virtual FileKind chosenKind() const = 0;
};

// The type filter of the dialogs: files of the kind, or all files; a CSV
// dialog for saving also offers UTF-8, one for opening a header row.
QString FileFilter(FileKind kind, bool saving = false);

// The toolkit's file dialogs.
class SystemCloneFileDialogs : public CloneFileDialogs {
public:
    QString chooseFileToOpen(QWidget* parent, const QString& directory, FileKind kind) override;
    QString chooseFileToSave(QWidget* parent, const QString& suggestion, FileKind kind) override;
    FileKind chosenKind() const override { return chosen_; }

private:
    QString chosenPath(QFileDialog& dialog, FileKind kind);
    FileKind chosen_ = FileKind::Clone;
};

} // namespace mtz4
