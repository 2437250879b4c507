#pragma once

// The catalogue window's designed controls: made with their caption, named as designed and
// placed in twips; and the design's icons.
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

#include "Twips.h"

namespace kbs {

inline QString latin(const char* s) {
    return QString::fromLatin1(s);
}

inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsRect(left, top, width, height));
}

// A control of the design: made (with its caption, where it has one), named and placed.
template <class W, class... Caption>
W* designed(QWidget* parent, const char* name, QRect twips, const Caption&... caption) {
    auto* w = new W(caption..., parent);
    w->setObjectName(latin(name));
    place(w, twips.x(), twips.y(), twips.width(), twips.height());
    return w;
}

// A control of a window laid out by its layouts: made and named.
template <class W, class... Args>
W* named(const char* name, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(latin(name));
    return w;
}

inline QIcon designIcon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

inline QImage designImage(const QString& name, int w, int h) {
    return designIcon(name).pixmap(QSize(w, h)).toImage();
}

}  // namespace kbs
