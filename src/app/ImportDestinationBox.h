#pragma once

#include "files/ImportDestination.h"

#include <QGroupBox>

class QRadioButton;
class QSpinBox;

namespace mtz4 {

struct DataSet;

// Where an import's rows go, as the import dialogs offer it: as numbered in
// the file, into a bank from its first channel, from the memory list's
// current row, or into the free entries.
class ImportDestinationBox : public QGroupBox {
    Q_OBJECT
public:
    // `currentEntry` is the memory list's current row's entry (-1: none,
    // and the choice of the current row is off).
    ImportDestinationBox(const DataSet& ds, int currentEntry, QWidget* parent = nullptr);

    void setDestination(const ImportDestination& destination);
    ImportDestination destination() const;
    // Whether "as numbered" can be chosen (the file numbers its rows).
    void setAsNumberedAllowed(bool allowed);

    QRadioButton* asNumbered() const { return asNumbered_; }
    QRadioButton* intoBank() const { return intoBank_; }
    QSpinBox* bank() const { return bank_; }
    QRadioButton* fromRow() const { return fromRow_; }
    QRadioButton* freeEntries() const { return freeEntries_; }

signals:
    void changed();

private:
    int currentEntry_;
    QRadioButton* asNumbered_;
    QRadioButton* intoBank_;
    QSpinBox* bank_;
    QRadioButton* fromRow_;
    QRadioButton* freeEntries_;
};

} // namespace mtz4
