#include "editing/Settings1Page.h"

#include "editing/SettingBinding.h"
#include "editing/SettingsButtons.h"
#include "editing/VfoGrid.h"
#include "model/TextLanguage.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

const char* const ModelCaptions[Settings1Page::ModelOptions] = {"MT-Z4J",  "MT-Z40E", "MT-Z40T",
                                                                "MT-Z40K", "MT-K2 T", "MT-K2 E"};
// Options 0..3 make the first row; the rest, never shown, the second.
constexpr int OfferedModels = 4;

} // namespace

Settings1Page::Settings1Page(DataEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Settings1Page"));
    bindings_ = std::make_unique<SettingBindings>(SettingsPage::One, editor_, this);

    auto* model = new QGroupBox(QCoreApplication::translate("Settings1Page", "Model"), this);
    model->setObjectName(QStringLiteral("opbModelGroup"));
    auto* modelLayout = new QGridLayout(model);
    modelLayout->setContentsMargins(6, 2, 6, 4);
    modelLayout->setHorizontalSpacing(8);
    modelLayout->setVerticalSpacing(2);
    modelGroup_ = new QButtonGroup(this);
    for (int i = 0; i < ModelOptions; ++i) {
        opbModel_[i] = new QRadioButton(QLatin1String(ModelCaptions[i]), model);
        opbModel_[i]->setObjectName(QStringLiteral("opbModel%1").arg(i));
        modelGroup_->addButton(opbModel_[i], i);
        modelLayout->addWidget(opbModel_[i], i / OfferedModels, i % OfferedModels);
        if (i >= OfferedModels)
            opbModel_[i]->hide();
    }
    modelLayout->setColumnStretch(OfferedModels, 1);
    ShowTip(model,
            QCoreApplication::translate(
                "Settings1Page", "The receiver's model: it decides the bands, the options and the "
                                 "defaults, and choosing another starts from its factory data."));
    connect(modelGroup_, &QButtonGroup::idClicked, this, &Settings1Page::modelChosen);

    QWidget* squelch = bindings_->find(QStringLiteral("Slider2"))->widget();
    QWidget* volume = bindings_->find(QStringLiteral("Slider1"))->widget();
    // "Lo Volume" belongs to the volume group, though it is never shown.
    volume->layout()->addWidget(bindings_->find(QStringLiteral("chkLoVolume"))->widget());

    auto* levels = new QHBoxLayout;
    levels->addWidget(squelch, 1);
    levels->addWidget(volume, 1);

    MSFlexGrid2_ = new VfoGrid(editor_.data(), this);
    MSFlexGrid2_->enableCellEditing(editor_);
    ShowTip(MSFlexGrid2_,
            QCoreApplication::translate(
                "Settings1Page", "The VFO record of each band: the frequency, mode and step "
                                 "the receiver's VFO holds there; double-click a band to edit "
                                 "it, or edit a cell in place (F2 or Enter)."));

    const SettingsButtons buttons = MakeSettingsButtons(1, this);
    cmbRxData1_ = buttons.read;
    cmbTxData1_ = buttons.write;

    auto* page = new QVBoxLayout(this);
    page->addWidget(model);
    page->addLayout(levels);
    page->addWidget(MSFlexGrid2_, 1);
    page->addLayout(buttons.row);

    // Tab follows the layout from top to bottom: the model, the squelch and
    // volume levels, the VFO grid, the buttons (the sliders are made first).
    QWidget* previous = nullptr;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             opbModel_[0], opbModel_[1], opbModel_[2], opbModel_[3], Slider2(), Slider1(),
             MSFlexGrid2_, cmbRxData1_, cmbTxData1_}) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    connect(&editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        if (parts & (DataPart::Settings | DataPart::Model))
            showSettings();
    });
    showSettings();
}

Settings1Page::~Settings1Page() = default;

void Settings1Page::setEditingEnabled(bool enabled) {
    findChild<QGroupBox*>(QStringLiteral("opbModelGroup"))->setEnabled(enabled);
    Slider1()->setEnabled(enabled);
    Slider2()->setEnabled(enabled);
    cmbRxData1_->setEnabled(enabled);
    cmbTxData1_->setEnabled(enabled);
}

void Settings1Page::showSettings() {
    showModel(editor_.data().ModelIndex);
    bindings_->show(editor_.data().settings);
}

void Settings1Page::showModel(int index) {
    // An exclusive group cannot be left with no option selected.
    modelGroup_->setExclusive(false);
    for (int i = 0; i < ModelOptions; ++i)
        opbModel_[i]->setChecked(i == index);
    modelGroup_->setExclusive(true);
}

QRadioButton* Settings1Page::opbModel(int index) const {
    return index >= 0 && index < ModelOptions ? opbModel_[index] : nullptr;
}

QSlider* Settings1Page::Slider1() const {
    return findChild<QSlider*>(QStringLiteral("Slider1"));
}

QSlider* Settings1Page::Slider2() const {
    return findChild<QSlider*>(QStringLiteral("Slider2"));
}

QLabel* Settings1Page::lblVol() const {
    return findChild<QLabel*>(QStringLiteral("lblVol"));
}

QLabel* Settings1Page::lblSql() const {
    return findChild<QLabel*>(QStringLiteral("lblSql"));
}

} // namespace mtz4
