// The toolbar's drop-down entries, the reports they show and the windows they open, and the
// pick lists, through the real window. Reports read their own record set: the window's
// stays whole.
#include <QMenu>
#include <QtTest>

#include "DataReport.h"
#include "ReportPreview.h"
#include "TotalsReport.h"
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

        QCOMPARE(entry("Want"), u"2 Report -- Want"_s);  // not "want" nor "Have "
        windowStillWhole(win);
        // The button shows the last report chosen again.
        win.press("Report");
        QCOMPARE(report.recordCount(), 2L);
        QCOMPARE(entry("Have"), u"1 Report -- Have"_s);
        QCOMPARE(entry("Sell"), u"1 Report -- Sell"_s);
        QCOMPARE(entry("All"), u"6 Report -- All"_s);

        // Closing the preview ends the report; the window goes on as before.
        report.preview()->close();
        QApplication::processEvents();
        windowStillWhole(win);
    }

    // "Totals" comes after the four listing reports in the drop-down, shows in a report window of
    // its own, and the button repeats it once it was chosen; the four listing reports are as they
    // were.
    void totalsIsTheFifthReport() {
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        QStringList entries;
        for (QAction* a : win->toolbarButton(u"Report"_s)->menu()->actions())
            entries << a->text();
        QCOMPARE(entries, QStringList({"All", "Want", "Have", "Sell", "Totals", "Shown records",
                                       "Duplicates", "", "Statistics…", "Value changes…"}));
        TotalsReport& totals = *win->TotalsReport1;
        win->toolbarMenuEntry(u"Report"_s, u"Totals"_s)->trigger();
        QVERIFY(totals.preview() && totals.preview()->isVisible());
        QCOMPARE(totals.all().records, 6L);
        env.addRecord({{"Description", u"Car 7"_s}, {"Status", u"Sell"_s}});
        totals.preview()->close();
        win.press("Report");
        QVERIFY(totals.preview() && totals.preview()->isVisible());
        QCOMPARE(totals.all().records, 7L);
        QVERIFY(!win->DataReport1->preview());
        win->toolbarMenuEntry(u"Report"_s, u"Want"_s)->trigger();
        QVERIFY(!totals.preview());
        QCOMPARE(win->DataReport1->recordCount(), 2L);
        QCOMPARE(*win->DataReport1->recordIds(), (std::vector<std::int64_t>{1, 4}));
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
