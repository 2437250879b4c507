#pragma once

#include <QImage>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "Pictures.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
class QToolButton;

namespace kbs {

class CatalogueSession;
class ImageBox;

// The strip of the record's pictures beside the photo, under it in the photo frame: their
// thumbnails, the one shown in the photo, and in Add and Edit their edit list (adding, pasting,
// dropping, removing, ordering, captions), through its menu and its keys. What it holds is
// saved with the record (kept()) or dropped with Cancel (the display shows the record again).
class PictureStrip : public QObject {
    Q_OBJECT
public:
    // One picture as the panel holds it until a save or cancel: the first is the main one.
    struct Picture {
        pictures::Kept kept;
        QImage thumb;
    };

    // In the photo frame, under `photo`; `pathBox` holds the main picture's linked path and
    // `linked` says that new pictures are linked rather than stored.
    PictureStrip(QGroupBox& frame, ImageBox& photo, const QLineEdit& pathBox,
                 const QRadioButton& linked, CatalogueSession& session);

    QListWidget* list() const { return m_list; }
    QToolButton* button() const { return m_button; }
    const std::vector<Picture>& pictures() const { return m_pictures; }
    int shown() const { return m_shown; }
    bool changed() const { return m_changed; }

    // ---- with the display
    void clear();
    // The record's pictures: the main one as the photo shows it, then the further ones as
    // stored, with the thumbnails there are. Reads of the catalogue that fail leave them out.
    void showRecord(std::int64_t recordId);
    // Whether a picture of the record shown is a linked file.
    bool showsLinks() const { return m_links; }
    // Browse mode (locked) or Add and Edit: what the menu and the keys may change.
    void setLocked(bool locked);
    // The picture chosen with "select picture" is the main one.
    void mainPictureChosen();
    // New thumbnails of the record shown are taken in place.
    void thumbnailsMade(std::int64_t recordId);
    // The pictures as the save writes them, when they changed.
    std::optional<std::vector<pictures::Kept>> toSave() const;

    // ---- what the menu and the keys do
    void showPicture(int index);  // in the photo frame
    void addFiles(const QStringList& paths);
    void addImage(const QImage& image);  // pasted
    void chooseFiles();                  // the picture dialog, several files at once
    void paste();
    void remove();
    void move(int step);  // -1 left, +1 right
    void makeMain();
    void editCaption();
    // The full picture at index, decoded to cover fill (or whole).
    QImage fullPicture(int index, const QSize& fill = {}) const;

Q_SIGNALS:
    // Enter, a double-click or the menu asks for the pictures large.
    void viewRequested();

private:
    class Events;
    void fill();
    void updateActions();
    bool editable();
    QSize photoFill() const;

    QGroupBox& m_frame;
    ImageBox& m_photo;
    const QLineEdit& m_pathBox;
    const QRadioButton& m_linked;
    CatalogueSession& m_session;
    QListWidget* m_list = nullptr;
    QToolButton* m_button = nullptr;
    QMenu* m_menu = nullptr;
    QMap<QString, QAction*> m_actions;
    std::vector<Picture> m_pictures;
    std::optional<std::int64_t> m_recordId;
    int m_shown = -1;
    bool m_changed = false;
    bool m_links = false;
    bool m_locked = true;
};

}  // namespace kbs
