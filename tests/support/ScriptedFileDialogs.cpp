#include "ScriptedFileDialogs.h"

namespace kbs::test {

namespace {
QString bareName(const QString& path) {
    const qsizetype sep =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(sep + 1);
}
}  // namespace

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(&fileDialogs()) {
    setFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    setFileDialogs(m_previous);
}

void ScriptedFileDialogs::chooseFile(const QString& path, int filterIndex) {
    Answer a{Answer::File, {}, {}, {}};
    a.result.accepted = true;
    a.result.file = path;
    a.result.fileTitle = bareName(path);
    a.result.filterIndex = filterIndex;
    m_answers.enqueue(a);
}

void ScriptedFileDialogs::chooseFiles(const QString& dir, const QStringList& names,
                                      int filterIndex) {
    Answer a{Answer::Files, {}, dir, names};
    a.result.accepted = true;
    a.result.filterIndex = filterIndex;
    m_answers.enqueue(a);
}

void ScriptedFileDialogs::cancel() {
    m_answers.enqueue(Answer{Answer::Cancel, {}, {}, {}});
}

void ScriptedFileDialogs::answer(const FileDialogResult& result) {
    m_answers.enqueue(Answer{Answer::Exact, result, {}, {}});
}

FileDialogResult ScriptedFileDialogs::show(const FileDialogRequest& request) {
    requests.append(request);
    if (m_answers.isEmpty()) {
        unexpected << QStringLiteral("file dialog: %1").arg(request.title);
        FileDialogResult r;
        r.filterIndex = request.filterIndex;
        r.flags = request.flags;
        return r;
    }
    const Answer a = m_answers.dequeue();
    if (a.kind == Answer::Exact)
        return a.result;
    FileDialogResult r = a.result;
    r.flags = request.flags;
    if (r.filterIndex == 0)
        r.filterIndex = request.filterIndex;
    if (a.kind == Answer::Files) {
        if (a.names.size() == 1) {
            const QChar sep =
                a.dir.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
            r.file = a.dir.endsWith(sep) ? a.dir + a.names.first() : a.dir + sep + a.names.first();
            r.fileTitle = a.names.first();
        } else {
            r.file = filedialog::joinMultipleSelection(a.dir, a.names);
        }
    }
    return r;
}

}  // namespace kbs::test
