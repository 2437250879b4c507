// The value-list editor: loading and saving through the list, the save questions, the Edit
// menu, and keeping the collector's files intact.
#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>

#include "EditorTextBox.h"
#include "FileChecksAsUser.h"
#include "FileListBox.h"
#include "ScriptedFileDialogs.h"
#include "TestEnv.h"
#include "frmEditor.h"

using namespace kbs;

namespace {

const QString kMainCaption = QStringLiteral("Kerbside Manager v1.1");
const QString kSaveFailed = QStringLiteral("There has been a error!");

// What stops a list in the program directory from being saved. A read-only folder still lets
// the list itself be written in place; a save must not do that.
enum class SaveFault { ReadOnlyFolder, FolderWithoutWriteBits, ReadOnlyFile, FullDisk };

// The fault, on the list `name`, while it lives. A full disk lets no file grow beyond a little
// more than the list is now.
class SaveFaultScope {
public:
    SaveFaultScope(test::TestEnv& env, SaveFault fault, const QString& name) {
        const QString path = fault == SaveFault::ReadOnlyFile ? env.path(name) : env.dir();
        if (fault == SaveFault::ReadOnlyFolder || fault == SaveFault::ReadOnlyFile) {
            m_ok = env.makeReadOnly(path);
            m_undo = [&env, path] { env.makeWritable(path); };
        } else if (fault == SaveFault::FolderWithoutWriteBits) {
            // The permission bits alone, which root passes unless its override is set aside.
            const auto bits = QFile::permissions(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            m_ok = m_asUser.emplace().ok();
            m_undo = [this, path, bits] {
                m_asUser.reset();
                QFile::setPermissions(path, bits);
            };
        } else {
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = rlim_t(QFileInfo(env.path(name)).size() + 1024);
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            m_ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
            m_undo = [old, handler] {
                setrlimit(RLIMIT_FSIZE, &old);
                std::signal(SIGXFSZ, handler);
            };
        }
    }
    ~SaveFaultScope() { m_undo(); }
    // False when the fault cannot be set up here.
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    std::optional<test::FileChecksAsUser> m_asUser;
    std::function<void()> m_undo;
};

// The names in the program directory, scratch files included.
QStringList filesIn(const test::TestEnv& env) {
    return QDir(env.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The editor, open over a program directory holding `files`.
struct Editor {
    test::TestEnv env{false};
    test::ScriptedPrompts& prompts = env.prompts();
    std::unique_ptr<frmEditor> ed;
    explicit Editor(std::initializer_list<std::pair<const char*, QByteArray>> files = {}) {
        for (const auto& [name, bytes] : files)
            env.writeFile(name, bytes);
        open();
    }
    void open() {
        ed = std::make_unique<frmEditor>(kMainCaption);
        ed->show();
        QVERIFY(QTest::qWaitForWindowExposed(ed.get()));
    }
    // Chooses a file in the list with the mouse, as the collector does.
    void choose(const QString& name) {
        const auto items = ed->lstSections->findItems(name, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(name));
        ed->lstSections->scrollToItem(items.first());
        QTest::mouseClick(ed->lstSections->viewport(), Qt::LeftButton, {},
                          ed->lstSections->visualItemRect(items.first()).center());
    }
    void typeAtEnd(const QString& text) {
        ed->txtIni->moveCursor(QTextCursor::End);
        QTest::keyClicks(ed->txtIni, text);
    }
};

}  // namespace

Q_DECLARE_METATYPE(SaveFault)

class TestEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsTheIniFilesAndLoadsTheOneChosen();
    void saveKeepsTheBytesAndEndsWithOneLineBreak_data();
    void saveKeepsTheBytesAndEndsWithOneLineBreak();
    void leavingUnsavedTextAsks_data();
    void leavingUnsavedTextAsks();
    void savedTextIsLeftWithoutAQuestion();
    void aFailedSaveKeepsTheListAndTheChanges_data();
    void aFailedSaveKeepsTheListAndTheChanges();
    void switchingKeepsTheFileThatIsShown();
    void editMenuAndItsKeys();
    void saveAsWritesElsewhereAndSaveStaysWithTheList();
    void insertFilePutsTheFileAtTheCaret();
    void resizingFollowsTheWindow();
};

void TestEditor::listsTheIniFilesAndLoadsTheOneChosen() {
    Editor e(
        {{"status.ini", "Want\r\n"}, {"Basecolor.INI", "Black\r\n"}, {"tip.txt", "A tip\r\n"}});
    QVERIFY(QDir(e.env.dir()).mkdir("folder.ini"));
    e.open();
    frmEditor& ed = *e.ed;
    QStringList listed;
    for (int i = 0; i < ed.lstSections->count(); ++i)
        listed << ed.lstSections->item(i)->text();
    QCOMPARE(listed, (QStringList{"Basecolor.INI", "status.ini"}));

    e.choose("status.ini");
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Want"));
    QVERIFY(ed.isSaved());
    QVERIFY(ed.txtIni->hasFocus());
    QVERIFY(e.prompts.shown.isEmpty());
}

void TestEditor::saveKeepsTheBytesAndEndsWithOneLineBreak_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");
    const auto row = [](const char* name, const QByteArray& bytes, const QByteArray& saved = {}) {
        QTest::newRow(name) << bytes << (saved.isEmpty() ? bytes : saved);
    };
    row("two lines", "a\r\nb\r\n");
    row("empty lines and spaces", " Red \r\n\r\n\r\nBlue\r\n");
    row("line break inside a line", "one\ntwo\r\nthree\r\n");
    row("Windows-1252", "Gr\xFCn\r\nCaf\xE9 \x80\x81\x8D\x8F\x90\x9D\r\n");
    row("UTF-8 with BOM", "\xEF\xBB\xBFGr\xC3\xBCn \xE2\x9C\x93\r\n\xF0\x9F\x9A\x97\r\n");
    row("UTF-8 line and paragraph separators", "a\342\200\250b\342\200\251c\r\n");
    row("terminator alone", "\r\n");
    row("no final terminator", "a\r\nb", "a\r\nb\r\n");
    row("zero bytes", "", "\r\n");
    row("lone CRs", "x\ry\r", "x\r\ny\r\n");
}

void TestEditor::saveKeepsTheBytesAndEndsWithOneLineBreak() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    Editor e({{"list.ini", bytes}});
    e.choose("list.ini");
    e.ed->mnuSave->trigger();
    QCOMPARE(e.env.readFile("list.ini"), saved);
    QVERIFY(e.ed->isSaved());
    QVERIFY(e.prompts.shown.isEmpty());

    // A line break typed at the end goes from the text as well as from the file.
    const QString text = e.ed->txtIni->text();
    e.typeAtEnd("\r");
    QCOMPARE(e.ed->txtIni->text(), text + "\r\n");
    e.ed->mnuSave->trigger();
    QCOMPARE(e.ed->txtIni->text(), text);
    QCOMPARE(e.env.readFile("list.ini"), saved);
}

void TestEditor::leavingUnsavedTextAsks_data() {
    QTest::addColumn<QString>("leave");  // by switching, by the Quit entry or by the close box
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("switch, No") << "switch" << int(mb::No) << QByteArray("a\r\n");
    QTest::newRow("switch, Yes") << "switch" << int(mb::Yes) << QByteArray("a1\r\n");
    QTest::newRow("Quit, No") << "Quit" << int(mb::No) << QByteArray("a\r\n");
    QTest::newRow("close box, Yes") << "close box" << int(mb::Yes) << QByteArray("a1\r\n");
}

void TestEditor::leavingUnsavedTextAsks() {
    QFETCH(QString, leave);
    QFETCH(int, answer);
    QFETCH(QByteArray, saved);
    Editor e({{"a.ini", "a\r\n"}, {"b.ini", "b\r\n"}});
    e.choose("a.ini");
    e.typeAtEnd("1");
    e.prompts.answerMsg(answer);
    if (leave == "switch")
        e.choose("b.ini");
    else if (leave == "Quit")
        e.ed->mnuQuit->trigger();
    else
        e.ed->close();
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].text, leave == "switch"
                                          ? QStringLiteral("Do you wish to save your changes?")
                                          : QStringLiteral("Quit -- Save changes?"));
    QCOMPARE(e.prompts.shown[0].title, kMainCaption);
    QCOMPARE(e.prompts.shown[0].style, mb::YesNo | mb::Critical);
    QCOMPARE(e.env.readFile("a.ini"), saved);
    QCOMPARE(e.ed->isVisible(), leave == "switch");
    if (leave == "switch") {
        QCOMPARE(e.ed->txtIni->text(), QStringLiteral("b"));
        QCOMPARE(frmEditor::currentFileName(), QStringLiteral("b.ini"));
        QVERIFY(e.ed->isSaved());
    }
}

void TestEditor::savedTextIsLeftWithoutAQuestion() {
    Editor e({{"a.ini", "a\r\n"}, {"b.ini", "b\r\n"}});
    e.choose("a.ini");
    e.choose("b.ini");
    QTest::keyClick(e.ed->txtIni, Qt::Key_Escape);  // which does not close the window
    QVERIFY(e.ed->isVisible());
    e.ed->close();
    QVERIFY(!e.ed->isVisible());
    QVERIFY(e.prompts.shown.isEmpty());
}

void TestEditor::aFailedSaveKeepsTheListAndTheChanges_data() {
    QTest::addColumn<SaveFault>("fault");
    QTest::newRow("read-only folder") << SaveFault::ReadOnlyFolder;
    QTest::newRow("folder without write permission") << SaveFault::FolderWithoutWriteBits;
    QTest::newRow("read-only file") << SaveFault::ReadOnlyFile;
    QTest::newRow("full disk") << SaveFault::FullDisk;
}

void TestEditor::aFailedSaveKeepsTheListAndTheChanges() {
    QFETCH(SaveFault, fault);
    const QByteArray a("Red\r\nBlue\r\n");
    Editor e({{"a.ini", a}, {"b.ini", "b\r\n"}});
    frmEditor& ed = *e.ed;
    auto& shown = e.prompts.shown;
    test::ScriptedFileDialogs dialogs;
    e.choose("a.ini");
    QString more;
    for (int i = 0; i < 4000; ++i)
        more += QStringLiteral("\r\nColour %1").arg(i);
    ed.txtIni->moveCursor(QTextCursor::End);
    ed.txtIni->insertPlainText(more);  // pasted
    {
        SaveFaultScope scope(e.env, fault, "a.ini");
        if (!scope.ok())
            QSKIP("cannot set this fault up here");
        // Save, Save As over the list, and Yes to saving first on switching and on closing.
        ed.mnuSave->trigger();
        dialogs.chooseFile(e.env.path("a.ini"));
        ed.mnuSaveAs->trigger();
        e.prompts.answerMsg(mb::Yes);
        e.choose("b.ini");
        e.prompts.answerMsg(mb::Yes);
        ed.close();
    }
    // Each said so and left the text unsaved, so that the next one asked again.
    QCOMPARE(shown.size(), 6);
    for (const int i : {0, 1, 3, 5}) {
        QCOMPARE(shown[i].text, kSaveFailed);
        QCOMPARE(shown[i].title, QStringLiteral("Error"));
        QCOMPARE(shown[i].style, int(mb::OKOnly));
    }
    QVERIFY(!ed.isSaved());
    QVERIFY(ed.isVisible());
    QCOMPARE(ed.lstSections->fileName(), QStringLiteral("a.ini"));
    QCOMPARE(ed.txtIni->text(), "Red\r\nBlue" + more);
    QCOMPARE(e.env.readFile("a.ini"), a);
    QCOMPARE(filesIn(e.env), (QStringList{"a.ini", "b.ini"}));

    // Once the fault is gone the same save goes through, whole.
    ed.mnuSave->trigger();
    QVERIFY(ed.isSaved());
    QCOMPARE(e.env.readFile("a.ini"), ("Red\r\nBlue" + more + "\r\n").toLatin1());
}

void TestEditor::switchingKeepsTheFileThatIsShown() {
    Editor e({{"a.ini", "a\r\n"}, {"b.ini", "b\r\n"}});
    frmEditor& ed = *e.ed;
    e.choose("a.ini");
    // A file that cannot be loaded leaves the previous one.
    QVERIFY(QFile::remove(e.env.path("b.ini")));
    e.choose("b.ini");
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].text, QStringLiteral("File Not Found"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("a"));
    QCOMPARE(ed.lstSections->fileName(), QStringLiteral("a.ini"));
    QCOMPARE(frmEditor::currentFileName(), QStringLiteral("a.ini"));
    QVERIFY(ed.isSaved());
    e.typeAtEnd("1");
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a1\r\n"));
    QVERIFY(!QFile::exists(e.env.path("b.ini")));

    // A new opening shows no file, though the current file name is still a.ini: switching
    // with Yes has nowhere to save its text.
    e.open();
    QTest::keyClicks(e.ed->txtIni, "typed");
    e.prompts.answerMsg(mb::Yes);
    e.choose("a.ini");
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a1\r\n"));
    QCOMPARE(e.prompts.shown.last().text, kSaveFailed);
    QCOMPARE(e.ed->txtIni->text(), QStringLiteral("typed"));
    QCOMPARE(e.ed->lstSections->fileName(), QString());
}

void TestEditor::editMenuAndItsKeys() {
    Editor e({{"a.ini", "Red\r\nBlue\r\n"}});
    frmEditor& ed = *e.ed;
    e.choose("a.ini");
    for (const bool selected : {false, true}) {
        ed.txtIni->select(0, selected ? 3 : 0);
        ed.mnuEdit->popup(QPoint(0, 0));
        QTRY_VERIFY(ed.mnuEdit->isVisible());
        ed.mnuEdit->hide();
        for (QAction* a : {ed.mnuEditCut, ed.mnuEditCopy, ed.mnuEditDelete})
            QCOMPARE(a->isEnabled(), selected);
        for (QAction* a :
             {ed.mnuEditUndo, ed.mnuEditPaste, ed.mnuEditAll, ed.mnuEditFind, ed.mnuEditReplace,
              ed.mnuEditInsertFile, ed.mnuSave, ed.mnuSaveAs, ed.mnuQuit})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    QClipboard* clipboard = QGuiApplication::clipboard();
    ed.txtIni->select(0, 5);  // "Red", the line break and "B"
    ed.mnuEditCopy->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("Red\r\nB"));
    QVERIFY(ed.isSaved());
    ed.txtIni->select(4, 4);
    ed.mnuEditCut->trigger();
    ed.txtIni->setSelStart(0);
    ed.mnuEditPaste->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("BlueRed\r\n"));
    QVERIFY(!ed.isSaved());
    ed.mnuEditUndo->trigger();
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red\r\n"));

    // Del is the menu's Delete: it takes the selection, and with none there is nothing to take.
    ed.txtIni->setSelStart(0);
    QTest::keyClick(ed.txtIni, Qt::Key_Delete);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red\r\n"));
    ed.txtIni->select(0, 1);
    QTest::keyClick(ed.txtIni, Qt::Key_Delete);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("ed\r\n"));
    ed.mnuEditAll->trigger();
    ed.mnuEditDelete->trigger();
    QCOMPARE(ed.txtIni->text(), QString());
}

void TestEditor::saveAsWritesElsewhereAndSaveStaysWithTheList() {
    Editor e({{"a.ini", "a\r\n"}});
    frmEditor& ed = *e.ed;
    test::ScriptedFileDialogs dialogs;
    e.choose("a.ini");
    e.typeAtEnd("1");
    dialogs.chooseFile(e.env.path("copy.ini"));
    ed.mnuSaveAs->trigger();
    QCOMPARE(dialogs.requests[0].kind, FileDialogRequest::Kind::Save);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Save as..."));
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));
    QVERIFY(ed.isSaved());

    // Save goes on writing to the file chosen in the list.
    e.typeAtEnd("2");
    ed.mnuSave->trigger();
    QCOMPARE(e.env.readFile("a.ini"), QByteArray("a12\r\n"));
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));

    // Cancelled: nothing is written, not even to the name chosen before.
    e.typeAtEnd("3");
    dialogs.cancel();
    ed.mnuSaveAs->trigger();
    QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
    QVERIFY(!ed.isSaved());
    QVERIFY(e.prompts.shown.isEmpty());
}

void TestEditor::insertFilePutsTheFileAtTheCaret() {
    Editor e({{"a.ini", "Red Blue\r\n"}, {"more.txt", "x\r\ny\r\n"}});
    frmEditor& ed = *e.ed;
    test::ScriptedFileDialogs dialogs;
    e.choose("a.ini");
    ed.txtIni->setSelStart(4);
    dialogs.chooseFile(e.env.path("more.txt"));
    ed.mnuEditInsertFile->trigger();
    QCOMPARE(dialogs.requests[0].kind, FileDialogRequest::Kind::Open);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Instert File"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("Red x\r\nyBlue"));
    QVERIFY(!ed.isSaved());

    // A selection is replaced. Ctrl+Ins is Insert File, not the text box's Copy.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ed.txtIni->select(0, 3);
    dialogs.chooseFile(e.env.path("more.txt"));
    QTest::keyClick(ed.txtIni, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(ed.txtIni->text(), QStringLiteral("x\r\ny x\r\nyBlue"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    // A file that cannot be read leaves the text and its selection.
    ed.txtIni->select(0, 1);
    dialogs.chooseFile(e.env.path("gone.txt"));
    ed.mnuEditInsertFile->trigger();
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].text, QStringLiteral("File Not Found"));
    QCOMPARE(ed.txtIni->text(), QStringLiteral("x\r\ny x\r\nyBlue"));
    QCOMPARE(ed.txtIni->selText(), QStringLiteral("x"));
}

void TestEditor::resizingFollowsTheWindow() {
    Editor e;
    frmEditor& ed = *e.ed;
    ed.resize(900, 600);
    QTRY_COMPARE(ed.client->width(), 900);
    // The text box takes the width beside the list, as high as the list, above a strip.
    QVERIFY(ed.lstSections->width() + ed.txtIni->width() > 880);
    QCOMPARE(ed.lstSections->height(), ed.txtIni->height());
    QVERIFY(ed.txtIni->height() > 500 && ed.txtIni->height() < ed.client->height());

    // Too small for that strip: the heights stay as they were, without a message.
    const int height = ed.txtIni->height();
    ed.resize(900, ed.menuBar->height() + 5);
    QTRY_VERIFY(ed.client->height() < 10);
    QCOMPARE(ed.txtIni->height(), height);
    QCOMPARE(ed.lstSections->height(), height);
    QVERIFY(e.prompts.shown.isEmpty());
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
