#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "FileDialog.h"

namespace kbs::test {

// Stands in for the person choosing files: installs itself as fileDialogs() while it lives,
// answers each dialog from a script given in advance and records every request.
//
//     ScriptedFileDialogs dialogs;
//     dialogs.chooseFile("/tmp/pics/car.jpg");   // next dialog: this file
//     dialogs.cancel();                          // the one after: cancelled
//     ... code under test ...
//     QCOMPARE(dialogs.requests.size(), 2);
//     QCOMPARE(dialogs.requests[0].title, "...");
//
// A dialog shown with nothing scripted is cancelled and noted in `unexpected`.
class ScriptedFileDialogs final : public FileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The next dialog chooses this file (its bare name is the part after the last "/" or
    // "\"); filterIndex 0 keeps the request's filter index.
    void chooseFile(const QString& path, int filterIndex = 0);
    // The next dialog, in multiple selection, chooses these names in dir. One name gives the
    // full path alone, as the platform does.
    void chooseFiles(const QString& dir, const QStringList& names, int filterIndex = 0);
    // The next dialog is cancelled.
    void cancel();
    // The next dialog gives exactly this result.
    void answer(const FileDialogResult& result);

    FileDialogResult show(const FileDialogRequest& request) override;

    QList<FileDialogRequest> requests;
    QStringList unexpected;
    int unusedAnswers() const { return int(m_answers.size()); }

private:
    struct Answer {
        enum Kind { Exact, File, Files, Cancel } kind;
        FileDialogResult result;
        QString dir;
        QStringList names;
    };
    QQueue<Answer> m_answers;
    FileDialogs* m_previous;
};

}  // namespace kbs::test
