#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "CastingCommands.h"
#include "CatalogueSession.h"
#include "Collection.h"
#include "PanelLayout.h"
#include "RecordSet.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class QWidget;
class QAction;
class QTimer;

namespace kbs {

namespace mainText {
enum class Command;
}

class DataReport;
class DuplicatesReport;
class FilterBar;
class MainToolbar;
class FlexGrid;
class TotalsReport;
class ImageBox;
class LimitedTextbox;
class Gallery;
class PictureViewer;
class ThumbnailMaker;
class DeleteUndo;
class DetailPanel;
class PictureStrip;
class GroupPanel;
class CatalogueCommands;
class RecoveryCommands;
class ReportCommands;
class ShareCommands;
class ValueCommands;
class ChecklistCommands;
class GridColumns;
class OwnFieldsCommands;

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

    // ---- the detail panel's boxes, icons and buttons, the picture choice and pick menus
    DetailPanel* detailPanel() const { return m_panel; }

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
    // The start's backup takes its turn after the thumbnails of the records on the screen and
    // before the others: `startBackup` is run then, and backupFinished() lets the others go on.
    void setBackupTurn(std::function<void()> startBackup);
    void backupFinished();
    // ---- Help > "Checklists…": the series checklists, not modal
    ChecklistCommands* checklistCommands() const { return m_checklistCommands; }
    // Records changed beside the Record set (frmMainRecords.cpp): the checklists' records shown
    // in the panel, added, and taken out again.
    void showListedRecord(qint64 id);
    void takeInRecords(const std::vector<std::int64_t>& ids);
    void letGoOfRecords(const std::vector<std::int64_t>& ids);
    // ---- the catalogue as a file: Help's New, Open, Import and Export (CatalogueCommands)
    // Lets go of the catalogue file, so that Form_Load can open it, or another, again.
    void closeCatalogue();
    bool editing() const;
    CatalogueCommands* catalogueCommands() const { return m_catalogues; }
    // The valuations of these records changed beside the Record set (their value history or a
    // price guide): their grid rows and, when it is one of them, the record shown.
    void valuationsChanged(const std::vector<qint64>& ids);
    ValueCommands* valueCommands() const { return m_values; }
    void Find_Record();
    // The last Find's text again, from the record shown, in the grid's order and within its
    // filter, wrapping once: F3 forward, Shift+F3 backward.
    void Find_Next(bool forward);

    // ---- the Report button's entries and windows, the statistics among them
    ReportCommands* reportCommands() const { return m_reports; }

    // ---- toolbar
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar1_ButtonMenuClick(const QString& text);
    void attachToolbarImages();
    DataReport* DataReport1 = nullptr;
    TotalsReport* TotalsReport1 = nullptr;
    DuplicatesReport* DuplicatesReport1 = nullptr;

    // ---- the record's pictures: the strip beside the photo, the viewer, the gallery and the
    // thumbnails made in the background (frmMainPictures.cpp)
    PictureStrip* pictureStrip() const { return m_strip; }
    void openViewer();
    void setGalleryShown(bool shown);
    bool galleryShown() const;
    void startThumbnails();
    static constexpr int ThumbnailsAfterMs = 1000;  // after the window opens
    ThumbnailMaker* thumbnails() const { return m_thumbs; }

    // ---- the group view beside the grid (frmMainGroups.cpp)
    GroupPanel* groupPanel() const;

    // ---- state the tests and the other windows read
    bool bAddingNew = false;
    RecordSet* recordSet() const { return rs; }
    CatalogueSession& session() { return m_session; }
    QString statusText() const;
    QToolButton* toolbarButton(const QString& key) const;
    QAction* toolbarMenuEntry(const QString& buttonKey, const QString& text) const;

    // ---- the same casting: the list while adding, the question before saving the same model
    // again, and the duplicates
    CastingCommands* castingCommands() const { return m_castingCommands; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Controls, named as designed; the detail panel's are its own.
    MainToolbar* Toolbar1 = nullptr;
    FilterBar* FilterBar1 = nullptr;
    ImageBox* Image11 = nullptr;
    QGroupBox* Frame2 = nullptr;
    FlexGrid* FG1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanel = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

    QToolButton* cmdGallery = nullptr;
    Gallery* gallery = nullptr;
    PictureViewer* viewer = nullptr;
    QLabel* thumbStatus = nullptr;
    DetailPanel* m_panel = nullptr;
    // The panel's controls the window's own procedures use.
    std::array<LimitedTextbox*, panel::BoxCount> txtTextl{};
    QPlainTextEdit* txtNotes = nullptr;
    QPushButton* cmdSelect = nullptr;

    void buildLayout();
    void buildToolbar();
    void fitCaptions();
    void runCommand(mainText::Command command);
    void setStatusText(const QString& text);
    void deleteScratchFiles();
    std::vector<std::int64_t> shownIds() const;
    // The filter bar and what the grid shows under it.
    void filterChanged();
    void filterApplied();
    void showFilterState();
    void selectFoundText(int field, const QString& text);
    void showLastReport();
    bool holdsNoRecord(bool ifUnknown) const;
    // Keeps the Record set on the record the detail fields show.
    class ShownRecordGuard;
    void rememberShown();
    void letGoOfVanishedRecord(RecordSet::Slot vanished);
    void markShownRow(FlexGrid& grid);
    enum class RowChange { Changed, Added, Deleted };
    void showRowChange(RowChange change, RecordSet::Slot slot);

    void buildPictureViews();
    void showPictureStrip();  // the shown record's pictures, with the display
    void thumbnailsMade(qint64 recordId);
    void placeGallery();
    std::optional<std::int64_t> shownId() const;

    PictureStrip* m_strip = nullptr;
    ThumbnailMaker* m_thumbs = nullptr;

    void buildGroupView();
    void placeGroupView();
    void leaveGroupView();
    GroupPanel* m_groups = nullptr;

    CatalogueSession m_session;
    RecordSet* rs = nullptr;  // the session's, from Form_Load to the unload
    bool m_centred = false;
    std::optional<RecordSet::Bookmark> m_shown;  // the record the detail fields show
    QString m_statusText;                        // the status bar's text when no filter is active
    QString m_lastSearch;                        // the last Find's text, for Find Next
    QLabel* m_noMatch = nullptr;  // in the grid's place when the filter matches nothing
    DeleteUndo* m_undo = nullptr;
    std::function<void()> m_stopBackup;
    std::function<void()> m_startBackup;  // run once, then emptied
    bool m_backupsTurn = false;           // the first screen's thumbnails are made
    void takeBackupTurn();
    std::vector<std::int64_t> recordsOnScreen() const;
    CatalogueCommands* m_catalogues = nullptr;
    RecoveryCommands* m_recovery = nullptr;
    ReportCommands* m_reports = nullptr;
    ShareCommands* m_share = nullptr;  // Share and Labels
    ValueCommands* m_values = nullptr;
    void addRecoveryEntries();

    void addOnePiece(const CastingCommands::SameModel& same);
    CastingCommands* m_castingCommands = nullptr;
    ChecklistCommands* m_checklistCommands = nullptr;
    GridColumns* m_columns = nullptr;          // which columns the grid shows, in which order
    OwnFieldsCommands* m_ownFields = nullptr;  // the collector's own fields and the tags
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
        : m_window(&walked == window.rs ? &window : nullptr) {
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
