#include "app/StatusPanels.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace mtz4 {

namespace {

constexpr int ClockIntervalMs = 1000;

} // namespace

StatusPanels::StatusPanels(QStatusBar& bar) : QObject(&bar) {
    bar.setObjectName(QStringLiteral("sbStatusBar"));
    bar.setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(&bar);
        panels_[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
    }
    panels_[1]->setAlignment(Qt::AlignCenter);
    panels_[2]->setAlignment(Qt::AlignCenter);
    bar.addWidget(panels_[0], 1);
    bar.addPermanentWidget(panels_[1]);
    bar.addPermanentWidget(panels_[2]);

    clock_ = new QTimer(this);
    clock_->setInterval(ClockIntervalMs);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::updateClock);
    clock_->start();
    updateClock();
}

QLabel* StatusPanels::panel(int index) const {
    return index >= 0 && index < 3 ? panels_[index] : nullptr;
}

QString StatusPanels::text() const {
    return panels_[0]->text();
}

void StatusPanels::showText(const QString& text) {
    panels_[0]->setText(text);
    panels_[0]->setToolTip(text);
}

void StatusPanels::updateClock() {
    const QLocale locale = QLocale::system();
    panels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[2]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

} // namespace mtz4
