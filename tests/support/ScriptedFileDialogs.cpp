#include "ScriptedFileDialogs.h"

#include "TestEnv.h"

namespace kbs::test {

using namespace Qt::StringLiterals;

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(&fileDialogs()) {
    setFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    setFileDialogs(m_previous);
    if (!m_answers.isEmpty())
        m_unexpected << u"%1 scripted choice(s) never used"_s.arg(m_answers.size());
    failOn(m_unexpected, "file dialogs");
}

void ScriptedFileDialogs::chooseFile(const QString& path) {
    FileDialogResult r;
    r.accepted = true;
    r.file = path;
    r.fileTitle = path.mid(
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
    m_answers.enqueue(r);
}

void ScriptedFileDialogs::cancel() {
    m_answers.enqueue(FileDialogResult{});
}

FileDialogResult ScriptedFileDialogs::show(const FileDialogRequest& request) {
    requests.append(request);
    if (m_answers.isEmpty())
        m_unexpected << u"file dialog: %1"_s.arg(request.title);
    FileDialogResult r = m_answers.isEmpty() ? FileDialogResult{} : m_answers.dequeue();
    r.flags = request.flags;
    if (r.filterIndex == 0)
        r.filterIndex = request.filterIndex;
    return r;
}

}  // namespace kbs::test
