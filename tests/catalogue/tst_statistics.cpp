// The statistics window: its sums against the catalogue's own, what cannot be read counted,
// following the filter, by the collector's own fields and tags, and the chart saved as pictures.
#include <QtTest>

#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSvgRenderer>
#include <QTableWidget>

#include "CatalogueSession.h"
#include "ChartKinds.h"
#include "FilterBar.h"
#include "ReportCommands.h"
#include "ScriptedFileDialogs.h"
#include "StatisticsReport.h"
#include "StatisticsWindow.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// Blanks around a series, an empty one, and amounts, quantities and dates typed oddly.
void oddCars(const test::TestEnv& env) {
    env.addRecord({{"Series", "Superfast"},
                   {"Status", "Have"},
                   {"Year", "1970"},
                   {"Quantity", "2"},
                   {"Purchase", "$12.50"},
                   {"List_Price", "1,000"},
                   {"Value", "20"},
                   {"Purch_Date", "1998-03-12"}});
    env.addRecord({{"Series", " Superfast "},
                   {"Status", "Have"},
                   {"Year", "1972"},
                   {"Quantity", "1"},
                   {"Purchase", "7.50"},
                   {"Value", "abc"},
                   {"Purch_Date", "15/3/1998"}});
    env.addRecord({{"Series", ""},
                   {"Status", "Want"},
                   {"Year", "1965"},
                   {"Quantity", "two"},
                   {"Purchase", "n/a"},
                   {"Value", "5"},
                   {"Purch_Date", "yesterday"}});
    env.addRecord({{"Series", "King Size"},
                   {"Status", "Sell"},
                   {"Year", "1968"},
                   {"Quantity", "1"},
                   {"Value", "EUR 3,5"},
                   {"Purch_Date", "2001"}});
}

StatisticsWindow& statistics(test::Window& win) {
    win->reportCommands()->showStatistics();
    return *win->reportCommands()->statisticsWindow();
}

QStringList tableColumn(StatisticsWindow& w, int column) {
    auto* t = w.findChild<QTableWidget*>(u"tblNumbers"_s);
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << t->item(r, column)->text();
    return out;
}

}  // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dayFirst");
        QTest::addColumn<QDate>("date");
        QTest::newRow("iso") << u" 1998-03-12 "_s << true << QDate(1998, 3, 12);
        QTest::newRow("points") << u"12.3.1998"_s << false << QDate(1998, 3, 12);
        QTest::newRow("month first") << u"3/12/1998"_s << false << QDate(1998, 3, 12);
        QTest::newRow("day first") << u"3/12/1998"_s << true << QDate(1998, 12, 3);
        QTest::newRow("day above 12") << u"13/3/98"_s << false << QDate(1998, 3, 13);
        QTest::newRow("month and year") << u"3/2001"_s << true << QDate(2001, 3, 1);
        QTest::newRow("year") << u"2001"_s << true << QDate(2001, 1, 1);
        QTest::newRow("no day 32") << u"32/1/1998"_s << true << QDate();
        QTest::newRow("words") << u"yesterday"_s << true << QDate();
        QTest::newRow("mixed separators") << u"1998-03/12"_s << true << QDate();
    }
    void readDate() {
        QFETCH(QString, text);
        QFETCH(bool, dayFirst);
        QFETCH(QDate, date);
        QCOMPARE(stats::readDate(text.toStdString(), dayFirst), date);
    }

    // The groups against the catalogue's own GROUP BY; the sums against hand counts.
    void sumsAgainstCatalogue() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        StatisticsWindow& w = statistics(win);
        const stats::Statistics& s = w.statistics();
        const auto groups = s.byField(collection::GroupFields[0]);
        const auto rows = env.rows(
            u"select trim(coalesce(Series, '')), count(*) from table1 "
            "group by 1 order by 1"_s);
        QCOMPARE(groups.size(), size_t(rows.size()));
        for (const auto& g : groups) {
            const auto it = std::find_if(rows.begin(), rows.end(), [&](const QVariantList& r) {
                return r[0].toString() == g.name;
            });
            QVERIFY2(it != rows.end(), qPrintable(g.name));
            QCOMPARE(g.sums.records, long((*it)[1].toLongLong()));
        }
        QCOMPARE(groups.front().name, QString());  // the empty group first
        QCOMPARE(groups[1].name, u"King Size"_s);
        QCOMPARE(groups[2].sums.models.total, 3);
        QCOMPARE(groups[2].sums.paid.total, 200000);
        const auto& all = s.all();
        QCOMPARE(all.records, 4L);
        QCOMPARE(all.models.total, 4);
        QCOMPARE(all.paid.total, 200000);
        QCOMPARE(all.listPrice.total, 10000000);
        QCOMPARE(all.value.total, 285000);
        QCOMPARE(all.gain().total, 85000);
        QCOMPARE(s.unreadable().amounts, 2L);
        QCOMPARE(s.unreadable().quantities, 1L);
        QCOMPARE(s.unreadable().dates, 1L);
        const auto months = s.growth();
        QCOMPARE(months.size(), size_t(2));
        QCOMPARE(months[0].month, QDate(1998, 3, 1));
        QCOMPARE(months[0].records, 2L);
        QCOMPARE(months[1].records, 3L);  // cumulative
        QCOMPARE(months[1].spent.total, 200000);
        const QString note = w.findChild<QLabel*>(u"lblNote"_s)->text();
        QVERIFY2(note.contains(u"2 values not read as amounts"_s), qPrintable(note));
        QVERIFY2(note.contains(u"1 purchase date not read as a date"_s), qPrintable(note));
    }

    // Every chart's table follows the filter bar, and the grid's saves.
    void followsTheFilter() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        StatisticsWindow& w = statistics(win);
        w.setChart(0);
        QCOMPARE(tableColumn(w, 0), QStringList({u"(Empty)"_s, u"King Size"_s, u"Superfast"_s}));
        ui(win).FilterBar1->edit()->setText(u"superfast"_s);
        QTRY_COMPARE(tableColumn(w, 0), QStringList{u"Superfast"_s});
        QCOMPARE(tableColumn(w, 1), QStringList{u"2"_s});
        w.setChart(3);  // money in all
        QCOMPARE(tableColumn(w, 1), QStringList{u"20.00"_s});
        ui(win).FilterBar1->edit()->clear();
        QTRY_COMPARE(tableColumn(w, 1), QStringList{u"20.00"_s});
        QTRY_COMPARE(w.statistics().all().records, 4L);
    }

    // "By" offers the collector's own fields after the described ones and the tags last; a
    // record with two tags counts in both, with its money; a field removed leaves the list.
    void byOwnFieldsAndTags() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        CatalogueSession& s = win->session();
        const auto maker = s.addOwnField({0, u"Maker"_s, ownfields::Kind::Text, {}, 0});
        s.setOwnValues(1, {{maker, u"Matchbox"_s}});
        s.setOwnValues(2, {{maker, u"matchbox "_s}});
        s.setTags(1, {u"chase"_s, u"error"_s});
        s.setTags(4, {u"chase"_s});
        StatisticsWindow& w = statistics(win);
        auto* by = w.findChild<QComboBox*>(u"cboField"_s);
        const int first = int(collection::GroupFields.size());
        QCOMPARE(by->itemText(first), u"Maker"_s);
        w.setChart(4);  // money by field
        w.setField(first);
        QCOMPARE(tableColumn(w, 0), (QStringList{u"(Empty)"_s, u"Matchbox"_s}));
        QCOMPARE(tableColumn(w, 1), (QStringList{u"0.00"_s, u"20.00"_s}));  // paid
        w.setField(by->count() - 1);
        QCOMPARE(tableColumn(w, 0), (QStringList{u"(Empty)"_s, u"chase"_s, u"error"_s}));
        QCOMPARE(tableColumn(w, 1), (QStringList{u"7.50"_s, u"12.50"_s, u"12.50"_s}));
        QCOMPARE(tableColumn(w, 3), (QStringList{u"5.00"_s, u"23.50"_s, u"20.00"_s}));  // value
        s.removeOwnField(maker);
        w.refresh();
        QCOMPARE(by->findText(u"Maker"_s), -1);
        QCOMPARE(tableColumn(w, 0), (QStringList{u"(Empty)"_s, u"chase"_s, u"error"_s}));
        // The chart shows a group's name as written, markup included.
        s.setTags(4, {u"<b>x</b>"_s});
        w.refresh();
        QStringList drawn;
        w.grab();  // laid out
        for (QGraphicsItem* item : w.findChild<QChartView*>()->scene()->items()) {
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                drawn << text->toPlainText();
        }
        QVERIFY2(drawn.contains(u"<b>x</b>"_s), qPrintable(drawn.join(u'|')));
    }

    // The value of the models held by date, from their valuations, beside what they had cost.
    void worthByDate() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        env.exec(u"DELETE FROM value_history"_s);
        env.exec(
            u"INSERT INTO value_history (record_id, date, value) VALUES (1, '2000-06-01', "
            "'10'), (1, '2005-06-01', '30'), (2, '2005-01-01', 'x'), (3, '2001-01-01', '99')"_s);
        StatisticsWindow& w = statistics(win);
        w.setChart(int(stats::chartKinds().size()) - 1);
        const QStringList months = tableColumn(w, 0);
        QCOMPARE(months.first(), u"1998-12"_s);  // a point a year over more than ten years
        const QStringList value = tableColumn(w, 1), paid = tableColumn(w, 2);
        QCOMPARE(value[months.indexOf(u"1999-12"_s)], u"0.00"_s);
        QCOMPARE(value[months.indexOf(u"2000-12"_s)], u"10.00"_s);  // the Want record not
        QCOMPARE(value[months.indexOf(u"2005-12"_s)], u"30.00"_s);
        QCOMPARE(paid[months.indexOf(u"2000-12"_s)], u"20.00"_s);
        QVERIFY(w.statistics().worth().unreadable == 1);
    }

    // The chart as PNG and SVG; a file that is there is never written over.
    void savedAsPictures() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        StatisticsWindow& w = statistics(win);
        test::ScriptedFileDialogs dialogs;
        const QString png = env.path(u"chart"_s), svg = env.path(u"chart.svg"_s);
        dialogs.chooseFile(png);
        QVERIFY(w.savePng());
        QImage image;
        QVERIFY(image.load(png + u".png"_s));
        QVERIFY(image.width() > 100);
        w.setChart(5);
        dialogs.chooseFile(svg);
        QVERIFY(w.saveSvg());
        QVERIFY(QSvgRenderer(svg).isValid());
        const QByteArray before = env.readFile(u"chart.svg"_s);
        dialogs.chooseFile(svg);
        env.prompts().answerMsg(mb::OK);
        QVERIFY(!w.saveSvg());
        QVERIFY(env.prompts().shown.last().text.contains(u"is there already"_s));
        QCOMPARE(env.readFile(u"chart.svg"_s), before);
    }

    // The report: every chart with its table, written as PDF.
    void report() {
        test::TestEnv env;
        oddCars(env);
        test::Window win(env);
        StatisticsWindow& w = statistics(win);
        StatisticsReport report;
        report.open(w.statistics(), collection::GroupFields[0], env.dbPath());
        // A page a chart; the value over time's 29 years (1998 to this year) take two.
        QCOMPARE(report.pageCount(), int(stats::chartKinds().size()) + 1);
        QStringList seen;
        for (const ReportItem& item : report.pageItems(4)) {
            if (item.section == u"money"_s && item.control == u"Column3"_s)
                seen << item.text;
        }
        QCOMPARE(seen, QStringList({u"Value"_s, u"28.50"_s}));
        QVERIFY(report.exportPdf(env.path(u"s.pdf"_s)));
        QVERIFY(QFileInfo(env.path(u"s.pdf"_s)).size() > 1000);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
