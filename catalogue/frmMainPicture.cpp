// The record's picture: choosing it (cmdSelect), storing it with the save, and showing it
// with the record, embedded (decoded in memory) or linked to its file.
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "AppError.h"
#include "Collection.h"
#include "ImageBox.h"
#include "MainTexts.h"
#include "OpenSaveDialog.h"
#include "PictureLoader.h"
#include "PictureStrip.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
constexpr qint64 kChunk = 4 * 1024 * 1024;  // bytes read from the record at a time
constexpr qint64 kMegabyte = 1024 * 1024;

// Says so and returns true when a picture file is larger than a record takes.
bool refuseTooLarge(const QString& path) {
    const qint64 size = QFileInfo(path).size();
    if (size <= frmMain::MaxPictureBytes)
        return false;
    prompts().msgBox(mainText::PictureTooLarge.arg(path)
                         .arg(double(size) / double(kMegabyte), 0, 'f', 1)
                         .arg(frmMain::MaxPictureBytes / kMegabyte),
                     mb::OKOnly | mb::Exclamation, mainText::AppTitle);
    return true;
}

}  // namespace

// ---------------------------------------------------------------- choosing

void frmMain::cmdSelect_Click() {
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

void frmMain::storeChosenPicture() {
    const QString pic = QString::fromLatin1(collection::PictureColumn);
    const QString pathCol = QString::fromLatin1(collection::PicturePathColumn);
    const QString path = collection::trimSpaces(txtPicDir->text());
    if (Option1[1]->isChecked() && !path.isEmpty()) {
        rs->fields(pathCol).setValue(path);
        rs->fields(pic).appendChunk(QByteArray());
        return;
    }
    if (path.isEmpty()) {
        rs->fields(pathCol).setValue(QString());
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
    rs->fields(pic).appendChunk(bytes);
    rs->fields(pathCol).setValue(QString());
}

// ---------------------------------------------------------------- showing

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

// The picture step of the display: an embedded picture from memory, else the linked file.
// Every step stands alone.
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
    // Read in large chunks and decoded in memory: nothing is written to the collection folder,
    // so a folder that cannot be written shows its pictures all the same. A value larger than a
    // picture file may be is not read at all.
    if (size > MaxPictureFileBytes)
        return;
    QByteArray bytes;
    resumeNext([&] {
        bytes.reserve(qsizetype(size));
        auto field = rs->fields(pic);
        while (bytes.size() < size) {
            const QByteArray chunk = field.getChunk(std::min(kChunk, size - bytes.size()));
            if (chunk.isEmpty())
                break;  // the value changed under us: decode what there is
            bytes.append(chunk);
        }
    });
    rs->endChunkRead();  // the thumbnails' writer must not wait for a record on show
    // What is not a picture leaves the picture box empty, as the display cleared it.
    resumeNext([&] { imgPicture->setPicture(loadPictureBytes(bytes, pictureFill())); });
}

}  // namespace kbs
