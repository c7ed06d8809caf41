#include "editing/FilterBar.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace mtz4 {

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FilterBar"));
    auto* caption = new QLabel(QCoreApplication::translate("FilterBar", "Fi&lter:"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("filterText"));
    text_->setPlaceholderText(QCoreApplication::translate("FilterBar", "118-137, FM, tower"));
    text_->setClearButtonEnabled(true);
    text_->setAccessibleName(QCoreApplication::translate("FilterBar", "Filter"));
    text_->setToolTip(QCoreApplication::translate(
        "FilterBar",
        "Shows only the rows that match every word: a frequency range in MHz (118-137), a "
        "mode (FM, AM, WFM), or a text of the name or note. Write and Save still take every "
        "entry."));
    caption->setBuddy(text_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("filterCount"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(text_, 1);
    layout->addWidget(count_);
    text_->setMinimumWidth(
        text_->fontMetrics().horizontalAdvance(QStringLiteral("118-137 FM tower")));

    connect(text_, &QLineEdit::textChanged, this, &FilterBar::filterChanged);
    text_->installEventFilter(this);
}

QString FilterBar::text() const {
    return text_->text();
}

void FilterBar::clear() {
    text_->clear();
}

void FilterBar::open() {
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FilterBar::showCount(int shown, int total) {
    count_->setText(shown == total ? QString()
                                   : QCoreApplication::translate("FilterBar", "%1 of %2 rows shown")
                                         .arg(shown)
                                         .arg(total));
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    // Esc clears a filter before it is the window's key (which stops a read).
    if (watched == text_ && key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        !text_->text().isEmpty()) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            text_->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mtz4
