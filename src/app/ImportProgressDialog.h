#pragma once

#include "files/ImportReport.h"

#include <QProgressDialog>

namespace mtz4 {

// The progress of a long import: a window-modal progress dialog, shown once
// the import has run half a second, with a Cancel button. Its callback keeps
// the window's events going (timers and painting always; the user's input
// once the dialog is shown and keeps it from the window) and tells the
// import to stop when Cancel was pressed.
class ImportProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ImportProgressDialog(QWidget* parent, const QString& fileName);

    // For the import (ImportProgress): shows how far it has got; false once
    // the user has cancelled.
    bool advance(qint64 done, qint64 total);
    ImportProgress callback() {
        return [this](qint64 done, qint64 total) { return advance(done, total); };
    }
};

} // namespace mtz4
