// The totals report: amounts read leniently and exactly, the sums of a small catalogue worked
// out by hand, paging of many groups, and the preview's CSV export.
#include <QToolButton>
#include <QtTest>

#include "Amounts.h"
#include "Connection.h"
#include "ReportFixture.h"
#include "ReportPreview.h"
#include "ScriptedFileDialogs.h"
#include "TotalsReport.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// A table's rows as printed, "name|records|models|purchase|value|unreadable"; the column heads
// and titles left out.
QStringList rowsOf(const QVector<ReportItem>& items, const QString& table) {
    QMap<int, QStringList> rows;
    for (const ReportItem& i : items) {
        if (i.section == table && i.record >= 0 && i.kind == ReportItem::Kind::Text)
            rows[i.record] << i.text;
    }
    QStringList out;
    for (const QStringList& r : rows)
        out << r.join(u'|');
    return out;
}

struct Totals {
    test::TestEnv env;
    Connection cn;
    TotalsReport report;
    Totals() {
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
    }
};

}  // namespace

class TestTotals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amountsReadLeniently() {
        // "-" is no amount, "?" unreadable.
        const char* const cases[][2] = {
            {"12", "12.00"},
            {"12.5", "12.50"},
            {"12,5", "12.50"},
            {"$1,234.56", "1,234.56"},
            {"1.234,56 €", "1,234.56"},
            {"£ 7", "7.00"},
            {"EUR 20", "20.00"},
            {"19.99 usd", "19.99"},
            {"1,234", "1,234.00"},
            {"1.234", "1,234.00"},
            {"0,125", "0.1250"},
            {"1234.567", "1,234.5670"},
            {"1 234 567,8", "1,234,567.80"},
            {"1'000.5", "1,000.50"},
            {"-$2.50", "-2.50"},
            {".5", "0.50"},
            {"", "-"},
            {" ", "-"},
            {"ask me", "?"},
            {"12.", "?"},
            {"1,23,4", "?"},
            {"1.2.3", "?"},
            {"12.34567", "?"},
            {"$$5", "?"},
            {"EUR", "?"},
            {"5 EURO", "?"},
            {"1,234.5.6", "?"},
            {"99999999999999999999", "?"},
            {"1,234.567,8", "?"},
        };
        for (const auto& [text, expected] : cases) {
            const amounts::Reading r = amounts::readAmount(text);
            const QString got = r.kind == amounts::Reading::Kind::None ? u"-"_s
                                : r.kind == amounts::Reading::Kind::Unreadable
                                    ? u"?"_s
                                    : amounts::formatAmount({r.number, false});
            QVERIFY2(got == QLatin1String(expected), text);
        }
        amounts::Sum big{std::numeric_limits<std::int64_t>::max() - 1, false};
        big.add(5);
        QCOMPARE(amounts::formatAmount(big), u"too large"_s);
    }

    void smallCatalogueByHand() {
        Totals t;
        const char* const records[][5] = {
            // Status, Series, Quantity, Purchase, Value
            {"Have", "Mainline", "2", "$1,234.50", "1.500,25 \u20ac"},
            {"Have ", "Mainline", "1", "12,5", "EUR 20"},
            {"Want", "Premium", "x2", " ", "ask me"},
            {" ", "", "3", "0.125", "1.234"},
            {nullptr, "premium", "1.5", "\u00a3 7", "-2.50"},
        };
        for (const auto& r : records) {
            QVariantMap values{{"Description", u"Car"_s}};
            const char* const columns[] = {"Status", "Series", "Quantity", "Purchase", "Value"};
            for (int c = 0; c < 5; ++c)
                values[columns[c]] = r[c] ? QVariant(QString::fromUtf8(r[c])) : QVariant();
            t.env.addRecord(values);
        }
        t.report.open(t.cn);
        QCOMPARE(t.report.pageCount(), 2);  // the unreadable values on a page of their own
        const auto first = t.report.pageItems(1);
        QCOMPARE(test::textsOf(first, "Section2"), QStringList{"Report -- Totals"});
        QCOMPARE(test::textsOf(first, "Section3"), QStringList{"page 1 of 2"});
        QCOMPARE(rowsOf(first, "All"), QStringList{"All records|5|6|1,254.1250|2,751.75|3"});
        QCOMPARE(rowsOf(first, "Status"),
                 QStringList({"(none)|2|3|7.1250|1,231.50|1", "Have|2|3|1,247.00|1,520.25|0",
                              "Want|1|0|0.00|0.00|2"}));
        QCOMPARE(rowsOf(first, "Series"),
                 QStringList({"(none)|1|3|0.1250|1,234.00|0", "Mainline|2|3|1,247.00|1,520.25|0",
                              "Premium|1|0|0.00|0.00|2", "premium|1|0|7.00|-2.50|1"}));
        const auto last = t.report.pageItems(2);
        QCOMPARE(rowsOf(last, "Unreadable"),
                 QStringList({"3|Quantity|\"x2\"", "3|Value|\"ask me\"", "5|Quantity|\"1.5\""}));
        QVERIFY(test::textsOf(last, "Section5").contains("End of Report"));
        QVERIFY(!t.report.recordIds().has_value());  // CSV: every record in ID order
    }

    // Thousands of series: page after page, each row once, whole and above the footer, the
    // table's title and heads again on every page.
    void manySeriesOverPages() {
        Totals t;
        t.env.exec(
            u"INSERT INTO table1 (Description, Series, Value) WITH RECURSIVE n(i) AS "
            "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "SELECT 'Car', printf('S%04d', i), '1' FROM n"_s);
        t.report.open(t.cn);
        QStringList series;
        for (int page = 1; page <= t.report.pageCount(); ++page) {
            const auto items = t.report.pageItems(page);
            double footerTop = 1e9;
            for (const ReportItem& i : items) {
                if (i.section == "Section3")
                    footerTop = std::min(footerTop, i.rect.top());
            }
            for (const ReportItem& i : items)
                QVERIFY(i.section == "Section3" || i.rect.bottom() <= footerTop);
            const QStringList rows = rowsOf(items, "Series");
            if (page > 1 && !rows.isEmpty()) {
                QVERIFY(test::textsOf(items, "Series").contains("By series (continued)"));
                QVERIFY(test::textsOf(items, "Series").contains("Records"));
            }
            for (const QString& r : rows)
                series << r.section(u'|', 0, 0);
        }
        QCOMPARE(series.size(), 3000);
        QCOMPARE(series.first(), u"S0001"_s);
        QCOMPARE(series.last(), u"S3000"_s);
        QVERIFY(std::is_sorted(series.begin(), series.end()));
    }

    // The preview exports the records of its report to CSV, in its order; a file that exists
    // is never replaced, and the failure is said in a message.
    void previewExportsCsv() {
        test::ReportOn r(9, u"select ID, Description from table1 where Status = 'Want'"_s);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        r.report.show();
        ReportPreview* p = r.report.preview();
        QVERIFY(p && QTest::qWaitForWindowExposed(p));
        test::ScriptedFileDialogs dialogs;
        const QString taken = r.env.path("taken.csv");
        r.env.writeFile("taken.csv", "mine");
        dialogs.chooseFile(taken);
        r.env.prompts().answerMsg(mb::OK);
        QTest::keyClick(p, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(dialogs.requests[0].initialFile, u"report-want.csv"_s);
        QVERIFY(dialogs.requests[0].filter.startsWith(u"CSV files (*.csv)"_s));
        QCOMPARE(r.env.prompts().shown.size(), 1);
        QVERIFY(r.env.prompts().shown[0].text.startsWith("The records could not be exported:"));
        QCOMPARE(r.env.prompts().shown[0].title, u"Kerbside Manager"_s);
        QCOMPARE(r.env.readFile("taken.csv"), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(r.env.path("taken_pictures")));

        // A new file holds the report's records in the report's order.
        r.report.openDataSource(
            r.cn, u"select ID from table1 where Status = 'Want' order by Description desc"_s);
        dialogs.chooseFile(r.env.path("want.csv"));
        p->findChild<QToolButton*>("exportCsv")->click();
        const QByteArray csv = r.env.readFile("want.csv");
        QVERIFY(csv.startsWith("\xEF\xBB\xBFID,"));
        const QStringList lines = QString::fromUtf8(csv).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QStringList ids;
        for (const QString& line : lines.mid(1))
            ids << line.section(u',', 0, 0);
        QCOMPARE(ids, QStringList({"9", "6", "3"}));
        QCOMPARE(p->statusText(), u"3 records exported to want.csv."_s);

        // The spreadsheet and the Tellico file hold the same records.
        for (const auto& [button, file] :
             {std::pair{"exportXlsx", "want.xlsx"}, {"exportTellico", "want.tc"}}) {
            dialogs.chooseFile(r.env.path(file));
            p->findChild<QToolButton*>(button)->click();
            QCOMPARE(p->statusText(), u"3 records exported to %1."_s.arg(file));
        }
        QCOMPARE(dialogs.requests.last().initialFile, u"report-want.tc"_s);
    }
};

QTEST_MAIN(TestTotals)
#include "tst_totals.moc"
