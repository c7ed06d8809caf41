#pragma once

class QWidget;

namespace mtz4 {

// Window measures are kept in twips (1/1440 inch): 15 twips per pixel on a
// 96 dpi screen, fewer on a denser one.
inline constexpr int TwipsPerInch = 1440;

// Twips per pixel on the widget's screen (15 at 96 dpi).
double TwipsPerPixel(const QWidget* widget);

int TwipsToPixels(double twips, const QWidget* widget);
// The same for a screen of `dpi` dots per inch (96 when not known).
int TwipsToPixels(int twips, int dpi);
double PixelsToTwips(int pixels, const QWidget* widget);

} // namespace mtz4
