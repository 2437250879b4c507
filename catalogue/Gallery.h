#pragma once

#include <QCache>
#include <QImage>
#include <QKeySequence>
#include <QListView>
#include <QStyledItemDelegate>
#include <QTimer>
#include <cstdint>
#include <optional>

namespace kbs {

class CatalogueSession;
class FlexGridModel;

// The gallery: the grid's own rows as tiles (the record's first thumbnail, its description and
// year), in the grid's order and under its filter, since it is a view over the same model.
// Draws only thumbnails, asked of the catalogue session as tiles come into sight and
// kept in a cache of bounded size. Enter or a click chooses a record, as a grid row does.
class Gallery : public QListView {
    Q_OBJECT
public:
    static constexpr int TileWidth = 150;
    static constexpr int TileHeight = 150;
    static constexpr int PictureHeight = 104;

    Gallery(FlexGridModel& model, QWidget* parent = nullptr);
    static QKeySequence key() { return QKeySequence(Qt::CTRL | Qt::Key_G); }

    // The catalogue to read thumbnails from (null: none); forgets what it read before.
    void setSession(CatalogueSession* session);
    // A record's thumbnails were made or changed: its tile is read again.
    void forgetRecord(std::int64_t recordId);
    // The tile picture of the record in body row `row` (null when it has none).
    QImage tileImage(int row);
    // The tags of the record in body row `row`, as a tile shows them ("#chase #error").
    QString tileTags(int row);

Q_SIGNALS:
    void chosen(int bodyRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Page Up and Page Down move by the tiles a screen shows, at any size of the window.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    // Reads the tiles of the screens before and after the one shown while the window is idle,
    // a few at a time, so that paging shows tiles already read.
    void prefetch();
    std::optional<std::int64_t> idOfRow(int row) const;
    QTimer m_prefetch;
    FlexGridModel& m_model;
    CatalogueSession* m_session = nullptr;
    QCache<std::int64_t, QImage> m_cache;  // by record; a null image: no thumbnail
};

// Draws one tile.
class GalleryDelegate : public QStyledItemDelegate {
public:
    explicit GalleryDelegate(Gallery& gallery)
        : QStyledItemDelegate(&gallery), m_gallery(gallery) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {Gallery::TileWidth, Gallery::TileHeight};
    }

private:
    Gallery& m_gallery;
};

}  // namespace kbs
