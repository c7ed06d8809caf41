#pragma once

#include <QString>

class QWidget;

namespace mtz4 {

// The file dialogs of the Open, Save and Save As commands. Each returns the
// chosen path, or an empty string when the user cancelled. Behind an
// interface so that tests can script the user's choice.
class CloneFileDialogs {
public:
    virtual ~CloneFileDialogs() = default;
    // An existing file to open. `directory` is where the dialog starts.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& directory) = 0;
    // A file to save to; asks before an existing file is replaced.
    // `suggestion` is the path the dialog starts with.
    virtual QString chooseFileToSave(QWidget* parent, const QString& suggestion) = 0;
};

// The type filter of both dialogs: clone files, or all files.
QString CloneFileFilter();

// The toolkit's file dialogs.
class SystemCloneFileDialogs : public CloneFileDialogs {
public:
    QString chooseFileToOpen(QWidget* parent, const QString& directory) override;
    QString chooseFileToSave(QWidget* parent, const QString& suggestion) override;
};

} // namespace mtz4
