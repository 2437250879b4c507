// The filter bar, Find Next and the report of the records shown, through the real window.
#include <QtTest>

#include <QLineEdit>

#include "CatalogueSession.h"
#include "Controls.h"
#include "DataReport.h"
#include "FilterBar.h"
#include "FiveCars.h"
#include "GridColumns.h"
#include "MainTexts.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

QList<qint64> shownIds(test::Window& win) {
    QList<qint64> ids;
    for (const QString& id : win.column(0))
        ids << id.toLongLong();
    return ids;
}

void filter(test::Window& win, const QString& text, const QStringList& statuses = {}) {
    for (const QString& s : FilterBar::statusNames())
        ui(win).FilterBar1->toggle(s)->setChecked(statuses.contains(s));
    ui(win).FilterBar1->edit()->setText(text);
    QTRY_VERIFY(!win.grid().model().isFiltering());
}

}  // namespace

class TestFilter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<qint64>>("ids");
        const auto row = [](const char* text, QStringList st, QList<qint64> ids) {
            QTest::newRow(text) << QString::fromUtf8(text) << st << ids;
        };
        // The syntax has its own test; here the window's use of it.
        row("mustang -sell", {}, {1});
        row("treasure", {}, {5});
        row("nowhere", {}, {});
        row("mustang", {"Sell"}, {2});
    }
    void filterTexts() {
        QFETCH(QString, text);
        QFETCH(QStringList, statuses);
        QFETCH(QList<qint64>, ids);
        test::TestEnv env;
        test::fiveCars(env);
        test::Window win(env);
        // Typed a key at a time, each word narrowing the last result.
        ui(win).FilterBar1->focusEdit();
        QTest::keyClicks(ui(win).FilterBar1->edit(), u"mustang"_s);
        filter(win, text, statuses);
        QCOMPARE(shownIds(win), ids);
        QCOMPARE(win->statusText(), FilterBar::countText(ids.size(), 5));
        QCOMPARE(win->findChild<QWidget*>(u"lblNoMatch"_s)->isVisible(), ids.isEmpty());
        if (!ids.isEmpty())  // the panel shows the first record shown
            QCOMPARE(win.currentId(), ids.first());
    }

    // Save, add, sort and delete under a filter, and Escape.
    void commandsUnderAFilter() {
        test::TestEnv env;
        test::fiveCars(env);
        test::Window win(env);
        filter(win, u"mustang"_s);
        win.press("Edit");
        win.setField(1, u"Cobra"_s);
        win.save();
        QCOMPARE(win.stored("Description", 1), u"Cobra"_s);
        win.press("Add");
        win.setField(1, u"Zephyr"_s);
        win.setField(2, u"1950"_s);
        win.save();
        QCOMPARE(shownIds(win), (QList<qint64>{1, 2, 6}));  // neither vanishes
        QCOMPARE(win->statusText(), FilterBar::countText(3, 6));
        win.clickHeading(2);
        QCOMPARE(shownIds(win), (QList<qint64>{6, 2, 1}));
        filter(win, u"mustan"_s);
        QCOMPARE(shownIds(win), QList<qint64>{2});
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(win.count(), 5);
        QVERIFY(win.column(0).isEmpty());
        QVERIFY(win->findChild<QWidget*>(u"lblNoMatch"_s)->isVisible());
        QCOMPARE(win.field(1), QString());
        filter(win, u"beetle"_s);
        QTest::keyClick(ui(win).FilterBar1->edit(), Qt::Key_Escape);
        QCOMPARE(win.column(0).size(), 5);
        QCOMPARE(win.currentId(), 3);
        QCOMPARE(win.grid().textMatrix(win.grid().row(), 0), u"3"_s);
        QCOMPARE(win->statusText(), mainText::TotalRecords + mainText::signedCount(5));
    }

    // F3 and Shift+F3 go on from the record shown in the grid's order, within the filter,
    // wrapping once; the match is selected in its field.
    void findNextOrderAndWrap() {
        test::TestEnv env;
        test::fiveCars(env);
        test::Window win(env);
        win.clickHeading(2);  // by year: 5, 2, 1, 3, 4
        env.prompts().answerInput(u"red"_s);
        win.press("Find");
        QCOMPARE(win.currentId(), 1);
        const auto step = [&](Qt::KeyboardModifiers m) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, m);
            return win.currentId();
        };
        QCOMPARE(step(Qt::NoModifier), 2);  // 2 is above 1 in the grid: the wrap finds it
        QCOMPARE(win->statusText(), FilterBar::wrappedText(true));
        QCOMPARE(step(Qt::NoModifier), 1);
        QCOMPARE(ui(win).txtTextl[9]->textbox()->selectedText(), u"Red"_s);
        QCOMPARE(step(Qt::ShiftModifier), 2);
        QCOMPARE(ui(win).txtTextl[9]->textbox()->selectedText(), u"red"_s);
        filter(win, u"-sell"_s);  // shows 5, 1, 3, 4 and the first of them
        QCOMPARE(step(Qt::NoModifier), 1);
        QCOMPARE(step(Qt::NoModifier), 1);  // 2 is not shown: 1 is found again, after a wrap
        QCOMPARE(win->statusText(), FilterBar::wrappedText(true));
        // Also while the window is not the active one yet, as after Find's question.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::keyClick(ui(win).txtTextl[9]->textbox(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(win->statusText(), FilterBar::wrappedText(false));
    }

    // The sixth report entry prints the records shown, in the grid's order, with the own
    // fields the grid shows after the described ones, in its order too; its CSV export takes
    // the same records.
    void shownRecordsReport() {
        test::TestEnv env;
        test::fiveCars(env);
        test::Window win(env);
        CatalogueSession& s = win->session();
        const auto scale = s.addOwnField({0, u"Scale"_s, ownfields::Kind::Text, {}, 0});
        const auto sth = s.addOwnField({0, u"STH"_s, ownfields::Kind::YesNo, {}, 0});
        s.addOwnField({0, u"Hidden"_s, ownfields::Kind::Text, {}, 0});
        s.setOwnValues(5, {{scale, u"1:64"_s}, {sth, u"1"_s}});
        win->Update_Display();
        auto* columns = win->findChild<GridColumns*>();
        for (const int col : {panel::GridColumns, panel::GridColumns + 1})
            columns->setShown(col, true);
        columns->move(panel::GridColumns + 1, -1);  // STH before Scale
        filter(win, u"year:1965-1970"_s);
        win.clickHeading(2);
        win->toolbarMenuEntry(u"Report"_s, FilterBar::shownReportEntry())->trigger();
        QCOMPARE(*win->DataReport1->recordIds(), (std::vector<std::int64_t>{5, 2, 1}));
        QCOMPARE(win->DataReport1->caption(), FilterBar::shownReportCaption());
        QStringList own;
        for (const ReportItem& i : win->DataReport1->pageItems(1)) {
            if (i.record == 0 && i.control.contains(u"OwnField"_s))
                own << i.text;
        }
        QCOMPARE(own, (QStringList{u"STH"_s, u"Yes"_s, u"Scale"_s, u"1:64"_s}));
        // The other reports print the described fields only.
        win->toolbarMenuEntry(u"Report"_s, u"All"_s)->trigger();
        for (const ReportItem& i : win->DataReport1->pageItems(1))
            QVERIFY(!i.control.contains(u"OwnField"_s));
    }

    // Words in notes of megabytes, searched apart from the window: at the start, across the
    // edge of the search's slices, at the end; a note changed after a search is searched again,
    // and a record whose note cannot be read is shown.
    void wordsDeepInLongTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("then");  // after a first search: "change"; before it: "delete"
        QTest::addColumn<QList<qint64>>("ids");
        const auto row = [](const char* name, const char* text, const char* then,
                            QList<qint64> ids) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(then) << ids;
        };
        row("start", "notes:alpha", "", {1});
        row("slice edge", "notes:edgeword", "", {2});
        row("end", "notes:omega", "", {2, 3});
        row("absent", "notes:nowhere", "", {});
        row("negated", "-notes:omega", "", {1, 4, 5});
        row("two words", "notes:edgeword notes:omega", "", {2});
        row("beyond the snapshot, short", "notes:zebra", "", {5});
        row("changed after a search", "notes:omega", "change", {2});
        row("unreadable", "notes:omega", "delete", {2, 3});
    }
    void wordsDeepInLongTexts() {
        QFETCH(QString, text);
        QFETCH(QString, then);
        QFETCH(QList<qint64>, ids);
        test::TestEnv env;
        test::fiveCars(env);
        // zeros(n): n bytes of "0"; the search reads 4 MB at a time.
        const auto zeros = [](int n) { return u"hex(zeroblob(%1))"_s.arg(n / 2); };
        env.exec(
            u"UPDATE table1 SET Notes = CASE ID WHEN 1 THEN 'alpha ' || %1 "
            u"WHEN 2 THEN %2 || 'edgeword' || %3 || ' omega' WHEN 3 THEN %1 || ' omega' "
            u"ELSE Notes END"_s.arg(zeros(6000000), zeros(4194304 - 4), zeros(1000000)));
        test::Window win(env);
        const auto* status = win->findChild<QLabel*>(u"Panel1"_s);
        if (then == u"change") {
            filter(win, text);
            env.exec(
                u"UPDATE table1 SET Notes = 'now gone ' || %1 WHERE ID = 3"_s.arg(zeros(6000000)));
            win->recordSet()->refresh({3});
            filter(win, QString());
        } else if (then == u"delete") {
            env.exec(u"DELETE FROM table1 WHERE ID = 3"_s);
        }
        ui(win).FilterBar1->edit()->setText(text);
        QVERIFY(win.grid().model().isFiltering());
        QCOMPARE(status->text(), FilterBar::countingText(win.grid().model().rowCount()));
        QTRY_VERIFY(!win.grid().model().isFiltering());
        QCOMPARE(shownIds(win), ids);
    }

    // Every control of the bar is reached by keyboard and named for a screen reader.
    // A filter that takes more than a slice shows its first slice's rows at once, says it is
    // still counting, and ends with the whole result; the next key then narrows correctly.
    void longFilterShowsItsFirstSlice() {
        test::TestEnv env;
        env.exec(
            u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
            u"INSERT INTO table1 (Description, Color) SELECT 'car ' || i, "
            u"CASE WHEN i % 100 = 1 THEN 'Red' ELSE 'Blue' END FROM n"_s);
        test::Window win(env);
        const FlexGridModel& model = win.grid().model();
        const auto* status = win->findChild<QLabel*>(u"Panel1"_s);
        // However fast the machine, the pass runs in more than one slice.
        win.grid().model().setSliceMs(0);
        ui(win).FilterBar1->edit()->setText(u"red"_s);
        QVERIFY(model.isFiltering());
        const QList<qint64> first = shownIds(win);
        QVERIFY(!first.isEmpty());
        QVERIFY2(status->text().contains(u"still counting"_s), qPrintable(status->text()));
        QTRY_VERIFY(!model.isFiltering());
        QCOMPARE(shownIds(win).size(), 300);
        QCOMPARE(shownIds(win).mid(0, first.size()), first);
        QCOMPARE(status->text(), FilterBar::countText(300, 30000));

        ui(win).FilterBar1->edit()->setText(u"car 12"_s);
        ui(win).FilterBar1->edit()->setText(u"car 123"_s);  // while the pass for "car 12" runs
        QTRY_VERIFY(!model.isFiltering());
        const QList<qint64> typed = shownIds(win);
        filter(win, QString());
        filter(win, u"car 123"_s);
        QCOMPARE(typed, shownIds(win));
    }

    void barByKeyboard() {
        test::TestEnv env;
        test::fiveCars(env);
        test::Window win(env);
        QTest::keySequence(win.w.get(), FilterBar::key());
        QCOMPARE(QApplication::focusWidget(), ui(win).FilterBar1->edit());
        for (const QString& s : FilterBar::statusNames()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ui(win).FilterBar1->toggle(s));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(ui(win).FilterBar1->statuses(), QStringList{u"Sell"_s});
        for (const QString& s : FilterBar::statusNames() + QStringList{u"txtFilter"_s}) {
            const QWidget* w =
                ui(win).FilterBar1->findChild<QWidget*>(s == u"txtFilter"_s ? s : u"filter"_s + s);
            QVERIFY(w && !w->accessibleName().isEmpty() && !w->toolTip().isEmpty());
        }
        QCOMPARE(win->toolbarButton(u"Find"_s)->accessibleDescription(),
                 u"Find (Ctrl+F, Alt+F); "_s + FilterBar::findNextTip());
    }
};

QTEST_MAIN(TestFilter)
#include "tst_filter.moc"
