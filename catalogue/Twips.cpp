#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace kbs {

namespace {
double dpiX() {
    auto* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}
double dpiY() {
    auto* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}
}  // namespace

int twipsToPixelsX(int twips) {
    return int(std::lround(twips * dpiX() / 1440.0));
}
int twipsToPixelsY(int twips) {
    return int(std::lround(twips * dpiY() / 1440.0));
}
int pixelsToTwipsX(int px) {
    return int(std::lround(px * 1440.0 / dpiX()));
}
int pixelsToTwipsY(int px) {
    return int(std::lround(px * 1440.0 / dpiY()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width),
                 twipsToPixelsY(height));
}

}  // namespace kbs
