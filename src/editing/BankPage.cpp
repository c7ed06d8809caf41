#include "editing/BankPage.h"

#include "editing/DataEditor.h"
#include "editing/FrequencyChecks.h"
#include "editing/GroupMatrix.h"
#include "editing/NamedWidget.h"
#include "editing/Twips.h"
#include "editing/TypingLimit.h"
#include "model/BankSizeEdit.h"
#include "model/Prompter.h"
#include "model/TextLanguage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int SizeBoxDigits = 4;
constexpr int BanksPerColumn = 10;
constexpr int SizeColumns = BankCount / BanksPerColumn;

} // namespace

void BankPage::showEvent(QShowEvent* event) {
    // The screen, and so the twips scale, is known once the page is shown.
    placeMatrix();
    QWidget::showEvent(event);
}

void BankPage::placeMatrix() {
    // The page is the frame the bank page fills; its twips positions count
    // from the frame's top.
    QWidget* page = parentWidget() ? parentWidget() : this;
    layout()->activate();
    const int wanted = TwipsToPixels(GroupMatrix::PageTop, this);
    const int now = matrix_->mapTo(page, QPoint(0, 0)).y();
    const int gap = qMax(0, matrixGap_->sizeHint().height() + wanted - now);
    matrixGap_->changeSize(0, gap, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout()->invalidate();
    layout()->activate();
}

BankPage::BankPage(DataEditor& editor, Prompter& prompter, QWidget* parent)
    : QWidget(parent), editor_(editor), prompter_(prompter) {
    setObjectName(QStringLiteral("BankPage"));
    matrix_ = new GroupMatrix(this);
    chkGrp = matrix_->chkGrp;

    // Size boxes: column k holds banks 10k .. 10k+9, row j the banks ending in j.
    auto* sizes = new QGridLayout;
    sizes->setHorizontalSpacing(6);
    sizes->setVerticalSpacing(2);
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int k = 0; k < SizeColumns; ++k) {
        auto* heading = new QLabel(QString::number(BanksPerColumn * k), this);
        heading->setAlignment(Qt::AlignCenter);
        sizes->addWidget(heading, 0, k + 1);
    }
    for (int j = 0; j < BanksPerColumn; ++j) {
        auto* label = new QLabel(QString::number(j), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sizes->addWidget(label, j + 1, 0);
    }
    for (int b = 0; b < BankCount; ++b) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtBank%1").arg(b));
        box->setAlignment(Qt::AlignRight);
        SetTypingLimit(box, SizeBoxDigits);
        box->setValidator(digits);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        box->installEventFilter(this);
        // The headings above and beside the boxes make the bank number.
        box->setAccessibleName(QCoreApplication::translate("BankPage", "Bank %1 size").arg(b));
        sizes->addWidget(box, b % BanksPerColumn + 1, b / BanksPerColumn + 1);
        txtBank[b] = box;

        // The page has no link function: the boxes exist, hidden.
        chkLink[b] = new QCheckBox(this);
        chkLink[b]->setObjectName(QStringLiteral("chkLink%1").arg(b));
        chkLink[b]->hide();
    }

    auto* totalCaption = new QLabel(QCoreApplication::translate("BankPage", "Total"), this);
    lblAll = new QLabel(QStringLiteral("1000"), this);
    lblAll->setObjectName(QStringLiteral("lblAll"));
    lblAll->setFrameShape(QFrame::Panel);
    lblAll->setFrameShadow(QFrame::Sunken);
    lblAll->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAll->setMinimumWidth(lblAll->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    auto* total = new QHBoxLayout;
    total->addWidget(totalCaption);
    total->addWidget(lblAll);
    total->addStretch();

    cmbReadBank = Named(new QPushButton(QCoreApplication::translate("BankPage", "Read Bank"), this),
                        QStringLiteral("cmbReadBank"));
    cmbWriteBank =
        Named(new QPushButton(QCoreApplication::translate("BankPage", "Write Bank"), this),
              QStringLiteral("cmbWriteBank"));
    cmdReadGroup =
        Named(new QPushButton(QCoreApplication::translate("BankPage", "Read Group"), this),
              QStringLiteral("cmdReadGroup"));
    cmdWriteGroup =
        Named(new QPushButton(QCoreApplication::translate("BankPage", "Write Group"), this),
              QStringLiteral("cmdWriteGroup"));
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmbReadBank, 0, 0);
    buttons->addWidget(cmbWriteBank, 0, 1);
    buttons->addWidget(cmdReadGroup, 1, 0);
    buttons->addWidget(cmdWriteGroup, 1, 1);

    auto* side = new QVBoxLayout;
    side->addLayout(total);
    side->addStretch();
    side->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->addLayout(sizes);
    top->addSpacing(24);
    top->addLayout(side);
    top->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0); // the page frame has its own
    layout->setSpacing(0);
    layout->addLayout(top);
    matrixGap_ = new QSpacerItem(0, 6, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->addItem(matrixGap_);
    layout->addWidget(matrix_, 0, Qt::AlignLeft);
    layout->addStretch();

    // Tab goes through the size boxes in bank order, then the buttons, then
    // the group boxes, whatever order the controls were made in.
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* widget) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    };
    for (QLineEdit* box : txtBank)
        next(box);
    for (QPushButton* button : {cmbReadBank, cmbWriteBank, cmdReadGroup, cmdWriteGroup})
        next(button);
    for (int i = BankCount; i < GroupBoxCount; ++i)
        next(chkGrp[i]);

    for (int i = BankCount; i < GroupBoxCount; ++i) {
        connect(chkGrp[i], &QCheckBox::clicked, this,
                [this, i](bool checked) { chkGrp_Click(i, checked); });
    }
    connect(&editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        if (parts & DataPart::Banks)
            showBanks();
        if (parts & DataPart::Groups)
            showGroups();
    });
    showBanks();
    showGroups();
}

void BankPage::showBanks() {
    const DataSet& ds = editor_.data();
    for (int b = 0; b < BankCount; ++b) {
        if (txtBank[b]->text() != ds.bank.txtBank[b])
            PutText(txtBank[b], ds.bank.txtBank[b]);
        if (ds.BankSize[b] == 0)
            chkLink[b]->setChecked(false);
    }
    lblAll->setText(ds.bank.lblAll);
}

void BankPage::showGroups() {
    const DataSet& ds = editor_.data();
    for (int i = 0; i < GroupBoxCount; ++i)
        chkGrp[i]->setChecked(ds.bank.chkGrp[i] == 1);
}

int BankPage::boxIndex(QObject* watched) const {
    for (int b = 0; b < BankCount; ++b) {
        if (txtBank[b] == watched)
            return b;
    }
    return -1;
}

void BankPage::focusBox(int bank) {
    txtBank[(bank + BankCount) % BankCount]->setFocus(Qt::TabFocusReason);
}

bool BankPage::eventFilter(QObject* watched, QEvent* event) {
    const int bank = boxIndex(watched);
    if (bank < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The whole text is selected, also after a click has placed the cursor.
        QLineEdit* box = txtBank[bank];
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus())
                box->selectAll();
        });
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window (another window, a message box, a popup) is not
        // leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtBank_LostFocus(bank);
        break;
    }
    case QEvent::KeyPress: {
        bool discard = false;
        txtBank_KeyPress(bank, event, discard);
        if (discard)
            return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void BankPage::txtBank_KeyPress(int bank, QEvent* event, bool& discard) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusBox(bank + 1);
        discard = true;
        return;
    case Qt::Key_Down:
        if (plain) {
            focusBox(bank + 1);
            discard = true;
        }
        return;
    case Qt::Key_Up:
        if (plain) {
            focusBox(bank - 1);
            discard = true;
        }
        return;
    case Qt::Key_Backspace:
        return;
    default:
        break;
    }
    // Digits only; keys that type no character (cursor keys, Tab, shortcuts) pass.
    const QString typed = key->text();
    if (typed.isEmpty() || (typed.size() == 1 && typed[0].unicode() < 0x20) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return;
    for (const QChar c : typed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            discard = true;
    }
}

void BankPage::txtBank_LostFocus(int bank) {
    if (takingOver_)
        return;
    takingOver_ = true;
    const QString typed = txtBank[bank]->text();
    BankSizeOutcome outcome = BankSizeOutcome::Accepted;
    editor_.apply(QCoreApplication::translate("BankPage", "Bank %1 Size").arg(bank),
                  DataPart::Banks,
                  [&](DataSet& ds) { outcome = TakeOverBankSize(ds, bank, typed); });
    if (outcome == BankSizeOutcome::TotalTooLarge)
        prompter_.ask(BankTotalTooLargePrompt());
    // A size put back is never put back without a word.
    if (outcome == BankSizeOutcome::OutOfRange)
        prompter_.explain(RefusedValueText(
            QCoreApplication::translate("BankPage", "Bank %1 size").arg(bank), typed,
            QCoreApplication::translate("BankPage", "a bank holds at most 1000 channels")));
    takingOver_ = false;
}

void BankPage::takeOverFocusedBox() {
    for (int b = 0; b < BankCount; ++b) {
        if (txtBank[b]->hasFocus())
            txtBank_LostFocus(b);
    }
}

void BankPage::chkGrp_Click(int index, bool checked) {
    const QString row = index / BankCount == GroupRows - 1
                            ? QStringLiteral("GRP-B")
                            : QStringLiteral("GRP%1").arg(index / BankCount);
    editor_.apply(
        QCoreApplication::translate("BankPage", "%1 Bank %2").arg(row).arg(index % BankCount),
        DataPart::Groups, [&](DataSet& ds) {
            ds.bank.chkGrp[index] = checked ? 1 : 0;
            ds.DataChanged = true;
        });
}

} // namespace mtz4
