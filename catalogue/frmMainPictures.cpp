// The record's pictures beyond the one the panel always had: the strip beside the photo (its
// own class), the picture viewer, the gallery over the grid's rows, and the thumbnails made in
// the background.
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <utility>

#include "AccessibleText.h"
#include "Connection.h"
#include "Designed.h"
#include "DetailPanel.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "Gallery.h"
#include "LimitedTextbox.h"
#include "MainToolbar.h"
#include "PictureStrip.h"
#include "PictureViewer.h"
#include "ThumbnailMaker.h"
#include "frmMain.h"

namespace kbs {

namespace {
const QKeySequence kGalleryKey = Gallery::key();

QString grouped(qint64 n) {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    return locale.toString(n);
}
}  // namespace

// ---------------------------------------------------------------- building

void frmMain::buildPictureViews() {
    m_strip = m_panel->strip();
    connect(m_strip, &PictureStrip::viewRequested, this, &frmMain::openViewer);
    setTabOrder(cmdSelect, m_strip->list());
    setTabOrder(m_strip->list(), m_strip->button());
    setTabOrder(m_strip->button(), cmdSave);

    // The gallery, in the grid's place, and its toggle at the toolbar's end.
    gallery = new Gallery(FG1->model(), FG1->parentWidget());
    gallery->hide();
    connect(gallery, &Gallery::chosen, this, [this](int row) {
        FG1->setRow(row + FG1->fixedRows());
        gallery->setFocus();
    });
    cmdGallery = new QToolButton(Toolbar1);
    cmdGallery->setObjectName(QStringLiteral("Gallery"));
    cmdGallery->setText(tr("Gallery"));
    cmdGallery->setAccessibleName(tr("Gallery"));
    cmdGallery->setToolTip(tr("Show the records as pictures (%1)")
                               .arg(kGalleryKey.toString(QKeySequence::NativeText)));
    cmdGallery->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    cmdGallery->setAutoRaise(true);
    cmdGallery->setCheckable(true);
    cmdGallery->setIcon(designIcon(QStringLiteral("Gallery")));
    // With the other buttons, before the filter bar: the bar takes the room up to the logo.
    QAction* bar = nullptr;
    for (QAction* a : Toolbar1->actions()) {
        if (Toolbar1->widgetForAction(a) == FilterBar1)
            bar = a;
    }
    Toolbar1->insertWidget(bar, cmdGallery);
    connect(cmdGallery, &QToolButton::toggled, this, &frmMain::setGalleryShown);
    auto* key = new QAction(this);
    key->setShortcut(kGalleryKey);
    key->setShortcutContext(Qt::WindowShortcut);
    addAction(key);
    connect(key, &QAction::triggered, this, [this] { setGalleryShown(!galleryShown()); });

    thumbStatus = new QLabel(StatusBar1);
    thumbStatus->setObjectName(QStringLiteral("Panel2"));
    StatusBar1->addPermanentWidget(thumbStatus);
    showAccessibleText(*thumbStatus, QString(), tr("Thumbnails"));
    thumbStatus->hide();
}

// ---------------------------------------------------------------- the strip

std::optional<std::int64_t> frmMain::shownId() const {
    if (!m_shown)
        return std::nullopt;
    return std::int64_t(*m_shown);
}

// With the display: the main picture as the display showed it, then the further pictures.
void frmMain::showPictureStrip() {
    if (const auto id = shownId(); id && m_session.isOpen()) {
        if (m_thumbs)
            m_thumbs->windowReading();
        m_strip->showRecord(*id);
        // A linked file may have changed since its thumbnail was made: look at it again.
        if (m_thumbs && m_strip->showsLinks())
            m_thumbs->request(*id);
    } else
        m_strip->clear();
}

// ---------------------------------------------------------------- the viewer

void frmMain::openViewer() {
    const auto& shown = m_strip->pictures();
    if (shown.empty())
        return;
    if (!viewer)
        viewer = new PictureViewer(this);
    const int count = int(shown.size());
    std::vector<QString> captions;
    for (const auto& p : shown)
        captions.push_back(p.kept.caption);
    viewer->showPictures(txtTextl[1]->text().trimmed(), count, std::max(0, m_strip->shown()),
                         [this, captions](int index, QString* caption) {
                             *caption = captions[size_t(index)];
                             return m_strip->fullPicture(index);
                         });
}

// ---------------------------------------------------------------- the gallery

bool frmMain::galleryShown() const {
    return gallery && gallery->isVisible();
}

void frmMain::setGalleryShown(bool shown) {
    if (!gallery || galleryShown() == shown)
        return;
    {
        const QSignalBlocker block(cmdGallery);
        cmdGallery->setChecked(shown);
    }
    if (shown) {
        gallery->setSession(m_session.isOpen() ? &m_session : nullptr);
        placeGallery();
        const int row = FG1->row() - FG1->fixedRows();
        FG1->hide();
        gallery->show();
        if (row >= 0)
            gallery->setCurrentIndex(FG1->model().index(row, 1));
        gallery->setFocus();
    } else {
        gallery->hide();
        gallery->setSession(nullptr);  // its tiles go: memory back
        FG1->show();
        FG1->setFocus();
    }
}

void frmMain::placeGallery() {
    if (!gallery)
        return;
    gallery->setGeometry(FG1->geometry());
    if (gallery->isVisible())
        gallery->setFocus();
}

// ---------------------------------------------------------------- thumbnails

void frmMain::startThumbnails() {
    if (!m_session.isOpen()) {
        takeBackupTurn();
        return;
    }
    if (!m_thumbs) {
        m_thumbs = new ThumbnailMaker(m_session.connection().dataSource(), {}, this);
        connect(m_thumbs, &ThumbnailMaker::progress, this, [this](int done, int total) {
            showAccessibleText(*thumbStatus,
                               tr("Making thumbnails: %1 of %2").arg(grouped(done), grouped(total)),
                               tr("Thumbnails"));
            thumbStatus->setVisible(done < total);
        });
        connect(m_thumbs, &ThumbnailMaker::finished, this, [this] { thumbStatus->hide(); });
        connect(m_thumbs, &ThumbnailMaker::made, this, &frmMain::thumbnailsMade);
        connect(m_thumbs, &ThumbnailMaker::firstMade, this, &frmMain::takeBackupTurn);
        m_thumbs->putFirst(recordsOnScreen(), bool(m_startBackup));
    }
    m_thumbs->start();
}

void frmMain::setBackupTurn(std::function<void()> startBackup) {
    m_startBackup = std::move(startBackup);
    if (m_backupsTurn)  // the thumbnails started before, as a window shown at start waited
        takeBackupTurn();
}

void frmMain::takeBackupTurn() {
    m_backupsTurn = true;
    if (auto start = std::exchange(m_startBackup, {}))
        start();
}

void frmMain::backupFinished() {
    if (m_thumbs)
        m_thumbs->release();
}

// The records of the rows the grid, or the gallery, shows now.
std::vector<std::int64_t> frmMain::recordsOnScreen() const {
    const QAbstractItemView* view = galleryShown() ? static_cast<QAbstractItemView*>(gallery)
                                                   : static_cast<QAbstractItemView*>(FG1);
    const QRect area = view->viewport()->rect();
    const QModelIndex top = view->indexAt(area.topLeft() + QPoint(4, 4));
    QModelIndex bottom = view->indexAt(area.bottomRight() - QPoint(4, 4));
    const int rows = view->model()->rowCount();
    const int first = top.isValid() ? top.row() : 0;
    const int last = bottom.isValid() ? bottom.row() : std::min(rows - 1, first + 60);
    std::vector<std::int64_t> ids;
    for (int row = first; row <= last; ++row) {
        const std::string_view id = FG1->model().cellUtf8(row, 0);
        bool ok = false;
        const qint64 n = QByteArray(id.data(), qsizetype(id.size())).toLongLong(&ok);
        if (ok)
            ids.push_back(n);
    }
    return ids;
}

void frmMain::thumbnailsMade(qint64 recordId) {
    if (gallery)
        gallery->forgetRecord(recordId);
    m_strip->thumbnailsMade(recordId);
}

}  // namespace kbs
