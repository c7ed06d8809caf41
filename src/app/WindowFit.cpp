#include "app/WindowFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace mtz4 {

QRect FitToArea(const QRect& frame, const QRect& area) {
    if (area.isEmpty())
        return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

QRect PlacementOfText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    const QRect frame(values[0], values[1], values[2], values[3]);
    return frame.isValid() ? frame : QRect();
}

QString PlacementText(const QRect& frame) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(frame.left())
        .arg(frame.top())
        .arg(frame.width())
        .arg(frame.height());
}

QWidget* ScrollableWhenSmall(QWidget* page) {
    auto* area = new QScrollArea;
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control of the page, as without the area; the
    // area follows the focus.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

WindowFit::WindowFit(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

QRect WindowFit::availableArea() const {
    const QPoint centre = placed_ ? wanted_.center() : window_.frameGeometry().center();
    if (screenArea_)
        return screenArea_(centre);
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = window_.screen();
    return screen ? screen->availableGeometry() : QRect();
}

void WindowFit::place(const QSize& startSize) {
    placed_ = !placement_.isEmpty();
    wanted_ = placed_ ? placement_ : QRect(window_.pos(), startSize);
    frameFitted_ = false;
    // Until the window is shown it has no frame: its outer rectangle is its
    // inner one.
    const QRect fitted = FitToArea(wanted_, availableArea());
    window_.resize(fitted.size());
    if (placed_)
        window_.move(fitted.topLeft());
}

bool WindowFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            fit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowFit::fit() {
    // A window manager adds its frame only after the window is shown; until
    // then the frame and the inner area are the same size.
    if (frameFitted_ || wanted_.isEmpty() || !window_.isVisible() || window_.isMaximized() ||
        window_.isFullScreen())
        return;
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    if (frame.isNull())
        return;
    frameFitted_ = true;
    const QPoint at = placed_ ? wanted_.topLeft() : window_.frameGeometry().topLeft();
    const QRect fitted = FitToArea(QRect(at, wanted_.size()), availableArea());
    window_.resize(fitted.size() - frame);
    if (fitted.topLeft() != window_.frameGeometry().topLeft())
        window_.move(fitted.topLeft());
}

} // namespace mtz4
