#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Collection.h"
#include "PanelLayout.h"
#include "Pictures.h"
#include "RecordSet.h"

class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QLineEdit;
class QStatusBar;
class QToolBar;
class QToolButton;
class QWidget;
class QAction;
class QListWidget;

namespace kbs {

namespace mainText {
enum class Command;
}

class Connection;
class DataReport;
class FilterBar;
class FlexGrid;
class TotalsReport;
class ImageBox;
class LimitedTextbox;
class MenuEntryArray;
class OpenSaveDialog;
class Gallery;
class PictureViewer;
class ThumbnailMaker;
class DeleteUndo;
class CatalogueCommands;

// The catalogue window: a detail panel over the record grid, a toolbar and a status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- start-up and shutdown
    void Form_Load();  // throws AppError when the catalogue cannot be opened
    bool Exit_Program();
    void Form_Unload(bool& Cancel);
    void Form_Resize();

    // ---- display
    void Clear_Display();
    void Update_Display();
    void Load_Picture(const QString& sImage);  // throws AppError for a file that is no picture

    // ---- modes
    void Lock_Display(bool bInput);
    void Add_New_Record();
    void Edit_Record();
    void cmdCancel_Click();
    void setModeButtonsEnabled(bool enabled);

    // ---- save
    void cmdSave_Click();
    bool Save_Record();

    // ---- grid
    bool PopulateFlexGrid(FlexGrid& FlexGrid, RecordSet& rs, bool Header = false);
    void SizeFlexGrid(FlexGrid& FlexGrid);
    void SortFlex(QWidget& TheForm, FlexGrid& FlexGrid, int ClickCol, int SortCol);
    QString GetInfo(const QString& strSearch);
    void FG1_Click();
    void FG1_SelChange();
    void FG1_EnterCell();

    // ---- condition modifiers and picture choice
    void cmdPlus_Click();
    void cmdMinus_Click();
    void cmdSelect_Click();
    // The largest picture a record takes into the catalogue.
    static constexpr qint64 MaxPictureBytes = collection::MaxPictureBytes;
    // The longest line of a field shown in full; a longer one would freeze the window.
    static constexpr qsizetype MaxShownLine = 10000;
    // The most of one value read to show it; a longer one is shown cut short.
    static constexpr qint64 MaxShownBytes = 16 * 1024 * 1024;

    // ---- pick menus: a click on a list icon ("Image2", ...); an entry chosen goes into the
    // icon's field. From the keyboard the menu opens at `place` instead of the pointer.
    void pickMenuIconClicked(const QString& icon, std::optional<QPoint> place = std::nullopt);
    MenuEntryArray* entryArray(const QString& name) const;  // "mnuBaseColor", ...

    // ---- the other windows, modal
    void showAbout();
    void showTips();
    void showEditor();

    // ---- deletion and search
    void Delete_Record();
    // Undo of a delete (Ctrl+Z in browse mode, the status bar's button): the latest record
    // deleted comes back with its ID, its pictures and its place in the grid.
    void Undo_Delete();
    void bringBackRecord(qint64 id, std::optional<int> gridRow = std::nullopt);
    DeleteUndo* deleteUndo() const { return m_undo; }
    // Help > "Recently deleted…" and "Restore a backup…", shown window-modal.
    void showRecentlyDeleted();
    void showRestoreBackup();
    // A restored catalogue file takes the catalogue's place and is shown; `stopBackup` is run
    // first, so that no backup reads the catalogue meanwhile.
    void swapInRestored(const QString& file, const QString& backupDate);
    void setStopBackup(std::function<void()> stopBackup) { m_stopBackup = std::move(stopBackup); }
    // ---- the catalogue as a file: Help's New, Open, Import and Export (CatalogueCommands)
    // Lets go of the catalogue file, so that Form_Load can open it, or another, again.
    void closeCatalogue();
    bool editing() const { return bAddingNew || !m_panelLocked; }
    CatalogueCommands* catalogueCommands() const { return m_catalogues; }
    void Find_Record();
    // The last Find's text again, from the record shown, in the grid's order and within its
    // filter, wrapping once: F3 forward, Shift+F3 backward.
    void Find_Next(bool forward);

    // ---- toolbar
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar1_ButtonMenuClick(const QString& text);
    void attachToolbarImages();
    DataReport* DataReport1 = nullptr;
    TotalsReport* TotalsReport1 = nullptr;

    // ---- the record's pictures: the strip beside the photo, the viewer, the gallery and the
    // thumbnails made in the background (frmMainPictures.cpp)
    // One picture as the panel holds it until a save or cancel: the first is the main one.
    struct PanelPicture {
        pictures::Kept kept;
        QImage thumb;
    };
    const std::vector<PanelPicture>& panelPictures() const { return m_pictures; }
    int shownPicture() const { return m_shownPicture; }
    void showPicture(int index);  // in the photo frame
    void addPictureFiles(const QStringList& paths);
    void addPictureImage(const QImage& image);  // pasted
    void choosePictureFiles();                  // the picture dialog, several files at once
    void pastePicture();
    void removePicture();
    void movePicture(int step);  // -1 left, +1 right
    void makeMainPicture();
    void editCaption();
    void openViewer();
    void setGalleryShown(bool shown);
    bool galleryShown() const;
    void startThumbnails();
    static constexpr int ThumbnailsAfterMs = 1000;  // after the window opens
    ThumbnailMaker* thumbnails() const { return m_thumbs; }
    QImage fullPicture(int index, const QSize& fill = {}) const;
    QListWidget* lstPictures = nullptr;
    QToolButton* cmdPictures = nullptr;
    QToolButton* cmdGallery = nullptr;
    Gallery* gallery = nullptr;
    PictureViewer* viewer = nullptr;
    QLabel* thumbStatus = nullptr;

    // ---- state the tests and the other windows read
    bool bAddingNew = false;
    RecordSet* recordSet() const { return rs.get(); }
    Connection* connection() const { return cn.get(); }
    QString statusText() const;
    QToolButton* toolbarButton(const QString& key) const;
    QAction* toolbarMenuEntry(const QString& buttonKey, const QString& text) const;
    QMenu* pickMenu(const QString& name) const;

    // ---- controls, named as designed
    QToolBar* Toolbar1 = nullptr;
    FilterBar* FilterBar1 = nullptr;
    QWidget* Picture1 = nullptr;
    ImageBox* Image11 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    FlexGrid* FG1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanel = nullptr;
    QMap<QString, QIcon> imlToolbar1;
    std::array<LimitedTextbox*, panel::BoxCount> txtTextl{};
    std::array<QLabel*, panel::BoxCount> lblText{};
    QLabel* lblNotes = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QLineEdit* txtPicDir = nullptr;
    ImageBox* imgPicture = nullptr;
    QFrame* picOutline = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdPlus = nullptr;
    QPushButton* cmdMinus = nullptr;
    ImageBox* Image1_0 = nullptr;        // the year icon
    QMap<QString, ImageBox*> listIcons;  // "Image2" .. "Image12", by name
    OpenSaveDialog* OpenSaveDialog1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static QIcon designIcon(const QString& name);
    static QImage designImage(const QString& name, int w, int h);
    void buildLayout();
    void addField(int box, const QString& caption, const panel::Place& at);
    void buildToolbar();
    void buildPickMenus();
    void fitCaptions();
    void connectPickMenus();
    QString listIconOf(int box) const;  // the icon whose list fills txtTextl(box), or ""
    void installKeyboard();             // the window's keys: frmMainKeys.cpp
    void runCommand(mainText::Command command);
    void showStoredPicture();
    static QString cutLongLines(const QString& value, bool& cut);
    QSize pictureFill() const;
    void storeChosenPicture();  // throws AppError when the record refuses the picture
    void setStatusText(const QString& text);
    void deleteScratchFiles();
    void showReport(const QString& query, const QString& caption,
                    const std::vector<std::int64_t>* only = nullptr);
    void showShownReport();
    // The filter bar and what the grid shows under it.
    void filterChanged();
    void filterApplied();
    void showFilterState();
    void selectFoundText(int field, const QString& text);
    void showTotals();
    void showLastReport();
    bool holdsNoRecord(bool ifUnknown) const;
    bool fillGrid(FlexGrid& FlexGrid, RecordSet& rs, bool Header);
    // Keeps the Record set on the record the detail fields show.
    class ShownRecordGuard;
    void rememberShown();
    void letGoOfVanishedRecord(RecordSet::Slot vanished);
    void markShownRow(FlexGrid& grid);
    enum class RowChange { Changed, Added, Deleted };
    void showRowChange(RowChange change, RecordSet::Slot slot);

    void buildPictureViews();
    void showPictureStrip();  // the shown record's pictures, with the display
    void fillStrip();
    void updatePictureActions();
    void mainPictureChosen();
    void storeFurtherPictures();  // sets the record set's companion write when they changed
    bool picturesEditable();
    void thumbnailsMade(qint64 recordId);
    void placeGallery();
    std::optional<std::int64_t> shownId() const;

    std::vector<PanelPicture> m_pictures;
    int m_shownPicture = -1;
    bool m_picturesChanged = false;
    QMenu* m_pictureMenu = nullptr;
    QMap<QString, QAction*> m_pictureActions;
    ThumbnailMaker* m_thumbs = nullptr;

    std::unique_ptr<Connection> cn;
    std::unique_ptr<RecordSet> rs;
    bool m_centred = false;
    std::optional<RecordSet::Bookmark> m_shown;    // the record the detail fields show
    bool m_notesCut = false;                       // the notes show a long line cut short
    std::array<bool, panel::BoxCount> m_boxCut{};  // the same for each box
    bool m_panelLocked = true;                     // as Lock_Display left the panel
    QMap<QString, QToolButton*> m_buttons;
    QMap<QString, QMenu*> m_pickMenus;
    QMap<QString, MenuEntryArray*> m_entryArrays;
    QList<ImageBox*> m_imageControls;  // every image control, in the window's order
    QString m_reportQuery;             // the query of the last report entry chosen
    bool m_totalsLast = false;         // the last report entry chosen was the totals
    bool m_shownLast = false;          // or the records shown
    QString m_statusText;              // the status bar's text when no filter is active
    QString m_lastSearch;              // the last Find's text, for Find Next
    QLabel* m_noMatch = nullptr;       // in the grid's place when the filter matches nothing
    DeleteUndo* m_undo = nullptr;
    std::function<void()> m_stopBackup;
    CatalogueCommands* m_catalogues = nullptr;
    void addRecoveryEntries();
};

// The Record set's cursor stays on the record the detail fields show. Every walk over the
// window's Record set runs under this guard: when the guard goes out of scope, however the walk
// ended, the cursor is back on the shown record (when the fields show one). Save and deletion,
// which act on the shown record, take a guard that also puts the cursor there at once.
class frmMain::ShownRecordGuard {
public:
    enum Start { AsItIs, OnShown };
    // Guards only the window's own Record set; a walk over another set is left alone.
    ShownRecordGuard(frmMain& window, const RecordSet& walked, Start start = AsItIs)
        : m_window(&walked == window.rs.get() ? &window : nullptr) {
        if (start == OnShown)
            returnToShown();
    }
    ~ShownRecordGuard() { returnToShown(); }
    ShownRecordGuard(const ShownRecordGuard&) = delete;
    ShownRecordGuard& operator=(const ShownRecordGuard&) = delete;

private:
    void returnToShown() noexcept;

    frmMain* m_window;
};

}  // namespace kbs
