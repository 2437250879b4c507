// The value-list editor: loading and saving through the list, the save questions, the Edit
// menu, and keeping the collector's files intact.
#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <csignal>

#include "EditorTextBox.h"
#include "FileChecksAsUser.h"
#include "FileListBox.h"
#include "ScriptedFileDialogs.h"
#include "TestEnv.h"
#include "frmEditor.h"
#include "modTextboxFile.h"

using namespace kbs;

namespace {

const QString kMainCaption = QStringLiteral("Kerbside Manager v1.1");

// Chooses a file in the editor's list with the mouse, as the collector does.
void choose(frmEditor& ed, const QString& name) {
    const auto items = ed.lstSections->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    QListWidget* list = ed.lstSections;
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
}

// Types at the end of the text.
void typeAtEnd(frmEditor& ed, const QString& text) {
    ed.txtIni->moveCursor(QTextCursor::End);
    QTest::keyClicks(ed.txtIni, text);
}

struct Editor {
    test::TestEnv env{false};
    std::unique_ptr<frmEditor> ed;
    void open() {
        ed = std::make_unique<frmEditor>(kMainCaption);
        ed->show();
        QVERIFY(QTest::qWaitForWindowExposed(ed.get()));
    }
};

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensEmptyWithTheIniFilesOfTheProgramDirectory();
    void savingAnUnchangedFileKeepsItsBytes_data();
    void savingAnUnchangedFileKeepsItsBytes();
    void saveEndsTheFileWithOneLineBreak();
    void switchingAsksAboutUnsavedChanges();
    void closingAsksAboutUnsavedChanges();
    void aFailedSaveIsNotASave();
    void aReadOnlyProgramDirectoryKeepsTheListAndSaysSo();
    void aProgramDirectoryWithoutWritePermissionKeepsTheList();
    void aReadOnlyListKeepsItAndSaysSo();
    void aFullDiskKeepsTheListWhole();
    void aFileThatCannotBeLoadedLeavesThePreviousOne();
    void switchingWithNothingLoadedWritesNoOtherFile();
    void editMenuEnablesWhatTheSelectionAllows();
    void editCommandsWorkOnTheSelection();
    void delAndCtrlInsAreTheMenusKeys();
    void saveAsWritesElsewhereAndSaveStaysWithTheList();
    void insertFilePutsTheFileAtTheCaret();
    void resizingFollowsTheWindow();
};

void TestEditor::opensEmptyWithTheIniFilesOfTheProgramDirectory() {
    Editor e;
    e.env.writeFile("status.ini", "Want\r\n");
    e.env.writeFile("Basecolor.INI", "Black\r\n");
    e.env.writeFile("tip.txt", "A tip\r\n");
    QVERIFY(QDir(e.env.dir()).mkdir("folder.ini"));
    e.open();
    frmEditor& ed = *e.ed;

    QCOMPARE(ed.windowTitle(), QStringLiteral("Kerbside Manger Menu Editor"));
    QStringList listed;
    for (int i = 0; i < ed.lstSections->count(); ++i)
        listed << ed.lstSections->item(i)->text();
    QCOMPARE(listed, (QStringList{"Basecolor.INI", "status.ini"}));
    QCOMPARE(ed.lstSections->fileName(), QString());
    QCOMPARE(ed.txtIni->text(), QString());
    QVERIFY(ed.isSaved());
    QCOMPARE(ed.mnuFile->title(), QStringLiteral("&File"));
    QCOMPARE(ed.mnuEdit->title(), QStringLiteral("&Edit"));
    QCOMPARE(ed.mnuEditInsertFile->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QVERIFY(ed.mnuEditSep4->isSeparator());

    choose(ed, "status.ini");
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Want"));
    QVERIFY(ed.isSaved());
    QVERIFY(ed.txtIni->hasFocus());
    QVERIFY(e.env.prompts().shown.isEmpty());
}

void TestEditor::savingAnUnchangedFileKeepsItsBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two lines") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty lines and spaces") << QByteArray(" Red \r\n\r\n\r\nBlue\r\n");
    QTest::newRow("line break inside a line") << QByteArray("one\ntwo\r\nthree\r\n");
    QTest::newRow("Windows-1252") << QByteArray("Gr\xFCn\r\nCaf\xE9 \x80\x81\x8D\x8F\x90\x9D\r\n");
    QTest::newRow("UTF-8 with BOM") << QByteArray(
        "\xEF\xBB\xBF"
        "Gr\xC3\xBCn \xE2\x9C\x93\r\n\xF0\x9F\x9A\x97\r\n");
    QTest::newRow("UTF-8 line and paragraph separators") << QByteArray(
        "a\xE2\x80\xA8"
        "b\xE2\x80\xA9"
        "c\r\n");
    QTest::newRow("terminator alone") << QByteArray("\r\n");
}

void TestEditor::savingAnUnchangedFileKeepsItsBytes() {
    QFETCH(QByteArray, bytes);
    Editor e;
    e.env.writeFile("list.ini", bytes);
    e.open();
    choose(*e.ed, "list.ini");
    e.ed->mnuSave->trigger();
    QCOMPARE(e.env.readFile("list.ini"), bytes);
    QVERIFY(e.ed->isSaved());
    QVERIFY(e.env.prompts().shown.isEmpty());
}

void TestEditor::saveEndsTheFileWithOneLineBreak() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\nb");
    e.env.writeFile("empty.ini", "");
    e.env.writeFile("cr.ini", "x\ry\r");
    e.open();
    frmEditor& ed = *e.ed;

    choose(ed, "a.ini");
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a\r\nb"));
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\nb\r\n"));

    // A line break typed at the end goes from the text as well as from the file.
    ed.txtIni->moveCursor(QTextCursor::End);
    QTest::keyClick(ed.txtIni, Qt::Key_Return);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a\r\nb\r\n"));
    ed.mnuSave->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a\r\nb"));
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\nb\r\n"));
    QVERIFY(ed.isSaved());

    choose(ed, "empty.ini");
    QCOMPARE(ed.txtIni->text(), QString());
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("empty.ini"), QByteArray("\r\n"));

    choose(ed, "cr.ini");
    QCOMPARE(ed.txtIni->text(), QStringLiteral("x\r\ny"));
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("cr.ini"), QByteArray("x\r\ny\r\n"));

    // A 1252 file that gains a character the code page lacks is written as UTF-8.
    e.env.writeFile("cp.ini", "Gr\xFCn\r\n");
    ed.lstSections->refresh();
    choose(ed, "cp.ini");
    ed.txtIni->moveCursor(QTextCursor::End);
    ed.txtIni->insertPlainText(QStringLiteral(" ✓"));  // typed with an input method
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("cp.ini"), QByteArray("Gr\xC3\xBCn \xE2\x9C\x93\r\n"));
}

void TestEditor::switchingAsksAboutUnsavedChanges() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    e.env.writeFile("b.ini", "b\r\n");
    e.env.writeFile("c.ini", "c\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    auto& prompts = e.env.prompts();

    choose(ed, "a.ini");
    typeAtEnd(ed, "1");
    QVERIFY(!ed.isSaved());
    prompts.answerMsg(mb::No);
    choose(ed, "b.ini");
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].text, QStringLiteral("Do you wish to save your changes?"));
    QCOMPARE(prompts.shown[0].title, kMainCaption);
    QCOMPARE(prompts.shown[0].style, mb::YesNo | mb::Critical);
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("b"));
    QVERIFY(ed.isSaved());

    typeAtEnd(ed, "2");
    prompts.answerMsg(mb::Yes);
    choose(ed, "c.ini");
    QCOMPARE(e.env.readFile("b.ini"), QByteArray("b2\r\n"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("c"));
    QCOMPARE(frmEditor::currentFileName(), QStringLiteral("c.ini"));
    QVERIFY(ed.isSaved());

    // Saved text switches without a question.
    choose(ed, "a.ini");
    QCOMPARE(prompts.shown.size(), 2);
    QVERIFY(prompts.unexpected.isEmpty());
}

void TestEditor::closingAsksAboutUnsavedChanges() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    e.open();
    choose(*e.ed, "a.ini");
    typeAtEnd(*e.ed, "1");
    e.env.prompts().answerMsg(mb::No);
    e.ed->mnuQuit->trigger();
    QVERIFY(!e.ed->isVisible());
    QCOMPARE(e.env.prompts().shown.size(), 1);
    QCOMPARE(e.env.prompts().shown[0].text, QStringLiteral("Quit -- Save changes?"));
    QCOMPARE(e.env.prompts().shown[0].title, kMainCaption);
    QCOMPARE(e.env.prompts().shown[0].style, mb::YesNo | mb::Critical);
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));

    e.open();
    choose(*e.ed, "a.ini");
    typeAtEnd(*e.ed, "2");
    e.env.prompts().answerMsg(mb::Yes);
    e.ed->close();  // the close box
    QVERIFY(!e.ed->isVisible());
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a2\r\n"));

    // Escape does not close the window; with nothing to save, closing asks nothing.
    e.open();
    QTest::keyClick(e.ed->txtIni, Qt::Key_Escape);
    QVERIFY(e.ed->isVisible());
    e.ed->close();
    QVERIFY(!e.ed->isVisible());
    QCOMPARE(e.env.prompts().shown.size(), 2);
}

void TestEditor::aFailedSaveIsNotASave() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    e.env.writeFile("b.ini", "b\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    auto& prompts = e.env.prompts();
    choose(ed, "a.ini");
    typeAtEnd(ed, "1");
    // The file turns into a folder behind the editor's back: it cannot be written, whoever
    // runs the test.
    QVERIFY(QFile::remove(e.env.path("a.ini")));
    QVERIFY(QDir(e.env.dir()).mkdir("a.ini"));

    ed.mnuSave->trigger();
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].text, QStringLiteral("There has been a error!"));
    QCOMPARE(prompts.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(prompts.shown[0].style, int(mb::OKOnly));
    QVERIFY(!ed.isSaved());

    // Switching asks; Yes fails to write, and the edits stay where they are.
    prompts.answerMsg(mb::Yes);
    choose(ed, "b.ini");
    QCOMPARE(prompts.shown.size(), 3);
    QCOMPARE(prompts.shown[2].text, QStringLiteral("There has been a error!"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a1"));
    QCOMPARE(ed.lstSections->fileName(), QStringLiteral("a.ini"));
    QVERIFY(!ed.isSaved());

    // Closing asks; Yes fails to write and the window stays open; No closes it.
    prompts.answerMsg(mb::Yes);
    ed.close();
    QVERIFY(ed.isVisible());
    QCOMPARE(prompts.shown.size(), 5);
    QCOMPARE(prompts.shown[3].text, QStringLiteral("Quit -- Save changes?"));
    prompts.answerMsg(mb::No);
    ed.close();
    QVERIFY(!ed.isVisible());
    QCOMPARE(prompts.unusedAnswers(), 0);
}

namespace {

// The save failed as the collector sees it: the editor said so, and the text is unsaved.
void saidTheSaveFailed(Editor& e, qsizetype shownBefore) {
    const auto& shown = e.env.prompts().shown;
    QCOMPARE(shown.size(), shownBefore + 1);
    QCOMPARE(shown.last().text, QStringLiteral("There has been a error!"));
    QCOMPARE(shown.last().title, QStringLiteral("Error"));
    QCOMPARE(shown.last().style, int(mb::OKOnly));
    QVERIFY(!e.ed->isSaved());
}

// Stops the test at the first check that fails.
#define SAID_THE_SAVE_FAILED(e, shownBefore) \
    do {                                     \
        saidTheSaveFailed(e, shownBefore);   \
        if (QTest::currentTestFailed())      \
            return;                          \
    } while (false)

QStringList filesIn(const test::TestEnv& env) {
    return QDir(env.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace

void TestEditor::aReadOnlyProgramDirectoryKeepsTheListAndSaysSo() {
    Editor e;
    const QByteArray a("Red\r\nBlue\r\n");
    e.env.writeFile("a.ini", a);
    e.env.writeFile("b.ini", "b\r\n");
    test::ScriptedFileDialogs dialogs;
    e.open();
    frmEditor& ed = *e.ed;
    auto& prompts = e.env.prompts();
    choose(ed, "a.ini");
    typeAtEnd(ed, "");
    QTest::keyClick(ed.txtIni, Qt::Key_Return);
    QTest::keyClicks(ed.txtIni, "Green");
    if (!e.env.makeReadOnly(e.env.dir()))
        QSKIP("cannot make a folder read-only here");

    // Save: the list could be written in place, but only a whole save will do.
    prompts.answerMsg(mb::OK);
    ed.mnuSave->trigger();
    SAID_THE_SAVE_FAILED(e, 0);

    // Save as, over the same list and under a new name.
    prompts.answerMsg(mb::OK);
    dialogs.chooseFile(e.env.path("a.ini"));
    ed.mnuSaveAs->trigger();
    SAID_THE_SAVE_FAILED(e, 1);
    prompts.answerMsg(mb::OK);
    dialogs.chooseFile(e.env.path("copy.ini"));
    ed.mnuSaveAs->trigger();
    SAID_THE_SAVE_FAILED(e, 2);

    // Switching and saving the changes first: the changes stay where they are.
    prompts.answerMsg(mb::Yes);
    prompts.answerMsg(mb::OK);
    choose(ed, "b.ini");
    SAID_THE_SAVE_FAILED(e, 4);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red\r\nBlue\r\nGreen"));
    QCOMPARE(ed.lstSections->fileName(), QStringLiteral("a.ini"));

    e.env.makeWritable(e.env.dir());
    QCOMPARE(e.env.readFile("a.ini"), a);
    QCOMPARE(filesIn(e.env), (QStringList{"a.ini", "b.ini"}));
    QCOMPARE(prompts.unusedAnswers(), 0);
    QCOMPARE(dialogs.unusedAnswers(), 0);

    // Once the folder can be written again, the same save goes through.
    ed.mnuSave->trigger();
    QVERIFY(ed.isSaved());
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("Red\r\nBlue\r\nGreen\r\n"));
}

void TestEditor::aProgramDirectoryWithoutWritePermissionKeepsTheList() {
    Editor e;
    const QByteArray a("Red\r\nBlue\r\n");
    e.env.writeFile("a.ini", a);
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    typeAtEnd(ed, " and Green");
    const auto writable = QFile::permissions(e.env.dir());
    QVERIFY(QFile::setPermissions(e.env.dir(), QFile::ReadOwner | QFile::ExeOwner |
                                                   QFile::ReadGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::ExeOther));
    bool checked = false;
    {
        test::FileChecksAsUser asUser;
        if (asUser.ok()) {
            checked = true;
            e.env.prompts().answerMsg(mb::OK);
            ed.mnuSave->trigger();
        }
    }
    QVERIFY(QFile::setPermissions(e.env.dir(), writable));
    if (!checked)
        QSKIP("cannot set aside root's file permission override here");
    SAID_THE_SAVE_FAILED(e, 0);
    QCOMPARE(e.env.readFile("a.ini"), a);
    QCOMPARE(filesIn(e.env), QStringList{"a.ini"});
}

void TestEditor::aReadOnlyListKeepsItAndSaysSo() {
    Editor e;
    const QByteArray a("Red\r\nBlue\r\n");
    e.env.writeFile("a.ini", a);
    test::ScriptedFileDialogs dialogs;
    e.open();
    frmEditor& ed = *e.ed;
    auto& prompts = e.env.prompts();
    choose(ed, "a.ini");
    typeAtEnd(ed, "");
    QTest::keyClick(ed.txtIni, Qt::Key_Return);
    QTest::keyClicks(ed.txtIni, "Green");
    if (!e.env.makeReadOnly(e.env.path("a.ini")))
        QSKIP("cannot make a file read-only here");

    prompts.answerMsg(mb::OK);
    ed.mnuSave->trigger();
    SAID_THE_SAVE_FAILED(e, 0);
    prompts.answerMsg(mb::OK);
    dialogs.chooseFile(e.env.path("a.ini"));
    ed.mnuSaveAs->trigger();
    SAID_THE_SAVE_FAILED(e, 1);

    // Closing and saving: the window stays open with the changes.
    prompts.answerMsg(mb::Yes);
    prompts.answerMsg(mb::OK);
    ed.close();
    QVERIFY(ed.isVisible());
    SAID_THE_SAVE_FAILED(e, 3);

    e.env.makeWritable(e.env.path("a.ini"));
    QCOMPARE(e.env.readFile("a.ini"), a);
    QCOMPARE(filesIn(e.env), QStringList{"a.ini"});
    QCOMPARE(prompts.unusedAnswers(), 0);
    QCOMPARE(dialogs.unusedAnswers(), 0);
}

void TestEditor::aFullDiskKeepsTheListWhole() {
    Editor e;
    const QByteArray a("Red\r\nBlue\r\n");
    e.env.writeFile("a.ini", a);
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    QString more;
    for (int i = 0; i < 4000; ++i)
        more += QStringLiteral("\r\nColour %1").arg(i);
    ed.txtIni->moveCursor(QTextCursor::End);
    ed.txtIni->insertPlainText(more);  // pasted
    QVERIFY(!ed.isSaved());

    // No file may grow beyond a little more than the list is now.
    struct rlimit old {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(a.size() + 1024);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    e.env.prompts().answerMsg(mb::OK);
    ed.mnuSave->trigger();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    SAID_THE_SAVE_FAILED(e, 0);
    QCOMPARE(e.env.readFile("a.ini"), a);
    QCOMPARE(filesIn(e.env), QStringList{"a.ini"});

    // With room again the text is saved whole.
    ed.mnuSave->trigger();
    QVERIFY(ed.isSaved());
    QCOMPARE(e.env.readFile("a.ini"), ("Red\r\nBlue" + more + "\r\n").toLatin1());
}

void TestEditor::aFileThatCannotBeLoadedLeavesThePreviousOne() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    e.env.writeFile("b.ini", "b\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    QVERIFY(QFile::remove(e.env.path("b.ini")));

    choose(ed, "b.ini");
    QCOMPARE(e.env.prompts().shown.size(), 1);
    QCOMPARE(e.env.prompts().shown[0].text, QStringLiteral("File Not Found"));
    QCOMPARE(e.env.prompts().shown[0].title, QStringLiteral("Error"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a"));
    QCOMPARE(ed.lstSections->fileName(), QStringLiteral("a.ini"));
    QCOMPARE(frmEditor::currentFileName(), QStringLiteral("a.ini"));
    QVERIFY(ed.isSaved());

    // Save still writes to the file that is shown.
    typeAtEnd(ed, "1");
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a1\r\n"));
    QVERIFY(!QFile::exists(e.env.path("b.ini")));
}

void TestEditor::switchingWithNothingLoadedWritesNoOtherFile() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    e.env.writeFile("b.ini", "b\r\n");
    e.open();
    choose(*e.ed, "a.ini");
    e.open();  // a new opening: empty, yet the current file name is still a.ini
    QCOMPARE(frmEditor::currentFileName(), QStringLiteral("a.ini"));
    QCOMPARE(e.ed->txtIni->text(), QString());
    QCOMPARE(e.ed->lstSections->fileName(), QString());
    QTest::keyClicks(e.ed->txtIni, "typed");
    e.env.prompts().answerMsg(mb::Yes);
    choose(*e.ed, "b.ini");
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));
    QCOMPARE(e.env.prompts().shown.last().text, QStringLiteral("There has been a error!"));
    QCOMPARE(e.ed->txtIni->text(), QStringLiteral("typed"));
    QCOMPARE(e.ed->lstSections->fileName(), QString());
}

void TestEditor::editMenuEnablesWhatTheSelectionAllows() {
    Editor e;
    e.env.writeFile("a.ini", "Red\r\nBlue\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");

    ed.mnuEdit->popup(QPoint(0, 0));
    QTRY_VERIFY(ed.mnuEdit->isVisible());
    ed.mnuEdit->hide();
    for (QAction* a : {ed.mnuEditCut, ed.mnuEditCopy, ed.mnuEditDelete})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    for (QAction* a :
         {ed.mnuEditUndo, ed.mnuEditPaste, ed.mnuEditAll, ed.mnuEditFind, ed.mnuEditReplace,
          ed.mnuEditInsertFile, ed.mnuSave, ed.mnuSaveAs, ed.mnuQuit})
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));

    ed.txtIni->select(0, 3);
    ed.mnuEdit->popup(QPoint(0, 0));
    QTRY_VERIFY(ed.mnuEdit->isVisible());
    ed.mnuEdit->hide();
    for (QAction* a : {ed.mnuEditCut, ed.mnuEditCopy, ed.mnuEditDelete})
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
}

void TestEditor::editCommandsWorkOnTheSelection() {
    Editor e;
    e.env.writeFile("a.ini", "Red\r\nBlue\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    QClipboard* clipboard = QGuiApplication::clipboard();

    ed.txtIni->select(0, 5);  // "Red", the line break and "B"
    ed.mnuEditCopy->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("Red\r\nB"));
    QVERIFY(ed.isSaved());

    ed.txtIni->select(4, 4);
    ed.mnuEditCut->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("Blue"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red\r\n"));
    QVERIFY(!ed.isSaved());

    ed.txtIni->setSelStart(0);
    ed.mnuEditPaste->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("BlueRed\r\n"));

    ed.mnuEditUndo->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red\r\n"));

    ed.mnuEditAll->trigger();
    QCOMPARE(ed.txtIni->selText(), QStringLiteral("Red\r\n"));
    ed.mnuEditDelete->trigger();
    QCOMPARE(ed.txtIni->text(), QString());
}

void TestEditor::delAndCtrlInsAreTheMenusKeys() {
    Editor e;
    e.env.writeFile("a.ini", "Red\r\n");
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    ed.txtIni->setSelStart(0);

    // Del is the menu's Delete: it takes the selection, and with none there is nothing to take.
    QTest::keyClick(ed.txtIni, Qt::Key_Delete);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red"));
    ed.txtIni->select(0, 1);
    QTest::keyClick(ed.txtIni, Qt::Key_Delete);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("ed"));

    // Ctrl+Ins is Insert File, not the text box's Copy: the clipboard is left alone.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ed.txtIni->select(0, 2);
    bool inserting = false;
    connect(ed.mnuEditInsertFile, &QAction::triggered, [&] { inserting = true; });
    QTest::keyClick(ed.txtIni, Qt::Key_Insert, Qt::ControlModifier);
    QVERIFY(inserting);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

void TestEditor::resizingFollowsTheWindow() {
    Editor e;
    e.open();
    frmEditor& ed = *e.ed;
    const int listWidth = ed.lstSections->width();
    const int textLeft = ed.txtIni->x();

    ed.resize(900, 600);
    QTRY_COMPARE(ed.client->width(), 900);
    const int gap = ed.client->height() - ed.txtIni->height();
    QCOMPARE(ed.lstSections->height(), ed.txtIni->height());
    QVERIFY(gap > 0 && gap < 40);                                       // 300 twips
    const int gapBesideList = qRound(100 * ed.logicalDpiX() / 1440.0);  // 100 twips
    QCOMPARE(ed.txtIni->width(), 900 - listWidth - gapBesideList);
    QCOMPARE(ed.mid->height(), ed.txtIni->height());
    QCOMPARE(ed.split->height(), ed.txtIni->height());
    QCOMPARE(ed.txtIni->x(), textLeft);

    // Too small for the bottom gap: the heights stay as they were, without a message.
    const int height = ed.txtIni->height();
    ed.resize(900, ed.menuBar->height() + 5);
    QTRY_VERIFY(ed.client->height() < gap);
    QCOMPARE(ed.txtIni->height(), height);
    QCOMPARE(ed.lstSections->height(), height);
    QVERIFY(e.env.prompts().shown.isEmpty());
}

void TestEditor::saveAsWritesElsewhereAndSaveStaysWithTheList() {
    Editor e;
    e.env.writeFile("a.ini", "a\r\n");
    test::ScriptedFileDialogs dialogs;
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");
    typeAtEnd(ed, "1");

    dialogs.chooseFile(e.env.path("copy.ini"));
    ed.mnuSaveAs->trigger();
    QCOMPARE(dialogs.requests.size(), 1);
    QCOMPARE(dialogs.requests[0].kind, FileDialogRequest::Kind::Save);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Save as..."));
    QCOMPARE(dialogs.requests[0].filter,
             QStringLiteral("All Files(*.*)|*.*|Ini File(*.ini)|*.ini|").replace('|', QChar(0)) +
                 QChar(0));
    QCOMPARE(dialogs.requests[0].filterIndex, 2);
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));
    QVERIFY(ed.isSaved());
    QVERIFY(ed.lstSections->findItems("copy.ini", Qt::MatchExactly).isEmpty());

    // Save goes on writing to the file chosen in the list.
    typeAtEnd(ed, "2");
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a12\r\n"));
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));

    // Cancelled: nothing is written, not even to the name chosen before.
    typeAtEnd(ed, "3");
    dialogs.cancel();
    ed.mnuSaveAs->trigger();
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
    QVERIFY(!ed.isSaved());
    QVERIFY(e.env.prompts().shown.isEmpty());
}

void TestEditor::insertFilePutsTheFileAtTheCaret() {
    Editor e;
    e.env.writeFile("a.ini", "Red Blue\r\n");
    e.env.writeFile("more.txt", "x\r\ny\r\n");
    test::ScriptedFileDialogs dialogs;
    e.open();
    frmEditor& ed = *e.ed;
    choose(ed, "a.ini");

    ed.txtIni->setSelStart(4);
    dialogs.chooseFile(e.env.path("more.txt"));
    ed.mnuEditInsertFile->trigger();
    QCOMPARE(dialogs.requests[0].kind, FileDialogRequest::Kind::Open);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Instert File"));
    QCOMPARE(dialogs.requests[0].filterIndex, 2);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red x\r\nyBlue"));
    QVERIFY(!ed.isSaved());

    // A selection is replaced.
    ed.txtIni->select(0, 3);
    dialogs.chooseFile(e.env.path("more.txt"));
    ed.mnuEditInsertFile->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("x\r\ny x\r\nyBlue"));

    // Cancelled, or a file that cannot be read: the text and its selection stay.
    ed.txtIni->select(0, 1);
    dialogs.cancel();
    ed.mnuEditInsertFile->trigger();
    dialogs.chooseFile(e.env.path("gone.txt"));
    ed.mnuEditInsertFile->trigger();
    QCOMPARE(e.env.prompts().shown.size(), 1);
    QCOMPARE(e.env.prompts().shown[0].text, QStringLiteral("File Not Found"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("x\r\ny x\r\nyBlue"));
    QCOMPARE(ed.txtIni->selText(), QStringLiteral("x"));
    QCOMPARE(dialogs.unusedAnswers(), 0);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
