#include "editing/Twips.h"

#include <QWidget>
#include <cmath>

namespace mtz4 {

namespace {
constexpr int StandardDpi = 96;
}

double TwipsPerPixel(const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : StandardDpi;
    return double(TwipsPerInch) / (dpi > 0 ? dpi : StandardDpi);
}

int TwipsToPixels(double twips, const QWidget* widget) {
    return int(std::lround(twips / TwipsPerPixel(widget)));
}

int TwipsToPixels(int twips, int dpi) {
    return int(std::lround(double(twips) * (dpi > 0 ? dpi : StandardDpi) / TwipsPerInch));
}

double PixelsToTwips(int pixels, const QWidget* widget) {
    return pixels * TwipsPerPixel(widget);
}

} // namespace mtz4
