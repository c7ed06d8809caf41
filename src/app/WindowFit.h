#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace mtz4 {

// The outer rectangle `frame` moved and, where it must be, shrunk to lie
// within `area`: never larger than the area, never beyond its edges. A frame
// that fits stays as it is.
QRect FitToArea(const QRect& frame, const QRect& area);

// The placement of a window given as "left,top,width,height" (the outer
// rectangle in the desktop's pixels); an empty rectangle for any other text.
QRect PlacementOfText(const QString& text);
QString PlacementText(const QRect& frame);

// `page` in a frameless area that scrolls when the window is smaller than the
// page's layout needs (a small screen), so that the page never holds the
// window larger than its screen.
QWidget* ScrollableWhenSmall(QWidget* page);

// Keeps a top-level window on its screen: the start size, or a placement it
// is given, is fitted to the available area of the screen the window opens
// on (without the task bars and docks), whatever the scale factor. The
// outer size counts, frame included; a window manager adds its frame only
// once the window is shown, so the fit is made again then.
class WindowFit : public QObject {
    Q_OBJECT
public:
    // The available area of the screen that holds `point`, in the desktop's
    // (device-independent) pixels.
    using ScreenArea = std::function<QRect(const QPoint& point)>;

    explicit WindowFit(QWidget& window);

    // For tests: the screens the window sees.
    void setScreenArea(ScreenArea area) { screenArea_ = std::move(area); }
    // A placement to open at instead of the start size (empty: none).
    void setPlacement(const QRect& frame) { placement_ = frame; }
    // Sizes the window before it is shown: the placement when there is one,
    // otherwise `startSize` where the window system puts it; fitted either
    // way.
    void place(const QSize& startSize);
    // The available area of the screen at the window's centre.
    QRect availableArea() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();

    QWidget& window_;
    ScreenArea screenArea_;
    QRect placement_;
    QRect wanted_; // the outer rectangle asked for; its position counts when placed
    bool placed_ = false;
    bool frameFitted_ = false;
};

} // namespace mtz4
