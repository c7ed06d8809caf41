#include "app/ImportDestinationBox.h"

#include "model/DataSet.h"
#include "model/RowLabels.h"
#include "model/TextLanguage.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace mtz4 {

ImportDestinationBox::ImportDestinationBox(const DataSet& ds, int currentEntry, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("ImportDestinationBox", "Where the rows go"), parent),
      currentEntry_(currentEntry) {
    setObjectName(QStringLiteral("importDestination"));
    const QString row = BuildRowLabels(ds.bank).value(currentEntry);
    asNumbered_ = new QRadioButton(
        QCoreApplication::translate("ImportDestinationBox", "&As numbered in the file"));
    intoBank_ = new QRadioButton(QCoreApplication::translate("ImportDestinationBox", "Into &bank"));
    bank_ = new QSpinBox;
    bank_->setRange(0, BankCount - 1);
    auto* bankTail =
        new QLabel(QCoreApplication::translate("ImportDestinationBox", "from its first channel"));
    fromRow_ = new QRadioButton(
        row.isEmpty()
            ? QCoreApplication::translate("ImportDestinationBox", "From the &selected row")
            : QCoreApplication::translate("ImportDestinationBox", "From the &selected row (%1)")
                  .arg(row));
    fromRow_->setEnabled(!row.isEmpty());
    freeEntries_ = new QRadioButton(
        QCoreApplication::translate("ImportDestinationBox", "Into the &free entries"));
    for (QRadioButton* b : {asNumbered_, intoBank_, fromRow_, freeEntries_})
        b->setObjectName(b == asNumbered_ ? QStringLiteral("asNumbered")
                         : b == intoBank_ ? QStringLiteral("intoBank")
                         : b == fromRow_  ? QStringLiteral("fromRow")
                                          : QStringLiteral("freeEntries"));
    bank_->setObjectName(QStringLiteral("bank"));
    auto* group = new QButtonGroup(this);
    for (QRadioButton* b : {asNumbered_, intoBank_, fromRow_, freeEntries_})
        group->addButton(b);
    auto* note = new QLabel(QCoreApplication::translate(
        "ImportDestinationBox",
        "A bank too small for the rows grows into the free channels at the end of the other "
        "banks. Program Scan, Search Pass and Priority rows keep their own lists."));
    note->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(asNumbered_, 0, 0, 1, 3);
    layout->addWidget(intoBank_, 1, 0);
    layout->addWidget(bank_, 1, 1);
    layout->addWidget(bankTail, 1, 2);
    layout->addWidget(fromRow_, 2, 0, 1, 3);
    layout->addWidget(freeEntries_, 3, 0, 1, 3);
    layout->addWidget(note, 4, 0, 1, 4);
    layout->setColumnStretch(3, 1);

    // The bank of the current row to start with.
    const int bankOfRow = row.section(QLatin1Char('-'), 0, 0).toInt();
    bank_->setValue(row.contains(QLatin1Char('-')) ? bankOfRow : 0);
    connect(bank_, &QSpinBox::valueChanged, this, [this] {
        intoBank_->setChecked(true);
        emit changed();
    });
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on)
            emit changed();
    });
    asNumbered_->setChecked(true);
}

void ImportDestinationBox::setDestination(const ImportDestination& destination) {
    switch (destination.kind) {
    case ImportDestination::Kind::AsNumbered:
        asNumbered_->setChecked(true);
        break;
    case ImportDestination::Kind::Bank:
        bank_->setValue(destination.bank);
        intoBank_->setChecked(true);
        break;
    case ImportDestination::Kind::FromEntry:
        fromRow_->setChecked(true);
        break;
    case ImportDestination::Kind::FreeEntries:
        freeEntries_->setChecked(true);
        break;
    }
}

ImportDestination ImportDestinationBox::destination() const {
    if (intoBank_->isChecked())
        return ImportDestination::intoBank(bank_->value());
    if (fromRow_->isChecked() && currentEntry_ >= 0)
        return ImportDestination::fromEntry(currentEntry_);
    if (freeEntries_->isChecked())
        return ImportDestination::freeEntries();
    return {};
}

void ImportDestinationBox::setAsNumberedAllowed(bool allowed) {
    asNumbered_->setEnabled(allowed);
    if (!allowed && asNumbered_->isChecked())
        freeEntries_->setChecked(true);
}

} // namespace mtz4
