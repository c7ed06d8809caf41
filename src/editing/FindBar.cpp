#include "editing/FindBar.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace mtz4 {

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FindBar"));
    auto* caption = new QLabel(QCoreApplication::translate("FindBar", "Find:"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("findText"));
    text_->setPlaceholderText(QCoreApplication::translate("FindBar", "frequency, name or note"));
    caption->setBuddy(text_);
    auto* next = new QToolButton(this);
    next->setText(QCoreApplication::translate("FindBar", "Next"));
    next->setToolTip(QCoreApplication::translate("FindBar", "Next match (F3)"));
    auto* previous = new QToolButton(this);
    previous->setText(QCoreApplication::translate("FindBar", "Previous"));
    previous->setToolTip(QCoreApplication::translate("FindBar", "Previous match (Shift+F3)"));
    auto* close = new QToolButton(this);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QCoreApplication::translate("FindBar", "Close the find bar (Esc)"));
    close->setAccessibleName(QCoreApplication::translate("FindBar", "Close the find bar"));
    result_ = new QLabel(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(text_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(result_);
    layout->addWidget(close);

    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    connect(text_, &QLineEdit::textChanged, this, [this] { showFound(true); });
    text_->installEventFilter(this);
    hide();
}

QString FindBar::text() const {
    return text_->text();
}

void FindBar::open() {
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindBar::showFound(bool found) {
    text_->setStyleSheet(found ? QString() : QStringLiteral("color: #c00000;"));
    result_->setText(found ? QString() : QCoreApplication::translate("FindBar", "Not found"));
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                emit findPrevious();
            else
                emit findNext();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mtz4
