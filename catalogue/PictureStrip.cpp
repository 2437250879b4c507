// The strip of the record's pictures in the photo frame: choosing, adding, removing, ordering,
// captions; saved with the record, dropped with Cancel.
#include "PictureStrip.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <functional>

#include "AppError.h"
#include "CatalogueSession.h"
#include "Collection.h"
#include "FileDialog.h"
#include "ImageBox.h"
#include "PictureLoader.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "ResumeNext.h"
#include "ThumbnailMaker.h"
#include "Twips.h"

namespace kbs {

namespace {
constexpr int kStripIcon = 30;  // pixels

using Kept = pictures::Kept;

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

// The strip's keys, and drops and double-clicks on the strip and the photo.
class PictureStrip::Events : public QObject {
public:
    explicit Events(PictureStrip& strip) : QObject(&strip), m_strip(strip) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(QKeyEvent* e, bool run);
    PictureStrip& m_strip;
};

bool PictureStrip::Events::key(QKeyEvent* e, bool run) {
    const int k = e->key();
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    std::function<void()> action;
    PictureStrip& s = m_strip;
    if (mods == Qt::NoModifier && (k == Qt::Key_Return || k == Qt::Key_Enter))
        action = [&s] { Q_EMIT s.viewRequested(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_Insert)
        action = [&s] { s.chooseFiles(); };
    else if (e->matches(QKeySequence::Paste))
        action = [&s] { s.paste(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_Delete)
        action = [&s] { s.remove(); };
    else if (mods == Qt::ControlModifier && (k == Qt::Key_Left || k == Qt::Key_Right))
        action = [&s, k] { s.move(k == Qt::Key_Left ? -1 : 1); };
    else if (mods == Qt::ControlModifier && k == Qt::Key_M)
        action = [&s] { s.makeMain(); };
    else if (mods == Qt::NoModifier && k == Qt::Key_F2)
        action = [&s] { s.editCaption(); };
    if (!action)
        return false;
    if (run)
        action();
    return true;
}

bool PictureStrip::Events::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // The strip's own keys win over the window's (Insert adds a record elsewhere).
            if (watched == m_strip.m_list && key(static_cast<QKeyEvent*>(event), false)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (watched == m_strip.m_list && key(static_cast<QKeyEvent*>(event), true))
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
                m_strip.addFiles(files);
            else if (d->mimeData()->hasImage())
                m_strip.addImage(qvariant_cast<QImage>(d->mimeData()->imageData()));
            d->acceptProposedAction();
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (watched == &m_strip.m_frame) {
                const auto* m = static_cast<QMouseEvent*>(event);
                if (m_strip.m_photo.geometry().contains(m->position().toPoint())) {
                    Q_EMIT m_strip.viewRequested();
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return false;
}

// ---------------------------------------------------------------- building

PictureStrip::PictureStrip(QGroupBox& frame, ImageBox& photo, const QLineEdit& pathBox,
                           const QRadioButton& linked, CatalogueSession& session)
    : QObject(&frame),
      m_frame(frame),
      m_photo(photo),
      m_pathBox(pathBox),
      m_linked(linked),
      m_session(session) {
    auto* events = new Events(*this);
    m_list = new QListWidget(&frame);
    m_list->setObjectName(QStringLiteral("lstPictures"));
    m_list->setAccessibleName(tr("Pictures of the record"));
    m_list->setToolTip(
        tr("The record's pictures: click one to show it, Enter to view it large. In Add and Edit: "
           "Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main "
           "picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here."));
    m_list->setGeometry(twipsRect(120, 2130, 2940, 570));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(false);
    m_list->setMovement(QListView::Static);
    m_list->setIconSize(QSize(kStripIcon, kStripIcon));
    m_list->setSpacing(1);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAcceptDrops(true);
    m_list->installEventFilter(events);
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(events);
    photo.setAcceptDrops(true);
    photo.installEventFilter(events);
    frame.installEventFilter(events);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_shown)
            showPicture(row);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT viewRequested(); });

    m_menu = new QMenu(&frame);
    m_menu->setObjectName(QStringLiteral("mnuPictures"));
    auto add = [&](const char* name, const QString& text, std::function<void()> run) {
        QAction* a = m_menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, std::move(run));
        m_actions.insert(QString::fromLatin1(name), a);
    };
    add("actViewPicture", tr("View large\tEnter"), [this] { Q_EMIT viewRequested(); });
    m_menu->addSeparator();
    add("actAddPictures", tr("Add pictures...\tIns"), [this] { chooseFiles(); });
    add("actPastePicture", tr("Paste picture\tCtrl+V"), [this] { paste(); });
    add("actRemovePicture", tr("Remove picture\tDel"), [this] { remove(); });
    add("actMoveLeft", tr("Move left\tCtrl+Left"), [this] { move(-1); });
    add("actMoveRight", tr("Move right\tCtrl+Right"), [this] { move(1); });
    add("actMakeMain", tr("Make main picture\tCtrl+M"), [this] { makeMain(); });
    add("actCaption", tr("Caption...\tF2"), [this] { editCaption(); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        updateActions();
        m_menu->popup(m_list->viewport()->mapToGlobal(at));
    });
    m_button = new QToolButton(&frame);
    m_button->setObjectName(QStringLiteral("cmdPictures"));
    m_button->setText(QStringLiteral("..."));
    m_button->setAccessibleName(tr("Picture commands"));
    m_button->setToolTip(tr("Picture commands"));
    m_button->setGeometry(twipsRect(3075, 2130, 300, 570));
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &PictureStrip::updateActions);
    updateActions();
}

// ---------------------------------------------------------------- with the display

void PictureStrip::clear() {
    m_pictures.clear();
    m_links = false;
    m_recordId.reset();
    m_shown = -1;
    m_changed = false;
    fill();
}

void PictureStrip::showRecord(std::int64_t recordId) {
    m_pictures.clear();
    m_changed = false;
    m_shown = -1;
    m_recordId = recordId;
    std::vector<std::pair<int, QByteArray>> thumbs;
    resumeNext([&] { thumbs = m_session.thumbnails(recordId); });
    auto thumbAt = [&](int position) {
        for (const auto& [p, jpeg] : thumbs) {
            if (p == position)
                return decodeThumb(jpeg);
        }
        return QImage();
    };
    m_links = !collection::trimSpaces(m_pathBox.text()).isEmpty();
    const bool hasMain = m_photo.hasPicture() || m_links;
    if (hasMain) {
        Picture main{Kept{Kept::From::Main, 0, {}, {}, {}}, thumbAt(1)};
        if (main.thumb.isNull())
            main.thumb = thumbFrom(m_photo.picture());
        m_pictures.push_back(std::move(main));
    }
    std::vector<pictures::Further> further;
    resumeNext([&] { further = m_session.furtherPictures(recordId); });
    for (const auto& f : further) {
        m_links = m_links || (!f.embedded && !f.path.isEmpty());
        m_pictures.push_back(
            {Kept{Kept::From::Stored, f.picId, {}, {}, f.caption}, thumbAt(f.position)});
    }
    m_shown = m_pictures.empty() ? -1 : 0;
    fill();
}

void PictureStrip::setLocked(bool locked) {
    m_locked = locked;
    updateActions();
}

void PictureStrip::thumbnailsMade(std::int64_t recordId) {
    if (m_recordId != recordId || !m_session.isOpen() || m_changed)
        return;
    // The strip of the shown record takes the new thumbnails in place.
    std::vector<std::pair<int, QByteArray>> thumbs;
    resumeNext([&] { thumbs = m_session.thumbnails(recordId); });
    for (const auto& [position, jpeg] : thumbs) {
        if (position >= 1 && position <= int(m_pictures.size())) {
            const QImage t = decodeThumb(jpeg);
            if (!t.isNull())
                m_pictures[size_t(position - 1)].thumb = t;
        }
    }
    const int shown = m_shown;
    fill();
    m_shown = shown;
}

// The photo is small: a picture is kept at no more than twice its size in device pixels.
QSize PictureStrip::photoFill() const {
    return m_photo.size() * m_photo.devicePixelRatioF() * 2;
}

// ---------------------------------------------------------------- the strip

void PictureStrip::fill() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    const int n = int(m_pictures.size());
    for (int i = 0; i < n; ++i) {
        const Picture& p = m_pictures[size_t(i)];
        QPixmap pixmap(kStripIcon * 2, kStripIcon * 2);
        pixmap.fill(m_list->palette().color(QPalette::Base));
        if (!p.thumb.isNull()) {
            const QImage fit =
                p.thumb.scaled(pixmap.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter painter(&pixmap);
            painter.drawImage((pixmap.width() - fit.width()) / 2,
                              (pixmap.height() - fit.height()) / 2, fit);
        }
        auto* item = new QListWidgetItem(QIcon(pixmap), QString(), m_list);
        QString name = i == 0 ? tr("Picture %1 of %2, the main picture").arg(i + 1).arg(n)
                              : tr("Picture %1 of %2").arg(i + 1).arg(n);
        if (!p.kept.caption.isEmpty())
            name += QStringLiteral(": ") + p.kept.caption;
        item->setData(Qt::AccessibleTextRole, name);
        item->setToolTip(name);
    }
    if (m_shown >= 0)
        m_list->setCurrentRow(m_shown);
    updateActions();
}

void PictureStrip::updateActions() {
    if (m_actions.isEmpty())
        return;
    const bool open = !m_locked;
    const int at = m_shown;
    const int n = int(m_pictures.size());
    auto set = [&](const char* name, bool on) {
        m_actions.value(QString::fromLatin1(name))->setEnabled(on);
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
QImage PictureStrip::fullPicture(int index, const QSize& fill) const {
    if (index < 0 || index >= int(m_pictures.size()))
        return {};
    const Kept& k = m_pictures[size_t(index)].kept;
    try {
        switch (k.from) {
            case Kept::From::Main: {
                const QString path = collection::trimSpaces(m_pathBox.text());
                if (!path.isEmpty())
                    return loadPictureFile(path, fill);
                const auto id = m_recordId;
                if (!id)
                    return {};
                const QByteArray bytes = m_session.pictureBytes(*id, 1);
                return bytes.isEmpty() ? QImage() : loadPictureBytes(bytes, fill);
            }
            case Kept::From::Stored: {
                const QByteArray bytes = m_session.furtherPictureBytes(k.picId);
                if (!bytes.isEmpty())
                    return loadPictureBytes(bytes, fill);
                for (const auto& f : m_session.furtherPictures(*m_recordId)) {
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

void PictureStrip::showPicture(int index) {
    if (index < 0 || index >= int(m_pictures.size()))
        return;
    m_shown = index;
    m_photo.setPicture(fullPicture(index, photoFill()));
    m_photo.setToolTip(m_pictures[size_t(index)].kept.caption);
    if (m_list->currentRow() != index) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(index);
    }
    updateActions();
}

// ---------------------------------------------------------------- changing them

bool PictureStrip::editable() {
    if (!m_locked)
        return true;
    prompts().beep();
    return false;
}

void PictureStrip::chooseFiles() {
    if (!editable())
        return;
    FileDialogRequest request;
    request.owner = m_list->window();
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
    addFiles(files);
}

void PictureStrip::addFiles(const QStringList& paths) {
    if (!editable())
        return;
    const bool linked = m_linked.isChecked();
    QStringList refused;
    for (const QString& path : paths) {
        Kept k;
        QImage picture;
        try {
            if (linked) {
                k.path = QFileInfo(path).absoluteFilePath();
                picture = loadPictureFile(path, QSize(ThumbnailMaker::Side, ThumbnailMaker::Side));
            } else {
                k.bytes = regularfile::read(path, collection::MaxPictureBytes);
                picture =
                    loadPictureBytes(k.bytes, QSize(ThumbnailMaker::Side, ThumbnailMaker::Side));
            }
        } catch (const AppError& e) {
            refused << QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), e.description());
            continue;
        }
        m_pictures.push_back({std::move(k), thumbFrom(picture)});
        m_changed = true;
        m_shown = int(m_pictures.size()) - 1;
    }
    fill();
    showPicture(m_shown);
    if (!refused.isEmpty()) {
        prompts().msgBox(tr("These files were not added, as they are not pictures the program "
                            "can show: %1")
                             .arg(refused.join(QStringLiteral("; "))),
                         mb::OKOnly | mb::Exclamation, tr("Add pictures"));
    }
}

void PictureStrip::addImage(const QImage& image) {
    if (!editable() || image.isNull())
        return;
    Kept k;
    QBuffer buffer(&k.bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");  // kept whole, as pasted
    m_pictures.push_back({std::move(k), thumbFrom(image)});
    m_changed = true;
    m_shown = int(m_pictures.size()) - 1;
    fill();
    showPicture(m_shown);
}

void PictureStrip::paste() {
    if (!editable())
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const QStringList files = localImageFiles(mime);
    if (!files.isEmpty()) {
        addFiles(files);
        return;
    }
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) {
        prompts().msgBox(tr("The clipboard holds no picture."), mb::OKOnly | mb::Information,
                         tr("Paste picture"));
        return;
    }
    addImage(image);
}

void PictureStrip::remove() {
    if (!editable() || m_shown < 0)
        return;
    m_pictures.erase(m_pictures.begin() + m_shown);
    m_changed = true;
    m_shown = std::min(m_shown, int(m_pictures.size()) - 1);
    fill();
    if (m_shown >= 0)
        showPicture(m_shown);
    else
        m_photo.clearPicture();
}

void PictureStrip::move(int step) {
    const int to = m_shown + step;
    if (!editable() || m_shown < 0 || to < 0 || to >= int(m_pictures.size()))
        return;
    std::swap(m_pictures[size_t(m_shown)], m_pictures[size_t(to)]);
    m_changed = true;
    m_shown = to;
    fill();
    m_list->setFocus();
}

void PictureStrip::makeMain() {
    if (!editable() || m_shown <= 0)
        return;
    Picture chosen = std::move(m_pictures[size_t(m_shown)]);
    m_pictures.erase(m_pictures.begin() + m_shown);
    m_pictures.insert(m_pictures.begin(), std::move(chosen));
    m_changed = true;
    m_shown = 0;
    fill();
}

void PictureStrip::editCaption() {
    if (!editable() || m_shown <= 0)
        return;
    QString& caption = m_pictures[size_t(m_shown)].kept.caption;
    const QString text = prompts().inputBox(tr("Caption of picture %1:").arg(m_shown + 1),
                                            tr("Picture caption"), caption);
    if (text.isNull() || text == caption)
        return;
    caption = text.trimmed();
    m_changed = true;
    fill();
}

// A picture chosen with "select picture" is the main one.
void PictureStrip::mainPictureChosen() {
    auto main = std::find_if(m_pictures.begin(), m_pictures.end(),
                             [](const Picture& p) { return p.kept.from == Kept::From::Main; });
    if (main == m_pictures.end()) {
        main = m_pictures.insert(m_pictures.begin(),
                                 Picture{Kept{Kept::From::Main, 0, {}, {}, {}}, {}});
        m_changed = true;
    }
    main->thumb = thumbFrom(m_photo.picture());
    m_shown = int(main - m_pictures.begin());
    fill();
}

std::optional<std::vector<pictures::Kept>> PictureStrip::toSave() const {
    if (!m_changed)
        return std::nullopt;
    std::vector<Kept> kept;
    for (const Picture& p : m_pictures)
        kept.push_back(p.kept);
    return kept;
}

}  // namespace kbs
