#pragma once

#include "editing/DataEditor.h"
#include "model/SettingControls.h"

#include <QObject>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
class QWidget;

namespace mtz4 {

// Gives a control and its parts (option buttons, a slider's number) the tip
// as tool tip and as the line the main window's status bar shows while the
// pointer rests on it.
void ShowTip(QWidget* widget, const QString& tip);

// One settings control built from its description and bound to its field of
// the settings record: a user's change goes through the editor as the step
// named after the caption (and marks the data as changed when the control
// does); show() puts a record's value in without counting as a change.
//
// A value the control cannot show stays in the record as it is until the
// user changes this control: no option selected or no list item for an
// index out of range, a partially checked box for a check value other than
// 0 or 1, the nearest end for a slider position out of range.
class SettingBinding : public QObject {
    Q_OBJECT
public:
    SettingBinding(const SettingControl& control, DataEditor& editor, QWidget* parent);

    const SettingControl& control() const { return control_; }
    // What the page lays out: the group box of an option group or slider, the
    // check box, the pick list (whose caption is captionLabel()), or the
    // widget holding a check-box pair.
    QWidget* widget() const { return widget_; }
    // The caption beside a pick list; nullptr for other kinds.
    QLabel* captionLabel() const { return captionLabel_; }
    // The group box of an option group or slider; nullptr for other kinds.
    QGroupBox* groupBox() const { return groupBox_; }

    // Shows the value of the control's field in `s`.
    void show(const SettingsRecord& s);

private:
    void buildOptions(QWidget* parent, bool checkBoxes);
    void buildCheck(QWidget* parent);
    void buildPickList(QWidget* parent);
    void buildSlider(QWidget* parent);
    // The control's tip as tool tip and status-bar line.
    void showTip();
    // The user chose `value`: stores it unless the record holds it already.
    void commit(int value);

    const SettingControl& control_;
    DataEditor& editor_;
    QWidget* widget_ = nullptr;
    QGroupBox* groupBox_ = nullptr;
    QLabel* captionLabel_ = nullptr;
    QButtonGroup* buttons_ = nullptr;
    QCheckBox* check_ = nullptr;
    QComboBox* list_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* number_ = nullptr;
};

// The bound controls of one page, in the order of SettingControls().
class SettingBindings {
public:
    SettingBindings(SettingsPage page, DataEditor& editor, QWidget* parent);

    // The binding of the control named `name`; nullptr when the page has none.
    SettingBinding* find(const QString& name) const;
    const std::vector<SettingBinding*>& all() const { return bindings_; }
    void show(const SettingsRecord& s) const;

private:
    std::vector<SettingBinding*> bindings_; // owned by the parent widget
};

} // namespace mtz4
