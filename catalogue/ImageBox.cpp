#include "ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kbs {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageBox::setPicture(const QImage& image) {
    m_image = image;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch) {
        p.drawImage(rect(), m_image);
    } else {
        p.drawImage(QPoint(0, 0), m_image);
    }
    if (!isEnabled() && !m_stretch) {
        p.fillRect(rect(), QColor(255, 255, 255, 110));
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (isEnabled() && event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QWidget::mousePressEvent(event);
}

}  // namespace kbs
