#include "app/CompareDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mtz4 {

CompareDialog::CompareDialog(const QList<DataDifference>& differences, const QString& other,
                             QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(QCoreApplication::translate("CompareDialog", "Compare With %1").arg(other));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("compareSummary"));
    summary->setText(differences.isEmpty()
                         ? QCoreApplication::translate("CompareDialog",
                                                       "The data set and %1 hold the same data.")
                               .arg(other)
                         : QCoreApplication::translate(
                               "CompareDialog",
                               "%n differences between the data set (This) and %1 (Other):",
                               nullptr, int(differences.size()))
                               .arg(other));

    table_->setAccessibleName(QCoreApplication::translate("CompareDialog", "Differences"));
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("CompareDialog", "Where"),
                                       QCoreApplication::translate("CompareDialog", "Field"),
                                       QCoreApplication::translate("CompareDialog", "This"),
                                       QCoreApplication::translate("CompareDialog", "Other")});
    table_->setRowCount(int(differences.size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    for (int r = 0; r < differences.size(); ++r) {
        const DataDifference& d = differences[r];
        const QStringList cells = {d.where, d.field, d.thisValue, d.otherValue};
        for (int c = 0; c < cells.size(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setVisible(!differences.isEmpty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(620, differences.isEmpty() ? 120 : 420);
}

} // namespace mtz4
