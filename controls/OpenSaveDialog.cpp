#include "OpenSaveDialog.h"

#include "AppError.h"
#include "FileDialog.h"

namespace kbs {

namespace {

const QChar kNul(u'\0');

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

}  // namespace

OpenSaveDialog::OpenSaveDialog(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("File dialog"));
    setFocusPolicy(Qt::NoFocus);
    QWidget::setVisible(false);
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
    if (!request.filter.isEmpty() && m_filterIndex == 0)
        m_filterIndex = 1;
    request.filterIndex = m_filterIndex;
    request.fileBufferSize = FileBufferSize;

    const FileDialogResult result = fileDialogs().show(request);
    QString fileBuffer;
    const bool chosen = result.accepted && !result.file.isEmpty() &&
                        intoBuffer(result.file, request.fileBufferSize, &fileBuffer);
    if (!chosen) {
        if (m_cancelError)
            throw AppError(err::CancelSelected, QString(), QStringLiteral("Cancel was selected."));
        return;
    }
    m_fileName = cutAtNul(fileBuffer);
    m_filterIndex = qint16(result.filterIndex);
}

}  // namespace kbs
