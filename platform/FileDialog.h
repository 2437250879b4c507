#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QWidget;

namespace kbs {

// Option flags of a file dialog request, numbered as the platform's dialog numbers them.
namespace ofn {
inline constexpr qint32 ReadOnly = 0x1;
inline constexpr qint32 OverwritePrompt = 0x2;
inline constexpr qint32 HideReadOnly = 0x4;
inline constexpr qint32 NoChangeDir = 0x8;
inline constexpr qint32 AllowMultiSelect = 0x200;
inline constexpr qint32 PathMustExist = 0x800;
inline constexpr qint32 FileMustExist = 0x1000;
}  // namespace ofn

// What a file dialog is asked to show. Filled by OpenSaveDialog (controls/OpenSaveDialog.h);
// callers normally use that control rather than this layer.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QWidget* owner = nullptr;  // the dialog belongs to this widget's window; may be null
    QString title;             // empty: the platform's own title
    QString initialDir;        // empty: the platform's choice
    QString initialFile;       // the name a save dialog offers; empty: none
    // Filter pairs, each piece followed by a NUL, the whole ended by a further NUL:
    // "Text\0*.txt\0All\0*.*\0\0". Patterns within a piece are separated by ";".
    // Empty: no filter.
    QString filter;
    int filterIndex = 0;            // 1-based number of the pair shown first
    qint32 flags = 0;               // ofn:: bits
    int fileBufferSize = 260;       // characters the chosen file may take, its final NUL included
    int fileTitleBufferSize = 260;  // the same for the bare name
    // A save whose caller never replaces a file: the dialog does not offer to replace one.
    bool newFileOnly = false;

    bool multiSelect() const { return kind == Kind::Open && (flags & ofn::AllowMultiSelect); }
};

// What the dialog gives back.
struct FileDialogResult {
    bool accepted = false;  // false: cancelled, or the dialog failed
    // The choice. One file: its full path. Several files (multiple selection): the directory,
    // NUL, each name followed by a NUL, then one more NUL ("dir\0a\0b\0\0").
    QString file;
    QString fileTitle;    // one file: its name without the directory
    int filterIndex = 0;  // 1-based number of the filter pair the user left selected
    qint32 flags = 0;     // the request's flags as the dialog left them
};

// The file dialogs the program shows. The program installs FileDialogQt (FileDialogQt.h, in
// kbs_platform_widgets) at start-up; tests install test::ScriptedFileDialogs. show() blocks
// until the dialog closes.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual FileDialogResult show(const FileDialogRequest& request) = 0;
};

// The installed implementation. Installing does not take ownership. With nothing installed
// every dialog is cancelled (and a warning logged).
FileDialogs& fileDialogs();
void setFileDialogs(FileDialogs* dialogs);

// Helpers for implementations.
namespace filedialog {
// The (description, patterns) pairs of a NUL-separated filter. Reading stops at the first
// empty description; a description without patterns gets an empty pattern text.
QList<QPair<QString, QString>> filterPairs(const QString& filter);
// The result text of a multiple selection: dir, NUL, each name and a NUL, one more NUL.
QString joinMultipleSelection(const QString& dir, const QStringList& names);
}  // namespace filedialog

}  // namespace kbs
