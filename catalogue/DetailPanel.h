#pragma once

#include <QMap>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Collection.h"
#include "PanelLayout.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kbs {

class CatalogueSession;
class ImageBox;
class LimitedTextbox;
class MenuEntryArray;
class OpenSaveDialog;
class PictureStrip;
class RecordSet;

// A part of the panel of its own, beside the described fields (the collector's own fields and
// the tags): cleared, shown, locked and written with them, without rearranging them.
class PanelPart {
public:
    virtual ~PanelPart() = default;
    virtual void clearPart() = 0;
    virtual void showRecord(std::int64_t recordId) = 0;
    virtual void lockPart(bool locked) = 0;
    // Keeps what the part holds for the record's next update. Throws AppError, with a message
    // for the person, when something typed is refused; nothing is kept then.
    virtual void keepForSave() = 0;
};

// The detail panel of the catalogue window: the boxes txtTextl(0) to txtTextl(22) with their
// labels, the notes, the year and list icons with their pick menus, the condition modifiers,
// and the photo frame with the picture choice and the strip of the record's pictures. It shows
// the Record set's current record, clears, locks for browsing, and writes the fields back into
// the record for a save. Its controls carry their designed names as object names.
class DetailPanel : public QObject {
    Q_OBJECT
public:
    // The largest picture a record takes into the catalogue.
    static constexpr qint64 MaxPictureBytes = collection::MaxPictureBytes;
    // The longest line of a field shown in full; a longer one would freeze the window.
    static constexpr qsizetype MaxShownLine = 10000;
    // The most of one value read to show it; a longer one is shown cut short.
    static constexpr qint64 MaxShownBytes = 16 * 1024 * 1024;

    // Builds the panel (Frame2) on the window's client area; box 1 lies over the frame, on the
    // client area itself. `menus` owns the pick menus.
    DetailPanel(QWidget& client, QWidget& menus, CatalogueSession& session);

    QGroupBox* frame() const { return Frame2; }
    LimitedTextbox* box(int i) const { return txtTextl[size_t(i)]; }
    QPlainTextEdit* notes() const { return txtNotes; }
    QPushButton* selectButton() const { return cmdSelect; }
    QRadioButton* option(int i) const { return Option1[size_t(i)]; }
    QPushButton* plusButton() const { return cmdPlus; }
    QPushButton* minusButton() const { return cmdMinus; }
    ImageBox* picture() const { return imgPicture; }
    PictureStrip* strip() const { return m_strip; }
    bool locked() const { return m_locked; }
    void addPart(PanelPart* part) { m_parts.push_back(part); }

    // ---- showing and writing back
    void clear();
    // The current record's fields, its picture and its further pictures. Every field stands
    // alone: one that cannot be shown is skipped.
    void show(RecordSet& rs, std::optional<std::int64_t> recordId);
    void lock(bool bInput);
    // Trims every box (an empty one becomes a single space; each stands alone) and writes the
    // fields into the record in their fixed order. A column that refuses its text cancels the
    // update and says so: returns false, as it does without a Record set.
    bool writeFields(RecordSet* rs);
    // The chosen picture, embedded or linked, and the further pictures when they changed, for
    // the record's next update. Throws AppError when the record refuses the picture.
    void writePictures(RecordSet& rs);
    // Picture files are refused with a message where they are larger than a record takes.
    void Load_Picture(const QString& sImage);  // throws AppError for a file that is no picture

    // ---- the buttons beside the fields
    void cmdSelect_Click();
    void cmdPlus_Click();
    void cmdMinus_Click();
    // A click on a list icon ("Image2", ...); an entry chosen goes into the icon's field. From
    // the keyboard the menu opens at `place` instead of the pointer.
    void pickMenuIconClicked(const QString& icon, std::optional<QPoint> place = std::nullopt);
    MenuEntryArray* entryArray(const QString& name) const;  // "mnuBaseColor", ...
    QMenu* pickMenu(const QString& name) const;
    QString listIconOf(int box) const;  // the icon whose list fills txtTextl(box), or ""
    ImageBox* listIcon(const QString& name) const { return listIcons.value(name); }

private:
    void addField(int box, const QString& caption, const panel::Place& at);
    void buildPickMenus(QWidget& menus);
    void showStoredPicture(RecordSet& rs);
    void storeChosenPicture(RecordSet& rs);  // throws AppError when the record refuses it
    static QString cutLongLines(const QString& value, bool& cut);
    QSize pictureFill() const;

    QWidget& m_client;
    CatalogueSession& m_session;
    std::array<LimitedTextbox*, panel::BoxCount> txtTextl{};
    std::array<QLabel*, panel::BoxCount> lblText{};
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblNotes = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QLineEdit* txtPicDir = nullptr;
    ImageBox* imgPicture = nullptr;
    QFrame* picOutline = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdPlus = nullptr;
    QPushButton* cmdMinus = nullptr;
    ImageBox* Image1_0 = nullptr;        // the year icon
    QMap<QString, ImageBox*> listIcons;  // "Image2" .. "Image12", by name
    OpenSaveDialog* OpenSaveDialog1 = nullptr;
    PictureStrip* m_strip = nullptr;
    QList<ImageBox*> m_imageControls;  // the panel's image controls, in the window's order
    QMap<QString, QMenu*> m_pickMenus;
    QMap<QString, MenuEntryArray*> m_entryArrays;
    bool m_notesCut = false;                       // the notes show a long line cut short
    std::array<bool, panel::BoxCount> m_boxCut{};  // the same for each box
    bool m_locked = true;                          // as lock() left the panel
    std::vector<PanelPart*> m_parts;
};

}  // namespace kbs
