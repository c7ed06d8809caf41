#pragma once

#include "reference/ProgramVersion.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace mtz4 {

// The about box of Help > "About(&A)" and the toolbar's Help button: the
// program's title and version, what it does and the receivers it serves.
// Shown modally; it changes no data.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace mtz4
