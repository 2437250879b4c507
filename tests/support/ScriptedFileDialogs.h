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
//     QCOMPARE(dialogs.requests[0].title, "...");
//
// A dialog shown with nothing scripted is cancelled; that, or a choice never used, fails the
// running case when the script goes.
class ScriptedFileDialogs final : public FileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The next dialog chooses this file (its bare name is the part after the last "/" or "\").
    void chooseFile(const QString& path);
    // The next dialog is cancelled.
    void cancel();

    FileDialogResult show(const FileDialogRequest& request) override;

    QList<FileDialogRequest> requests;

private:
    QQueue<FileDialogResult> m_answers;  // not accepted: cancelled
    QStringList m_unexpected;
    FileDialogs* m_previous;
};

}  // namespace kbs::test
