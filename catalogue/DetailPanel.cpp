// The detail panel: its arrangement, showing a record, the picture choice, the pick menus and
// the condition modifiers, locking, and writing the fields back for a save.
#include "DetailPanel.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "AppError.h"
#include "CatalogueSession.h"
#include "Designed.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "OpenSaveDialog.h"
#include "PictureLoader.h"
#include "PictureStrip.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RecordSet.h"
#include "RegularFile.h"
#include "ResumeNext.h"
#include "mod_Menu_File.h"

namespace kbs {

namespace {

constexpr int kFieldHeight = 285;
constexpr int kIconSize = 240;
constexpr int kLabelGap = 15;               // between a label's right end and its box
constexpr int kFrameTop = 600;              // the detail frame's top in the window
constexpr qint64 kChunk = 4 * 1024 * 1024;  // bytes read from the record at a time
constexpr qint64 kMegabyte = 1024 * 1024;
// The box the condition modifiers append to.
constexpr int kConditionBox = 5;

// The hidden box txtTextl(0) shows no column; it sits in the frame with its label.
constexpr panel::Place kHiddenBox{4080, 4560, 1560, 615};

const panel::Field* columnOfIcon(const QString& icon) {
    for (const auto& c : panel::fields) {
        if (c.hasPickList() && icon == QLatin1String(c.pick.icon))
            return &c;
    }
    return nullptr;
}

// Says so and returns true when a picture file is larger than a record takes.
bool refuseTooLarge(const QString& path) {
    const qint64 size = QFileInfo(path).size();
    if (size <= DetailPanel::MaxPictureBytes)
        return false;
    prompts().msgBox(mainText::PictureTooLarge.arg(path)
                         .arg(double(size) / double(kMegabyte), 0, 'f', 1)
                         .arg(DetailPanel::MaxPictureBytes / kMegabyte),
                     mb::OKOnly | mb::Exclamation, mainText::AppTitle);
    return true;
}

QString fieldCaption(const panel::Field& c) {
    QString label = panel::translate(c.label);
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    const QString name = QString::fromLatin1(c.name());
    return label.compare(name, Qt::CaseInsensitive) == 0
               ? QStringLiteral("\"%1\"").arg(label)
               : DetailPanel::tr("\"%1\" (column %2)").arg(label, name);
}

// A typed value as a message quotes it: on one line, cut when long.
QString quotedValue(const QString& text) {
    constexpr qsizetype kShown = 80;
    QString shown = text.left(kShown);
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return shown + (text.size() > kShown ? QStringLiteral("...") : QString());
}

}  // namespace

DetailPanel::DetailPanel(QWidget& client, QWidget& menus, CatalogueSession& session)
    : QObject(&client), m_client(client), m_session(session) {
    // The detail panel.
    Frame2 =
        designed<QGroupBox>(&client, "Frame2", {0, kFrameTop, 13976, 4215}, mainText::FrameCaption);

    auto* divider = designed<QFrame>(Frame2, "Line1", {5160 - 15, 120, 30, 4080});
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);

    // The boxes of the column table, in keyboard order, then the hidden one.
    for (const panel::Field* c : panel::tabOrder) {
        if (c->box >= 0)
            addField(c->box, panel::translate(c->label), c->place);
    }
    addField(0, mainText::HiddenLabel, kHiddenBox);
    txtTextl[1]->raise();
    txtTextl[0]->hide();
    lblText[0]->hide();

    const auto& notes = panel::fieldAt(collection::at(collection::NotesColumn));
    lblNotes = designed<QLabel>(Frame2, "lblNotes", {5280, 2880, 1200, kFieldHeight},
                                panel::translate(notes.label));
    txtNotes = designed<QPlainTextEdit>(Frame2, "txtNotes", {6600, 2760, 3495, 1335});
    txtNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    txtNotes->setAccessibleName(mainText::NotesName);
    lblNotes->setBuddy(txtNotes);

    // Year icon and the list icons beside their boxes.
    Image1_0 = designed<ImageBox>(Frame2, "Image1_0", {2280, 600, kIconSize, kIconSize});
    Image1_0->setAccessibleName(mainText::YearIconName);
    Image1_0->setPicture(designImage(QStringLiteral("year"), 32, 32));
    m_imageControls << Image1_0;
    for (const panel::Field* c : panel::tabOrder) {
        if (!c->hasPickList())
            continue;
        const panel::PickList& pick = c->pick;
        auto* img = designed<ImageBox>(Frame2, pick.icon,
                                       {pick.iconLeft, c->place.top, pick.iconWidth, kIconSize});
        img->setAccessibleName(panel::translate(pick.accessibleName));
        img->setToolTip(img->accessibleName());
        img->setCursor(Qt::PointingHandCursor);
        img->setPicture(designImage(QStringLiteral("list"), 32, 32));
        listIcons.insert(latin(pick.icon), img);
        m_imageControls << img;
    }

    cmdPlus = designed<QPushButton>(Frame2, "cmdPlus", {2280, 1680, 255, 255}, mainText::Plus);
    cmdPlus->setAccessibleName(mainText::PlusName);
    cmdMinus = designed<QPushButton>(Frame2, "cmdMinus", {2640, 1680, 255, 255}, mainText::Minus);
    cmdMinus->setAccessibleName(mainText::MinusName);

    // The photo frame: the strip of the record's pictures takes the photo's lower edge, the
    // picture keeps its width.
    Frame3 =
        designed<QGroupBox>(Frame2, "Frame3", {10320, 240, 3480, 3240}, mainText::PhotoCaption);
    picOutline = designed<QFrame>(Frame3, "Shape1", {120, 360, 3255, 1740});
    picOutline->setFrameShape(QFrame::Box);
    picOutline->setFrameShadow(QFrame::Plain);
    imgPicture = designed<ImageBox>(Frame3, "imgPicture", {240, 450, 3015, 1560});
    imgPicture->setAccessibleName(mainText::PictureName);
    m_imageControls << imgPicture;
    txtPicDir = designed<QLineEdit>(Frame3, "txtPicDir", {240, 2160, 3015, 300});
    txtPicDir->setAccessibleName(mainText::PicturePathName);
    txtPicDir->hide();
    cmdSelect =
        designed<QPushButton>(Frame3, "cmdSelect", {120, 2760, 1215, 405}, mainText::SelectPicture);
    cmdSelect->hide();
    Option1[0] = designed<QRadioButton>(Frame3, "Option1_0", {1425, 2700, 1815, 255},
                                        mainText::StoreInDatabase);
    Option1[1] = designed<QRadioButton>(Frame3, "Option1_1", {1425, 2940, 1815, 255},
                                        mainText::StoreAsPointer);
    Option1[0]->setChecked(true);

    OpenSaveDialog1 = new OpenSaveDialog(&client);
    OpenSaveDialog1->setObjectName(QStringLiteral("OpenSaveDialog1"));
    OpenSaveDialog1->setVisible(false);
    m_strip = new PictureStrip(*Frame3, *imgPicture, *txtPicDir, *Option1[1], session);
    buildPickMenus(menus);
    connect(cmdPlus, &QPushButton::clicked, this, &DetailPanel::cmdPlus_Click);
    connect(cmdMinus, &QPushButton::clicked, this, &DetailPanel::cmdMinus_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &DetailPanel::cmdSelect_Click);
}

// A detail box with its label; box 1 lies over the frame, on the window itself.
void DetailPanel::addField(int box, const QString& caption, const panel::Place& at) {
    auto* field = new LimitedTextbox(at.onWindow ? &m_client : static_cast<QWidget*>(Frame2));
    field->setObjectName(QStringLiteral("txtTextl_%1").arg(box));
    place(field, at.fieldLeft, at.onWindow ? kFrameTop + at.top : at.top, at.width, kFieldHeight);
    txtTextl[size_t(box)] = field;

    auto* label = new QLabel(caption, Frame2);
    label->setObjectName(QStringLiteral("lblText_%1").arg(box));
    const bool wraps = at.labelLines > 1;
    place(label, at.labelLeft, at.top, at.fieldLeft - at.labelLeft - kLabelGap,
          at.labelLines * kFieldHeight);
    label->setAlignment(Qt::AlignLeft | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
    label->setWordWrap(wraps);
    label->setBuddy(field);
    field->textbox()->setAccessibleName(caption);
    field->setAccessibleName(caption);
    lblText[size_t(box)] = label;
}

void DetailPanel::buildPickMenus(QWidget& menus) {
    for (const auto& c : panel::fields) {
        if (!c.hasPickList())
            continue;
        auto* menu = new QMenu(panel::translate(c.pick.caption), &menus);
        menu->setObjectName(latin(c.pick.menu));
        auto* entry = menu->addAction(QString());
        entry->setObjectName(latin(c.pick.entries) + QStringLiteral("_0"));
        m_pickMenus.insert(latin(c.pick.menu), menu);
    }

    for (const auto& c : panel::fields) {
        if (!c.hasPickList())
            continue;
        const QString entriesName = latin(c.pick.entries);
        auto* entries = new MenuEntryArray(pickMenu(latin(c.pick.menu)), entriesName, &menus);
        m_entryArrays.insert(entriesName, entries);
        const int box = c.box;
        connect(entries, &MenuEntryArray::Click, this, [this, entries, box](int Index) {
            txtTextl[size_t(box)]->setText(entries->caption(Index));
        });
        const QString icon = latin(c.pick.icon);
        connect(listIcons.value(icon), &ImageBox::clicked, this,
                [this, icon] { pickMenuIconClicked(icon); });
    }
}

MenuEntryArray* DetailPanel::entryArray(const QString& name) const {
    return m_entryArrays.value(name);
}

QMenu* DetailPanel::pickMenu(const QString& name) const {
    return m_pickMenus.value(name);
}

void DetailPanel::pickMenuIconClicked(const QString& icon, std::optional<QPoint> place) {
    const panel::Field* c = columnOfIcon(icon);
    if (!c)
        return;
    MenuEntryArray* entries = m_entryArrays.value(latin(c->pick.entries));
    LoadMenuFromFile(*entries, ProgramInfo::path(latin(c->pick.file)));
    if (place)
        entries->popupAt(*place);
    else
        entries->popupAtPointer();
}

QString DetailPanel::listIconOf(int box) const {
    for (const auto& c : panel::fields) {
        if (c.box == box && c.hasPickList())
            return latin(c.pick.icon);
    }
    return {};
}

void DetailPanel::cmdPlus_Click() {
    txtTextl[kConditionBox]->setText(txtTextl[kConditionBox]->text() + QLatin1Char('+'));
}

void DetailPanel::cmdMinus_Click() {
    txtTextl[kConditionBox]->setText(txtTextl[kConditionBox]->text() + QLatin1Char('-'));
}

void DetailPanel::clear() {
    for (auto* box : txtTextl)
        box->setText(QString());
    imgPicture->clearPicture();
    txtPicDir->setText(QString());
    txtNotes->setPlainText(QString());
    m_notesCut = false;
    txtNotes->setReadOnly(m_locked);
    for (size_t i = 0; i < m_boxCut.size(); ++i) {
        if (std::exchange(m_boxCut[i], false))
            txtTextl[i]->setLocked(m_locked);
    }
    if (m_strip)
        m_strip->clear();
    for (PanelPart* part : m_parts)
        resumeNext([&] { part->clearPart(); });
}

// A value with a line too long to lay out quickly is shown with that line cut and a mark, and
// cannot be edited here: a save leaves it as stored.
QString DetailPanel::cutLongLines(const QString& value, bool& cut) {
    cut = false;
    if (value.size() <= MaxShownLine)
        return value;
    QString shown;
    qsizetype start = 0;
    while (start <= value.size()) {
        qsizetype end = value.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = value.size();
        const qsizetype length = end - start;
        if (length <= MaxShownLine) {
            shown += QStringView(value).mid(start, length);
        } else {
            const qsizetype keep =
                MaxShownLine - (value.at(start + MaxShownLine - 1).isHighSurrogate() ? 1 : 0);
            shown += QStringView(value).mid(start, keep);
            shown += mainText::ValueCut.arg(length - MaxShownLine);
            cut = true;
        }
        if (end < value.size())
            shown += QLatin1Char('\n');
        start = end + 1;
    }
    return cut ? shown : value;
}

void DetailPanel::show(RecordSet& rs, std::optional<std::int64_t> recordId) {
    for (const panel::Field* c : panel::readOrder) {
        resumeNext([&] {
            // A value too long to show quickly is shown up to MaxShownBytes, cut like a long
            // line: marked, and left as stored by a save.
            qint64 notShown = 0;
            const auto text = collection::fieldTextOf(rs.valueForShow(
                rs.fieldIndex(QString::fromLatin1(c->name())), MaxShownBytes, &notShown));
            if (!text)
                return;
            bool& cut = c->box >= 0 ? m_boxCut[size_t(c->box)] : m_notesCut;
            QString shown = cutLongLines(*text, cut);
            if (notShown > 0) {
                shown += mainText::ValueCutBytes.arg(notShown);
                cut = true;
            }
            if (c->box >= 0) {
                txtTextl[size_t(c->box)]->setText(shown);
                txtTextl[size_t(c->box)]->setLocked(m_locked || cut);
            } else {
                txtNotes->setPlainText(shown);
                txtNotes->setReadOnly(m_locked || cut);
            }
        });
    }
    showStoredPicture(rs);
    resumeNext([&] {
        if (recordId)
            m_strip->showRecord(*recordId);
        else
            m_strip->clear();
    });
    for (PanelPart* part : m_parts) {
        resumeNext([&] {
            if (recordId)
                part->showRecord(*recordId);
            else
                part->clearPart();
        });
    }
}

void DetailPanel::lock(bool bInput) {
    for (size_t i = 0; i < txtTextl.size(); ++i)
        txtTextl[i]->setLocked(bInput || m_boxCut[i]);
    for (auto* img : m_imageControls)
        img->setEnabled(!bInput);
    m_locked = bInput;
    txtNotes->setReadOnly(bInput || m_notesCut);
    Option1[0]->setEnabled(!bInput);
    Option1[1]->setEnabled(!bInput);
    cmdPlus->setEnabled(!bInput);
    cmdMinus->setEnabled(!bInput);
    m_strip->setLocked(bInput);
    for (PanelPart* part : m_parts)
        part->lockPart(bInput);
}

bool DetailPanel::writeFields(RecordSet* rs) {
    for (size_t i = 0; i < txtTextl.size(); ++i) {
        if (!m_boxCut[i])
            resumeNext(
                [&] { txtTextl[i]->setText(collection::storedBoxText(txtTextl[i]->text())); });
    }
    resumeNext([&] {
        if (txtNotes->toPlainText().isEmpty())
            txtNotes->setPlainText(QStringLiteral(" "));
    });
    if (!rs)
        return false;

    // A column that refuses its text refuses the whole save: nothing typed is dropped quietly.
    for (const panel::Field* c : panel::writeOrder) {
        // A value shown cut short is left as stored.
        if (c->box >= 0 ? m_boxCut[size_t(c->box)] : m_notesCut)
            continue;
        const QString text =
            c->box >= 0 ? txtTextl[size_t(c->box)]->text() : txtNotes->toPlainText();
        try {
            rs->fields(QString::fromLatin1(c->name())).setValue(text);
        } catch (const AppError& e) {
            rs->cancelUpdate();
            prompts().msgBox(
                mainText::FieldRefused.arg(fieldCaption(*c), quotedValue(text), e.description()),
                mb::OKOnly | mb::Critical, mainText::AppTitle);
            return false;
        }
    }
    // The parts of the panel beside the described fields are checked and kept with them.
    for (PanelPart* part : m_parts) {
        try {
            part->keepForSave();
        } catch (const AppError& e) {
            rs->cancelUpdate();
            prompts().msgBox(mainText::PartRefused.arg(e.description()), mb::OKOnly | mb::Critical,
                             mainText::AppTitle);
            return false;
        }
    }
    return true;
}

void DetailPanel::writePictures(RecordSet& rs) {
    storeChosenPicture(rs);
    if (auto kept = m_strip->toSave())
        m_session.keepPicturesWithNextSave(std::move(*kept));
}

// ---------------------------------------------------------------- choosing

void DetailPanel::cmdSelect_Click() {
    try {
        OpenSaveDialog1->setInitDir(ProgramInfo::directory() + QLatin1Char('/'));
        OpenSaveDialog1->setCancelError(false);
        OpenSaveDialog1->setDialogTitle(mainText::SelectTitle);
        OpenSaveDialog1->setFilter(mainText::PictureFilter);
        OpenSaveDialog1->ShowOpen();
        const QString chosen = OpenSaveDialog1->fileName();
        const QString path = collection::trimSpaces(chosen);
        // A picture the catalogue cannot hold is refused here, before anything changes.
        if (!path.isEmpty() && Option1[0]->isChecked() && refuseTooLarge(path))
            return;
        const QString before = txtPicDir->text();
        txtPicDir->setText(chosen);
        if (!path.isEmpty()) {
            try {
                Load_Picture(path);
            } catch (const AppError& e) {
                // A file that is not a picture is not kept for the save.
                txtPicDir->setText(before);
                throw AppError(e.number(), e.source(), e.description() + mainText::PictureNotTaken);
            }
        }
        if (!path.isEmpty())
            m_strip->mainPictureChosen();
    } catch (const AppError& e) {
        if (e.number() == err::CancelSelected)
            return;
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// ---------------------------------------------------------------- storing, with the save

void DetailPanel::storeChosenPicture(RecordSet& rs) {
    const QString pic = QString::fromLatin1(collection::PictureColumn);
    const QString pathCol = QString::fromLatin1(collection::PicturePathColumn);
    const QString path = collection::trimSpaces(txtPicDir->text());
    if (Option1[1]->isChecked() && !path.isEmpty()) {
        rs.fields(pathCol).setValue(path);
        rs.fields(pic).appendChunk(QByteArray());
        return;
    }
    if (path.isEmpty()) {
        rs.fields(pathCol).setValue(QString());
        return;
    }
    // A chosen file that vanished, grew too large or cannot be read leaves the record's picture
    // as it was.
    if (refuseTooLarge(path))
        return;
    QByteArray bytes;
    try {
        bytes = regularfile::read(path, MaxPictureBytes);
    } catch (const AppError& e) {
        prompts().msgBox(mainText::PictureUnreadable.arg(path, e.description()),
                         mb::OKOnly | mb::Exclamation, mainText::AppTitle);
        return;
    }
    rs.fields(pic).appendChunk(bytes);
    rs.fields(pathCol).setValue(QString());
}

// ---------------------------------------------------------------- showing

// The picture box is small: a picture is kept at no more than twice its size in device pixels,
// which looks the same stretched into it and keeps a 50 MB photo from taking 70 MB of memory.
QSize DetailPanel::pictureFill() const {
    return imgPicture->size() * imgPicture->devicePixelRatioF() * 2;
}

void DetailPanel::Load_Picture(const QString& sImage) {
    if (sImage.isEmpty() || !QFileInfo::exists(sImage)) {
        imgPicture->clearPicture();
        return;
    }
    try {
        imgPicture->setPicture(loadPictureFile(sImage, pictureFill()));
    } catch (const AppError& e) {
        throw AppError(e.number(), e.source(),
                       mainText::InvalidImage + QStringLiteral("\r\n\r\n") + e.description());
    }
}

// The picture step of the display: an embedded picture from memory, else the linked file.
// Every step stands alone.
void DetailPanel::showStoredPicture(RecordSet& rs) {
    const QString pic = QString::fromLatin1(collection::PictureColumn);
    const QString path = QString::fromLatin1(collection::PicturePathColumn);
    qint64 size = 0;
    resumeNext([&] { size = rs.fields(pic).actualSize(); });
    if (size < 1) {
        QVariant stored;
        resumeNext([&] { stored = rs.fields(path).value(); });
        resumeNext([&] {
            if (!stored.isNull())
                txtPicDir->setText(stored.toString());
        });
        resumeNext([&] {
            if (!stored.isNull())
                Load_Picture(collection::trimSpaces(stored.toString()));
        });
        Option1[0]->setChecked(false);
        Option1[1]->setChecked(true);
        return;
    }

    Option1[0]->setChecked(true);
    Option1[1]->setChecked(false);
    txtPicDir->setText(QString());
    // Read in large chunks and decoded in memory: nothing is written to the collection folder,
    // so a folder that cannot be written shows its pictures all the same. A value larger than a
    // picture file may be is not read at all.
    if (size > MaxPictureFileBytes)
        return;
    QByteArray bytes;
    resumeNext([&] {
        bytes.reserve(qsizetype(size));
        auto field = rs.fields(pic);
        while (bytes.size() < size) {
            const QByteArray chunk = field.getChunk(std::min(kChunk, size - bytes.size()));
            if (chunk.isEmpty())
                break;  // the value changed under us: decode what there is
            bytes.append(chunk);
        }
    });
    rs.endChunkRead();  // the thumbnails' writer must not wait for a record on show
    // What is not a picture leaves the picture box empty, as the display cleared it.
    resumeNext([&] { imgPicture->setPicture(loadPictureBytes(bytes, pictureFill())); });
}

}  // namespace kbs
