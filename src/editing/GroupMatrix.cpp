#include "editing/GroupMatrix.h"

#include "editing/Twips.h"
#include "model/TextLanguage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

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
// The least size of a box, in pixels: a target the pointer hits easily.
constexpr int LeastBox = 16;

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
        lblBank10[k] = new QLabel(
            QCoreApplication::translate("GroupMatrix", "BANK %1 - %2").arg(10 * k).arg(10 * k + 9),
            this);
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
        chkGrp[i]->setVisible(i >= BankCount);
        if (i < BankCount)
            continue;
        const QString name = QCoreApplication::translate("GroupMatrix", "%1, bank %2")
                                 .arg(RowCaption(i / BankCount))
                                 .arg(i % BankCount);
        chkGrp[i]->setToolTip(name);
        chkGrp[i]->setAccessibleName(name);
        chkGrp[i]->setFocusPolicy(Qt::ClickFocus);
        chkGrp[i]->installEventFilter(this);
    }
    makeCurrent(current_);
    placeControls();
}

void GroupMatrix::showInScrolledPage(QWidget* box) {
    // The matrix can be wider than the window: the box with the focus is
    // scrolled into view, wherever the arrow keys took it.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->ensureWidgetVisible(box, 0, 0);
            return;
        }
    }
}

void GroupMatrix::makeCurrent(int index) {
    // Only the current box is a stop of Tab.
    chkGrp[current_]->setFocusPolicy(Qt::ClickFocus);
    current_ = index;
    chkGrp[current_]->setFocusPolicy(Qt::StrongFocus);
}

bool GroupMatrix::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QCheckBox*>(watched);
    const int index = box ? int(std::find(chkGrp.begin(), chkGrp.end(), box) - chkGrp.begin()) : -1;
    if (index < BankCount || index >= GroupBoxCount)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        makeCurrent(index);
        showInScrolledPage(box);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    int row = index / BankCount;
    int bank = index % BankCount;
    const int rows = GroupRows - 1; // rows 1..10
    switch (key->key()) {
    case Qt::Key_Left:
        bank = (bank + BankCount - 1) % BankCount;
        break;
    case Qt::Key_Right:
        bank = (bank + 1) % BankCount;
        break;
    case Qt::Key_Up:
        row = (row - 1 + rows - 1) % rows + 1;
        break;
    case Qt::Key_Down:
        row = row % rows + 1;
        break;
    case Qt::Key_Home:
        bank = 0;
        break;
    case Qt::Key_End:
        bank = BankCount - 1;
        break;
    default:
        return false;
    }
    chkGrp[BankCount * row + bank]->setFocus(Qt::TabFocusReason);
    return true;
}

namespace {

// The pitch of the boxes in pixels, across and down: the layout's own, or
// the least a box needs.
int Pitch(int twips, const QWidget* widget) {
    return qMax(TwipsToPixels(twips, widget), LeastBox + 1);
}

} // namespace

int GroupMatrix::x(int twips) const {
    const int left = TwipsToPixels(BoxLeft, this);
    if (twips <= BoxLeft)
        return TwipsToPixels(twips, this);
    const double spread = Pitch(BankPitch, this) / (BankPitch / TwipsPerPixel(this));
    // Whole pitches from the first box, so that every box is as wide.
    const int pitches = (twips - BoxLeft) / BankPitch;
    const int rest = (twips - BoxLeft) % BankPitch;
    return left + pitches * Pitch(BankPitch, this) +
           int(std::lround(rest / TwipsPerPixel(this) * spread));
}

int GroupMatrix::y(int twips) const {
    const double spread = Pitch(RowPitch, this) / (RowPitch / TwipsPerPixel(this));
    return int(std::lround(twips / TwipsPerPixel(this) * spread));
}

QSize GroupMatrix::sizeHint() const {
    return {x(Right), y(Bottom - CaptionTop)};
}

void GroupMatrix::showEvent(QShowEvent* event) {
    // The screen, and so the twips scale, is known once the widget is shown.
    placeControls();
    QWidget::showEvent(event);
}

void GroupMatrix::placeControls() {
    const int pitch = Pitch(BankPitch, this);
    const int rowHeight = Pitch(RowPitch, this);
    // The check boxes are drawn to fit their pitch, however small.
    const int indicator = qBound(7, qMin(pitch, rowHeight) - 1, LeastBox);
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }"
                                 "QCheckBox { spacing: 0px; }")
                      .arg(indicator));

    for (int k = 0; k < int(lblBank10.size()); ++k) {
        const int left = x(CaptionLeft + CaptionPitch * k);
        lblBank10[k]->setGeometry(left, 0, x(CaptionLeft + CaptionPitch * k + CaptionWidth) - left,
                                  y(DigitTop - CaptionTop));
    }
    for (int b = 0; b < BankCount; ++b) {
        lblBank[b]->setGeometry(x(DigitLeft + BankOffset(b)), y(DigitTop - CaptionTop), pitch,
                                rowHeight);
    }
    for (int r = 1; r < GroupRows; ++r) {
        // A caption wider than its place starts further left, never under the boxes.
        const int width =
            qMax(x(BoxLeft) - x(RowCaptionLeft),
                 lblGroup[r]->fontMetrics().horizontalAdvance(lblGroup[r]->text()) + 2);
        const int left = qMax(0, qMin(x(RowCaptionLeft), x(BoxLeft) - width));
        lblGroup[r]->setGeometry(left, y(RowCaptionTop + RowPitch * r - CaptionTop), width,
                                 rowHeight);
    }
    for (int i = BankCount; i < GroupBoxCount; ++i) {
        const int r = i / BankCount;
        const int b = i % BankCount;
        chkGrp[i]->setGeometry(x(BoxLeft + BankOffset(b)), y(RowBoxTop + RowPitch * r - CaptionTop),
                               pitch, rowHeight);
    }
}

} // namespace mtz4
