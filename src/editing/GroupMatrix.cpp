#include "editing/GroupMatrix.h"

#include "editing/Twips.h"

#include <QCheckBox>
#include <QLabel>

namespace mtz4 {

namespace {

// Positions in twips, relative to the page; the matrix widget starts at the
// top of the "BANK" captions.
constexpr int CaptionTop = GroupMatrix::PageTop;
constexpr int CaptionLeft = 1150;
constexpr int CaptionPitch = 1750;
constexpr int DigitTop = 4600;
constexpr int DigitLeft = 750;
constexpr int BoxLeft = 700;
constexpr int BankPitch = 160; // and 160 more before banks 10, 20, 30 and 40
constexpr int RowPitch = 250;
constexpr int RowCaptionLeft = 200;
constexpr int RowCaptionTop = 4650; // + 250 r
constexpr int RowBoxTop = 4600;     // + 250 r
constexpr int RowCaptionWidth = BoxLeft - RowCaptionLeft;
constexpr int CaptionWidth = 1600;
constexpr int Bottom = RowBoxTop + RowPitch * (GroupRows - 1) + RowPitch;
constexpr int Right = BoxLeft + BankPitch * (BankCount + 4) + 100;

int BankOffset(int bank) {
    return BankPitch * (bank + bank / 10);
}

QString RowCaption(int row) {
    return row == GroupRows - 1 ? QStringLiteral("GRP-B") : QStringLiteral("GRP%1").arg(row);
}

} // namespace

GroupMatrix::GroupMatrix(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GroupMatrix"));
    // The captions share the 8-point text of the grids, so that "GRP-B" fits
    // between the page's edge and the first column of boxes.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    for (int k = 0; k < int(lblBank10.size()); ++k) {
        lblBank10[k] = new QLabel(QStringLiteral("BANK %1 - %2").arg(10 * k).arg(10 * k + 9), this);
        lblBank10[k]->setObjectName(QStringLiteral("lblBank10_%1").arg(k));
    }
    for (int b = 0; b < BankCount; ++b) {
        lblBank[b] = new QLabel(QString::number(b % 10), this);
        lblBank[b]->setObjectName(QStringLiteral("lblBank%1").arg(b));
        lblBank[b]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (int r = 1; r < GroupRows; ++r) {
        lblGroup[r] = new QLabel(RowCaption(r), this);
        lblGroup[r]->setObjectName(QStringLiteral("lblGroup%1").arg(r));
        lblGroup[r]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (int i = 0; i < GroupBoxCount; ++i) {
        chkGrp[i] = new QCheckBox(this);
        chkGrp[i]->setObjectName(QStringLiteral("chkGrp%1").arg(i));
        chkGrp[i]->setToolTip(
            i < BankCount
                ? QString()
                : QStringLiteral("%1, bank %2").arg(RowCaption(i / BankCount)).arg(i % BankCount));
        chkGrp[i]->setVisible(i >= BankCount);
    }
    placeControls();
}

QSize GroupMatrix::sizeHint() const {
    return {TwipsToPixels(Right, this), TwipsToPixels(Bottom - CaptionTop, this)};
}

void GroupMatrix::showEvent(QShowEvent* event) {
    // The screen, and so the twips scale, is known once the widget is shown.
    placeControls();
    QWidget::showEvent(event);
}

void GroupMatrix::placeControls() {
    const auto px = [this](int twips) { return TwipsToPixels(twips, this); };
    const int pitch = px(BankPitch);
    const int rowHeight = px(RowPitch);
    // The check boxes are drawn to fit their pitch, however small.
    const int indicator = qBound(7, pitch - 2, 13);
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }"
                                 "QCheckBox { spacing: 0px; }")
                      .arg(indicator));

    for (int k = 0; k < int(lblBank10.size()); ++k) {
        lblBank10[k]->setGeometry(px(CaptionLeft + CaptionPitch * k), 0, px(CaptionWidth),
                                  px(DigitTop - CaptionTop));
    }
    for (int b = 0; b < BankCount; ++b) {
        lblBank[b]->setGeometry(px(DigitLeft + BankOffset(b)), px(DigitTop - CaptionTop), pitch,
                                rowHeight);
    }
    for (int r = 1; r < GroupRows; ++r) {
        // A caption wider than its place starts further left, never under the boxes.
        const int width =
            qMax(px(RowCaptionWidth),
                 lblGroup[r]->fontMetrics().horizontalAdvance(lblGroup[r]->text()) + 2);
        const int left = qMax(0, qMin(px(RowCaptionLeft), px(BoxLeft) - width));
        lblGroup[r]->setGeometry(left, px(RowCaptionTop + RowPitch * r - CaptionTop), width,
                                 rowHeight);
    }
    for (int i = BankCount; i < GroupBoxCount; ++i) {
        const int r = i / BankCount;
        const int b = i % BankCount;
        chkGrp[i]->setGeometry(px(BoxLeft + BankOffset(b)),
                               px(RowBoxTop + RowPitch * r - CaptionTop), pitch, rowHeight);
    }
}

} // namespace mtz4
