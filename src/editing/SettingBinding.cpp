#include "editing/SettingBinding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace mtz4 {

namespace {

// An option group whose buttons side by side would be wider than this many
// average characters is laid out in two rows.
constexpr int OptionRowChars = 30;

QString IndexedName(const QString& base, int i) {
    return base + QString::number(i);
}

// Compact group boxes: the pages hold many of them.
QGroupBox* CompactGroupBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name + QStringLiteral("Group"));
    return box;
}

void MakeCompact(QLayout* layout) {
    layout->setContentsMargins(5, 1, 5, 3);
    layout->setSpacing(2);
}

} // namespace

void ShowTip(QWidget* widget, const QString& tip) {
    if (!widget || tip.isEmpty())
        return;
    QList<QWidget*> targets = widget->findChildren<QWidget*>();
    targets << widget;
    for (QWidget* target : targets) {
        target->setToolTip(tip);
        target->setStatusTip(tip);
    }
}

SettingBinding::SettingBinding(const SettingControl& control, DataEditor& editor, QWidget* parent)
    : QObject(parent), control_(control), editor_(editor) {
    switch (control_.kind) {
    case SettingKind::Options:
        buildOptions(parent, false);
        break;
    case SettingKind::CheckOptions:
        buildOptions(parent, true);
        break;
    case SettingKind::Check:
        buildCheck(parent);
        break;
    case SettingKind::PickList:
        buildPickList(parent);
        break;
    case SettingKind::Slider:
        buildSlider(parent);
        break;
    }
    if (!control_.offered) {
        widget_->hide();
        if (captionLabel_)
            captionLabel_->hide();
    }
    showTip();
}

void SettingBinding::showTip() {
    const QString tip = SettingTip(control_);
    ShowTip(widget_, tip);
    ShowTip(captionLabel_, tip);
}

void SettingBinding::buildOptions(QWidget* parent, bool checkBoxes) {
    QWidget* holder = nullptr;
    if (checkBoxes) {
        holder = new QWidget(parent);
        holder->setObjectName(control_.name + QStringLiteral("Group"));
    } else {
        groupBox_ = CompactGroupBox(SettingCaption(control_), control_.name, parent);
        holder = groupBox_;
    }
    widget_ = holder;

    buttons_ = new QButtonGroup(this);
    std::vector<QAbstractButton*> created;
    int rowWidth = 0;
    const QStringList choices = SettingChoices(control_);
    for (int i = 0; i < choices.size(); ++i) {
        QAbstractButton* button = nullptr;
        if (checkBoxes)
            button = new QCheckBox(choices[i], holder);
        else
            button = new QRadioButton(choices[i], holder);
        button->setObjectName(IndexedName(control_.name, i));
        buttons_->addButton(button, i);
        created.push_back(button);
        rowWidth += button->sizeHint().width();
    }

    const int limit = OptionRowChars * holder->fontMetrics().averageCharWidth();
    const int count = int(created.size());
    const int perRow = rowWidth > limit ? (count + 1) / 2 : count;
    auto* layout = new QGridLayout(holder);
    MakeCompact(layout);
    layout->setHorizontalSpacing(4);
    for (int i = 0; i < count; ++i)
        layout->addWidget(created[i], i / perRow, i % perRow);
    layout->setColumnStretch(perRow, 1);

    connect(buttons_, &QButtonGroup::idClicked, this, &SettingBinding::commit);
}

void SettingBinding::buildCheck(QWidget* parent) {
    check_ = new QCheckBox(SettingCaption(control_), parent);
    check_->setObjectName(control_.name);
    widget_ = check_;
    connect(check_, &QCheckBox::clicked, this, [this] {
        // A click from "partially checked" leads to checked; from then on the
        // box has two states again.
        const int value = check_->checkState() == Qt::Checked ? 1 : 0;
        check_->setTristate(false);
        commit(value);
    });
}

void SettingBinding::buildPickList(QWidget* parent) {
    list_ = new QComboBox(parent);
    list_->setObjectName(control_.name);
    list_->addItems(SettingChoices(control_));
    list_->setMaxVisibleItems(16);
    widget_ = list_;
    captionLabel_ = new QLabel(SettingCaption(control_), parent);
    captionLabel_->setObjectName(control_.name + QStringLiteral("Caption"));
    captionLabel_->setBuddy(list_);
    connect(list_, &QComboBox::activated, this, &SettingBinding::commit);
}

void SettingBinding::buildSlider(QWidget* parent) {
    groupBox_ = CompactGroupBox(SettingCaption(control_), control_.name, parent);
    widget_ = groupBox_;
    slider_ = new QSlider(Qt::Horizontal, groupBox_);
    slider_->setObjectName(control_.name);
    slider_->setRange(0, control_.maximum);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(1);
    // While the slider is dragged its value stays; it changes when the drag ends.
    slider_->setTracking(false);
    number_ = new QLabel(groupBox_);
    number_->setObjectName(control_.numberLabel);
    number_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number_->setMinimumWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    number_->setText(QString::number(slider_->sliderPosition()));

    auto* layout = new QHBoxLayout(groupBox_);
    MakeCompact(layout);
    layout->setSpacing(8);
    layout->addWidget(slider_, 1);
    layout->addWidget(number_);

    // The label follows the position live, also during a drag.
    auto showPosition = [this] { number_->setText(QString::number(slider_->sliderPosition())); };
    connect(slider_, &QSlider::sliderMoved, this, showPosition);
    connect(slider_, &QSlider::valueChanged, this, showPosition);
    // A change counts when a drag ends, or at once for a click, a key or the
    // wheel. Neither signal comes from a value the program puts in, and with
    // tracking off a drag triggers no action until it ends.
    connect(slider_, &QSlider::sliderReleased, this, [this] { commit(slider_->sliderPosition()); });
    connect(slider_, &QSlider::actionTriggered, this,
            [this] { commit(slider_->sliderPosition()); });
}

void SettingBinding::commit(int value) {
    if (value == SettingValue(control_, editor_.data().settings))
        return;
    const QString step = control_.caption.isEmpty() ? control_.name : SettingCaption(control_);
    editor_.apply(step, DataPart::Settings, [this, value](DataSet& ds) {
        control_.field(ds.settings) = value;
        if (control_.marksChange)
            ds.DataChanged = true;
    });
}

void SettingBinding::show(const SettingsRecord& s) {
    const int value = SettingValue(control_, s);
    switch (control_.kind) {
    case SettingKind::Options:
    case SettingKind::CheckOptions: {
        // An exclusive group cannot be left with no button selected.
        buttons_->setExclusive(false);
        for (QAbstractButton* button : buttons_->buttons())
            button->setChecked(buttons_->id(button) == value);
        buttons_->setExclusive(true);
        break;
    }
    case SettingKind::Check:
        check_->setTristate(value != 0 && value != 1);
        check_->setCheckState(value == 0   ? Qt::Unchecked
                              : value == 1 ? Qt::Checked
                                           : Qt::PartiallyChecked);
        break;
    case SettingKind::PickList:
        list_->setCurrentIndex(value >= 0 && value < list_->count() ? value : -1);
        break;
    case SettingKind::Slider:
        slider_->setValue(std::clamp(value, slider_->minimum(), slider_->maximum()));
        number_->setText(QString::number(slider_->sliderPosition()));
        break;
    }
}

SettingBindings::SettingBindings(SettingsPage page, DataEditor& editor, QWidget* parent) {
    for (const SettingControl& control : SettingControls())
        if (control.page == page)
            bindings_.push_back(new SettingBinding(control, editor, parent));
}

SettingBinding* SettingBindings::find(const QString& name) const {
    for (SettingBinding* binding : bindings_)
        if (binding->control().name == name)
            return binding;
    return nullptr;
}

void SettingBindings::show(const SettingsRecord& s) const {
    for (SettingBinding* binding : bindings_)
        binding->show(s);
}

} // namespace mtz4
