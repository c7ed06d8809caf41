#include "app/StockListDialog.h"

#include "app/ImportDestinationBox.h"
#include "app/ImportPreview.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mtz4 {

StockListDialog::StockListDialog(const QList<StockList>& lists, const DataSet& ds, int currentEntry,
                                 QWidget* parent)
    : QDialog(parent), ds_(ds), stock_(lists), lists_(new QTreeWidget(this)),
      about_(new QLabel(this)), preview_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("stockListDialog"));
    setWindowTitle(QCoreApplication::translate("StockListDialog", "Import Stock List"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lists_->setObjectName(QStringLiteral("stockLists"));
    lists_->setColumnCount(3);
    lists_->setHeaderLabels({QCoreApplication::translate("StockListDialog", "List"),
                             QCoreApplication::translate("StockListDialog", "Region"),
                             QCoreApplication::translate("StockListDialog", "Purpose")});
    lists_->setRootIsDecorated(false);
    lists_->setAllColumnsShowFocus(true);
    for (const StockList& list : stock_) {
        auto* item = new QTreeWidgetItem(lists_, {list.title, list.region, list.purpose});
        item->setToolTip(2, list.purpose);
        item->setData(0, Qt::UserRole, list.name);
    }
    for (int c = 0; c < 2; ++c)
        lists_->resizeColumnToContents(c);
    about_->setObjectName(QStringLiteral("stockSource"));
    about_->setWordWrap(true);
    about_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    preview_->setObjectName(QStringLiteral("preview"));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(lists_);
    auto* rows = new QWidget(split);
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    rowsLayout->addWidget(about_);
    rowsLayout->addWidget(preview_, 1);
    split->addWidget(rows);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    destination_ = new ImportDestinationBox(ds, currentEntry, this);
    destination_->setAsNumberedAllowed(false);
    destination_->setDestination(ImportDestination::freeEntries());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("StockListDialog", "&Import"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!stock_.isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lists_, &QTreeWidget::currentItemChanged, this, [this] { showList(); });
    connect(lists_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(destination_);
    layout->addWidget(buttons);
    if (lists_->topLevelItemCount() > 0)
        lists_->setCurrentItem(lists_->topLevelItem(0));
    // Typing a list's first letters finds it.
    lists_->setFocus();
    resize(800, 680);
}

QString StockListDialog::chosenName() const {
    const QTreeWidgetItem* item = lists_->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

ImportDestination StockListDialog::destination() const {
    return destination_->destination();
}

void StockListDialog::showList() {
    const int row = lists_->currentItem() ? lists_->indexOfTopLevelItem(lists_->currentItem()) : -1;
    if (row < 0 || row >= stock_.size())
        return;
    const StockList& list = stock_[row];
    // Every row of the list: they are short.
    constexpr int MostRows = 1000;
    const CsvFileLook look = LookAtCsvFile(ds_, list.path, CsvFileFormat::Columns, MostRows);
    about_->setText(QCoreApplication::translate("StockListDialog", "%1 (%2): %3\nSource: %4")
                        .arg(list.title, list.region, list.purpose, list.source));
    FillImportPreview(*preview_, look.columns.cells, look.preview);
}

} // namespace mtz4
