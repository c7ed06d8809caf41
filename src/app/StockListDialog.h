#pragma once

#include "files/FileImport.h"
#include "files/StockLists.h"

#include <QDialog>

class QLabel;
class QTableWidget;
class QTreeWidget;

namespace mtz4 {

class ImportDestinationBox;

// File > Import Stock List: the lists of public channels that come with the
// program, each with its region and purpose; the rows of the chosen one
// with its source; and where they go (not as numbered: they have no
// numbers; into the free entries to start with).
class StockListDialog : public QDialog {
    Q_OBJECT
public:
    StockListDialog(const QList<StockList>& lists, const DataSet& ds, int currentEntry,
                    QWidget* parent = nullptr);

    // The chosen list's name, empty for none.
    QString chosenName() const;
    ImportDestination destination() const;

    QTreeWidget* lists() const { return lists_; }
    QTableWidget* preview() const { return preview_; }
    ImportDestinationBox* destinationBox() const { return destination_; }

private:
    void showList();

    const DataSet& ds_;
    QList<StockList> stock_;
    QTreeWidget* lists_;
    QLabel* about_;
    QTableWidget* preview_;
    ImportDestinationBox* destination_;
};

} // namespace mtz4
