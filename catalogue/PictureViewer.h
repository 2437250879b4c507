#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;
class QScrollArea;

namespace kbs {

// A record's pictures, large, in a window of their own: fitted to the window at first; the
// wheel, + and - zoom, 1 shows the picture at 100 %, 0 fits it again; the arrow keys go to the
// record's previous and next picture; Escape closes.
class PictureViewer : public QWidget {
    Q_OBJECT
public:
    // Reads picture `index` of `count` in full, with its caption; a null image when it cannot.
    using Loader = std::function<QImage(int index, QString* caption)>;

    explicit PictureViewer(QWidget* parent = nullptr);

    void showPictures(const QString& record, int count, int index, Loader loader);
    int index() const { return m_index; }
    double zoom() const { return m_zoom; }  // 0: fitted to the window
    const QImage& picture() const { return m_image; }
    QString statusText() const;

    void go(int step);
    void zoomBy(double factor);
    void setZoom(double zoom);  // 0 fits

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void render();

    QScrollArea* m_area = nullptr;
    QLabel* m_canvas = nullptr;
    QLabel* m_status = nullptr;
    QString m_record;
    QString m_caption;
    int m_count = 0;
    int m_index = 0;
    double m_zoom = 0;
    QImage m_image;
    Loader m_loader;
};

}  // namespace kbs
