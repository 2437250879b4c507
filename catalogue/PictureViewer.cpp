#include "PictureViewer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "AccessibleText.h"

namespace kbs {

namespace {
constexpr double kStep = 1.25;
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 8.0;
}  // namespace

PictureViewer::PictureViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("PictureViewer"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("pictureArea"));
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);
    m_area->setFocusPolicy(Qt::NoFocus);
    m_canvas = new QLabel;
    m_canvas->setObjectName(QStringLiteral("picture"));
    m_canvas->setAlignment(Qt::AlignCenter);
    m_area->setWidget(m_canvas);
    m_area->viewport()->installEventFilter(this);
    layout->addWidget(m_area, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("viewerStatus"));
    m_status->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(m_status);
    setFocusPolicy(Qt::StrongFocus);
    resize(900, 700);
}

void PictureViewer::showPictures(const QString& record, int count, int index, Loader loader) {
    m_record = record;
    m_count = count;
    m_index = std::clamp(index, 0, std::max(0, count - 1));
    m_loader = std::move(loader);
    m_zoom = 0;
    load();
    show();
    raise();
    activateWindow();
    setFocus();
}

void PictureViewer::go(int step) {
    if (m_count < 2)
        return;
    m_index = (m_index + step + m_count) % m_count;
    m_zoom = 0;
    load();
}

void PictureViewer::load() {
    m_caption.clear();
    m_image = m_loader && m_count > 0 ? m_loader(m_index, &m_caption) : QImage();
    const QString title =
        m_caption.isEmpty() ? m_record : m_record + QStringLiteral(" – ") + m_caption;
    setWindowTitle(tr("Picture %1 of %2: %3").arg(m_index + 1).arg(m_count).arg(title));
    m_canvas->setAccessibleName(
        m_image.isNull() ? tr("No picture") : tr("Picture %1 of %2").arg(m_index + 1).arg(m_count));
    m_canvas->setAccessibleDescription(m_caption);
    render();
}

void PictureViewer::setZoom(double zoom) {
    m_zoom = zoom <= 0 ? 0 : std::clamp(zoom, kMinZoom, kMaxZoom);
    render();
}

void PictureViewer::zoomBy(double factor) {
    if (m_image.isNull())
        return;
    double now = m_zoom;
    if (now <= 0) {
        const QSize fitted = m_image.size().scaled(m_area->viewport()->size(), Qt::KeepAspectRatio);
        now = double(fitted.width()) / m_image.width();
    }
    setZoom(now * factor);
}

QString PictureViewer::statusText() const {
    return m_status->text();
}

void PictureViewer::render() {
    QString zoomText;
    if (m_image.isNull()) {
        m_canvas->setPixmap(QPixmap());
        m_canvas->setText(tr("This picture cannot be shown."));
        m_canvas->resize(m_area->viewport()->size());
    } else {
        QSize size = m_zoom <= 0
                         ? m_image.size().scaled(m_area->viewport()->size(), Qt::KeepAspectRatio)
                         : m_image.size() * m_zoom;
        if (m_zoom <= 0 && m_image.width() <= size.width() && m_image.height() <= size.height())
            size = m_image.size();  // a small picture is not blown up to fit
        m_canvas->setPixmap(QPixmap::fromImage(
            m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        m_canvas->resize(size.expandedTo(m_area->viewport()->size()));
        const int percent = qRound(100.0 * size.width() / m_image.width());
        zoomText = m_zoom <= 0 ? tr("fitted, %1 %").arg(percent) : tr("%1 %").arg(percent);
    }
    showAccessibleText(*m_status,
                       tr("Picture %1 of %2%3 · %4 · +/- zoom, 1: 100 %, 0: fit, arrows: "
                          "previous/next, Esc: close")
                           .arg(m_index + 1)
                           .arg(m_count)
                           .arg(m_caption.isEmpty() ? QString() : QStringLiteral(": ") + m_caption)
                           .arg(zoomText),
                       tr("Viewer status"));
}

// The viewer's keys are its own, whatever the window behind it binds them to.
bool PictureViewer::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Escape:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Space:
            case Qt::Key_Plus:
            case Qt::Key_Equal:
            case Qt::Key_Minus:
            case Qt::Key_0:
            case Qt::Key_1:
                event->accept();
                return true;
            default:
                break;
        }
    }
    return QWidget::event(event);
}

void PictureViewer::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            go(-1);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
        case Qt::Key_Space:
            go(1);
            return;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(kStep);
            return;
        case Qt::Key_Minus:
            zoomBy(1 / kStep);
            return;
        case Qt::Key_1:
            setZoom(1.0);
            return;
        case Qt::Key_0:
            setZoom(0);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PictureViewer::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomBy(delta > 0 ? kStep : 1 / kStep);
    event->accept();
}

// A fitted picture follows the room it is shown in.
bool PictureViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area->viewport() && event->type() == QEvent::Resize && m_zoom <= 0)
        render();
    return QWidget::eventFilter(watched, event);
}

}  // namespace kbs
