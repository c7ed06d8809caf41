#include "app/ComPortDialog.h"

#include "editing/DialogFrame.h"
#include "link/Link.h"
#include "link/PortDevice.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int ButtonRows = 8; // two columns of eight ports
} // namespace

QString dlgCOM::portCaption(int number) {
    return QStringLiteral("COM %1").arg(number, 2, 10, QLatin1Char(' '));
}

dlgCOM::dlgCOM(Link& link, QWidget* parent) : QDialog(parent), link_(link) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QStringLiteral("COM Port Setup"));
    setModal(true);
    UseFixedDialogFrame(*this);

    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnMinimumWidth(2, 16);
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

    OKButton_ = new QPushButton(QStringLiteral("OK"), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &dlgCOM::OKButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void dlgCOM::showEvent(QShowEvent* event) {
    // A window restored by the system must keep the user's choice.
    if (!event->spontaneous()) {
        showDevices();
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
        const QString state = present ? QStringLiteral("present") : QStringLiteral("not present");
        lblDevice_[i]->setToolTip(QStringLiteral("%1: %2").arg(device, state));
        opbCom_[i]->setAccessibleDescription(QStringLiteral("%1, %2").arg(device, state));
    }
}

void dlgCOM::selectCurrentPort() {
    const int index = link_.portNumber() - 1;
    if (index >= 0 && index < PortCount)
        opbCom_[index]->setChecked(true);
}

void dlgCOM::OKButton_Click() {
    if (link_.isOpen())
        link_.close();
    for (int i = 0; i < PortCount; ++i) {
        if (opbCom_[i]->isChecked()) {
            link_.setPortNumber(i + 1);
            break;
        }
    }
    accept();
}

} // namespace mtz4
