#include "editing/Settings2Page.h"

#include "editing/SettingBinding.h"
#include "editing/SettingsButtons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

// The page's controls in three columns, each read from top to bottom.
const std::vector<std::vector<const char*>>& Columns() {
    static const std::vector<std::vector<const char*>> columns = {
        {"opbOpMode", "optLamp", "opbMONI", "opbKeyFunc", "opbKeyLock", "opbAPO", "optRecRate"},
        {"opbBug", "optVscanSpeed", "optMscanSpeed", "cbbScan", "cbbChargeTime", "cbbSetMode",
         "cbbWildKey", "cbbRemocon0", "cbbRemocon1", "cbbRemocon2", "cbbRemocon3", "cbbTimePr",
         "cbbTimeSp", "optAntenna"},
        {"optSkip", "optBand", "optLockBug", "optBugType", "optAfTone", "chkATT", "chkAutoStep",
         "chkBeep", "chkBell", "chkAutoWave", "chkBarAM", "chkBS", "chkBarSW", "chkCharge",
         // never shown
         "chkAutoProg", "chkWP", "chkTxEx", "chkFlg1", "opbBurst"},
    };
    return columns;
}

} // namespace

Settings2Page::Settings2Page(DataEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Settings2Page"));

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Settings2Controls"));
    bindings_ = std::make_unique<SettingBindings>(SettingsPage::Two, editor_, content);

    auto* columns = new QHBoxLayout(content);
    for (const auto& names : Columns()) {
        // A pick list has its caption beside it; a group or check box spans
        // both grid columns.
        auto* column = new QGridLayout;
        column->setVerticalSpacing(2);
        int row = 0;
        for (const char* name : names) {
            SettingBinding* binding = bindings_->find(QLatin1String(name));
            if (QLabel* caption = binding->captionLabel()) {
                column->addWidget(caption, row, 0);
                column->addWidget(binding->widget(), row, 1);
            } else {
                column->addWidget(binding->widget(), row, 0, 1, 2);
            }
            ++row;
        }
        column->setRowStretch(row, 1);
        column->setColumnStretch(1, 1);
        columns->addLayout(column, 1);
    }

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("Settings2Scroll"));
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidget(content);
    // The page's own background shows through, as on the other pages.
    scrollArea_->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);

    const SettingsButtons buttons = MakeSettingsButtons(2, this);
    cmbRxData2_ = buttons.read;
    cmbTxData2_ = buttons.write;

    // The scroll area reaches the page's edges; the controls in it and the
    // buttons keep the usual margins.
    auto* page = new QVBoxLayout(this);
    const QMargins margins = page->contentsMargins();
    page->setContentsMargins(0, 0, 0, margins.bottom());
    buttons.row->setContentsMargins(margins.left(), 0, margins.right(), 0);
    page->addWidget(scrollArea_, 1);
    page->addLayout(buttons.row);

    connect(&editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        if (parts & (DataPart::Settings | DataPart::Model))
            showSettings();
        if (parts & DataPart::Model)
            showModelGroups(editor_.data().ModelIndex);
    });
    showSettings();
    showModelGroups(editor_.data().ModelIndex);
}

Settings2Page::~Settings2Page() = default;

void Settings2Page::showSettings() {
    bindings_->show(editor_.data().settings);
}

void Settings2Page::showModelGroups(int model) {
    for (SettingBinding* binding : bindings_->all())
        if (binding->control().firstModelOnly)
            binding->widget()->setVisible(model == 0);
}

} // namespace mtz4
