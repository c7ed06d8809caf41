#pragma once

#include "files/FileImport.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace mtz4 {

class ImportDestinationBox;

// File > Import (and a CSV file dropped on the window), once the file is
// looked at: what it is, its first rows, and where its rows go. For a file
// whose first row names its columns, a list box above each column says
// which field it holds, as its header words say, for the user to change;
// Import needs a column of the frequency.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const CsvFileLook& look, const QString& fileName, const DataSet& ds,
                 int currentEntry, const ImportDestination& destination, QWidget* parent = nullptr);

    ImportDestination destination() const;
    // The header with the fields as the user left them.
    const ColumnsHeader& columns() const { return columns_; }

    QTableWidget* preview() const { return preview_; }
    // The list box of column `column` (from 0); null for a file without a header row.
    QComboBox* fieldBox(int column) const { return fieldBoxes_.value(column); }
    ImportDestinationBox* destinationBox() const { return destination_; }
    QPushButton* importButton() const;

private:
    void fieldChosen(int column, int index);
    void showFields();

    ColumnsHeader columns_;
    bool hasColumns_;
    QTableWidget* preview_;
    QList<QComboBox*> fieldBoxes_;
    QLabel* missing_ = nullptr;
    ImportDestinationBox* destination_;
    QDialogButtonBox* buttons_;
};

} // namespace mtz4
