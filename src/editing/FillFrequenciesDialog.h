#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mtz4 {

// The frequency of the `index`-th row of a fill (from 0): `startMHz` plus
// `index` steps of `stepKHz`, counted in whole hertz so that 446.00625 +
// 12.5 kHz gives 446.018750, formatted as the grid shows it; a step of 8.33
// kHz is the airband's 25/3 kHz.
QString FilledFrequency(double startMHz, double stepKHz, int index);

// Edit > Fill Frequencies: the start frequency (MHz) and the step (kHz,
// typed or chosen from the receiver's steps) for the selected rows, with the
// last frequency they come to. Both take a decimal point or comma.
class FillFrequenciesDialog : public QDialog {
    Q_OBJECT
public:
    FillFrequenciesDialog(const QString& start, double stepKHz, int rows,
                          QWidget* parent = nullptr);

    double startMHz() const;
    double stepKHz() const;

    QLineEdit* startBox() const { return start_; }
    QComboBox* stepBox() const { return step_; }

private:
    void showLast();

    int rows_;
    QLineEdit* start_;
    QComboBox* step_;
    QLabel* last_;
    QPushButton* ok_ = nullptr;
};

} // namespace mtz4
