#include "app/ImportDialog.h"

#include "app/ImportDestinationBox.h"
#include "app/ImportPreview.h"
#include "model/TextLanguage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

QString separatedBy(QChar separator) {
    if (separator == QLatin1Char(';'))
        return QCoreApplication::translate("ImportDialog", "semicolons");
    if (separator == QLatin1Char('\t'))
        return QCoreApplication::translate("ImportDialog", "TABs");
    return QCoreApplication::translate("ImportDialog", "commas");
}

} // namespace

ImportDialog::ImportDialog(const CsvFileLook& look, const QString& fileName, const DataSet& ds,
                           int currentEntry, const ImportDestination& destination, QWidget* parent)
    : QDialog(parent), columns_(look.columns), hasColumns_(look.format == CsvFileFormat::Columns),
      preview_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(QCoreApplication::translate("ImportDialog", "Import %1").arg(fileName));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* what = new QLabel(
        QCoreApplication::translate("ImportDialog", "%1 is %2; its fields are separated by %3.")
            .arg(fileName, CsvFormatDescription(look.format), separatedBy(look.separator)),
        this);
    what->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);

    preview_->setObjectName(QStringLiteral("preview"));
    const int firstRow = hasColumns_ ? 1 : 0;
    FillImportPreview(*preview_, columns_.cells, look.preview, firstRow);
    if (hasColumns_) {
        auto* choose = new QLabel(
            QCoreApplication::translate(
                "ImportDialog",
                "What each column holds, as its header says; choose another field where it "
                "is wrong. The first rows of the file are below."),
            this);
        choose->setWordWrap(true);
        layout->addWidget(choose);
        for (int c = 0; c < preview_->columnCount(); ++c) {
            auto* box = new QComboBox(preview_);
            box->setObjectName(QStringLiteral("field%1").arg(c + 1));
            for (int f = 0; f < ColumnFieldCount; ++f)
                box->addItem(ColumnFieldCaption(ColumnField(f)));
            preview_->setCellWidget(0, c, box);
            fieldBoxes_ << box;
            connect(box, &QComboBox::activated, this,
                    [this, c](int index) { fieldChosen(c, index); });
        }
        // The missing columns of short rows are no columns of the header.
        while (columns_.fields.size() < preview_->columnCount()) {
            columns_.cells << QString();
            columns_.fields << ColumnField::None;
            columns_.toMHz << 1.0;
        }
        preview_->resizeColumnsToContents();
    }
    layout->addWidget(preview_, 1);
    if (hasColumns_) {
        missing_ = new QLabel(QCoreApplication::translate(
                                  "ImportDialog", "Choose the column that holds the frequency."),
                              this);
        missing_->setObjectName(QStringLiteral("missingFrequency"));
        layout->addWidget(missing_);
    }

    destination_ = new ImportDestinationBox(ds, currentEntry, this);
    destination_->setDestination(destination);
    layout->addWidget(destination_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("ImportDialog", "&Import"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    showFields();
    resize(760, 560);
}

QPushButton* ImportDialog::importButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

ImportDestination ImportDialog::destination() const {
    return destination_->destination();
}

void ImportDialog::fieldChosen(int column, int index) {
    SetColumnField(columns_, column, ColumnField(index));
    showFields();
}

void ImportDialog::showFields() {
    for (int c = 0; c < fieldBoxes_.size(); ++c) {
        const QSignalBlocker quiet(fieldBoxes_[c]);
        fieldBoxes_[c]->setCurrentIndex(int(columns_.fields.value(c)));
    }
    if (!hasColumns_)
        return;
    const bool frequency = columns_.namesFrequency();
    missing_->setVisible(!frequency);
    importButton()->setEnabled(frequency);
    destination_->setAsNumberedAllowed(columns_.columnOf(ColumnField::Position) >= 0);
}

} // namespace mtz4
