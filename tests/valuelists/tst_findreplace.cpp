// Find and replace in the editor's text box.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "EditorTextBox.h"
#include "FileListBox.h"
#include "TestEnv.h"
#include "frmEditor.h"
#include "frmFind.h"
#include "frmReplace.h"

using namespace kbs;

namespace {

const QString kNotFound = QStringLiteral("Sorry, string not found");

// The editor with `text` loaded from a list file. The search state lasts as long as the
// program: every case searches for a text of its own, or starts over, to begin at position 1.
struct Fixture {
    test::TestEnv env{false};
    frmEditor ed{QStringLiteral("Kerbside Manager v1.1")};
    QList<test::ScriptedPrompts::Shown>& shown = env.prompts().shown;
    explicit Fixture(const QString& text) {
        env.writeFile(QStringLiteral("list.ini"), (text + QStringLiteral("\r\n")).toUtf8());
        ed.lstSections->refresh();
        ed.show();
        ed.lstSections->setCurrentRow(0);
    }
    // Where the selection starts, and what it holds.
    QString selection() const {
        return QStringLiteral("%1: %2").arg(ed.txtIni->selStart()).arg(ed.txtIni->selText());
    }
    QString lastMessage() const { return shown.isEmpty() ? QString() : shown.last().text; }
};

void findNext(SearchDialog& dialog, const QString& text) {
    dialog.txtTextToFind->setText(text);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
}

void replaceAll(frmReplace& dialog, const QString& find, const QString& with) {
    dialog.txtTextToFind->setText(find);
    dialog.txtReplaceWith->setText(with);
    QTest::mouseClick(dialog.Command4, Qt::LeftButton);
}

}  // namespace

class TestFindReplace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findNextWalksForwardWithoutWrapping();
    void eachDialogKeepsItsOwnPlaceForTheProgramsLife();
    void replaceAllCountsEveryReplacement_data();
    void replaceAllCountsEveryReplacement();
    void replaceAllGoesOnAfterFindNextAsOneEdit();
    void replacePutsTheTextAtTheSelectionOrCaret();
    void replaceOpensWithTheEditorsSelection();
};

void TestFindReplace::findNextWalksForwardWithoutWrapping() {
    Fixture f(QStringLiteral("Red Blue red"));
    frmFind find(f.ed);
    findNext(find, "red");
    QCOMPARE(f.selection(), QStringLiteral("0: Red"));
    findNext(find, "red");
    QCOMPARE(f.selection(), QStringLiteral("9: red"));
    QVERIFY(f.shown.isEmpty());
    findNext(find, "red");
    findNext(find, "red");
    QCOMPARE(f.shown.size(), 2);
    QCOMPARE(f.shown[0].text, kNotFound);
    QCOMPARE(f.shown[0].title, QStringLiteral("Find"));
    QCOMPARE(f.shown[0].style, mb::OKOnly | mb::Exclamation);

    // After the failure a changed search text starts again at the beginning.
    findNext(find, "e");
    QCOMPARE(f.selection(), QStringLiteral("1: e"));
    findNext(find, "e");
    QCOMPARE(f.selection(), QStringLiteral("7: e"));
    // An empty search text finds nothing, and says nothing.
    findNext(find, QString());
    QCOMPARE(f.shown.size(), 2);
    QCOMPARE(f.selection(), QStringLiteral("7: e"));

    // With the case to match, only the exact case is found.
    find.Check1->setChecked(true);
    findNext(find, "red ");
    QCOMPARE(f.shown.size(), 3);
    findNext(find, "red");
    QCOMPARE(f.selection(), QStringLiteral("9: red"));
    // Clearing the box does not start over: only a changed search text does.
    find.Check1->setChecked(false);
    findNext(find, "red");
    QCOMPARE(f.shown.size(), 4);
    QCOMPARE(f.selection(), QStringLiteral("9: red"));
}

void TestFindReplace::eachDialogKeepsItsOwnPlaceForTheProgramsLife() {
    Fixture f(QStringLiteral("x1 x2 x3"));
    {
        frmFind find(f.ed);
        findNext(find, "x");
        QCOMPARE(f.selection(), QStringLiteral("0: x"));
    }
    {
        frmReplace replace(f.ed);
        findNext(replace, "x");
        QCOMPARE(f.selection(),
                 QStringLiteral("0: x"));  // the replace dialog has a place of its own
    }
    // Reopened, and with another file's text in the editor, Find goes on where it stopped.
    f.ed.txtIni->setText(QStringLiteral("x1 x2 x3 x4"));
    frmFind find(f.ed);
    QCOMPARE(find.txtTextToFind->text(), QString());
    findNext(find, "x");
    QCOMPARE(f.selection(), QStringLiteral("3: x"));
}

void TestFindReplace::replaceAllCountsEveryReplacement_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("exactCase");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("count");
    const auto row = [](const char* name, const QString& text, const char* find, const char* with,
                        bool exactCase, const QString& result, int count) {
        QTest::newRow(name) << text << QString(find) << QString(with) << exactCase << result
                            << count;
    };
    row("a by aa", "aaa", "a", "aa", false, "aaaaaa", 3);
    row("a by A, any case", "aAa", "a", "A", false, "AAA", 3);
    row("exact case", "aAa", "a", "b", true, "bAb", 2);
    row("no match", "Red Blue", "green", "x", false, "Red Blue", 0);
    row("empty search text", "abc", "", "z", false, "abc", 0);
    row("across lines", "Red\r\nred\r\nBlue", "RED", "Rot", false, "Rot\r\nRot\r\nBlue", 2);
    row("by nothing", "a-b-c", "-", "", false, "abc", 2);
    row("beyond 32767", QString(40000, QLatin1Char('x')), "x", "yz", false,
        QStringLiteral("yz").repeated(40000), 40000);
    // About 1 MB, in lines of ten characters.
    const QString lines = QStringLiteral("bbbbbbbqb\r\n").repeated(100000);
    row("100000 lines", lines, "q", "Q", false, QString(lines).replace('q', 'Q'), 100000);
}

void TestFindReplace::replaceAllCountsEveryReplacement() {
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, with);
    QFETCH(bool, exactCase);
    QFETCH(QString, result);
    QFETCH(int, count);
    Fixture f(text);
    frmReplace replace(f.ed);
    findNext(replace, QStringLiteral("no such text"));  // starts over
    f.env.prompts().reset();

    replace.Check1->setChecked(exactCase);
    replaceAll(replace, find, with);
    QCOMPARE(f.ed.txtIni->text(), result);
    QCOMPARE(f.shown.size(), 1);
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, %1 replacements made").arg(count));
    QCOMPARE(f.shown[0].title, QStringLiteral("Replace"));
    QCOMPARE(f.shown[0].style, mb::OKOnly | mb::Information);
}

void TestFindReplace::replaceAllGoesOnAfterFindNextAsOneEdit() {
    Fixture f(QStringLiteral("cat cat cat"));
    frmReplace replace(f.ed);
    findNext(replace, "cat");
    QCOMPARE(f.selection(), QStringLiteral("0: cat"));
    QVERIFY(f.ed.isSaved());
    replaceAll(replace, "cat", "dog");
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("cat dog dog"));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 2 replacements made"));
    QVERIFY(!f.ed.isSaved());

    // The search goes on after the text put in: nothing is left to find.
    replaceAll(replace, "cat", "dog");
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("cat dog dog"));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 0 replacements made"));
    // One Undo takes back the whole Replace All.
    f.ed.mnuEditUndo->trigger();
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("cat cat cat"));
}

void TestFindReplace::replacePutsTheTextAtTheSelectionOrCaret() {
    Fixture f(QStringLiteral("Red Blue"));
    frmReplace replace(f.ed);
    replace.txtReplaceWith->setText(QStringLiteral("Green"));
    f.ed.txtIni->select(4, 4);
    QTest::mouseClick(replace.Command3, Qt::LeftButton);
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("Red Green"));

    // No selection: at the caret. Replace neither searches nor checks.
    f.ed.txtIni->setSelStart(3);
    QTest::mouseClick(replace.Command3, Qt::LeftButton);
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("RedGreen Green"));
    QVERIFY(f.shown.isEmpty());
}

void TestFindReplace::replaceOpensWithTheEditorsSelection() {
    Fixture f(QStringLiteral("Metallic Red"));
    f.ed.txtIni->select(9, 3);
    // The editor shows each dialog modally; look at it while it is up.
    QString shownInBox;
    const auto lookAtDialog = [&shownInBox] {
        auto* dialog = qobject_cast<SearchDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownInBox = dialog->windowTitle() + ": " + dialog->txtTextToFind->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    QTimer::singleShot(0, lookAtDialog);
    f.ed.mnuEditReplace->trigger();
    QCOMPARE(shownInBox, QStringLiteral("Replace: Red"));

    // The find dialog opens empty, by its shortcut.
    f.ed.activateWindow();
    QTRY_VERIFY(f.ed.isActiveWindow());
    QTimer::singleShot(0, lookAtDialog);
    QTest::keyClick(f.ed.txtIni, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(shownInBox, QStringLiteral("Find: "));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
