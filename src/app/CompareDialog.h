#pragma once

#include "model/DataDiff.h"

#include <QDialog>

class QTableWidget;

namespace mtz4 {

// The differences between the data set and another one (a file, or what the
// receiver holds), one per row: where, which field, this value, the other.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // `other` names what was compared ("radio.MZ4", "the receiver").
    CompareDialog(const QList<DataDifference>& differences, const QString& other,
                  QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

} // namespace mtz4
