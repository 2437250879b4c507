#pragma once

#include <QRect>

class QPaintDevice;

namespace kbs {

// Window lengths are designed in twips, 1440 to the inch. These are the one place that
// converts them: exactly at a given resolution, or to whole pixels of a device (a widget) or
// of the primary screen at its logical resolution.
inline constexpr double TwipsPerInch = 1440.0;

constexpr double twipsToPixels(double twips, double dpi) {
    return twips * dpi / TwipsPerInch;
}
constexpr double pixelsToTwips(double px, double dpi) {
    return px * TwipsPerInch / dpi;
}

int twipsToPixelsX(int twips, const QPaintDevice& device);
int twipsToPixelsY(int twips, const QPaintDevice& device);

int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int px);
int pixelsToTwipsY(int px);
QRect twipsRect(int left, int top, int width, int height);

}  // namespace kbs
