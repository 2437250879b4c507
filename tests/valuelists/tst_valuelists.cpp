// Value-list files: the line rules, the encodings, writing. Pick menus: the entry array over
// a menu and its rebuild from a value-list file, and the scrolling list that stands in for the
// menu when a list is long.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTest>
#include <functional>
#include <memory>

#include "AppError.h"
#include "TestEnv.h"
#include "TextCodec.h"
#include "ValueListFile.h"
#include "mod_Menu_File.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// A pick menu as the catalogue window holds it, one template entry with an empty caption, and
// the field its entry handler fills with the chosen entry's value.
struct PickMenu {
    test::TestEnv env{false};
    QMenu menu{u"Colors"_s};
    std::unique_ptr<MenuEntryArray> entries;
    QLineEdit field{u"before"_s};
    QList<int> clicks;
    PickMenu() {
        menu.addAction(QString())->setObjectName(u"mnuColor_0"_s);
        entries = std::make_unique<MenuEntryArray>(&menu, u"mnuColor"_s);
        QObject::connect(entries.get(), &MenuEntryArray::Click, &field, [this](int index) {
            clicks << index;
            field.setText(entries->caption(index));
        });
    }
    // Writes the list file and rebuilds the menu from it, as a click on the menu does.
    void load(const QByteArray& bytes) {
        env.writeFile("list.ini", bytes);
        reload();
    }
    void reload() { LoadMenuFromFile(*entries, env.path("list.ini")); }
    // What the menu shows, in its order.
    QStringList shown() const {
        QStringList out;
        for (QAction* a : menu.actions()) {
            if (a->isVisible())
                out << a->text();
        }
        return out;
    }
    // Pops the pick menu up at the pointer and lets `act` work on whatever popped up, as the
    // person at the screen would; the index popupAtPointer() gives back (-3: nothing came up).
    int popUp(const std::function<void(QWidget*)>& act) {
        int index = -2;
        if (!test::meetModal([&] { index = entries->popupAtPointer(); }, act))
            return -3;
        return index;
    }
};

// A list of `lines` plain values.
QByteArray longListBytes(int lines) {
    QByteArray bytes;
    for (int line = 1; line <= lines; ++line)
        bytes += u"Colour %1\r\n"_s.arg(line, 5, 10, QLatin1Char('0')).toUtf8();
    return bytes;
}

}  // namespace

class TestValueLists : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void rebuildsFromTheListEachTime() {
        PickMenu pick;
        pick.load("Smith & Co\r\n\r\n-\r\n Blue \r\nA\tB\r\nline\nbreak\r\n");
        pick.reload();
        QCOMPARE(pick.entries->count(), 7);
        QVERIFY(!pick.entries->isVisible(0));
        // What a menu would take for markup is shown as text.
        QCOMPARE(pick.shown(),
                 (QStringList{"Smith && Co", "", "-", " Blue ", "A B", "line\u00B6break"}));
        // Each entry gives its own index, and the field the value as read.
        QStringList chosen;
        for (int i = 1; i < 7; ++i) {
            pick.entries->entry(i)->trigger();
            chosen << pick.field.text();
        }
        QCOMPARE(pick.clicks, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(chosen, (QStringList{"Smith & Co", "", "-", " Blue ", "A\tB", "line\nbreak"}));

        // The list shrank in the editor: the next click shows the two values left.
        pick.load("Want\r\nHave\r\n");
        QCOMPARE(pick.entries->count(), 3);
        QCOMPARE(pick.shown(), (QStringList{"Want", "Have"}));
        QCOMPARE(pick.menu.actions().size(), 3);

        // A missing or empty list leaves a notice in the menu, and no entries.
        const QString path = QDir::toNativeSeparators(pick.env.path("list.ini"));
        QVERIFY(QFile::remove(pick.env.path("list.ini")));
        pick.reload();
        QCOMPARE(pick.entries->count(), 1);
        QCOMPARE(pick.shown(), QStringList{menuText::ListNotFound.arg(path)});
        QAction* shownNotice = pick.menu.actions().last();
        QVERIFY(!shownNotice->isEnabled());
        QCOMPARE(pick.entries->indexOf(shownNotice), -1);

        pick.load("");
        QCOMPARE(pick.shown(), QStringList{menuText::ListEmpty.arg(path)});
        // Once the list has values again the notice is gone.
        pick.load("Blister Card\r\n");
        QCOMPARE(pick.shown(), QStringList{"Blister Card"});
    }

    void badInputDoesNotStopTheMenu_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("values");  // -1: as many as the bytes make
        QTest::addColumn<qsizetype>("firstLength");

        QByteArray junk(200000, Qt::Uninitialized);
        QRandomGenerator(12345).fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);
        // The first CR ends the first line; the rest is whatever the bytes make of it.
        junk.replace(0, 100, QByteArray(junk.left(100)).replace('\r', 'x'));
        junk[100] = '\r';
        junk[50] = '\0';
        QTest::newRow("binary junk with NULs") << junk << -1 << qsizetype(100);
        QTest::newRow("one line of a million characters")
            << QByteArray(1000000, 'x') << 1 << qsizetype(1000000);
        QTest::newRow("more than 32766 lines")
            << QByteArray("value\r\n").repeated(40000) << 32766 << qsizetype(5);
    }

    void badInputDoesNotStopTheMenu() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, values);
        QFETCH(qsizetype, firstLength);
        PickMenu pick;
        pick.load(bytes);
        if (values < 0)
            QVERIFY(pick.entries->count() > 2 && pick.entries->count() <= valuelist::MaxValues + 1);
        else
            QCOMPARE(pick.entries->count(), values + 1);
        QCOMPARE(pick.entries->caption(1).size(), firstLength);
        // Long values are cut short on screen only.
        QVERIFY(pick.entries->entry(1)->text().size() < 100);

        // Whatever pops up (the menu, or the list for a long one) shows and closes.
        QCOMPARE(pick.popUp([](QWidget* popup) { QVERIFY(popup->isVisible()); }), -1);
    }

    void entriesCrossingTheMenuLimitMoveBetweenMenuAndList() {
        const int limit = MenuEntryArray::MaxMenuEntries;
        const QByteArray atLimit = longListBytes(limit);
        PickMenu pick;
        // At the limit the list is still a menu.
        pick.load(atLimit);
        QVERIFY(!pick.entries->showsAsList());
        QCOMPARE(pick.menu.actions().size(), limit + 1);
        QCOMPARE(pick.popUp([](QWidget* popup) { QVERIFY(qobject_cast<QMenu*>(popup)); }), -1);

        // One more and it is a list; the menu holds only its template.
        pick.load(atLimit + "one more\r\n");
        QVERIFY(pick.entries->showsAsList());
        QCOMPARE(pick.menu.actions().size(), 1);
        QCOMPARE(pick.popUp([](QWidget* popup) {
            QVERIFY(!qobject_cast<QMenu*>(popup));
            QTest::keyClick(popup, Qt::Key_Up);
            QTest::keyClick(popup, Qt::Key_Return);
        }),
                 limit + 1);
        QCOMPARE(pick.field.text(), u"one more"_s);

        QCOMPARE(pick.clicks, QList<int>{limit + 1});
    }

    void readsTheLinesAndTheirEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("utf8");
        const auto row = [](const char* name, const QByteArray& bytes, const QStringList& values,
                            bool utf8 = true) { QTest::newRow(name) << bytes << values << utf8; };
        row("CR LF after each", "Red\r\nBlue\r\n", {"Red", "Blue"});
        row("no final terminator", "Red\r\nBlue", {"Red", "Blue"});
        row("empty line", "Red\r\n\r\nBlue", {"Red", "", "Blue"});
        row("lone CR", "Red\rBlue\r", {"Red", "Blue"});
        row("lone LF stays", "Red\nBlue\r\n", {"Red\nBlue"});
        row("LF before CR LF", "a\n\r\nb", {"a\n", "b"});
        row("terminator alone", "\r\n", {""});
        row("NUL inside", QByteArray("a\0b\r\n", 5), {u"a"_s + QChar(0) + "b"});
        // UTF-8 only when every byte sequence in the file is valid UTF-8.
        row("UTF-8 umlaut", "Gr\xC3\xBCn", {"Grün"});
        row("byte-order mark kept", "\xEF\xBB\xBFRed", {QChar(0xFEFF) + u"Red"_s});
        row("1252 euro and quotes", "\x80 \x93x\x94", {"€ “x”"}, false);
        row("overlong", "\xC0\xAF", {"À¯"}, false);
        row("cut short", "ab\xE2\x82", {"abâ‚"}, false);
    }

    void readsTheLinesAndTheirEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        QFETCH(bool, utf8);
        test::TestEnv env(false);
        env.writeFile("list.ini", bytes);
        const valuelist::Lines lines = valuelist::read(env.path("list.ini"));
        QCOMPARE(lines.values, values);
        QCOMPARE(lines.encoding, utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    }

    void aMissingFileOrAFolderCannotBeRead() {
        test::TestEnv env(false);
        QVERIFY(QDir(env.dir()).mkdir("folder.ini"));
        for (const auto& [name, number] : {std::pair{"absent.ini", err::FileNotFound},
                                           std::pair{"folder.ini", err::PathFileAccess}}) {
            try {
                valuelist::read(env.path(name));
                QFAIL(name);
            } catch (const AppError& e) {
                QCOMPARE(e.number(), number);
            }
        }
    }

    void writingKeepsTheEncodingWhileItCanHoldTheText() {
        test::TestEnv env(false);
        TextEncoding encoding = TextEncoding::Windows1252;
        valuelist::write(env.path("a.ini"), u"Grün\r\n"_s, encoding);
        QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xFCn\r\n"));
        QCOMPARE(encoding, TextEncoding::Windows1252);

        // A character the code page has no byte for makes the whole file UTF-8.
        valuelist::write(env.path("a.ini"), u"Grün ✓\r\n"_s, encoding);
        QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xC3\xBCn \xE2\x9C\x93\r\n"));
        QCOMPARE(encoding, TextEncoding::Utf8);
        QCOMPARE(valuelist::read(env.path("a.ini")).values, QStringList{"Grün ✓"});
    }
};

QTEST_MAIN(TestValueLists)
#include "tst_valuelists.moc"
