#include "app/ComPortDialog.h"

#include "app/CableFinderDialog.h"
#include "app/ResourceTexts.h"
#include "app/WindowPlacement.h"
#include "editing/DialogFrame.h"
#include "link/Link.h"
#include "link/PortDevice.h"
#include "model/TextLanguage.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int ButtonRows = 8;  // two columns of eight ports
constexpr int ListRows = 6;    // the list of serial ports shows six at a time
constexpr int ListWidth = 640; // wide enough for the stable names' start

QString text(int number) {
    return ResourceText(number);
}

} // namespace

QString dlgCOM::portCaption(int number) {
    return QStringLiteral("COM %1").arg(number, 2, 10, QLatin1Char(' '));
}

dlgCOM::dlgCOM(Link& link, QWidget* parent) : QDialog(parent), link_(link) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QCoreApplication::translate("ComPortDialog", "COM Port Setup"));
    setModal(true);
    UseFixedDialogFrame(*this);

    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnMinimumWidth(2, 16);
    // The list below makes the dialog wider: the room left over goes past
    // the ports, which keep their width.
    grid->setColumnStretch(5, 1);
    for (int i = 0; i < PortCount; ++i) {
        auto* button = new QRadioButton(portCaption(i + 1), this);
        button->setObjectName(QStringLiteral("opbCom%1").arg(i));
        group->addButton(button, i);
        auto* device = new QLabel(this);
        device->setObjectName(QStringLiteral("lblDevice%1").arg(i));
        device->setBuddy(button);
        const int column = 3 * (i / ButtonRows);
        grid->addWidget(button, i % ButtonRows, column);
        grid->addWidget(device, i % ButtonRows, column + 1);
        opbCom_[i] = button;
        lblDevice_[i] = device;
    }

    opbDevice_ = new QRadioButton(text(Text::OtherSerialDevice), this);
    opbDevice_->setObjectName(QStringLiteral("opbDevice"));
    group->addButton(opbDevice_, PortCount);
    txtDevice_ = new QLineEdit(this);
    txtDevice_->setObjectName(QStringLiteral("txtDevice"));
    // The option's caption names the box, and its access key chooses it.
    txtDevice_->setAccessibleName(
        QString(text(Text::OtherSerialDevice)).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    // Find the cable: unplugged and plugged in again, the port that appears.
    cmdFindCable_ =
        new QPushButton(QCoreApplication::translate("ComPortDialog", "Find the cable..."), this);
    cmdFindCable_->setObjectName(QStringLiteral("cmdFindCable"));
    connect(cmdFindCable_, &QPushButton::clicked, this, &dlgCOM::findCable);
    lblFound_ = new QLabel(this);
    lblFound_->setObjectName(QStringLiteral("lblFound"));
    lblFound_->setWordWrap(true);
    lblFound_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFound_->hide();
    auto* other = new QHBoxLayout;
    other->addWidget(opbDevice_);
    other->addWidget(txtDevice_, 1);
    other->addWidget(cmdFindCable_);

    lstPorts_ = new QTreeWidget(this);
    lstPorts_->setObjectName(QStringLiteral("lstPorts"));
    lstPorts_->setAccessibleName(
        QCoreApplication::translate("ComPortDialog", "Serial ports of this computer"));
    lstPorts_->setRootIsDecorated(false);
    lstPorts_->setUniformRowHeights(true);
    lstPorts_->setHeaderLabels({text(Text::PortListDevice), text(Text::PortListDescription),
                                text(Text::PortListMaker), text(Text::PortListUsbId),
                                text(Text::PortListSerialNumber)});
    lstPorts_->setFixedSize(ListWidth, lstPorts_->header()->sizeHint().height() +
                                           ListRows * fontMetrics().lineSpacing() * 3 / 2);
    lstPorts_->header()->setStretchLastSection(true);

    // Choosing a port from the list, or typing a device, chooses the other
    // device. (The selection tells, not the current item: the list makes its
    // first row current when it merely gets the focus.)
    connect(lstPorts_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = lstPorts_->selectedItems();
        if (selected.isEmpty())
            return;
        txtDevice_->setText(selected.first()->text(DeviceColumn));
        opbDevice_->setChecked(true);
    });
    connect(txtDevice_, &QLineEdit::textEdited, this, [this] { opbDevice_->setChecked(true); });
    connect(txtDevice_, &QLineEdit::textChanged, this, &dlgCOM::updateOkButton);
    connect(group, &QButtonGroup::idToggled, this, &dlgCOM::updateOkButton);

    OKButton_ = new QPushButton(QCoreApplication::translate("ComPortDialog", "OK"), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &dlgCOM::OKButton_Click);

    // Cancel leaves the port and the stored choice as they were.
    CancelButton_ = new QPushButton(QCoreApplication::translate("ComPortDialog", "Cancel"), this);
    CancelButton_->setObjectName(QStringLiteral("CancelButton"));
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton_);
    buttons->addWidget(CancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(other);
    layout->addWidget(lstPorts_);
    layout->addWidget(lblFound_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void dlgCOM::findCable() {
    CableFinderDialog finder(lister_, this);
    if (finder.exec() != QDialog::Accepted || !finder.found())
        return;
    const SerialPortEntry& port = *finder.found();
    showPortList();
    txtDevice_->setText(port.device);
    opbDevice_->setChecked(true);
    lblFound_->setText(FoundCableText(port));
    lblFound_->show();
}

void dlgCOM::showEvent(QShowEvent* event) {
    // A window restored by the system must keep the user's choice.
    if (!event->spontaneous()) {
        lblFound_->hide();
        showDevices();
        showPortList();
        selectCurrentPort();
    }
    QDialog::showEvent(event);
}

void dlgCOM::showDevices() {
    for (int i = 0; i < PortCount; ++i) {
        const QString device = devicePathForPort(i + 1);
        const bool present = portDeviceExists(device);
        lblDevice_[i]->setText(device);
        lblDevice_[i]->setEnabled(present);
        const QString state = present ? QCoreApplication::translate("ComPortDialog", "present")
                                      : text(Text::PortNotPresent);
        lblDevice_[i]->setToolTip(QStringLiteral("%1: %2").arg(device, state));
        opbCom_[i]->setAccessibleDescription(QStringLiteral("%1, %2").arg(device, state));
    }
}

void dlgCOM::showPortList() {
    const QSignalBlocker quiet(lstPorts_);
    lstPorts_->clear();
    const QColor absent = palette().color(QPalette::Disabled, QPalette::Text);
    for (const SerialPortEntry& port : PortsToOffer(lister_(), link_.chosenDevice())) {
        auto* item = new QTreeWidgetItem(lstPorts_);
        item->setText(DeviceColumn, port.device);
        item->setText(DescriptionColumn,
                      port.aliasOf.isEmpty()
                          ? port.description
                          : QStringLiteral("(%1) %2").arg(QFileInfo(port.aliasOf).fileName(),
                                                          port.description));
        item->setText(MakerColumn, port.manufacturer);
        item->setText(UsbIdColumn, UsbId(port));
        item->setText(SerialColumn, port.serialNumber);
        const QString details = PortDetails(port);
        item->setToolTip(
            DeviceColumn,
            port.present
                ? port.device + (details.isEmpty() ? QString() : QStringLiteral(": ") + details)
                : QStringLiteral("%1: %2").arg(port.device, text(Text::PortNotPresent)));
        // A remembered device that is not there now stays choosable, greyed.
        if (!port.present)
            for (int column = 0; column < lstPorts_->columnCount(); ++column)
                item->setForeground(column, absent);
    }
    for (int column = 0; column < lstPorts_->columnCount() - 1; ++column)
        lstPorts_->resizeColumnToContents(column);
}

void dlgCOM::selectCurrentPort() {
    const QString chosen = link_.chosenDevice();
    txtDevice_->setText(chosen);
    // The keyboard starts at the current choice: the arrow keys move from
    // one port to the next.
    if (!chosen.isEmpty()) {
        opbDevice_->setChecked(true);
        opbDevice_->setFocus();
        const QSignalBlocker quiet(lstPorts_);
        const auto rows = lstPorts_->findItems(chosen, Qt::MatchExactly, DeviceColumn);
        lstPorts_->setCurrentItem(rows.isEmpty() ? nullptr : rows.first());
        return;
    }
    const int index = link_.portNumber() - 1;
    if (index >= 0 && index < PortCount) {
        opbCom_[index]->setChecked(true);
        opbCom_[index]->setFocus();
    }
}

void dlgCOM::updateOkButton() {
    OKButton_->setEnabled(!opbDevice_->isChecked() || !txtDevice_->text().trimmed().isEmpty());
}

void dlgCOM::OKButton_Click() {
    if (link_.isOpen())
        link_.close();
    if (opbDevice_->isChecked()) {
        const QString device = txtDevice_->text().trimmed();
        link_.setDevicePath(device);
        WriteChosenDevice(device);
    } else {
        for (int i = 0; i < PortCount; ++i) {
            if (opbCom_[i]->isChecked()) {
                link_.setPortNumber(i + 1);
                WriteChosenDevice({});
                break;
            }
        }
    }
    accept();
}

} // namespace mtz4
