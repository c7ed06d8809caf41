#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace mtz4 {

// The buttons "Read Settings" (cmbRxData<n>) and "Write Settings"
// (cmbTxData<n>) of settings page n, right-aligned in a row of their own.
// They start disabled: the clone commands are connected by the window.
struct SettingsButtons {
    QPushButton* read = nullptr;
    QPushButton* write = nullptr;
    QHBoxLayout* row = nullptr;
};

SettingsButtons MakeSettingsButtons(int page, QWidget* parent);

} // namespace mtz4
