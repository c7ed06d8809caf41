#pragma once

#include <QDialog>

class QTableWidget;

namespace mtz4 {

// File > Backups: the automatic backups, newest first, with their date, the
// occasion, the model and how many entries are in use. "Open" opens the
// chosen one as File > Open would; "Open Folder" shows the folder in the
// desktop's file manager.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackupsDialog(const QString& folder, QWidget* parent = nullptr);

    // The backup the user chose to open (after exec() returned Accepted).
    QString chosenPath() const;
    QTableWidget* table() const { return table_; }

private:
    QString folder_;
    QTableWidget* table_;
};

} // namespace mtz4
