#pragma once

#include "model/Limits.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpacerItem;

namespace mtz4 {

class DataEditor;
class GroupMatrix;
class Prompter;

// The "Bank" page: one size box per bank (5 columns of 10), the total, the
// group matrix and the buttons of the bank and group clone commands. It shows
// and edits the bank page state of the data set (ds.bank): a size is taken
// over when its box loses the focus, a group box when it is clicked, each as
// a step of the editor. The boxes follow every change of the banks or groups
// that the editor reports.
class BankPage : public QWidget {
    Q_OBJECT
public:
    BankPage(DataEditor& editor, Prompter& prompter, QWidget* parent = nullptr);

    // The size boxes and the total from ds.bank (after ShowBanks or New).
    void showBanks();
    // The group boxes from ds.bank.chkGrp (after ShowGroups or New).
    void showGroups();
    // Takes over the size box that has the focus, as leaving it would: the
    // window runs this before it checks the total on a page change.
    void takeOverFocusedBox();

    std::array<QLineEdit*, BankCount> txtBank{};
    QLabel* lblAll = nullptr;
    // chkGrp(50r + b); row 0 is never shown.
    std::array<QCheckBox*, GroupBoxCount> chkGrp{};
    // Link boxes: state of the page only, never shown, never read.
    std::array<QCheckBox*, BankCount> chkLink{};
    QPushButton* cmbReadBank = nullptr;
    QPushButton* cmbWriteBank = nullptr;
    QPushButton* cmdReadGroup = nullptr;
    QPushButton* cmdWriteGroup = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Puts the group matrix at its place on the page, below the size boxes.
    void placeMatrix();
    int boxIndex(QObject* watched) const;
    void focusBox(int bank);
    void txtBank_KeyPress(int bank, QEvent* event, bool& discard);
    void txtBank_LostFocus(int bank);
    void chkGrp_Click(int index, bool checked);

    DataEditor& editor_;
    Prompter& prompter_;
    GroupMatrix* matrix_ = nullptr;
    QSpacerItem* matrixGap_ = nullptr; // between the size boxes and the matrix
    bool takingOver_ = false;          // a take-over runs (its message box takes the focus)
};

} // namespace mtz4
