#pragma once

#include <QString>
#include <QWidget>

namespace kbs {

// The file open/save dialog as an invisible control: it holds the dialog's settings, shows
// the open or save dialog on request and leaves the user's choice in fileName().
//
// Typical use (the dialog itself comes from fileDialogs(), platform/FileDialog.h):
//
//     dlg->setDialogTitle("Select picture for current record...");
//     dlg->setFilter("Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico");
//     dlg->setInitDir(ProgramInfo::directory());
//     dlg->ShowOpen();                      // blocks until the dialog closes
//     QString chosen = dlg->fileName();     // unchanged when the user cancelled
//
// With cancelError() true, a cancelled (or failed) dialog throws AppError 32755
// "Cancel was selected." instead, and the settings keep their values.
//
// Filter: pairs of a description and ";"-separated patterns, all separated by "|".
// FilterIndex is 1-based; ShowOpen/ShowSave set it to 1 first when a filter is given and it
// is 0, and leave in it the pair the user last selected.
class OpenSaveDialog : public QWidget {
    Q_OBJECT

public:
    static constexpr int FileBufferSize = 260;

    explicit OpenSaveDialog(QWidget* parent = nullptr);

    void setDialogTitle(const QString& v) { m_dialogTitle = v; }
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool v) { m_cancelError = v; }
    void setFilter(const QString& v) { m_filter = v; }
    void setInitDir(const QString& v) { m_initDir = v; }
    qint16 filterIndex() const { return m_filterIndex; }
    void setFilterIndex(qint16 v) { m_filterIndex = v; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& v) { m_fileName = v; }

    // Show the dialog and, when the user chose, update FileName and FilterIndex. Throws
    // AppError 32755 on cancel when CancelError is true.
    void ShowOpen();
    void ShowSave();

    // The filter as the platform takes it: each "|"-separated piece followed by a NUL, then
    // one more NUL. "A|*.a" gives "A\0*.a\0\0".
    static QString convertFilter(const QString& filter);
    // The text before the first NUL (all of it when it has none).
    static QString cutAtNul(const QString& text);

private:
    void runDialog(bool save);

    QString m_dialogTitle;
    bool m_cancelError = false;
    QString m_filter;
    QString m_initDir;
    qint16 m_filterIndex = 0;
    QString m_fileName;
};

}  // namespace kbs
