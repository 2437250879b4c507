// Pick menus: the entry array over a menu and its rebuild from a value-list file, and the
// scrolling list that stands in for the menu when a list is long.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
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
    // Pops the pick menu up at the pointer and lets `act` work on whatever popped up, as the
    // person at the screen would; the index popupAtPointer() gives back.
    int popUp(const std::function<void(QWidget*)>& act) {
        QTimer::singleShot(0, [act] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            act(popup);
            // Whatever the check left open is closed, so that the test goes on.
            if (QWidget* still = QApplication::activePopupWidget())
                still->close();
        });
        return entries->popupAtPointer();
    }
};

// The field a pick menu fills: the entry handler puts the chosen entry's caption into it.
struct PickedField {
    QLineEdit field;
    explicit PickedField(MenuEntryArray& entries) {
        field.setText(QStringLiteral("before"));
        QObject::connect(&entries, &MenuEntryArray::Click, &field,
                         [this, &entries](int Index) { field.setText(entries.caption(Index)); });
    }
};

// A list of 40,000 lines, of which the first 32,766 are offered. Most are plain; a few hold
// what a menu would take for markup, and one is the only value that starts with "Z".
const int kLongLines = 40000;
QString longListValue(int line) {
    switch (line) {
        case 2:
            return QStringLiteral(" Smith & Co ");
        case 3:
            return QStringLiteral("A\tB");
        case 4:
            return QStringLiteral("line\nbreak");
        case 5:
            return QStringLiteral("-");
        case 6:
            return QString();
        case 7:
            return QString(100, QLatin1Char('w'));
        case 20000:
            return QStringLiteral("Zebra stripe");
        case 32766:
            return QStringLiteral("last & offered ");
        case 32767:
            return QStringLiteral("first not offered");
        default:
            return QStringLiteral("Colour %1").arg(line, 5, 10, QLatin1Char('0'));
    }
}
QByteArray longListBytes() {
    QByteArray bytes;
    for (int line = 1; line <= kLongLines; ++line)
        bytes += longListValue(line).toUtf8() + "\r\n";
    return bytes;
}

QListView* listIn(QWidget* popup) {
    auto* view = popup->findChild<QListView*>();
    if (!view)
        qWarning("no list in the popup: %s", popup->metaObject()->className());
    return view;
}

QString rowText(QListView* view, int row) {
    return view->model()->data(view->model()->index(row, 0)).toString();
}

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
    void aLongListPopsUpAsAScrollingList();
    void aLongListShowsItsValuesAsTheMenuWould();
    void choosingFromTheLongListFillsTheFieldWithTheValueAsRead();
    void choosingWithTheMouseAndByTyping();
    void dismissingTheLongListLeavesTheField();
    void rebuildingALongListLeavesNothingOfTheLastBuild();
    void entriesCrossingTheMenuLimitMoveBetweenMenuAndList();
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

    // Whatever pops up (the menu, or the list for a long one) shows and closes.
    bool shown = false;
    QCOMPARE(pick.popUp([&shown](QWidget* popup) {
        shown = popup->isVisible();
        QTest::keyClick(popup, Qt::Key_Escape);
    }),
             -1);
    QVERIFY(shown);
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

void TestPickMenu::aLongListPopsUpAsAScrollingList() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    QCOMPARE(pick.entries->count(), valuelist::MaxValues + 1);
    QVERIFY(pick.entries->showsAsList());
    // The entries are there to be read and triggered, but not in the menu.
    QCOMPARE(pick.menu.actions().size(), 1);
    QVERIFY(!pick.entries->isVisible(0));
    QVERIFY(pick.entries->isVisible(1));
    QCOMPARE(pick.entries->caption(1), QStringLiteral("Colour 00001"));
    QCOMPARE(pick.entries->caption(32766), QStringLiteral("last & offered "));
    QVERIFY(!pick.entries->exists(32767));
    QCOMPARE(pick.entries->notice(), QString());

    int rows = -1;
    QString first, last;
    bool isMenu = true;
    QCOMPARE(pick.popUp([&](QWidget* popup) {
        isMenu = qobject_cast<QMenu*>(popup) != nullptr;
        QListView* view = listIn(popup);
        QVERIFY(view);
        rows = view->model()->rowCount();
        first = rowText(view, 0);
        last = rowText(view, rows - 1);
        QVERIFY(!view->currentIndex().isValid());
        QVERIFY(popup->isVisible());
        QVERIFY(popup->height() > view->sizeHintForRow(0));
        QTest::keyClick(popup, Qt::Key_Escape);
    }),
             -1);
    QVERIFY(!isMenu);
    QCOMPARE(rows, valuelist::MaxValues);
    QCOMPARE(first, QStringLiteral("Colour 00001"));
    QCOMPARE(last, QStringLiteral("last & offered "));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestPickMenu::aLongListShowsItsValuesAsTheMenuWould() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    // The same first values as a short list, in the menu, for comparison.
    QByteArray shortBytes;
    for (int line = 1; line <= 8; ++line)
        shortBytes += longListValue(line).toUtf8() + "\r\n";
    env.writeFile("short.ini", shortBytes);
    PickMenu small;
    LoadMenuFromFile(*small.entries, env.path("short.ini"));
    QVERIFY(!small.entries->showsAsList());

    QStringList listed;
    pick.popUp([&](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        for (int row = 0; row < 8; ++row)
            listed << rowText(view, row);
        for (int row : {19998, 19999, 32765})
            QCOMPARE(rowText(view, row), pick.entries->shownCaption(row + 1));
    });
    // What the menu draws: its text with a doubled "&" drawn once.
    QStringList drawn;
    for (int i = 1; i <= 8; ++i) {
        drawn << small.entries->entry(i)->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        QCOMPARE(small.entries->shownCaption(i), drawn.last());
        QCOMPARE(pick.entries->entry(i)->text(), small.entries->entry(i)->text());
    }
    QCOMPARE(listed, drawn);
    QCOMPARE(listed.mid(1, 5), (QStringList{" Smith & Co ", "A B", "line\u00B6break", "-", ""}));
    QVERIFY(listed[6].size() < 100 && listed[6].endsWith(QChar(0x2026)));
}

void TestPickMenu::choosingFromTheLongListFillsTheFieldWithTheValueAsRead() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    PickedField picked(*pick.entries);
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    // The keys a menu takes: down twice and Enter choose the second value.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             2);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    QCOMPARE(picked.field.text(), QStringLiteral(" Smith & Co "));

    // End goes to the last value offered, spaces and all.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_End);
        QTest::keyClick(popup, Qt::Key_Enter);
    }),
             valuelist::MaxValues);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(picked.field.text(), QStringLiteral("last & offered "));

    // Up from no row wraps to the last, and Down from there back to the first.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             1);
    QCOMPARE(picked.field.text(), QStringLiteral("Colour 00001"));

    // The empty value empties the field.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_Home);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             6);
    QCOMPARE(picked.field.text(), QString());
    QCOMPARE(clicks.size(), 4);
}

void TestPickMenu::choosingWithTheMouseAndByTyping() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    PickedField picked(*pick.entries);
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    // A click on a row far down the list, once it is scrolled into view.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        const QModelIndex row = view->model()->index(30000, 0);
        view->scrollTo(row);
        const QRect rect = view->visualRect(row);
        QVERIFY(view->viewport()->rect().contains(rect.center()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }),
             30001);
    QCOMPARE(picked.field.text(), QStringLiteral("Colour 30001"));
    QCOMPARE(clicks.size(), 1);

    // Moving the pointer over a row makes it the current one, as in a menu; the list
    // scrolling under a pointer that stands still does not.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        auto moveTo = [view](const QPoint& pos) {
            QMouseEvent move(QEvent::MouseMove, QPointF(pos),
                             QPointF(view->viewport()->mapToGlobal(pos)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
        };
        const QPoint overFourth = view->visualRect(view->model()->index(3, 0)).center();
        moveTo(overFourth);
        QCOMPARE(view->currentIndex().row(), 3);
        QTest::keyClick(popup, Qt::Key_End);
        moveTo(overFourth);
        QCOMPARE(view->currentIndex().row(), valuelist::MaxValues - 1);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             valuelist::MaxValues);
    QCOMPARE(picked.field.text(), QStringLiteral("last & offered "));
    QCOMPARE(clicks.size(), 2);

    // Typing a value's first letter goes to it; Enter takes it.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_Z);
        QListView* view = listIn(popup);
        QVERIFY(view);
        QCOMPARE(view->currentIndex().row(), 19999);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             20000);
    QCOMPARE(picked.field.text(), QStringLiteral("Zebra stripe"));
    QCOMPARE(clicks.size(), 3);
}

void TestPickMenu::dismissingTheLongListLeavesTheField() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    PickedField picked(*pick.entries);
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));

    // Escape, after moving about in the list.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QTest::keyClick(popup, Qt::Key_PageDown);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Escape);
    }),
             -1);
    // Closed from elsewhere, as a click outside it closes it.
    QCOMPARE(pick.popUp([](QWidget* popup) { popup->close(); }), -1);
    // A release of the button that opened it chooses nothing.
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {},
                            view->visualRect(view->model()->index(0, 0)).center());
        QVERIFY(popup->isVisible());
    }),
             -1);
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(picked.field.text(), QStringLiteral("before"));
}

void TestPickMenu::rebuildingALongListLeavesNothingOfTheLastBuild() {
    test::TestEnv env(false);
    env.writeFile("series.ini", longListBytes());
    PickMenu pick;
    PickedField picked(*pick.entries);
    QSignalSpy clicks(pick.entries.get(), &MenuEntryArray::Click);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));
    QCOMPARE(pick.entries->count(), valuelist::MaxValues + 1);
    QCOMPARE(pick.menu.actions().size(), 1);

    QStringList seen;
    int rows = 0;
    QCOMPARE(pick.popUp([&](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        rows = view->model()->rowCount();
        for (int row = 0; row < 10; ++row)
            seen << rowText(view, row);
        seen << rowText(view, rows - 1);
        QTest::keyClick(popup, Qt::Key_End);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             valuelist::MaxValues);
    QCOMPARE(rows, valuelist::MaxValues);
    QCOMPARE(seen.first(), QStringLiteral("Colour 00001"));
    QCOMPARE(seen.mid(8, 2), (QStringList{"Colour 00009", "Colour 00010"}));
    QCOMPARE(seen.last(), QStringLiteral("last & offered "));
    // Entries of the earlier build are gone, so the choice is reported once.
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(picked.field.text(), QStringLiteral("last & offered "));

    // The list changed in the editor: the next click shows the new values only.
    QByteArray changed;
    for (int line = 1; line <= 1000; ++line)
        changed += "New " + QByteArray::number(line) + "\r\n";
    env.writeFile("series.ini", changed);
    LoadMenuFromFile(*pick.entries, env.path("series.ini"));
    QCOMPARE(pick.entries->count(), 1001);
    QCOMPARE(pick.popUp([&](QWidget* popup) {
        QListView* view = listIn(popup);
        QVERIFY(view);
        QCOMPARE(view->model()->rowCount(), 1000);
        QCOMPARE(rowText(view, 999), QStringLiteral("New 1000"));
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             1000);
    QCOMPARE(picked.field.text(), QStringLiteral("New 1000"));
    QCOMPARE(clicks.size(), 2);
}

void TestPickMenu::entriesCrossingTheMenuLimitMoveBetweenMenuAndList() {
    test::TestEnv env(false);
    QByteArray atLimit;
    for (int line = 1; line <= MenuEntryArray::MaxMenuEntries; ++line)
        atLimit += "v" + QByteArray::number(line) + "\r\n";
    env.writeFile("boxgrade.ini", atLimit);
    env.writeFile("over.ini", atLimit + "one more\r\n");
    env.writeFile("short.ini", "Mint\r\nGood\r\n");
    PickMenu pick;
    PickedField picked(*pick.entries);

    // At the limit the list is still a menu.
    LoadMenuFromFile(*pick.entries, env.path("boxgrade.ini"));
    QVERIFY(!pick.entries->showsAsList());
    QCOMPARE(pick.menu.actions().size(), MenuEntryArray::MaxMenuEntries + 1);
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QVERIFY(qobject_cast<QMenu*>(popup));
        QTest::keyClick(popup, Qt::Key_Escape);
    }),
             -1);

    // One more and it is a list; the menu holds only its template.
    LoadMenuFromFile(*pick.entries, env.path("over.ini"));
    QVERIFY(pick.entries->showsAsList());
    QCOMPARE(pick.menu.actions().size(), 1);
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QVERIFY(!qobject_cast<QMenu*>(popup));
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             MenuEntryArray::MaxMenuEntries + 1);
    QCOMPARE(picked.field.text(), QStringLiteral("one more"));

    // Entries unloaded one by one go back into the menu, in order, once few enough are left.
    pick.entries->unload(MenuEntryArray::MaxMenuEntries + 1);
    QVERIFY(!pick.entries->showsAsList());
    QCOMPARE(pick.menu.actions().size(), MenuEntryArray::MaxMenuEntries + 1);
    QCOMPARE(pick.menu.actions().at(1), pick.entries->entry(1));
    QCOMPARE(pick.menu.actions().last(), pick.entries->entry(MenuEntryArray::MaxMenuEntries));

    // A short list after a long one is a plain menu again, with only its own entries.
    LoadMenuFromFile(*pick.entries, env.path("over.ini"));
    LoadMenuFromFile(*pick.entries, env.path("short.ini"));
    QVERIFY(!pick.entries->showsAsList());
    QCOMPARE(pick.shown(), (QStringList{"Mint", "Good"}));
    QCOMPARE(pick.menu.actions().size(), 3);
    QCOMPARE(pick.popUp([](QWidget* popup) {
        QVERIFY(qobject_cast<QMenu*>(popup));
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }),
             2);
    QCOMPARE(picked.field.text(), QStringLiteral("Good"));
}

QTEST_MAIN(TestPickMenu)
#include "tst_pickmenu.moc"
