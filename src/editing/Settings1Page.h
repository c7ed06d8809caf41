#pragma once

#include "editing/DataEditor.h"

#include <QWidget>
#include <array>
#include <memory>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace mtz4 {

class SettingBindings;
class VfoGrid;

// The page "Settings 1": the model selector, the squelch and volume sliders
// with their number labels, the VFO grid and the buttons "Read Settings" and
// "Write Settings". The sliders are bound to the settings record through the
// editor; the page shows the record again whenever a step touches the
// settings or the model.
//
// The model selector does not change the data: selecting an option only
// emits modelChosen(), and whoever carries out the model change shows the
// outcome with showSettings() or showModel().
class Settings1Page : public QWidget {
    Q_OBJECT
public:
    static constexpr int ModelOptions = 6; // 4 "MT-K2 T" and 5 "MT-K2 E" are never shown

    explicit Settings1Page(DataEditor& editor, QWidget* parent = nullptr);
    ~Settings1Page() override;

    // Puts the settings record's values (model, sliders) into the controls;
    // not a change of the data.
    void showSettings();
    // Enables or disables what changes the data or starts a clone command
    // (the model options, the sliders, the buttons), leaving the VFO grid
    // readable.
    void setEditingEnabled(bool enabled);

    // Selects model option `index` (none for an index without an option)
    // without emitting modelChosen().
    void showModel(int index);

    QRadioButton* opbModel(int index) const;
    QSlider* Slider1() const; // "AF volume level"
    QSlider* Slider2() const; // "Squelch level"
    QLabel* lblVol() const;
    QLabel* lblSql() const;
    VfoGrid* MSFlexGrid2() const { return MSFlexGrid2_; }
    // The buttons of the settings read and write; the window runs them.
    QPushButton* cmbRxData1() const { return cmbRxData1_; }
    QPushButton* cmbTxData1() const { return cmbTxData1_; }

signals:
    // The user selected model option `index` (also the one already selected).
    void modelChosen(int index);

private:
    DataEditor& editor_;
    std::unique_ptr<SettingBindings> bindings_;
    std::array<QRadioButton*, ModelOptions> opbModel_{};
    QButtonGroup* modelGroup_ = nullptr;
    VfoGrid* MSFlexGrid2_ = nullptr;
    QPushButton* cmbRxData1_ = nullptr;
    QPushButton* cmbTxData1_ = nullptr;
};

} // namespace mtz4
