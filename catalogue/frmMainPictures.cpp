// The record's pictures beyond the one the panel always had: the strip of thumbnails beside the
// photo (choosing, adding, removing, ordering, captions; saved with the record, dropped with
// Cancel), the picture viewer, the gallery over the grid's rows, and the thumbnails made in the
// background.
#include <sqlite3.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "AccessibleText.h"
#include "AppError.h"
#include "Collection.h"
#include "Connection.h"
#include "FileDialog.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "Gallery.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "PictureLoader.h"
#include "PictureViewer.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "ResumeNext.h"
#include "Sqlite.h"
#include "ThumbnailMaker.h"
#include "Twips.h"
#include "frmMain.h"

namespace kbs {

namespace {
constexpr int kStripIcon = 30;  // pixels
const QKeySequence kGalleryKey(Qt::CTRL | Qt::Key_G);

using Kept = pictures::Kept;

// Forwards the strip's and the photo frame's keys, drops and double-clicks to the window.
class PictureEvents : public QObject {
public:
    PictureEvents(frmMain& window, QObject* parent) : QObject(parent), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(QKeyEvent* e, bool run);
    frmMain& m_window;
};

QStringList localImageFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime)
        return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files << url.toLocalFile();
    }
    return files;
}

bool PictureEvents::key(QKeyEvent* e, bool run) {
    const int k = e->key();
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    std::function<void()> action;
    if (mods == Qt::NoModifier && (k == Qt::Key_Return || k == Qt::Key_Enter))
        action = [this] { m_window.openViewer(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_Insert)
        action = [this] { m_window.choosePictureFiles(); };
    else if (e->matches(QKeySequence::Paste))
        action = [this] { m_window.pastePicture(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_Delete)
        action = [this] { m_window.removePicture(); };
    else if (mods == Qt::ControlModifier && (k == Qt::Key_Left || k == Qt::Key_Right))
        action = [this, k] { m_window.movePicture(k == Qt::Key_Left ? -1 : 1); };
    else if (mods == Qt::ControlModifier && k == Qt::Key_M)
        action = [this] { m_window.makeMainPicture(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_F2)
        action = [this] { m_window.editCaption(); };
    if (!action)
        return false;
    if (run)
        action();
    return true;
}

bool PictureEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // The strip's own keys win over the window's (Insert adds a record elsewhere).
            if (watched == m_window.lstPictures && key(static_cast<QKeyEvent*>(event), false)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (watched == m_window.lstPictures && key(static_cast<QKeyEvent*>(event), true))
                return true;
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDropEvent*>(event);
            if (!localImageFiles(d->mimeData()).isEmpty() || d->mimeData()->hasImage()) {
                d->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(event);
            const QStringList files = localImageFiles(d->mimeData());
            if (!files.isEmpty())
                m_window.addPictureFiles(files);
            else if (d->mimeData()->hasImage())
                m_window.addPictureImage(qvariant_cast<QImage>(d->mimeData()->imageData()));
            d->acceptProposedAction();
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (watched == m_window.Frame3) {
                const auto* m = static_cast<QMouseEvent*>(event);
                if (m_window.imgPicture->geometry().contains(m->position().toPoint())) {
                    m_window.openViewer();
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return false;
}

QString grouped(qint64 n) {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    return locale.toString(n);
}

QImage thumbFrom(const QImage& picture) {
    if (picture.isNull())
        return {};
    return picture.scaled(ThumbnailMaker::Side, ThumbnailMaker::Side, Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
}

QImage decodeThumb(const QByteArray& jpeg) {
    QImage image;
    image.loadFromData(jpeg, "JPG");
    return image;
}
}  // namespace

// ---------------------------------------------------------------- building

void frmMain::buildPictureViews() {
    auto* events = new PictureEvents(*this, this);
    // The strip takes the photo's lower edge; the picture keeps its width.
    picOutline->setGeometry(twipsRect(120, 360, 3255, 1740));
    imgPicture->setGeometry(twipsRect(240, 450, 3015, 1560));
    lstPictures = new QListWidget(Frame3);
    lstPictures->setObjectName(QStringLiteral("lstPictures"));
    lstPictures->setAccessibleName(tr("Pictures of the record"));
    lstPictures->setToolTip(
        tr("The record's pictures: click one to show it, Enter to view it large. In Add and Edit: "
           "Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main "
           "picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here."));
    lstPictures->setGeometry(twipsRect(120, 2130, 2940, 570));
    lstPictures->setViewMode(QListView::IconMode);
    lstPictures->setFlow(QListView::LeftToRight);
    lstPictures->setWrapping(false);
    lstPictures->setMovement(QListView::Static);
    lstPictures->setIconSize(QSize(kStripIcon, kStripIcon));
    lstPictures->setSpacing(1);
    lstPictures->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstPictures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstPictures->setContextMenuPolicy(Qt::CustomContextMenu);
    lstPictures->setAcceptDrops(true);
    lstPictures->installEventFilter(events);
    lstPictures->viewport()->setAcceptDrops(true);
    lstPictures->viewport()->installEventFilter(events);
    imgPicture->setAcceptDrops(true);
    imgPicture->installEventFilter(events);
    Frame3->installEventFilter(events);
    connect(lstPictures, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_shownPicture)
            showPicture(row);
    });
    connect(lstPictures, &QListWidget::itemDoubleClicked, this, [this] { openViewer(); });

    m_pictureMenu = new QMenu(this);
    m_pictureMenu->setObjectName(QStringLiteral("mnuPictures"));
    auto add = [&](const char* name, const QString& text, std::function<void()> run) {
        QAction* a = m_pictureMenu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, std::move(run));
        m_pictureActions.insert(QString::fromLatin1(name), a);
    };
    add("actViewPicture", tr("View large\tEnter"), [this] { openViewer(); });
    m_pictureMenu->addSeparator();
    add("actAddPictures", tr("Add pictures...\tIns"), [this] { choosePictureFiles(); });
    add("actPastePicture", tr("Paste picture\tCtrl+V"), [this] { pastePicture(); });
    add("actRemovePicture", tr("Remove picture\tDel"), [this] { removePicture(); });
    add("actMoveLeft", tr("Move left\tCtrl+Left"), [this] { movePicture(-1); });
    add("actMoveRight", tr("Move right\tCtrl+Right"), [this] { movePicture(1); });
    add("actMakeMain", tr("Make main picture\tCtrl+M"), [this] { makeMainPicture(); });
    add("actCaption", tr("Caption...\tF2"), [this] { editCaption(); });
    connect(lstPictures, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        updatePictureActions();
        m_pictureMenu->popup(lstPictures->viewport()->mapToGlobal(at));
    });
    cmdPictures = new QToolButton(Frame3);
    cmdPictures->setObjectName(QStringLiteral("cmdPictures"));
    cmdPictures->setText(QStringLiteral("..."));
    cmdPictures->setAccessibleName(tr("Picture commands"));
    cmdPictures->setToolTip(tr("Picture commands"));
    cmdPictures->setGeometry(twipsRect(3075, 2130, 300, 570));
    cmdPictures->setPopupMode(QToolButton::InstantPopup);
    cmdPictures->setMenu(m_pictureMenu);
    connect(m_pictureMenu, &QMenu::aboutToShow, this, &frmMain::updatePictureActions);
    setTabOrder(cmdSelect, lstPictures);
    setTabOrder(lstPictures, cmdPictures);
    setTabOrder(cmdPictures, cmdSave);

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
    updatePictureActions();
}

// ---------------------------------------------------------------- the strip

std::optional<std::int64_t> frmMain::shownId() const {
    if (!m_shown)
        return std::nullopt;
    return std::int64_t(*m_shown);
}

// With the display: the main picture as the display showed it, then the further pictures as
// stored, with the thumbnails there are.
void frmMain::showPictureStrip() {
    m_pictures.clear();
    m_picturesChanged = false;
    m_shownPicture = -1;
    const auto id = shownId();
    if (id && cn && cn->isOpen()) {
        std::vector<std::pair<int, QByteArray>> thumbs;
        resumeNext([&] { thumbs = pictures::thumbsOf(cn->handle(), *id); });
        auto thumbAt = [&](int position) {
            for (const auto& [p, jpeg] : thumbs) {
                if (p == position)
                    return decodeThumb(jpeg);
            }
            return QImage();
        };
        const bool hasMain =
            imgPicture->hasPicture() || !collection::trimSpaces(txtPicDir->text()).isEmpty();
        if (hasMain) {
            PanelPicture main{Kept{Kept::From::Main, 0, {}, {}, {}}, thumbAt(1)};
            if (main.thumb.isNull())
                main.thumb = thumbFrom(imgPicture->picture());
            m_pictures.push_back(std::move(main));
        }
        std::vector<pictures::Further> further;
        resumeNext([&] { further = pictures::furtherOf(cn->handle(), *id); });
        for (const auto& f : further) {
            m_pictures.push_back(
                {Kept{Kept::From::Stored, f.picId, {}, {}, f.caption}, thumbAt(f.position)});
        }
    }
    m_shownPicture = m_pictures.empty() ? -1 : 0;
    fillStrip();
}

void frmMain::fillStrip() {
    if (!lstPictures)
        return;
    const QSignalBlocker block(lstPictures);
    lstPictures->clear();
    const int n = int(m_pictures.size());
    for (int i = 0; i < n; ++i) {
        const PanelPicture& p = m_pictures[size_t(i)];
        QPixmap pixmap(kStripIcon * 2, kStripIcon * 2);
        pixmap.fill(palette().color(QPalette::Base));
        if (!p.thumb.isNull()) {
            const QImage fit =
                p.thumb.scaled(pixmap.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter painter(&pixmap);
            painter.drawImage((pixmap.width() - fit.width()) / 2,
                              (pixmap.height() - fit.height()) / 2, fit);
        }
        auto* item = new QListWidgetItem(QIcon(pixmap), QString(), lstPictures);
        QString name = i == 0 ? tr("Picture %1 of %2, the main picture").arg(i + 1).arg(n)
                              : tr("Picture %1 of %2").arg(i + 1).arg(n);
        if (!p.kept.caption.isEmpty())
            name += QStringLiteral(": ") + p.kept.caption;
        item->setData(Qt::AccessibleTextRole, name);
        item->setToolTip(name);
    }
    if (m_shownPicture >= 0)
        lstPictures->setCurrentRow(m_shownPicture);
    updatePictureActions();
}

void frmMain::updatePictureActions() {
    if (m_pictureActions.isEmpty())
        return;
    const bool open = !m_panelLocked;
    const int at = m_shownPicture;
    const int n = int(m_pictures.size());
    auto set = [&](const char* name, bool on) {
        m_pictureActions.value(QString::fromLatin1(name))->setEnabled(on);
    };
    set("actViewPicture", at >= 0);
    set("actAddPictures", open);
    set("actPastePicture", open);
    set("actRemovePicture", open && at >= 0);
    set("actMoveLeft", open && at > 0);
    set("actMoveRight", open && at >= 0 && at + 1 < n);
    set("actMakeMain", open && at > 0);
    set("actCaption", open && at > 0);
}

// The full picture at index, decoded to cover fill (or whole).
QImage frmMain::fullPicture(int index, const QSize& fill) const {
    if (index < 0 || index >= int(m_pictures.size()))
        return {};
    const Kept& k = m_pictures[size_t(index)].kept;
    try {
        switch (k.from) {
            case Kept::From::Main: {
                const QString path = collection::trimSpaces(txtPicDir->text());
                if (!path.isEmpty())
                    return loadPictureFile(path, fill);
                const auto id = shownId();
                if (!id)
                    return {};
                sqlite::Stmt st(cn->handle(), "SELECT binpicdata FROM table1 WHERE ID = ?",
                                QStringLiteral("Pictures"));
                sqlite3_bind_int64(st.get(), 1, *id);
                if (!st.step(QStringLiteral("Pictures")))
                    return {};
                return loadPictureBytes(
                    QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                               sqlite3_column_bytes(st.get(), 0)),
                    fill);
            }
            case Kept::From::Stored: {
                const QByteArray bytes = pictures::bytesOf(cn->handle(), k.picId);
                if (!bytes.isEmpty())
                    return loadPictureBytes(bytes, fill);
                for (const auto& f : pictures::furtherOf(cn->handle(), *shownId())) {
                    if (f.picId == k.picId)
                        return f.path.isEmpty() ? QImage() : loadPictureFile(f.path, fill);
                }
                return {};
            }
            case Kept::From::New:
                return k.path.isEmpty() ? loadPictureBytes(k.bytes, fill)
                                        : loadPictureFile(k.path, fill);
        }
    } catch (const AppError&) {
        // What cannot be read shows as no picture.
    }
    return {};
}

void frmMain::showPicture(int index) {
    if (index < 0 || index >= int(m_pictures.size()))
        return;
    m_shownPicture = index;
    imgPicture->setPicture(fullPicture(index, pictureFill()));
    imgPicture->setToolTip(m_pictures[size_t(index)].kept.caption);
    if (lstPictures->currentRow() != index) {
        const QSignalBlocker block(lstPictures);
        lstPictures->setCurrentRow(index);
    }
    updatePictureActions();
}

// ---------------------------------------------------------------- changing them

bool frmMain::picturesEditable() {
    if (!m_panelLocked)
        return true;
    prompts().beep();
    return false;
}

void frmMain::choosePictureFiles() {
    if (!picturesEditable())
        return;
    FileDialogRequest request;
    request.owner = this;
    request.title = tr("Add pictures to the current record...");
    request.initialDir = ProgramInfo::directory();
    request.filter =
        tr("Image Files") + QStringLiteral(
                                " (*.jpg, *.jpeg, *.png, *.bmp, *.gif)\0*.jpg;*.jpeg;*.png;*.bmp;"
                                "*.gif;*.ico;*.webp\0\0");
    request.filterIndex = 1;
    request.flags = ofn::AllowMultiSelect | ofn::FileMustExist | ofn::HideReadOnly;
    request.fileBufferSize = 1 << 16;
    const FileDialogResult result = fileDialogs().show(request);
    if (!result.accepted || result.file.isEmpty())
        return;
    QStringList parts = result.file.split(QChar(0), Qt::SkipEmptyParts);
    QStringList files;
    if (parts.size() > 1) {
        const QString dir = parts.takeFirst();
        for (const QString& name : parts)
            files << dir + QLatin1Char('/') + name;
    } else {
        files = parts;
    }
    addPictureFiles(files);
}

void frmMain::addPictureFiles(const QStringList& paths) {
    if (!picturesEditable())
        return;
    const bool linked = Option1[1]->isChecked();
    QStringList refused;
    for (const QString& path : paths) {
        Kept k;
        QImage picture;
        try {
            if (linked) {
                k.path = QFileInfo(path).absoluteFilePath();
                picture = loadPictureFile(path, QSize(ThumbnailMaker::Side, ThumbnailMaker::Side));
            } else {
                k.bytes = regularfile::read(path, MaxPictureBytes);
                picture =
                    loadPictureBytes(k.bytes, QSize(ThumbnailMaker::Side, ThumbnailMaker::Side));
            }
        } catch (const AppError& e) {
            refused << QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), e.description());
            continue;
        }
        m_pictures.push_back({std::move(k), thumbFrom(picture)});
        m_picturesChanged = true;
        m_shownPicture = int(m_pictures.size()) - 1;
    }
    fillStrip();
    showPicture(m_shownPicture);
    if (!refused.isEmpty()) {
        prompts().msgBox(tr("These files were not added, as they are not pictures the program "
                            "can show: %1")
                             .arg(refused.join(QStringLiteral("; "))),
                         mb::OKOnly | mb::Exclamation, tr("Add pictures"));
    }
}

void frmMain::addPictureImage(const QImage& image) {
    if (!picturesEditable() || image.isNull())
        return;
    Kept k;
    QBuffer buffer(&k.bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");  // kept whole, as pasted
    m_pictures.push_back({std::move(k), thumbFrom(image)});
    m_picturesChanged = true;
    m_shownPicture = int(m_pictures.size()) - 1;
    fillStrip();
    showPicture(m_shownPicture);
}

void frmMain::pastePicture() {
    if (!picturesEditable())
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const QStringList files = localImageFiles(mime);
    if (!files.isEmpty()) {
        addPictureFiles(files);
        return;
    }
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) {
        prompts().msgBox(tr("The clipboard holds no picture."), mb::OKOnly | mb::Information,
                         tr("Paste picture"));
        return;
    }
    addPictureImage(image);
}

void frmMain::removePicture() {
    if (!picturesEditable() || m_shownPicture < 0)
        return;
    m_pictures.erase(m_pictures.begin() + m_shownPicture);
    m_picturesChanged = true;
    m_shownPicture = std::min(m_shownPicture, int(m_pictures.size()) - 1);
    fillStrip();
    if (m_shownPicture >= 0)
        showPicture(m_shownPicture);
    else
        imgPicture->clearPicture();
}

void frmMain::movePicture(int step) {
    const int to = m_shownPicture + step;
    if (!picturesEditable() || m_shownPicture < 0 || to < 0 || to >= int(m_pictures.size()))
        return;
    std::swap(m_pictures[size_t(m_shownPicture)], m_pictures[size_t(to)]);
    m_picturesChanged = true;
    m_shownPicture = to;
    fillStrip();
    lstPictures->setFocus();
}

void frmMain::makeMainPicture() {
    if (!picturesEditable() || m_shownPicture <= 0)
        return;
    PanelPicture chosen = std::move(m_pictures[size_t(m_shownPicture)]);
    m_pictures.erase(m_pictures.begin() + m_shownPicture);
    m_pictures.insert(m_pictures.begin(), std::move(chosen));
    m_picturesChanged = true;
    m_shownPicture = 0;
    fillStrip();
}

void frmMain::editCaption() {
    if (!picturesEditable() || m_shownPicture <= 0)
        return;
    QString& caption = m_pictures[size_t(m_shownPicture)].kept.caption;
    const QString text = prompts().inputBox(tr("Caption of picture %1:").arg(m_shownPicture + 1),
                                            tr("Picture caption"), caption);
    if (text.isNull() || text == caption)
        return;
    caption = text.trimmed();
    m_picturesChanged = true;
    fillStrip();
}

// A picture chosen with "select picture" is the main one.
void frmMain::mainPictureChosen() {
    auto main = std::find_if(m_pictures.begin(), m_pictures.end(),
                             [](const PanelPicture& p) { return p.kept.from == Kept::From::Main; });
    if (main == m_pictures.end()) {
        main = m_pictures.insert(m_pictures.begin(),
                                 PanelPicture{Kept{Kept::From::Main, 0, {}, {}, {}}, {}});
        m_picturesChanged = true;
    }
    main->thumb = thumbFrom(imgPicture->picture());
    m_shownPicture = int(main - m_pictures.begin());
    fillStrip();
}

void frmMain::storeFurtherPictures() {
    if (!m_picturesChanged)
        return;
    std::vector<Kept> kept;
    for (const PanelPicture& p : m_pictures)
        kept.push_back(p.kept);
    rs->setCompanionWrite([kept = std::move(kept)](sqlite3* db, RecordSet::Bookmark key) {
        pictures::writeKept(db, key, kept);
    });
}

// ---------------------------------------------------------------- the viewer

void frmMain::openViewer() {
    if (m_pictures.empty())
        return;
    if (!viewer)
        viewer = new PictureViewer(this);
    const int count = int(m_pictures.size());
    std::vector<QString> captions;
    for (const auto& p : m_pictures)
        captions.push_back(p.kept.caption);
    viewer->showPictures(txtTextl[1]->text().trimmed(), count, std::max(0, m_shownPicture),
                         [this, captions](int index, QString* caption) {
                             *caption = captions[size_t(index)];
                             return fullPicture(index);
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
        gallery->setDatabase(cn ? cn->handle() : nullptr);
        placeGallery();
        const int row = FG1->row() - FG1->fixedRows();
        FG1->hide();
        gallery->show();
        if (row >= 0)
            gallery->setCurrentIndex(FG1->model().index(row, 1));
        gallery->setFocus();
    } else {
        gallery->hide();
        gallery->setDatabase(nullptr);  // its tiles go: memory back
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
    if (!cn || !cn->isOpen())
        return;
    if (!m_thumbs) {
        m_thumbs = new ThumbnailMaker(cn->dataSource(), {}, this);
        connect(m_thumbs, &ThumbnailMaker::progress, this, [this](int done, int total) {
            showAccessibleText(*thumbStatus,
                               tr("Making thumbnails: %1 of %2").arg(grouped(done), grouped(total)),
                               tr("Thumbnails"));
            thumbStatus->setVisible(done < total);
        });
        connect(m_thumbs, &ThumbnailMaker::finished, this, [this] { thumbStatus->hide(); });
        connect(m_thumbs, &ThumbnailMaker::made, this, &frmMain::thumbnailsMade);
    }
    m_thumbs->start();
}

void frmMain::thumbnailsMade(qint64 recordId) {
    if (gallery)
        gallery->forgetRecord(recordId);
    if (shownId() != recordId || !cn || m_picturesChanged)
        return;
    // The strip of the shown record takes the new thumbnails in place.
    std::vector<std::pair<int, QByteArray>> thumbs;
    resumeNext([&] { thumbs = pictures::thumbsOf(cn->handle(), recordId); });
    for (const auto& [position, jpeg] : thumbs) {
        if (position >= 1 && position <= int(m_pictures.size())) {
            const QImage t = decodeThumb(jpeg);
            if (!t.isNull())
                m_pictures[size_t(position - 1)].thumb = t;
        }
    }
    const int shown = m_shownPicture;
    fillStrip();
    m_shownPicture = shown;
}

}  // namespace kbs
