// Find and replace in the editor's text box.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "EditorTextBox.h"
#include "FileListBox.h"
#include "TestEnv.h"
#include "frmEditor.h"
#include "frmFind.h"
#include "frmReplace.h"

using namespace kbs;

namespace {

// Every case searches for a text of its own, so that its search starts at position 1 whatever
// the cases before it left behind: the search state lasts as long as the program.
struct Fixture {
    test::TestEnv env{false};
    std::unique_ptr<frmEditor> editor;
    frmEditor& ed;
    // The editor with `text` loaded from a list file.
    explicit Fixture(const QString& text) : editor(makeEditor(env, text)), ed(*editor) {
        ed.show();
        ed.lstSections->setCurrentRow(0);
    }
    static std::unique_ptr<frmEditor> makeEditor(test::TestEnv& env, const QString& text) {
        env.writeFile(QStringLiteral("list.ini"), (text + QStringLiteral("\r\n")).toUtf8());
        return std::make_unique<frmEditor>(QStringLiteral("Kerbside Manager v1.1"));
    }
    QString selected() const { return ed.txtIni->selText(); }
    int selStart() const { return ed.txtIni->selStart(); }
    int messages() { return int(env.prompts().shown.size()); }
    QString lastMessage() {
        return env.prompts().shown.isEmpty() ? QString() : env.prompts().shown.last().text;
    }
};

void findNext(SearchDialog& dialog, const QString& text) {
    dialog.txtTextToFind->setText(text);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
}

// A search for a text used nowhere else, so that the next search text counts as changed
// and starts at position 1.
void startOver(SearchDialog& dialog, test::ScriptedPrompts& prompts) {
    dialog.txtTextToFind->setText(QStringLiteral("no such text"));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    prompts.reset();
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
    void caseSensitiveFindsOnlyTheExactCase();
    void eachDialogKeepsItsOwnPlaceForTheProgramsLife();
    void anEmptySearchTextFindsNothing();
    void replaceAllCountsEveryReplacement_data();
    void replaceAllCountsEveryReplacement();
    void replaceAllGoesOnAfterFindNext();
    void replaceAllIsOneEditThatMarksTheTextChanged();
    void replaceAllHandlesLargeTexts();
    void replacePutsTheTextAtTheSelectionOrCaret();
    void replaceOpensWithTheEditorsSelection();
};

void TestFindReplace::findNextWalksForwardWithoutWrapping() {
    Fixture f(QStringLiteral("Red Blue red"));
    frmFind find(f.ed);
    QCOMPARE(find.windowTitle(), QStringLiteral("Find"));
    QVERIFY(!find.Check1->isChecked());
    QVERIFY(find.Command1->isDefault());

    findNext(find, "red");
    QCOMPARE(f.selStart(), 0);
    QCOMPARE(f.selected(), QStringLiteral("Red"));
    findNext(find, "red");
    QCOMPARE(f.selStart(), 9);
    QCOMPARE(f.selected(), QStringLiteral("red"));
    QCOMPARE(f.messages(), 0);
    findNext(find, "red");
    findNext(find, "red");
    QCOMPARE(f.messages(), 2);
    QCOMPARE(f.env.prompts().shown[0].text, QStringLiteral("Sorry, string not found"));
    QCOMPARE(f.env.prompts().shown[0].title, QStringLiteral("Find"));
    QCOMPARE(f.env.prompts().shown[0].style, mb::OKOnly | mb::Exclamation);
    QCOMPARE(f.env.prompts().shown[1].text, QStringLiteral("Sorry, string not found"));

    // After the failure a changed search text starts again at the beginning.
    findNext(find, "e");
    QCOMPARE(f.selStart(), 1);
    findNext(find, "e");
    QCOMPARE(f.selStart(), 7);
}

void TestFindReplace::caseSensitiveFindsOnlyTheExactCase() {
    Fixture f(QStringLiteral("Red Blue red"));
    frmFind find(f.ed);
    find.Check1->setChecked(true);
    findNext(find, "red ");
    QCOMPARE(f.lastMessage(), QStringLiteral("Sorry, string not found"));
    findNext(find, "red");
    QCOMPARE(f.selStart(), 9);
    QCOMPARE(f.selected(), QStringLiteral("red"));

    // Clearing the box does not start over: only a changed search text does.
    find.Check1->setChecked(false);
    findNext(find, "red");
    QCOMPARE(f.lastMessage(), QStringLiteral("Sorry, string not found"));
    QCOMPARE(f.selStart(), 9);
}

void TestFindReplace::eachDialogKeepsItsOwnPlaceForTheProgramsLife() {
    Fixture f(QStringLiteral("x1 x2 x3"));
    {
        frmFind find(f.ed);
        findNext(find, "x");
        QCOMPARE(f.selStart(), 0);
    }
    {
        frmReplace replace(f.ed);
        findNext(replace, "x");
        QCOMPARE(f.selStart(), 0);  // the replace dialog has a place of its own
    }
    // Reopened, and with another file's text in the editor, Find goes on where it stopped.
    f.ed.txtIni->setText(QStringLiteral("x1 x2 x3 x4"));
    frmFind find(f.ed);
    QCOMPARE(find.txtTextToFind->text(), QString());
    findNext(find, "x");
    QCOMPARE(f.selStart(), 3);
    QCOMPARE(frmFind::searchState().lastSearch, QStringLiteral("x"));
    QCOMPARE(frmReplace::searchState().resumePosition, 2);
}

void TestFindReplace::anEmptySearchTextFindsNothing() {
    Fixture f(QStringLiteral("abc"));
    f.ed.txtIni->select(1, 1);
    frmFind find(f.ed);
    findNext(find, QString());
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.selStart(), 1);
    QCOMPARE(f.selected(), QStringLiteral("b"));

    frmReplace replace(f.ed);
    replaceAll(replace, QString(), QStringLiteral("z"));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 0 replacements made"));
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("abc"));
}

void TestFindReplace::replaceAllCountsEveryReplacement_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("exactCase");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("count");
    QTest::newRow("a by aa") << "aaa"
                             << "a"
                             << "aa" << false << "aaaaaa" << 3;
    QTest::newRow("a by A, any case") << "aAa"
                                      << "a"
                                      << "A" << false << "AAA" << 3;
    QTest::newRow("exact case") << "aAa"
                                << "a"
                                << "b" << true << "bAb" << 2;
    QTest::newRow("no match") << "Red Blue"
                              << "green"
                              << "x" << false << "Red Blue" << 0;
    QTest::newRow("across lines") << "Red\r\nred\r\nBlue"
                                  << "RED"
                                  << "Rot" << false << "Rot\r\nRot\r\nBlue" << 2;
    QTest::newRow("by nothing") << "a-b-c"
                                << "-"
                                << "" << false << "abc" << 2;
    QTest::newRow("beyond 32767") << QString(40000, QLatin1Char('x')) << "x"
                                  << "yz" << false << QStringLiteral("yz").repeated(40000) << 40000;
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
    startOver(replace, f.env.prompts());

    replace.Check1->setChecked(exactCase);
    replaceAll(replace, find, with);
    QCOMPARE(f.ed.txtIni->text(), result);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, %1 replacements made").arg(count));
    QCOMPARE(f.env.prompts().shown[0].title, QStringLiteral("Replace"));
    QCOMPARE(f.env.prompts().shown[0].style, mb::OKOnly | mb::Information);
}

void TestFindReplace::replaceAllGoesOnAfterFindNext() {
    Fixture f(QStringLiteral("cat cat cat"));
    frmReplace replace(f.ed);
    replace.txtTextToFind->setText(QStringLiteral("cat"));
    QTest::mouseClick(replace.Command1, Qt::LeftButton);
    QCOMPARE(f.selStart(), 0);
    replaceAll(replace, "cat", "dog");
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("cat dog dog"));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 2 replacements made"));

    // The search goes on after the text put in: nothing is left to find.
    replaceAll(replace, "cat", "dog");
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("cat dog dog"));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 0 replacements made"));
}

void TestFindReplace::replaceAllIsOneEditThatMarksTheTextChanged() {
    Fixture f(QStringLiteral("one two one two"));
    QVERIFY(f.ed.isSaved());
    frmReplace replace(f.ed);
    replaceAll(replace, "two", "2");
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("one 2 one 2"));
    QVERIFY(!f.ed.isSaved());
    f.ed.mnuEditUndo->trigger();
    QCOMPARE(f.ed.txtIni->text(), QStringLiteral("one two one two"));
}

void TestFindReplace::replaceAllHandlesLargeTexts() {
    // About 1 MB holding 100,000 occurrences of one letter, in lines of ten characters.
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("bbbbbbbqb\r\n");
    Fixture f(text);
    frmReplace replace(f.ed);
    QElapsedTimer timer;
    timer.start();
    replaceAll(replace, "q", "Q");
    qInfo("Replace All, %lld characters, 100000 matches: %lld ms",
          static_cast<long long>(text.size()), static_cast<long long>(timer.elapsed()));
    QCOMPARE(f.lastMessage(), QStringLiteral("Done replacing, 100000 replacements made"));
    const QString after = f.ed.txtIni->text();
    QCOMPARE(after.size(), text.size());
    QCOMPARE(after.count(QLatin1Char('Q')), 100000);
    QCOMPARE(after.count(QLatin1Char('q')), 0);
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
    QCOMPARE(f.messages(), 0);
}

void TestFindReplace::replaceOpensWithTheEditorsSelection() {
    Fixture f(QStringLiteral("Metallic Red"));
    f.ed.txtIni->select(9, 3);
    // The editor's Replace entry shows the dialog modally; look at it while it is up.
    QString shownInBox, title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmReplace*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        shownInBox = dialog->txtTextToFind->text();
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);
    });
    f.ed.mnuEditReplace->trigger();
    QCOMPARE(title, QStringLiteral("Replace"));
    QCOMPARE(shownInBox, QStringLiteral("Red"));

    // The find dialog opens empty, by its shortcut.
    f.ed.activateWindow();
    QTRY_VERIFY(f.ed.isActiveWindow());
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmFind*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownInBox = dialog->txtTextToFind->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(f.ed.txtIni, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(shownInBox, QString());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
