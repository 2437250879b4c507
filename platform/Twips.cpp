#include "Twips.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <cmath>

namespace kbs {

namespace {
double screenDpiX() {
    auto* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}
double screenDpiY() {
    auto* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}
int whole(double v) {
    return int(std::lround(v));
}
}  // namespace

int twipsToPixelsX(int twips, const QPaintDevice& device) {
    return whole(twipsToPixels(twips, device.logicalDpiX()));
}
int twipsToPixelsY(int twips, const QPaintDevice& device) {
    return whole(twipsToPixels(twips, device.logicalDpiY()));
}

int twipsToPixelsX(int twips) {
    return whole(twipsToPixels(twips, screenDpiX()));
}
int twipsToPixelsY(int twips) {
    return whole(twipsToPixels(twips, screenDpiY()));
}
int pixelsToTwipsX(int px) {
    return whole(pixelsToTwips(px, screenDpiX()));
}
int pixelsToTwipsY(int px) {
    return whole(pixelsToTwips(px, screenDpiY()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width),
                 twipsToPixelsY(height));
}

}  // namespace kbs
