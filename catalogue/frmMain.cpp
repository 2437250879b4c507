// The catalogue window: construction, start-up and shutdown.
#include "frmMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "AccessibleText.h"

#include <QMenu>
#include "AppError.h"
#include "CastingCommands.h"
#include "CatalogueFile.h"
#include "Connection.h"
#include "DataReport.h"
#include "DeleteUndo.h"
#include "DetailPanel.h"
#include "DuplicatesReport.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "GridColumns.h"
#include "GroupPanel.h"
#include "MainTexts.h"
#include "MainToolbar.h"
#include "OwnFieldsCommands.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RecordGrid.h"
#include "ReportCommands.h"
#include "ResumeNext.h"
#include "Schema.h"
#include "Settings.h"
#include "ThumbnailMaker.h"
#include "TotalsReport.h"
#include "ValueCommands.h"
#include "WindowKeys.h"

namespace kbs {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    buildLayout();
    auto* grid = new RecordGrid(*FG1, this);
    connect(grid, &RecordGrid::headingClicked, this,
            [this](int col) { SortFlex(*this, *FG1, col, col); });
    connect(grid, &RecordGrid::rowChosen, this, [this](const QString& id) {
        GetInfo(id);
        setModeButtonsEnabled(true);
    });
    connect(FilterBar1, &FilterBar::changed, this, &frmMain::filterChanged);
    connect(&FG1->model(), &FlexGridModel::filterApplied, this, &frmMain::filterApplied);
    connect(&FG1->model(), &FlexGridModel::firstSliceShown, this, &frmMain::filterApplied);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
    buildPictureViews();
    buildGroupView();
    m_columns = new GridColumns(*FG1, *this);
    m_castingCommands = new CastingCommands(
        this, *FG1, txtTextl, [this] { return rs; }, [this] { return bAddingNew; });
    auto* keys = new WindowKeys(*this, *Toolbar1, *FG1, *m_panel);
    connect(keys, &WindowKeys::findNext, this, &frmMain::Find_Next);
    addRecoveryEntries();
    DataReport1 = new DataReport(this);
    TotalsReport1 = new TotalsReport(this);
    m_reports = new ReportCommands(this, m_session, DataReport1, TotalsReport1,
                                   [this] { return shownIds(); });
    if (QToolButton* report = toolbarButton(QStringLiteral("Report")); report && report->menu())
        m_reports->addStatisticsEntry(*this, *report->menu());
    DuplicatesReport1 = new DuplicatesReport(this);
    m_reports->setDuplicates(DuplicatesReport1, [this](DuplicatesReport& r) {
        m_castingCommands->fillDuplicates(
            r, m_session.isOpen() ? m_session.connection().dataSource() : QString());
    });
    m_values = new ValueCommands(*this, *m_panel, findChild<QMenu*>(QStringLiteral("Import")));
    m_ownFields = new OwnFieldsCommands(*this, m_session, *m_panel, *m_columns);
    m_ownFields->serveGroupView(*m_groups);
    m_reports->setOwnColumns([this] { return m_ownFields->shownFieldIds(); });
}

frmMain::~frmMain() {
    FG1->model().detach();  // the grid reads the record set's rows
    m_session.close();
}

void frmMain::Form_Load() {
    setWindowTitle(mainText::TitlePrefix + QString::number(ProgramInfo::major()) +
                   QLatin1Char('.') + QString::number(ProgramInfo::minor()) +
                   cataloguefile::titleSuffix());

    rs = nullptr;
    m_castingCommands->forget();
    m_session.open(cataloguefile::current(), mainText::Query);
    rs = &m_session.records();

    if (rs->bof() && rs->eof()) {
        // An empty catalogue: the first Add then Save stores the first record. No blank
        // record is begun here, so that save stores exactly one. The panel is locked, so that
        // nothing is typed before Add, which would clear it. Nothing of a catalogue shown
        // before stays in the panel, the grid or the status bar.
        Clear_Display();
        FG1->setRows(FG1->fixedRows());
        m_groups->setRecords(rs);
        setStatusText(mainText::TotalRecords + mainText::signedCount(0));
        cmdSelect->setVisible(true);
        Lock_Display(true);
        attachToolbarImages();
        takeBackupTurn();  // no thumbnails to make first
        return;
    }
    cmdSelect->hide();  // as a catalogue shown before may have left it
    rs->moveFirst();
    Clear_Display();
    Update_Display();
    PopulateFlexGrid(*FG1, *rs, true);
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
    Lock_Display(true);
    attachToolbarImages();
    SizeFlexGrid(*FG1);
    FG1->setSelectionModeValue(1);
    QTimer::singleShot(ThumbnailsAfterMs, this, &frmMain::startThumbnails);
}

bool frmMain::Exit_Program() {
    const int answer = prompts().msgBox(
        mainText::QuitQuestion, mb::YesNo | mb::Question | mb::DefaultButton1, mainText::AppTitle);
    return answer == mb::Yes;
}

void frmMain::Form_Unload(bool& Cancel) {
    if (!Exit_Program()) {
        Cancel = true;
        return;
    }
    resumeNext([&] {
        Settings::save(mainText::WindowSection, mainText::GeometryKey,
                       QString::fromLatin1(saveGeometry().toBase64()));
    });
    closeCatalogue();
    delete DataReport1;  // closes its preview
    DataReport1 = nullptr;
    delete TotalsReport1;
    TotalsReport1 = nullptr;
    delete DuplicatesReport1;
    DuplicatesReport1 = nullptr;
    resumeNext([&] { deleteScratchFiles(); });
}

// Every "*.tmp" in the program directory, and nothing else.
void frmMain::deleteScratchFiles() {
    QDir dir(ProgramInfo::directory());
    const auto names = dir.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        QFile::remove(dir.filePath(name));
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        // Where the person left it, on a screen that still holds it; else centred.
        const QByteArray saved = QByteArray::fromBase64(
            Settings::get(mainText::WindowSection, mainText::GeometryKey, QString()).toLatin1());
        if (saved.isEmpty() || !restoreGeometry(saved)) {
            if (auto* screen = QGuiApplication::primaryScreen()) {
                const QRect avail = screen->availableGeometry();
                move(avail.center() - rect().center());
            }
        }
    }
    Form_Resize();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible())
        Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible() && !isMinimized())
        Form_Resize();
    // Another program put a restored catalogue in the place of the one open here (this
    // program's own restores refuse while another copy has it open): said, and opened anew.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_session.isOpen() &&
        m_session.connection().replaced() && m_panel->locked() && !bAddingNew) {
        closeCatalogue();
        prompts().msgBox(tr("The catalogue was replaced by another program; it is opened again."),
                         mb::OKOnly | mb::Information, mainText::AppTitle);
        try {
            Form_Load();
        } catch (const AppError& e) {
            prompts().msgBox(mainText::CannotOpen.arg(m_session.file(), e.description()),
                             mb::OKOnly | mb::Critical, mainText::AppTitle);
        }
    }
}

bool frmMain::editing() const {
    return bAddingNew || !m_panel->locked();
}

QString frmMain::statusText() const {
    return statusPanel->text();
}

// Under a filter the status bar says how many records it shows; the text is kept for when the
// filter is cleared.
void frmMain::setStatusText(const QString& text) {
    m_statusText = text;
    showFilterState();
}

}  // namespace kbs
