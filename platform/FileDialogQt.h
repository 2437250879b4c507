#pragma once

#include <QStringList>

#include "FileDialog.h"

class QFileDialog;

namespace kbs {

// The file dialogs a person sees: a QFileDialog, modal over the owner's window.
//
// The request's filter pairs become Qt name filters that show the description as written
// ("Image Files (*.jpg, *.bmp, *.gif)") and filter by the pair's patterns ("*.jpg;*.bmp" is
// *.jpg and *.bmp). An open request asks for one existing file, or several with
// ofn::AllowMultiSelect; a save request for any name (the dialog asks before replacing a
// file). An initial directory written with a trailing "\" is taken without it. The process's
// working directory is never changed.
class FileDialogQt final : public FileDialogs {
public:
    FileDialogResult show(const FileDialogRequest& request) override;

    // The two halves of show(), apart so that they can be checked without a modal loop.
    static void configure(QFileDialog& dialog, const FileDialogRequest& request);
    static FileDialogResult collect(const QFileDialog& dialog, const FileDialogRequest& request);

    // The Qt name filters for a request's NUL-separated filter.
    static QStringList nameFilters(const QString& filter);
};

}  // namespace kbs
