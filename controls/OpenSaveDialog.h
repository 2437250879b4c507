#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "PropertyBag.h"

namespace kbs {

// The file open/save dialog as a control: it holds the dialog's settings as properties, shows
// the open or save dialog on request and leaves the user's choice in its properties. It is
// invisible while the program runs; in a window being designed (ambient::setUserMode(host,
// false)) it shows as a small fixed square.
//
// Typical use (the dialog itself comes from fileDialogs(), platform/FileDialog.h):
//
//     dlg->setDialogTitle("Select picture for current record...");
//     dlg->setFilter("Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico");
//     dlg->setInitDir(ProgramInfo::directory());
//     dlg->setCancelError(false);
//     dlg->ShowOpen();                      // blocks until the dialog closes
//     QString chosen = dlg->fileName();     // unchanged when the user cancelled
//
// With cancelError() true, a cancelled (or failed) dialog throws AppError 32755
// "Cancel was selected." instead, and the properties keep their values.
//
// Filter: pairs of a description and ";"-separated patterns, all separated by "|".
// FilterIndex is 1-based; ShowOpen/ShowSave set it to 1 first when a filter is given and it
// is 0, and leave in it the pair the user last selected.
//
// Multiple selection (Flags bit 0x200, ShowOpen only): FileName receives the dialog's whole
// result buffer - the directory and each name followed by a NUL, padded with NULs to 8192
// characters - and ParseMultiFileName splits it.
class OpenSaveDialog : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString DialogTitle READ dialogTitle WRITE setDialogTitle)
    Q_PROPERTY(bool CancelError READ cancelError WRITE setCancelError)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(QString InitDir READ initDir WRITE setInitDir)
    Q_PROPERTY(qint16 FilterIndex READ filterIndex WRITE setFilterIndex)
    Q_PROPERTY(QString DefaultExt READ defaultExt WRITE setDefaultExt)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString FileTitle READ fileTitle WRITE setFileTitle)
    Q_PROPERTY(qint16 MaxFileSize READ maxFileSize WRITE setMaxFileSize)
    Q_PROPERTY(qint32 Flags READ flags WRITE setFlags)

public:
    static constexpr qint32 AllowMultiSelect = 0x200;
    static constexpr int FileBufferSize = 260;
    static constexpr int MultiSelectBufferSize = 8192;
    static constexpr int DesignSizeTwips = 390;

    explicit OpenSaveDialog(QWidget* parent = nullptr);

    QString dialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& v) { m_dialogTitle = v; }
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool v) { m_cancelError = v; }
    QString filter() const { return m_filter; }
    void setFilter(const QString& v) { m_filter = v; }
    QString initDir() const { return m_initDir; }
    void setInitDir(const QString& v) { m_initDir = v; }
    qint16 filterIndex() const { return m_filterIndex; }
    void setFilterIndex(qint16 v) { m_filterIndex = v; }
    // Kept and saved only: neither dialog is given a default extension.
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& v) { m_defaultExt = v; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& v) { m_fileName = v; }
    QString fileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString& v) { m_fileTitle = v; }
    // Characters the bare name may take, its final NUL included (single selection).
    qint16 maxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(qint16 v) { m_maxFileSize = v; }
    qint32 flags() const { return m_flags; }
    void setFlags(qint32 v) { m_flags = v; }

    // Show the dialog and, when the user chose, update FileName, FileTitle (not for a
    // multiple selection), Flags and FilterIndex. Throws AppError 32755 on cancel when
    // CancelError is true.
    void ShowOpen();
    void ShowSave();

    // Splits FileName into a directory and file names. strFiles is the 1-based list of the
    // platform: strFiles(i) is strFiles[i - 1]. Callers pass an empty strDir, an empty
    // strFiles and 0. One file: strDir is the part before the last "\" or "/" (empty when
    // there is none or it is the first character), strFiles holds the rest. A multiple
    // selection: strDir is the directory, strFiles the names, lngFileCount their number, and
    // FileName becomes the directory.
    void ParseMultiFileName(QString& strDir, QStringList& strFiles, qint32& lngFileCount);

    // The saved properties, in the order of the table above.
    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    // The filter as the platform takes it: each "|"-separated piece followed by a NUL, then
    // one more NUL. "A|*.a" gives "A\0*.a\0\0".
    static QString convertFilter(const QString& filter);
    // The text before the first NUL (all of it when it has none).
    static QString cutAtNul(const QString& text);

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void runDialog(bool save);
    void applyDesignSize();

    QString m_dialogTitle;
    bool m_cancelError = false;
    QString m_filter;
    QString m_initDir;
    qint16 m_filterIndex = 0;
    QString m_defaultExt;
    QString m_fileName;
    QString m_fileTitle;
    qint16 m_maxFileSize = 260;
    qint32 m_flags = 0;
};

}  // namespace kbs
