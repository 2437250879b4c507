#include "OpenSaveDialog.h"

#include <QPainter>
#include <cmath>

#include "Ambient.h"
#include "AppError.h"
#include "FileDialog.h"
#include "Twips.h"

namespace kbs {

namespace {

const QChar kNul(u'\0');

[[noreturn]] void cancelSelected() {
    throw AppError(err::CancelSelected, QString(), QStringLiteral("Cancel was selected."),
                   QStringLiteral("cmdlg98.chm"), err::CancelSelected);
}

// Writes a dialog's answer into a buffer of `size` NULs the way the platform does. False when
// the answer and its final NUL do not fit: the platform then fails the whole dialog.
bool intoBuffer(const QString& answer, int size, QString* buffer) {
    const qsizetype needed = answer.endsWith(kNul) ? answer.size() : answer.size() + 1;
    if (needed > size)
        return false;
    *buffer = answer;
    buffer->append(QString(size - answer.size(), kNul));
    return true;
}

// The bare name goes into its own buffer; a name longer than the buffer is cut to fit.
QString intoTitleBuffer(const QString& title, int size) {
    if (size <= 0)
        return {};
    QString buffer = title.left(size - 1);
    buffer.append(QString(size - buffer.size(), kNul));
    return buffer;
}

void addFile(const QString& piece, QStringList& strFiles, qint32& lngFileCount) {
    ++lngFileCount;
    strFiles.resize(lngFileCount);
    strFiles[lngFileCount - 1] = piece;
}

// One piece of a multiple-selection result: the directory while none is known, else a file.
void addPiece(const QString& piece, QString& strDir, QStringList& strFiles, qint32& lngFileCount) {
    if (strDir.isEmpty())
        strDir = piece;
    else
        addFile(piece, strFiles, lngFileCount);
}

}  // namespace

OpenSaveDialog::OpenSaveDialog(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("File dialog"));
    setFocusPolicy(Qt::NoFocus);
    applyDesignSize();
    QWidget::setVisible(false);
}

void OpenSaveDialog::applyDesignSize() {
    setFixedSize(twipsToPixelsX(DesignSizeTwips, *this), twipsToPixelsY(DesignSizeTwips, *this));
}

void OpenSaveDialog::setVisible(bool visible) {
    QWidget::setVisible(visible && !ambient::userMode(this));
}

void OpenSaveDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect page = rect().adjusted(width() / 4, height() / 5, -width() / 4, -height() / 5);
    p.drawRect(page);
    p.drawLine(page.left() + 2, page.top() + page.height() / 3, page.right() - 2,
               page.top() + page.height() / 3);
}

// --- Filters ------------------------------------------------------------------------------

QString OpenSaveDialog::convertFilter(const QString& filter) {
    QString result;
    QString rest = filter;
    qsizetype bar;
    while ((bar = rest.indexOf(QLatin1Char('|'))) >= 0) {
        result += rest.left(bar);
        result += kNul;
        rest = rest.mid(bar + 1);
    }
    result += rest;
    result += kNul;
    result += kNul;
    return result;
}

QString OpenSaveDialog::cutAtNul(const QString& text) {
    const qsizetype at = text.indexOf(kNul);
    return at < 0 ? text : text.left(at);
}

// --- The dialogs --------------------------------------------------------------------------

void OpenSaveDialog::ShowOpen() {
    runDialog(false);
}

void OpenSaveDialog::ShowSave() {
    runDialog(true);
}

void OpenSaveDialog::runDialog(bool save) {
    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.owner = this;
    request.filter = m_filter.isEmpty() ? QString() : convertFilter(m_filter);
    request.title = m_dialogTitle;
    request.initialDir = m_initDir;
    request.flags = m_flags;
    if (!request.filter.isEmpty() && m_filterIndex == 0)
        m_filterIndex = 1;
    request.filterIndex = m_filterIndex;
    const bool multi = request.multiSelect();
    request.fileBufferSize = multi ? MultiSelectBufferSize : FileBufferSize;
    request.fileTitleBufferSize = multi ? MultiSelectBufferSize : m_maxFileSize;

    const FileDialogResult result = fileDialogs().show(request);
    QString fileBuffer;
    const bool chosen = result.accepted && !result.file.isEmpty() &&
                        intoBuffer(result.file, request.fileBufferSize, &fileBuffer);
    if (!chosen) {
        if (m_cancelError)
            cancelSelected();
        return;
    }
    if (multi) {
        m_fileName = fileBuffer;
    } else {
        m_fileName = cutAtNul(fileBuffer);
        m_fileTitle = cutAtNul(intoTitleBuffer(result.fileTitle, request.fileTitleBufferSize));
    }
    m_flags = result.flags;
    m_filterIndex = qint16(result.filterIndex);
}

// --- Splitting a result -------------------------------------------------------------------

void OpenSaveDialog::ParseMultiFileName(QString& strDir, QStringList& strFiles,
                                        qint32& lngFileCount) {
    const QString f = m_fileName;
    if (lngFileCount < 0)
        lngFileCount = 0;
    const qsizetype pair = f.indexOf(QString(2, kNul));
    if (pair < 0) {
        // A single file: split at its last directory separator.
        lngFileCount = 1;
        strFiles = QStringList{QString()};
        const qsizetype sep =
            std::max(f.lastIndexOf(QLatin1Char('\\')), f.lastIndexOf(QLatin1Char('/')));
        if (sep < 0) {
            strDir.clear();
            strFiles[0] = f;
            m_fileName = cutAtNul(f);
        } else if (sep == 0) {
            strDir.clear();
            strFiles[0] = f;
        } else {
            strDir = f.left(sep);
            strFiles[0] = f.mid(sep + 1);
        }
        return;
    }

    // A multiple selection: the directory, then the names, up to the first pair of NULs.
    const QStringList pieces = f.left(pair).split(kNul);
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        addPiece(pieces[i], strDir, strFiles, lngFileCount);
    addFile(pieces.last(), strFiles, lngFileCount);
    m_fileName = cutAtNul(f);
}

// --- Saved properties ---------------------------------------------------------------------

void OpenSaveDialog::writeProperties(PropertyBag& bag) const {
    bag.writeProperty(QStringLiteral("DialogTitle"), m_dialogTitle, QString());
    bag.writeProperty(QStringLiteral("CancelError"), m_cancelError, false);
    bag.writeProperty(QStringLiteral("Filter"), m_filter, QString());
    bag.writeProperty(QStringLiteral("InitDir"), m_initDir, QString());
    bag.writeProperty(QStringLiteral("FilterIndex"), m_filterIndex, qint16(0));
    bag.writeProperty(QStringLiteral("DefaultExt"), m_defaultExt, QString());
    bag.writeProperty(QStringLiteral("FileName"), m_fileName, QString());
    bag.writeProperty(QStringLiteral("FileTitle"), m_fileTitle, QString());
    bag.writeProperty(QStringLiteral("MaxFileSize"), m_maxFileSize, qint16(260));
    bag.writeProperty(QStringLiteral("Flags"), m_flags, qint32(0));
}

void OpenSaveDialog::readProperties(const PropertyBag& bag) {
    m_dialogTitle = bag.read(QStringLiteral("DialogTitle"), QString());
    m_cancelError = bag.read(QStringLiteral("CancelError"), false);
    m_filter = bag.read(QStringLiteral("Filter"), QString());
    m_initDir = bag.read(QStringLiteral("InitDir"), QString());
    m_filterIndex = bag.read(QStringLiteral("FilterIndex"), qint16(0));
    m_defaultExt = bag.read(QStringLiteral("DefaultExt"), QString());
    m_fileName = bag.read(QStringLiteral("FileName"), QString());
    m_fileTitle = bag.read(QStringLiteral("FileTitle"), QString());
    m_maxFileSize = bag.read(QStringLiteral("MaxFileSize"), qint16(260));
    m_flags = bag.read(QStringLiteral("Flags"), qint32(0));
}

}  // namespace kbs
