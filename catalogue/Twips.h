#pragma once

#include <QRect>

namespace kbs {

// Window lengths are designed in twips, 1440 to the inch, and shown at the screen's
// logical resolution.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int px);
int pixelsToTwipsY(int px);
QRect twipsRect(int left, int top, int width, int height);

}  // namespace kbs
