#include "editing/SettingsButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace mtz4 {

SettingsButtons MakeSettingsButtons(int page, QWidget* parent) {
    SettingsButtons buttons;
    buttons.read = new QPushButton(QStringLiteral("Read Settings"), parent);
    buttons.read->setObjectName(QStringLiteral("cmbRxData%1").arg(page));
    buttons.write = new QPushButton(QStringLiteral("Write Settings"), parent);
    buttons.write->setObjectName(QStringLiteral("cmbTxData%1").arg(page));
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.read);
    buttons.row->addWidget(buttons.write);
    return buttons;
}

} // namespace mtz4
