// Value-list files: the line rules, the encodings, writing. Pick menus: the entry array over
// a menu and its rebuild from a value-list file, and the scrolling list that stands in for the
// menu when a list is long.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
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

// A list of 40,000 lines, of which the first 32,766 are offered. Most are plain; a few hold
// what a menu would take for markup, and one is the only value that starts with "Z".
QString longListValue(int line) {
    static const QStringList markup{" Smith & Co ",   "A\tB", "line\nbreak", "-", "",
                                    QString(100, 'w')};
    if (line >= 2 && line <= 7)
        return markup[line - 2];
    if (line == 20000)
        return u"Zebra stripe"_s;
    if (line == 32766)
        return u"last & offered "_s;
    return u"Colour %1"_s.arg(line, 5, 10, QLatin1Char('0'));
}
QByteArray longListBytes(int lines = 40000) {
    QByteArray bytes;
    for (int line = 1; line <= lines; ++line)
        bytes += longListValue(line).toUtf8() + "\r\n";
    return bytes;
}

QListView* listIn(QWidget* popup) {
    return popup->findChild<QListView*>();
}

QString rowText(QListView* view, int row) {
    return view->model()->data(view->model()->index(row, 0)).toString();
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
        QCOMPARE(pick.menu.actions().size(), 7);
        // What a menu would take for markup is shown as text.
        QCOMPARE(pick.shown(),
                 (QStringList{"Smith && Co", "", "-", " Blue ", "A B", "line\u00B6break"}));
        for (QAction* a : pick.menu.actions())
            QVERIFY(!a->isSeparator());
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

    void choosingFromTheLongListByKey_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("value");
        using K = Qt::Key;
        QTest::newRow("Down twice")
            << QList<int>{K::Key_Down, K::Key_Down, K::Key_Return} << 2 << " Smith & Co ";
        QTest::newRow("End goes to the last offered")
            << QList<int>{K::Key_End, K::Key_Enter} << valuelist::MaxValues << "last & offered ";
        QTest::newRow("Up wraps to the last, Down to the first")
            << QList<int>{K::Key_Up, K::Key_Down, K::Key_Return} << 1 << "Colour 00001";
        QTest::newRow("the empty value")
            << QList<int>{K::Key_Home, K::Key_Down, K::Key_Down,  K::Key_Down,
                          K::Key_Down, K::Key_Down, K::Key_Return}
            << 6 << "";
        QTest::newRow("typing a first letter")
            << QList<int>{K::Key_Z, K::Key_Return} << 20000 << "Zebra stripe";
        QTest::newRow("Escape after moving about")
            << QList<int>{K::Key_PageDown, K::Key_Down, K::Key_Escape} << -1 << "before";
    }

    void choosingFromTheLongListByKey() {
        QFETCH(QList<int>, keys);
        QFETCH(int, index);
        QFETCH(QString, value);
        PickMenu pick;
        pick.load(longListBytes());
        QCOMPARE(pick.popUp([&keys](QWidget* popup) {
            // One row for each value offered, what a menu takes for markup shown as text.
            QListView* view = listIn(popup);
            QVERIFY(view && !qobject_cast<QMenu*>(popup));
            QCOMPARE(view->model()->rowCount(), valuelist::MaxValues);
            QCOMPARE(rowText(view, 2), u"A B"_s);
            QVERIFY(rowText(view, 6).endsWith(QChar(0x2026)));
            for (const int key : keys)
                QTest::keyClick(popup, Qt::Key(key));
        }),
                 index);
        QCOMPARE(pick.field.text(), value);
        QCOMPARE(pick.clicks.size(), index < 0 ? 0 : 1);
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
        row("CR then CR LF", "\r\r\n", {"", ""});
        row("spaces kept", " Red \r\n\tBlue\r\n", {" Red ", "\tBlue"});
        row("zero bytes", "", {});
        row("terminator alone", "\r\n", {""});
        row("NUL inside", QByteArray("a\0b\r\n", 5), {u"a"_s + QChar(0) + "b"});
        // UTF-8 only when every byte sequence in the file is valid UTF-8.
        row("UTF-8 umlaut", "Gr\xC3\xBCn", {"Grün"});
        row("UTF-8 four bytes", "\xF0\x9F\x9A\x97", {QString::fromUtf8("\xF0\x9F\x9A\x97")});
        row("byte-order mark kept", "\xEF\xBB\xBFRed", {QChar(0xFEFF) + u"Red"_s});
        row("1252 umlaut", "Gr\xFCn", {"Grün"}, false);
        row("1252 euro and quotes", "\x80 \x93x\x94", {"€ “x”"}, false);
        row("overlong", "\xC0\xAF", {"À¯"}, false);
        row("encoded surrogate", "\xED\xA0\x80", {"í\u00A0€"}, false);
        row("cut short", "ab\xE2\x82", {"abâ‚"}, false);
        row("above U+10FFFF", "\xF4\x90\x80\x80", {"ô\u0090€€"}, false);
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

    void aMissingFileOrAFolderCannotBeReadOrWritten() {
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
        TextEncoding encoding = TextEncoding::Utf8;
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 valuelist::write(env.path("folder.ini"), "x\r\n", encoding));
        QVERIFY_THROWS_EXCEPTION(AppError, valuelist::write(QString(), "x\r\n", encoding));
        QCOMPARE(QDir(env.dir()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void everyWindows1252ByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(textcodec::detect(all), TextEncoding::Windows1252);
        const QString text = textcodec::decode(all, TextEncoding::Windows1252);
        TextEncoding encoding = TextEncoding::Windows1252;
        QCOMPARE(textcodec::encode(text, encoding), all);
        QCOMPARE(encoding, TextEncoding::Windows1252);
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
