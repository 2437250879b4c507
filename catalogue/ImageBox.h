#pragma once

#include <QImage>
#include <QWidget>

namespace kbs {

// An image control: shows a picture stretched to its own size and reports clicks while
// enabled. The picture is painted scaled at paint time, so no scaled copy is kept.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QImage& image);
    void clearPicture() { setPicture(QImage()); }
    const QImage& picture() const { return m_image; }
    bool hasPicture() const { return !m_image.isNull(); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

}  // namespace kbs
