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
    p.drawImage(rect(), m_image);  // stretched to the control
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (isEnabled() && event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QWidget::mousePressEvent(event);
}

}  // namespace kbs
