#pragma once

#include "model/SettingsRecord.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace mtz4 {

// The kinds of settings control.
enum class SettingKind {
    Options,      // a group of option buttons; the value is the selected button
    CheckOptions, // a pair of check boxes used as options (a control that is never shown)
    Check,        // one check box: 0 clear, 1 checked
    PickList,     // a pick list; the value is the selected item
    Slider,       // a slider 0..maximum with a number label beside it
};

// Which page a settings control lives on.
enum class SettingsPage { One, Two };

// One control of the two settings pages: what it shows, which field of the
// settings record it holds, and whether a user's change marks the data as
// changed. The pages build and bind their controls from this description.
struct SettingControl {
    SettingsPage page = SettingsPage::Two;
    QString name{};    // the control's name (object name; buttons get 0, 1, ... added)
    QString caption{}; // group caption, check box caption or pick list caption (English)
    SettingKind kind = SettingKind::Check;
    QStringList choices{};                    // option captions or pick list items (English)
    int& (*field)(SettingsRecord&) = nullptr; // the record field the control holds
    // What the setting does on the receiver, one plain sentence: the
    // control's tool tip and its status-bar line (controls that are offered).
    const char* tip = nullptr;   // English; translated by SettingTip
    bool marksChange = false;    // a user's change sets DataChanged (from the codec)
    bool offered = true;         // false: created but never shown
    bool firstModelOnly = false; // shown for the MT-Z4J only
    int maximum = 0;             // Slider: the highest position
    QString numberLabel{};       // Slider: the name of the number label
};

// Every settings control of both pages, page "Settings 1" first, in the
// order the pages show them. The model selector is not among them: it does
// not hold a setting of its own.
const std::vector<SettingControl>& SettingControls();

// The description of the control named `name`, or nullptr.
const SettingControl* FindSettingControl(const QString& name);

// The control's tip in the user's language; empty when it has none.
QString SettingTip(const SettingControl& control);

// The control's caption and its choices in the user's language: what the
// pages show (the English ones stay in the table for the comparisons and
// the difference lines).
QString SettingCaption(const SettingControl& control);
QStringList SettingChoices(const SettingControl& control);

// The value of the control's field in `s`.
int SettingValue(const SettingControl& control, const SettingsRecord& s);

} // namespace mtz4
