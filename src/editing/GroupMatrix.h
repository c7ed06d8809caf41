#pragma once

#include "model/Limits.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;

namespace mtz4 {

// The group matrix of the "Bank" page: the captions "BANK 0 - 9" ..
// "BANK 40 - 49", a digit label per bank, and for each group row GRP1 ..
// GRP9, GRP-B a caption and one check box per bank. The controls sit at
// fixed positions given in twips and scaled to the screen; where the 160-
// and 250-twip pitches are less than a box of 16 pixels needs, the matrix
// is spread out so that every box is that big (the page scrolls where the
// window is too small for it).
//
// For the keyboard the matrix is one control: Tab comes to it once, at the
// box last visited; the arrow keys move from box to box (round each row and
// column), Home and End to a row's ends, Space checks or clears the box.
// Each box is named for screen readers by its group row and bank
// ("GRP2, bank 1").
class GroupMatrix : public QWidget {
    Q_OBJECT
public:
    explicit GroupMatrix(QWidget* parent = nullptr);

    // Where the matrix starts on its page: the top of the "BANK" captions,
    // in twips from the page's top.
    static constexpr int PageTop = 4370;

    // chkGrp(50r + b): row 0 (0..49) exists but is never shown.
    std::array<QCheckBox*, GroupBoxCount> chkGrp{};
    std::array<QLabel*, GroupRows> lblGroup{}; // rows 1..10; element 0 unused
    std::array<QLabel*, 5> lblBank10{};
    std::array<QLabel*, BankCount> lblBank{};

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The box that Tab comes to.
    QCheckBox* currentBox() const { return chkGrp[current_]; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeControls();
    // A position in twips from the matrix's left edge, spread out where the
    // pitch is too small for the boxes (and the same downward).
    int x(int twips) const;
    int y(int twips) const;
    void makeCurrent(int index);
    void showInScrolledPage(QWidget* box);

    int current_ = BankCount; // GRP1, bank 0
};

} // namespace mtz4
