// The toolbar's drop-down entries, the reports they show and the windows they open, and the
// pick lists, through the real window. Reports read their own record set: the window's
// stays whole.
#include <QtTest>

#include <QMenu>

#include "DataReport.h"
#include "ReportPreview.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
void statuses(const test::TestEnv& env) {
    const char* s[] = {"Want", "Have", "Sell", "Want", "want", "Have "};
    for (int i = 0; i < 6; ++i)
        env.addRecord({{"Description", u"Car %1"_s.arg(i + 1)},
                       {"Status", QString::fromLatin1(s[i])},
                       {"Base_Name", u"Base %1"_s.arg(i + 1)}});
}

void windowStillWhole(test::Window& win) {
    QCOMPARE(win->recordSet()->fieldCount(), 27);
    // Every grid row still finds its record, all 27 columns of it.
    for (int r = 1; r < win.grid().rows(); ++r) {
        win.clickRow(r);
        QCOMPARE(win.field(1), win.grid().textMatrix(r, 1));
        QCOMPARE(win.field(19), u"Base %1"_s.arg(win.grid().textMatrix(r, 0)));
    }
    // And a save writes the record on screen.
    win.show(2);
    win.press("Edit");
    win.setField(22, u"Chrome"_s);
    win.save();
    QCOMPARE(win.stored("Base_Color", 2), u"Chrome"_s);
    QCOMPARE(win.stored("Base_Name", 2), u"Base 2"_s);
}

void choose(QWidget* popup, const QString& text) {
    auto* menu = qobject_cast<QMenu*>(popup);
    QVERIFY(menu);
    for (QAction* a : menu->actions()) {
        if (a->isVisible() && a->text() == text)
            return a->trigger();
    }
    QFAIL(qPrintable(u"no entry "_s + text));
}
}  // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportsListTheirRecords() {
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        DataReport& report = *win->DataReport1;
        auto entry = [&](const char* text) {
            win->toolbarMenuEntry(u"Report"_s, QString::fromLatin1(text))->trigger();
            return u"%1 %2"_s.arg(report.recordCount())
                .arg(report.sections(u"Section2"_s).controls(u"Label3"_s).caption());
        };
        // Before any entry the button shows everything under the designed caption.
        win.press("Report");
        QCOMPARE(report.recordCount(), 6L);
        QVERIFY(report.preview() && report.preview()->isVisible());
        QCOMPARE(report.preview()->windowTitle(), u"Kerbside Manager Report"_s);
        QVERIFY(!report.preview()->isModal());

        QCOMPARE(entry("Want"), u"2 Report -- Want"_s);  // not "want" nor "Have "
        windowStillWhole(win);
        // The button shows the last report chosen again.
        win.press("Report");
        QCOMPARE(report.recordCount(), 2L);
        QCOMPARE(entry("Have"), u"1 Report -- Have"_s);
        QCOMPARE(entry("Sell"), u"1 Report -- Sell"_s);
        QCOMPARE(entry("All"), u"6 Report -- All"_s);
        QCOMPARE(report.dataSource()->fieldCount(), 17);  // the columns it prints
        windowStillWhole(win);

        // Closing the preview ends the report; the window goes on as before.
        report.preview()->close();
        QApplication::processEvents();
        windowStillWhole(win);
    }

    void helpEntriesOpenTheirWindowsModally_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::newRow("editor") << "Edit Helper Menues"
                                << "Kerbside Manger Menu Editor";
        QTest::newRow("tips") << "Tips"
                              << "Tips For Kerbside Manger";
        QTest::newRow("about") << "About"
                               << "About";
    }
    void helpEntriesOpenTheirWindowsModally() {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        QString shown;
        QVERIFY(test::meetModal([&] { win->toolbarMenuEntry(u"Help"_s, entry)->trigger(); },
                                [&](QWidget* w) { shown = w->windowTitle(); }));
        QCOMPARE(shown, title);
    }

    void pickListsFillTheirFields() {
        test::TestEnv env;
        statuses(env);
        env.writeFile(u"status.ini"_s, "Want\r\nHave\r\n\r\n Sell \r\n");
        test::Window win(env);
        win.press("Edit");
        QVERIFY(win.pickFrom("Image7", [](QWidget* m) { choose(m, u" Sell "_s); }));
        QCOMPARE(win.field(17), u" Sell "_s);
        QVERIFY(win.pickFrom("Image7", [](QWidget* m) { choose(m, QString()); }));
        QCOMPARE(win.field(17), QString());
        // A missing list: the menu names the file, the field stays as it was.
        win.setField(9, u"kept"_s);
        QString notice;
        QVERIFY(win.pickFrom("Image5", [&](QWidget* m) {
            notice = static_cast<QMenu*>(m)->actions().last()->text();
        }));
        QCOMPARE(win.field(9), u"kept"_s);
        QVERIFY2(notice.contains(u"exteriorcolor.ini"_s), qPrintable(notice));
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
