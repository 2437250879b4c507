// The controls as the catalogue window and the value-list editor use them: the detail field
// and the file dialog control.
#include <QtTest>

#include "AppError.h"
#include "LimitedTextbox.h"
#include "OpenSaveDialog.h"
#include "ScriptedFileDialogs.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
const QString kImages = u"Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico"_s;
}  // namespace

class TestControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Typing, the program's own text (shown from its beginning, of any length), selection
    // and locking.
    void limitedTextboxContract() {
        QWidget host;
        auto* box = new LimitedTextbox(&host);
        host.show();
        QTest::keyClicks(box->textbox(), u"Dark red"_s);
        QCOMPARE(box->text(), u"Dark red"_s);
        box->setSelStart(5);
        box->setSelLength(99);
        QCOMPARE(box->textbox()->selectedText(), u"red"_s);
        QCOMPARE(box->selStart(), 5);
        QCOMPARE(box->selLength(), 3);
        QVERIFY_THROWS_EXCEPTION(AppError, box->setSelStart(-1));
        box->setLocked(true);
        QTest::keyClicks(box->textbox(), u"x"_s);
        QCOMPARE(box->text(), u"Dark red"_s);
        box->setLocked(false);
        box->setText(QString(300'000, u'9'));  // longer than a plain line edit takes
        QCOMPARE(box->text().size(), 300'000);
        QCOMPARE(box->textbox()->cursorPosition(), 0);
    }

    // What the picture choice and the editor set, what the dialog layer is asked, and what
    // comes back: the chosen file, nothing when cancelled, a failure for a path too long.
    void openSaveDialogContract() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        dlg->setInitDir(env.dir() + QLatin1Char('/'));
        dlg->setCancelError(false);
        dlg->setDialogTitle(u"Select picture for current record..."_s);
        dlg->setFilter(kImages);
        dialogs.chooseFile(env.path(u"car.jpg"_s));
        dlg->ShowOpen();
        const FileDialogRequest& r = dialogs.requests.first();
        QCOMPARE(r.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(r.title, u"Select picture for current record..."_s);
        QCOMPARE(r.initialDir, env.dir() + QLatin1Char('/'));
        QCOMPARE(filedialog::filterPairs(r.filter),
                 (QList<QPair<QString, QString>>{
                     {"Image Files (*.jpg, *.bmp, *.gif)", "*.jpg;*.bmp;*.gif;*.ico"}}));
        QCOMPARE(r.filterIndex, 1);
        QCOMPARE(dlg->fileName(), env.path(u"car.jpg"_s));

        dlg->setFilterIndex(2);
        dlg->setFileName(QString());
        dialogs.cancel();
        dlg->ShowSave();
        QCOMPARE(dialogs.requests[1].kind, FileDialogRequest::Kind::Save);
        QCOMPARE(dialogs.requests[1].filterIndex, 2);
        QCOMPARE(dlg->fileName(), QString());
        dlg->setFileName(u"earlier.jpg"_s);
        dialogs.chooseFile(u"/p/"_s + QString(257, QLatin1Char('x')));  // 260 characters
        dlg->ShowOpen();
        QCOMPARE(dlg->fileName(), u"earlier.jpg"_s);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
