// Showing the current record: the detail fields and the picture.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <utility>

#include "AppError.h"
#include "Collection.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PictureLoader.h"
#include "ProgramInfo.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
// The reading order of the detail fields: boxes 1 to 19, the notes, then 20 to 22.
constexpr const char* kReadOrder[] = {
    "Description", "Year",       "Number",         "Series",         "Car_Cond",  "Wheel_Type",
    "Box_Type",    "Box_Cond",   "Color",          "Quantity",       "Location",  "Purchase",
    "Purch_Date",  "List_Price", "Value",          "Value_Date",     "Status",    "Purch_From",
    "Base_Name",   "Notes",      "Interior_Color", "Version_Number", "Base_Color"};
constexpr qint64 kChunk = 100;
}  // namespace

void frmMain::Clear_Display() {
    for (auto* box : txtTextl)
        box->setText(QString());
    imgPicture->clearPicture();
    txtPicDir->setText(QString());
    txtNotes->setPlainText(QString());
    m_notesCut = false;
    txtNotes->setReadOnly(m_panelLocked);
    for (size_t i = 0; i < m_boxCut.size(); ++i) {
        if (std::exchange(m_boxCut[i], false))
            txtTextl[i]->setLocked(m_panelLocked);
    }
    m_shown.reset();
}

// A value with a line too long to lay out quickly is shown with that line cut and a mark, and
// cannot be edited here: a save leaves it as stored.
QString frmMain::cutLongLines(const QString& value, bool& cut) {
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

void frmMain::Update_Display() {
    resumeNext([&] { Clear_Display(); });
    if (!rs)
        return;
    bool empty = true;
    resumeNext([&] { empty = rs->bof() && rs->eof(); });
    if (empty)
        return;
    resumeNext([&] { m_shown = rs->bookmark(); });

    for (const char* name : kReadOrder) {
        resumeNext([&] {
            const auto text =
                collection::fieldTextOf(rs->fields(QString::fromLatin1(name)).value());
            if (!text)
                return;
            const int pos = collection::positionOf(QString::fromLatin1(name));
            const int box = collection::columns[size_t(pos)].box;
            if (box >= 0) {
                bool& cut = m_boxCut[size_t(box)];
                txtTextl[size_t(box)]->setText(cutLongLines(*text, cut));
                txtTextl[size_t(box)]->setLocked(m_panelLocked || cut);
            } else {
                txtNotes->setPlainText(cutLongLines(*text, m_notesCut));
                txtNotes->setReadOnly(m_panelLocked || m_notesCut);
            }
        });
    }
    showStoredPicture();
}

// The picture box is small: a picture is kept at no more than twice its size in device pixels,
// which looks the same stretched into it and keeps a 50 MB photo from taking 70 MB of memory.
QSize frmMain::pictureFill() const {
    return imgPicture->size() * imgPicture->devicePixelRatioF() * 2;
}

void frmMain::Load_Picture(const QString& sImage) {
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

// The picture step of the display: an embedded picture through the scratch file, else the
// linked file. Every step stands alone.
void frmMain::showStoredPicture() {
    const QString pic = QString::fromLatin1(collection::PictureColumn);
    const QString path = QString::fromLatin1(collection::PicturePathColumn);
    qint64 size = 0;
    resumeNext([&] { size = rs->fields(pic).actualSize(); });
    if (size < 1) {
        QVariant stored;
        resumeNext([&] { stored = rs->fields(path).value(); });
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
    const QString scratch = ProgramInfo::path(mainText::ScratchPicture);
    resumeNext([&] {
        if (QFileInfo::exists(scratch))
            QFile::remove(scratch);
    });
    QFile file(scratch);
    bool written = resumeNext([&] {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw AppError(err::PathFileAccess, QStringLiteral("Display"), file.errorString());
    });
    // Where the program directory cannot be written the picture is shown from memory.
    QByteArray inMemory;
    qint32 offset = 0;
    auto field = rs->fields(pic);
    while (offset < size) {
        QByteArray chunk;
        if (!resumeNext([&] { chunk = field.getChunk(kChunk); }))
            break;
        if (written) {
            if (file.write(chunk) != chunk.size()) {
                // A full disk: fall back to the bytes in memory, read whole.
                written = false;
                resumeNext([&] { inMemory = field.value().toByteArray(); });
                break;
            }
        } else {
            inMemory.append(chunk);
        }
        if (chunk.isEmpty())
            break;
        offset += qint32(kChunk);
    }
    resumeNext([&] { file.close(); });
    if (written) {
        resumeNext([&] { Load_Picture(scratch); });
        resumeNext([&] { QFile::remove(scratch); });
    } else {
        QFile::remove(scratch);
        resumeNext([&] { imgPicture->setPicture(loadPictureBytes(inMemory, pictureFill())); });
    }
}

}  // namespace kbs
