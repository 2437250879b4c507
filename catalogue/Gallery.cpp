#include "Gallery.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "AppError.h"
#include "CatalogueSession.h"
#include "FlexGrid.h"

namespace kbs {

namespace {
constexpr int kCacheTiles = 600;  // tiles kept decoded: a few screens' worth
constexpr int kPad = 4;
constexpr qint64 kPrefetchSliceNs = 4'000'000;  // at a time, so the window keeps answering
}  // namespace

Gallery::Gallery(FlexGridModel& model, QWidget* parent) : QListView(parent), m_model(model) {
    setObjectName(QStringLiteral("Gallery"));
    setAccessibleName(tr("Gallery"));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(2000);
    setSpacing(2);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setModel(&m_model);
    setModelColumn(1);  // the description: what a screen reader says for a tile
    setItemDelegate(new GalleryDelegate(*this));
    m_cache.setMaxCost(kCacheTiles);
    m_prefetch.setSingleShot(true);
    connect(&m_prefetch, &QTimer::timeout, this, &Gallery::prefetch);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { m_prefetch.start(0); });
    connect(this, &QListView::clicked, this,
            [this](const QModelIndex& i) { Q_EMIT chosen(i.row()); });
}

void Gallery::setSession(CatalogueSession* session) {
    m_session = session;
    m_cache.clear();
    viewport()->update();
    if (m_session)
        m_prefetch.start(0);
}

void Gallery::prefetch() {
    if (!m_session || !isVisible())
        return;
    const int perRow = std::max(1, viewport()->width() / TileWidth);
    const int perScreen = perRow * (viewport()->height() / TileHeight + 1);
    const QModelIndex top = indexAt(QPoint(spacing() + 1, spacing() + 1));
    const int first = top.isValid() ? top.row() : 0;
    const int rows = model()->rowCount();
    QElapsedTimer slice;
    slice.start();
    for (int step = 0; step < 2 * perScreen; ++step) {
        // Below first, then above: the screens a page key shows next.
        const int row =
            step < perScreen ? first + perScreen + step : first - 1 - (step - perScreen);
        if (row < 0 || row >= rows)
            continue;
        const std::string_view idText = m_model.cellUtf8(row, 0);
        if (m_cache.contains(QByteArray(idText.data(), qsizetype(idText.size())).toLongLong()))
            continue;
        tileImage(row);
        if (slice.nsecsElapsed() > kPrefetchSliceNs) {
            m_prefetch.start(0);  // the rest after the window's next events
            return;
        }
    }
}

void Gallery::forgetRecord(std::int64_t recordId) {
    m_cache.remove(recordId);
    viewport()->update();
}

std::optional<std::int64_t> Gallery::idOfRow(int row) const {
    bool ok = false;
    const std::string_view idText = m_model.cellUtf8(row, 0);
    const std::int64_t id = QByteArray(idText.data(), qsizetype(idText.size())).toLongLong(&ok);
    if (!ok || !m_session)
        return std::nullopt;
    return id;
}

QString Gallery::tileTags(int row) {
    const auto id = idOfRow(row);
    if (!id || !m_session->isOpen())
        return {};
    QStringList tags;
    try {
        tags = m_session->allOwnValues().tagsOf(*id);
    } catch (const AppError&) {
        return {};
    }
    for (QString& t : tags)
        t.prepend(QLatin1Char('#'));
    return tags.join(QLatin1Char(' '));
}

QImage Gallery::tileImage(int row) {
    const auto found = idOfRow(row);
    if (!found)
        return {};
    const std::int64_t id = *found;
    if (const QImage* cached = m_cache.object(id))
        return *cached;
    QByteArray jpeg;
    try {
        jpeg = m_session->tileThumbnail(id);
    } catch (const AppError&) {
        return {};  // a catalogue without thumbnails: no tile pictures
    }
    QImage image;
    if (!jpeg.isEmpty()) {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize box(TileWidth - 2 * kPad, PictureHeight);
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
            reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
        image = reader.read();
    }
    m_cache.insert(id, new QImage(image));
    return image;
}

void Gallery::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        Q_EMIT chosen(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}

QModelIndex Gallery::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action != MovePageDown && action != MovePageUp)
        return QListView::moveCursor(action, modifiers);
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, modelColumn(), rootIndex());
    // The list view's own paging looks a viewport's height away for a tile; where the viewport
    // is lower than two rows of tiles it finds none and stays. Count whole tiles instead.
    const int stepX = TileWidth + 2 * spacing();
    const int stepY = TileHeight + 2 * spacing();
    const int perRow = std::max(1, viewport()->width() / stepX);
    const int page = perRow * std::max(1, viewport()->height() / stepY);
    const int row = action == MovePageDown ? std::min(rows - 1, current.row() + page)
                                           : std::max(0, current.row() - page);
    return model()->index(row, modelColumn(), rootIndex());
}

void GalleryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->save();
    const QRect r = option.rect.adjusted(1, 1, -1, -1);
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(option.palette.mid().color());
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    const QRect pictureBox(r.left() + kPad, r.top() + kPad, r.width() - 2 * kPad,
                           Gallery::PictureHeight);
    const QImage image = m_gallery.tileImage(index.row());
    if (image.isNull()) {
        painter->fillRect(pictureBox, option.palette.alternateBase());
    } else {
        const QSize s = image.size().scaled(pictureBox.size(), Qt::KeepAspectRatio);
        const QRect target(pictureBox.center().x() - s.width() / 2 + 1,
                           pictureBox.center().y() - s.height() / 2 + 1, s.width(), s.height());
        painter->drawImage(target, image);
    }
    const auto* model = static_cast<const FlexGridModel*>(index.model());
    const QString description = model->cell(index.row(), 1).trimmed();
    const QString year = model->cell(index.row(), 2).trimmed();
    const QString tags = m_gallery.tileTags(index.row());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    const QRect textBox(r.left() + kPad, pictureBox.bottom() + 2, r.width() - 2 * kPad,
                        r.bottom() - pictureBox.bottom() - 2);
    const QFontMetrics fm(option.font);
    const QString line1 = fm.elidedText(description, Qt::ElideRight, textBox.width());
    painter->drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, line1);
    // The year, and the record's tags after it as far as they fit.
    const QString line2 = tags.isEmpty()   ? year
                          : year.isEmpty() ? tags
                                           : year + QStringLiteral("  ") + tags;
    painter->drawText(textBox, Qt::AlignHCenter | Qt::AlignBottom,
                      fm.elidedText(line2, Qt::ElideRight, textBox.width()));
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(option.palette.highlight().color(), 2));
        painter->drawRect(r.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

}  // namespace kbs
