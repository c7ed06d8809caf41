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
// fixed positions given in twips and scaled to the screen; the check boxes
// are drawn small enough to fit their 160-twip pitch.
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();
};

} // namespace mtz4
