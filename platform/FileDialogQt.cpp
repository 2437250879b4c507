#include "FileDialogQt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kbs {

namespace {

QString existingDirectory(const QString& dir) {
    if (dir.isEmpty())
        return {};
    QStringList candidates{dir};
    QString trimmed = dir;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('\\')))
        trimmed.chop(1);
    candidates << trimmed;
    QString slashed = dir;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    candidates << slashed;
    for (const QString& c : candidates) {
        if (QFileInfo(c).isDir())
            return c;
    }
    return {};
}

}  // namespace

QStringList FileDialogQt::nameFilters(const QString& filter) {
    QStringList out;
    for (const auto& [description, patterns] : filedialog::filterPairs(filter)) {
        QStringList list;
        for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            if (!t.isEmpty())
                list << t;
        }
        if (list.isEmpty())
            list << QStringLiteral("*");
        out << QStringLiteral("%1 (%2)").arg(description, list.join(QLatin1Char(' ')));
    }
    return out;
}

void FileDialogQt::configure(QFileDialog& dialog, const FileDialogRequest& request) {
    // Show each description as the caller wrote it; the patterns still filter.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, request.newFileOnly);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multiSelect() ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    }
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    const QString dir = existingDirectory(request.initialDir);
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex;
        dialog.selectNameFilter(
            filters.value(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }
}

FileDialogResult FileDialogQt::collect(const QFileDialog& dialog,
                                       const FileDialogRequest& request) {
    FileDialogResult r;
    r.flags = request.flags;
    r.filterIndex = request.filterIndex;
    // The dialog names the selected filter as it shows it: the description alone.
    const QStringList filters = dialog.nameFilters();
    const QList<QPair<QString, QString>> pairs = filedialog::filterPairs(request.filter);
    const QString selected = dialog.selectedNameFilter();
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters[i] == selected || (i < pairs.size() && pairs[i].first == selected)) {
            r.filterIndex = int(i) + 1;
            break;
        }
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return r;
    r.accepted = true;
    if (request.multiSelect() && files.size() > 1) {
        const QString dir = QFileInfo(files.first()).absolutePath();
        QStringList names;
        for (const QString& f : files)
            names << QDir::toNativeSeparators(QDir(dir).relativeFilePath(f));
        r.file = filedialog::joinMultipleSelection(QDir::toNativeSeparators(dir), names);
    } else {
        r.file = QDir::toNativeSeparators(files.first());
        r.fileTitle = QFileInfo(files.first()).fileName();
    }
    return r;
}

FileDialogResult FileDialogQt::show(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner ? request.owner->window() : nullptr);
    configure(dialog, request);
    if (dialog.exec() != QDialog::Accepted) {
        FileDialogResult r;
        r.flags = request.flags;
        r.filterIndex = request.filterIndex;
        return r;
    }
    return collect(dialog, request);
}

}  // namespace kbs
