// The value-list editor: loading and saving through the list, the save questions, the Edit
// menu, find and replace, and keeping the collector's files intact.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "EditorTextBox.h"
#include "Faults.h"
#include "FileListBox.h"
#include "ScriptedFileDialogs.h"
#include "TestEnv.h"
#include "frmEditor.h"
#include "frmFind.h"
#include "frmReplace.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

const QString kMainCaption = u"Kerbside Manager v1.1"_s;
const QString kSaveFailed = u"There has been a error!"_s;

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

// The editor with `text` loaded from a list file and chosen, for finding and replacing.
struct Fixture : Editor {
    frmEditor& ed;
    QList<test::ScriptedPrompts::Shown>& shown;
    explicit Fixture(const QString& text)
        : Editor({{"list.ini", (text + u"\r\n"_s).toUtf8()}}),
          ed(*Editor::ed),
          shown(prompts.shown) {
        choose("list.ini");
    }
    // Where the selection starts, and what it holds.
    QString selection() const {
        return u"%1: %2"_s.arg(ed.txtIni->selStart()).arg(ed.txtIni->selText());
    }
};

void findNext(SearchDialog& dialog, const QString& text) {
    dialog.txtTextToFind->setText(text);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
}

// Replace All, which always ends with a message.
void replaceAll(test::TestEnv& env, frmReplace& dialog, const QString& find, const QString& with) {
    env.prompts().answerMsg(mb::OK);
    dialog.txtTextToFind->setText(find);
    dialog.txtReplaceWith->setText(with);
    QTest::mouseClick(dialog.Command4, Qt::LeftButton);
}

}  // namespace

using test::Fault;
Q_DECLARE_METATYPE(Fault)

class TestEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void listsTheIniFilesAndLoadsTheOneChosen() {
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
        QCOMPARE(ed.txtIni->text(), u"Want"_s);
        QVERIFY(ed.isSaved());
        QVERIFY(ed.txtIni->hasFocus());
    }

    void saveKeepsTheBytesAndEndsWithOneLineBreak_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, const QByteArray& bytes,
                            const QByteArray& saved = {}) {
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

    void saveKeepsTheBytesAndEndsWithOneLineBreak() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        Editor e({{"list.ini", bytes}});
        e.choose("list.ini");
        e.ed->mnuSave->trigger();
        QCOMPARE(e.env.readFile("list.ini"), saved);
        QVERIFY(e.ed->isSaved());

        // A line break typed at the end goes from the text as well as from the file.
        const QString text = e.ed->txtIni->text();
        e.typeAtEnd("\r");
        QCOMPARE(e.ed->txtIni->text(), text + "\r\n");
        e.ed->mnuSave->trigger();
        QCOMPARE(e.ed->txtIni->text(), text);
        QCOMPARE(e.env.readFile("list.ini"), saved);
    }

    void leavingUnsavedTextAsks_data() {
        QTest::addColumn<QString>("leave");  // by switching, by the Quit entry or by the close box
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("switch, No") << "switch" << int(mb::No) << QByteArray("a\r\n");
        QTest::newRow("switch, Yes") << "switch" << int(mb::Yes) << QByteArray("a1\r\n");
        QTest::newRow("Quit, No") << "Quit" << int(mb::No) << QByteArray("a\r\n");
        QTest::newRow("close box, Yes") << "close box" << int(mb::Yes) << QByteArray("a1\r\n");
    }

    void leavingUnsavedTextAsks() {
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
        QCOMPARE(e.prompts.shown.value(0).text, leave == "switch"
                                                    ? u"Do you wish to save your changes?"_s
                                                    : u"Quit -- Save changes?"_s);
        QCOMPARE(e.env.readFile("a.ini"), saved);
        QCOMPARE(e.ed->isVisible(), leave == "switch");
        if (leave == "switch") {
            QCOMPARE(e.ed->txtIni->text(), u"b"_s);
            QCOMPARE(frmEditor::currentFileName(), u"b.ini"_s);
            QVERIFY(e.ed->isSaved());
        }
    }

    void aFailedSaveKeepsTheListAndTheChanges_data() {
        // A read-only folder still lets the list itself be written in place; a save must not.
        QTest::addColumn<Fault>("fault");
        QTest::newRow("read-only folder") << Fault::ReadOnlyFolder;
        QTest::newRow("folder without write permission") << Fault::FolderWithoutWriteBits;
        QTest::newRow("read-only file") << Fault::ReadOnlyFile;
        QTest::newRow("full disk") << Fault::FullDisk;
    }

    void aFailedSaveKeepsTheListAndTheChanges() {
        QFETCH(Fault, fault);
        const QByteArray a("Red\r\nBlue\r\n");
        Editor e({{"a.ini", a}, {"b.ini", "b\r\n"}});
        frmEditor& ed = *e.ed;
        auto& shown = e.prompts.shown;
        test::ScriptedFileDialogs dialogs;
        e.choose("a.ini");
        QString more;
        for (int i = 0; i < 4000; ++i)
            more += u"\r\nColour %1"_s.arg(i);
        ed.txtIni->moveCursor(QTextCursor::End);
        ed.txtIni->insertPlainText(more);  // pasted
        {
            test::FaultScope scope(e.env, fault, e.env.path("a.ini"));
            if (!scope.ok())
                QSKIP("cannot set this fault up here");
            // Save, Save As over the list, and Yes to saving first on switching and on closing.
            for (const int answer : {mb::OK, mb::OK, mb::Yes, mb::OK, mb::Yes, mb::OK})
                e.prompts.answerMsg(answer);
            ed.mnuSave->trigger();
            dialogs.chooseFile(e.env.path("a.ini"));
            ed.mnuSaveAs->trigger();
            e.choose("b.ini");
            ed.close();
        }
        // Each said so and left the text unsaved, so that the next one asked again.
        QCOMPARE(shown.size(), 6);
        for (const int i : {0, 1, 3, 5}) {
            QCOMPARE(shown[i].text, kSaveFailed);
        }
        QVERIFY(!ed.isSaved());
        QVERIFY(ed.isVisible());
        QCOMPARE(ed.lstSections->fileName(), u"a.ini"_s);
        QCOMPARE(ed.txtIni->text(), "Red\r\nBlue" + more);
        QCOMPARE(e.env.readFile("a.ini"), a);
        QCOMPARE(filesIn(e.env), (QStringList{"a.ini", "b.ini"}));

        // Once the fault is gone the same save goes through, whole.
        ed.mnuSave->trigger();
        QVERIFY(ed.isSaved());
        QCOMPARE(e.env.readFile("a.ini"), ("Red\r\nBlue" + more + "\r\n").toLatin1());
    }

    void switchingKeepsTheFileThatIsShown() {
        Editor e({{"a.ini", "a\r\n"}, {"b.ini", "b\r\n"}});
        frmEditor& ed = *e.ed;
        e.choose("a.ini");
        // A file that cannot be loaded leaves the previous one.
        QVERIFY(QFile::remove(e.env.path("b.ini")));
        e.prompts.answerMsg(mb::OK);
        e.choose("b.ini");
        QCOMPARE(e.prompts.shown.value(0).text, u"File Not Found"_s);
        QCOMPARE(ed.txtIni->text(), u"a"_s);
        QCOMPARE(ed.lstSections->fileName(), u"a.ini"_s);
        QCOMPARE(frmEditor::currentFileName(), u"a.ini"_s);
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
        e.prompts.answerMsg(mb::OK);
        e.choose("a.ini");
        QCOMPARE(e.env.readFile("a.ini"), QByteArray("a1\r\n"));
        QCOMPARE(e.prompts.shown.last().text, kSaveFailed);
        QCOMPARE(e.ed->txtIni->text(), u"typed"_s);
        QCOMPARE(e.ed->lstSections->fileName(), QString());
    }

    void saveAsWritesElsewhereAndSaveStaysWithTheList() {
        Editor e({{"a.ini", "a\r\n"}});
        frmEditor& ed = *e.ed;
        test::ScriptedFileDialogs dialogs;
        e.choose("a.ini");
        e.typeAtEnd("1");
        dialogs.chooseFile(e.env.path("copy.ini"));
        ed.mnuSaveAs->trigger();
        QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
        QCOMPARE(e.env.readFile("a.ini"), QByteArray("a\r\n"));
        QVERIFY(ed.isSaved());

        // Save goes on writing to the file chosen in the list.
        e.typeAtEnd("2");
        ed.mnuSave->trigger();
        QCOMPARE(e.env.readFile("a.ini"), QByteArray("a12\r\n"));
        QCOMPARE(e.env.readFile("copy.ini"), QByteArray("a1\r\n"));
    }

    // ------------------------------------------------------------ find and replace
    // The search state lasts as long as the program: each case starts from none.
    void init() {
        frmFind::searchState() = {};
        frmReplace::searchState() = {};
    }

    void findNextWalksForwardWithoutWrapping() {
        Fixture f(u"Red Blue red"_s);
        frmFind find(f.ed);
        findNext(find, "red");
        QCOMPARE(f.selection(), u"0: Red"_s);
        findNext(find, "red");
        QCOMPARE(f.selection(), u"9: red"_s);
        f.env.prompts().answerMsg(mb::OK);
        f.env.prompts().answerMsg(mb::OK);
        findNext(find, "red");
        findNext(find, "red");
        QCOMPARE(f.shown.value(0).text, u"Sorry, string not found"_s);
    }

    void replaceAllCountsEveryReplacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("exactCase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        const auto row = [](const char* name, const QString& text, const char* find,
                            const char* with, bool exactCase, const QString& result, int count) {
            QTest::newRow(name) << text << QString(find) << QString(with) << exactCase << result
                                << count;
        };
        row("a by aa", "aaa", "a", "aa", false, "aaaaaa", 3);
        row("exact case", "aAa", "a", "b", true, "bAb", 2);
        row("empty search text", "abc", "", "z", false, "abc", 0);
        row("across lines", "Red\r\nred\r\nBlue", "RED", "Rot", false, "Rot\r\nRot\r\nBlue", 2);
        row("by nothing", "a-b-c", "-", "", false, "abc", 2);
        row("beyond 32767", QString(40000, QLatin1Char('x')), "x", "yz", false,
            u"yz"_s.repeated(40000), 40000);
        // About 1 MB, in lines of ten characters.
        const QString lines = u"bbbbbbbqb\r\n"_s.repeated(100000);
        row("100000 lines", lines, "q", "Q", false, QString(lines).replace('q', 'Q'), 100000);
    }

    void replaceAllCountsEveryReplacement() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(bool, exactCase);
        QFETCH(QString, result);
        QFETCH(int, count);
        Fixture f(text);
        frmReplace replace(f.ed);

        replace.Check1->setChecked(exactCase);
        replaceAll(f.env, replace, find, with);
        QCOMPARE(f.ed.txtIni->text(), result);
        QCOMPARE(f.shown.value(0).text, u"Done replacing, %1 replacements made"_s.arg(count));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
