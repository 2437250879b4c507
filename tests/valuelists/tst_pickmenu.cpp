// Pick menus: the entry array over a menu and its rebuild from a value-list file.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestEnv.h"
#include "ValueListFile.h"
#include "mod_Menu_File.h"

using namespace kbs;

namespace {

// A pick menu as the catalogue window holds it: one template entry with an empty caption.
struct PickMenu {
    QMenu menu{QStringLiteral("Colors")};
    std::unique_ptr<MenuEntryArray> entries;
    PickMenu() {
        menu.setObjectName(QStringLiteral("menuColor"));
        menu.addAction(QString())->setObjectName(QStringLiteral("mnuColor_0"));
        entries = std::make_unique<MenuEntryArray>(&menu, QStringLiteral("mnuColor"));
    }
    // The values of the entries from 1 up, as the entry handler reads them.
    QStringList values() const {
        QStringList out;
        for (int i = 1; i < entries->count(); ++i)
            out << entries->caption(i);
        return out;
    }
    // What the menu shows, in its order.
    QStringList shown() const {
        QStringList out;
        for (QAction* a : menu.actions()) {
            if (a->isVisible())
                out << a->text();
        }
        return out;
    }
};

}  // namespace

class TestPickMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsOneEntryPerValueAndHidesTheTemplate();
    void rebuildingLeavesNothingOfTheLastBuild();
    void choosingAnEntryGivesItsValueAsRead();
    void specialCharactersAreShownAsText();
    void aMissingOrEmptyListShowsANotice();
    void badInputDoesNotStopTheMenu_data();
    void badInputDoesNotStopTheMenu();
    void popupReturnsTheChosenIndex();
};

void TestPickMenu::buildsOneEntryPerValueAndHidesTheTemplate() {
    test::TestEnv env(false);
    env.writeFile("exteriorcolor.ini", "Red\r\nBlue\r\n");
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("exteriorcolor.ini"));

    QCOMPARE(pick.entries->count(), 3);
    QCOMPARE(pick.values(), (QStringList{"Red", "Blue"}));
    QVERIFY(!pick.entries->isVisible(0));
    QVERIFY(pick.entries->isVisible(1) && pick.entries->isVisible(2));
    QCOMPARE(pick.shown(), (QStringList{"Red", "Blue"}));
    QCOMPARE(pick.entries->notice(), QString());
}

void TestPickMenu::rebuildingLeavesNothingOfTheLastBuild() {
    test::TestEnv env(false);
    env.writeFile("status.ini", "Want\r\nHave\r\nSell\r\nSwap\r\nGone\r\n");
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("status.ini"));
    LoadMenuFromFile(*pick.entries, env.path("status.ini"));
    QCOMPARE(pick.shown(), (QStringList{"Want", "Have", "Sell", "Swap", "Gone"}));
    QCOMPARE(pick.menu.actions().size(), 6);

    // The list shrank in the editor: the next click shows the two values left.
    env.writeFile("status.ini", "Want\r\nHave\r\n");
    LoadMenuFromFile(*pick.entries, env.path("status.ini"));
    QCOMPARE(pick.entries->count(), 3);
    QCOMPARE(pick.shown(), (QStringList{"Want", "Have"}));
    QCOMPARE(pick.menu.actions().size(), 3);
    QVERIFY(!pick.entries->exists(3));
}

void TestPickMenu::choosingAnEntryGivesItsValueAsRead() {
    test::TestEnv env(false);
    env.writeFile("series.ini", "Red\r\n\r\n Blue \r\n");
    PickMenu pick;
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    pick.entries->entry(2)->trigger();
    pick.entries->entry(3)->trigger();
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    QCOMPARE(pick.entries->caption(clicks.at(0).at(0).toInt()), QString());
    QCOMPARE(clicks.at(1).at(0).toInt(), 3);
    QCOMPARE(pick.entries->caption(clicks.at(1).at(0).toInt()), QStringLiteral(" Blue "));

    // Entries created by a later rebuild report their own index too.
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));
    pick.entries->entry(1)->trigger();
    QCOMPARE(clicks.last().at(0).toInt(), 1);
}

void TestPickMenu::specialCharactersAreShownAsText() {
    test::TestEnv env(false);
    env.writeFile("basename.ini", "Smith & Co\r\n-\r\nA\tB\r\nline\nbreak\r\n");
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("basename.ini"));
    QCOMPARE(pick.values(), (QStringList{"Smith & Co", "-", "A\tB", "line\nbreak"}));
    QCOMPARE(pick.shown(), (QStringList{"Smith && Co", "-", "A B", "line\u00B6break"}));
    for (QAction* a : pick.menu.actions())
        QVERIFY(!a->isSeparator());
}

void TestPickMenu::aMissingOrEmptyListShowsANotice() {
    test::TestEnv env(false);
    env.writeFile("boxtype.ini", "Window Box\r\n");
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("boxtype.ini"));

    QVERIFY(QFile::remove(env.path("boxtype.ini")));
    LoadMenuFromFile(*pick.entries, env.path("boxtype.ini"));
    QCOMPARE(pick.entries->count(), 1);
    const QString notice =
        menuText::ListNotFound.arg(QDir::toNativeSeparators(env.path("boxtype.ini")));
    QCOMPARE(pick.shown(), QStringList{notice});
    QAction* shownNotice = pick.menu.actions().last();
    QVERIFY(!shownNotice->isEnabled());
    QCOMPARE(pick.entries->indexOf(shownNotice), -1);

    env.writeFile("boxtype.ini", "");
    LoadMenuFromFile(*pick.entries, env.path("boxtype.ini"));
    QCOMPARE(
        pick.shown(),
        QStringList{menuText::ListEmpty.arg(QDir::toNativeSeparators(env.path("boxtype.ini")))});

    // Once the list has values again the notice is gone.
    env.writeFile("boxtype.ini", "Blister Card\r\n");
    LoadMenuFromFile(*pick.entries, env.path("boxtype.ini"));
    QCOMPARE(pick.shown(), QStringList{"Blister Card"});
}

void TestPickMenu::badInputDoesNotStopTheMenu_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("values");  // -1: as many as the bytes make
    QTest::addColumn<qsizetype>("firstLength");

    QByteArray junk;
    quint32 seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += char((seed >> 16) & 0xFF);
    }
    // The first CR ends the first line; the rest is whatever the bytes make of it.
    for (int i = 0; i < 100; ++i) {
        if (junk[i] == '\r')
            junk[i] = 'x';
    }
    junk.insert(100, '\r');
    junk[50] = '\0';
    QTest::newRow("binary junk with NULs") << junk << -1 << qsizetype(100);
    QTest::newRow("one line of a million characters")
        << QByteArray(1000000, 'x') << 1 << qsizetype(1000000);
    QByteArray many;
    for (int i = 0; i < 40000; ++i)
        many += "value\r\n";
    QTest::newRow("more than 32766 lines") << many << 32766 << qsizetype(5);
    QByteArray big(50 * 1024 * 1024, 'y');
    for (qsizetype i = 999; i < big.size(); i += 1000)
        big[i] = '\r';
    QTest::newRow("50 MB") << big << 32766 << qsizetype(999);
}

void TestPickMenu::badInputDoesNotStopTheMenu() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, values);
    QFETCH(qsizetype, firstLength);
    test::TestEnv env(false);
    env.writeFile("wheeltypes.ini", bytes);
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("wheeltypes.ini"));
    if (values < 0)
        QVERIFY(pick.entries->count() > 2 && pick.entries->count() <= valuelist::MaxValues + 1);
    else
        QCOMPARE(pick.entries->count(), values + 1);
    QCOMPARE(pick.entries->caption(1).size(), firstLength);
    // Long values are cut short on screen only.
    QVERIFY(pick.entries->entry(1)->text().size() < 100);

    pick.menu.popup(QPoint(0, 0));
    QTRY_VERIFY(pick.menu.isVisible());
    pick.menu.hide();
}

void TestPickMenu::popupReturnsTheChosenIndex() {
    test::TestEnv env(false);
    env.writeFile("cargrade.ini", "C10\r\nC9\r\nC8\r\n");
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("cargrade.ini"));
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);

    // The person at the keyboard: down twice and Enter chooses the second value.
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QCOMPARE(pick.entries->popupAtPointer(), 2);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);

    // Dismissed without a choice.
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
    QCOMPARE(pick.entries->popupAtPointer(), -1);
    QCOMPARE(clicks.size(), 1);
}

QTEST_MAIN(TestPickMenu)
#include "tst_pickmenu.moc"
