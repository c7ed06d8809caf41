#include "editing/SettingsButtons.h"

#include "editing/SettingBinding.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>

namespace mtz4 {

SettingsButtons MakeSettingsButtons(int page, QWidget* parent) {
    SettingsButtons buttons;
    buttons.read =
        new QPushButton(QCoreApplication::translate("SettingsButtons", "Read Settings"), parent);
    buttons.read->setObjectName(QStringLiteral("cmbRxData%1").arg(page));
    buttons.write =
        new QPushButton(QCoreApplication::translate("SettingsButtons", "Write Settings"), parent);
    buttons.write->setObjectName(QStringLiteral("cmbTxData%1").arg(page));
    ShowTip(buttons.read, QCoreApplication::translate(
                              "SettingsButtons",
                              "Reads the settings and the band VFO records from the receiver."));
    ShowTip(buttons.write, QCoreApplication::translate(
                               "SettingsButtons",
                               "Writes the settings and the band VFO records to the receiver."));
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.read);
    buttons.row->addWidget(buttons.write);
    return buttons;
}

} // namespace mtz4
