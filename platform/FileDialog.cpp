#include "FileDialog.h"

#include <QtGlobal>

namespace kbs {

namespace {
FileDialogs* g_dialogs = nullptr;

// Used when nothing was installed: no dialog, as if the user had cancelled.
class NoFileDialogs final : public FileDialogs {
public:
    FileDialogResult show(const FileDialogRequest& request) override {
        qWarning("file dialog not available: %s", qPrintable(request.title));
        FileDialogResult r;
        r.filterIndex = request.filterIndex;
        r.flags = request.flags;
        return r;
    }
};
}  // namespace

FileDialogs& fileDialogs() {
    static NoFileDialogs none;
    return g_dialogs ? *g_dialogs : none;
}

void setFileDialogs(FileDialogs* dialogs) {
    g_dialogs = dialogs;
}

namespace filedialog {

QList<QPair<QString, QString>> filterPairs(const QString& filter) {
    QList<QPair<QString, QString>> pairs;
    const QChar nul(u'\0');
    qsizetype at = 0;
    while (at < filter.size()) {
        qsizetype end = filter.indexOf(nul, at);
        if (end < 0)
            end = filter.size();
        const QString description = filter.mid(at, end - at);
        if (description.isEmpty())
            break;
        at = end + 1;
        QString patterns;
        if (at < filter.size()) {
            qsizetype patternEnd = filter.indexOf(nul, at);
            if (patternEnd < 0)
                patternEnd = filter.size();
            patterns = filter.mid(at, patternEnd - at);
            at = patternEnd + 1;
        }
        pairs.append({description, patterns});
    }
    return pairs;
}

QString joinMultipleSelection(const QString& dir, const QStringList& names) {
    const QChar nul(u'\0');
    QString out = dir;
    out += nul;
    for (const QString& name : names) {
        out += name;
        out += nul;
    }
    out += nul;
    return out;
}

}  // namespace filedialog

}  // namespace kbs
