#pragma once

#include "editing/DataEditor.h"

#include <QWidget>
#include <memory>

class QPushButton;
class QScrollArea;

namespace mtz4 {

class SettingBindings;

// The page "Settings 2": the option groups, pick lists and check boxes of
// the receiver's set-mode settings and the buttons "Read Settings" and
// "Write Settings". Every control is bound to its field of the settings
// record through the editor; the page shows the record again whenever a
// step touches the settings or the model. The controls sit in a scroll area,
// so that none is cut off when the window is small.
class Settings2Page : public QWidget {
    Q_OBJECT
public:
    explicit Settings2Page(DataEditor& editor, QWidget* parent = nullptr);
    ~Settings2Page() override;

    // Puts the settings record's values into the controls; not a change of
    // the data.
    void showSettings();
    // Shows the groups "Rec. Rate", "Bug Sensitive Level", "Lock BUG" and
    // "Bug Type" for model 0 (MT-Z4J), hides them for every other model.
    void showModelGroups(int model);

    // The buttons of the settings read and write; the window runs them.
    QPushButton* cmbRxData2() const { return cmbRxData2_; }
    QPushButton* cmbTxData2() const { return cmbTxData2_; }
    QScrollArea* scrollArea() const { return scrollArea_; }

private:
    DataEditor& editor_;
    std::unique_ptr<SettingBindings> bindings_;
    QScrollArea* scrollArea_ = nullptr;
    QPushButton* cmbRxData2_ = nullptr;
    QPushButton* cmbTxData2_ = nullptr;
};

} // namespace mtz4
