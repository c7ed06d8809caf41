#include "app/ReportDialog.h"

#include "model/TextLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int ListedRows = 12; // the details list shows this many lines at a time
constexpr int IconSize = 32;
constexpr int ScreenMargin = 48; // room for the window frame and the task bar

QStyle::StandardPixmap pixmapOf(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case PromptIcon::Critical:
        return QStyle::SP_MessageBoxCritical;
    case PromptIcon::Information:
    case PromptIcon::None:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

ReportDialog::ReportDialog(const Prompt& prompt, const QStringList& details, QWidget* parent,
                           const QString& offer)
    : QDialog(parent) {
    setObjectName(QStringLiteral("reportDialog"));
    setWindowTitle(prompt.title);

    auto* icon = new QLabel(this);
    if (prompt.icon != PromptIcon::None)
        icon->setPixmap(style()->standardIcon(pixmapOf(prompt.icon)).pixmap(IconSize, IconSize));
    icon->setAlignment(Qt::AlignTop);

    summary_ =
        new QLabel(QString(prompt.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* summaryArea = new QScrollArea(this);
    summaryArea->setWidget(summary_);
    summaryArea->setWidgetResizable(true);
    summaryArea->setFrameShape(QFrame::NoFrame);
    summaryArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    summaryArea->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 3);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(summaryArea, 1);
    auto* layout = new QVBoxLayout(this);
    // The summary takes the height its lines need (up to half the screen);
    // what is left goes to the list of every line.
    layout->addLayout(top, details.isEmpty() ? 1 : 0);

    if (!details.isEmpty()) {
        auto* caption = new QLabel(
            QCoreApplication::translate("ReportDialog", "Every row (%1):").arg(details.size()),
            this);
        details_ = new QListView(this);
        details_->setObjectName(QStringLiteral("details"));
        details_->setAccessibleName(QCoreApplication::translate("ReportDialog", "Every row"));
        caption->setBuddy(details_);
        details_->setModel(new QStringListModel(details, details_));
        details_->setUniformItemSizes(true); // a million lines scroll as fast as ten
        details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        details_->setSelectionMode(QAbstractItemView::ExtendedSelection);
        const int rowHeight = details_->fontMetrics().lineSpacing() + 2;
        details_->setMinimumHeight(rowHeight * 3);
        details_->resize(details_->width(), rowHeight * ListedRows);
        layout->addWidget(caption);
        layout->addWidget(details_, 2);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (!offer.isEmpty()) {
        QPushButton* offered = buttons->addButton(offer, QDialogButtonBox::ActionRole);
        offered->setObjectName(QStringLiteral("offer"));
        connect(offered, &QPushButton::clicked, this, [this] {
            offerChosen_ = true;
            accept();
        });
    }
    layout->addWidget(buttons);

    // As large as the text asks for, within the screen.
    const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    setMaximumSize(available.width() - ScreenMargin, available.height() - ScreenMargin);
    const QSize text = summary_->sizeHint();
    // Room for a scroll bar below lines wider than the dialog can grow.
    const int scrollBar = text.width() + IconSize * 3 > available.width() - ScreenMargin
                              ? summaryArea->horizontalScrollBar()->sizeHint().height()
                              : 0;
    summaryArea->setMinimumHeight(qMax(
        summaryArea->minimumHeight(), qMin(text.height() + 4 + scrollBar, available.height() / 2)));
    const int listHeight = details_ ? details_->fontMetrics().lineSpacing() * ListedRows : 0;
    resize(qMin(qMax(text.width() + IconSize * 3, 480), maximumWidth()),
           qMin(text.height() + listHeight + 120, maximumHeight()));
}

} // namespace mtz4
