// The banded report: how records fall onto pages, what each page prints, the printers and PDF
// files it draws on, and its preview window, paged, exporting and ending the report on closing.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "AppError.h"
#include "DataReport.h"
#include "ReportFixture.h"
#include "ReportPreview.h"
#include "ReportTexts.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using test::ReportOn;

namespace {

const QString kAllQuery = QStringLiteral(
    "select ID,Description,Year, Number, Series, Car_Cond, Wheel_Type, Box_Type, Box_Cond, "
    "Color, Quantity, Location, Purchase, Purch_Date, List_Price, Value, Value_Date, Status, "
    "Purch_From, Notes, twenty, binpicdata, picpath from table1");

// On Letter paper four records fit under the report header and five on each later page.
constexpr int kFirstPageRecords = 4;
constexpr int kPageRecords = 5;

bool inside(const QRectF& outer, const QRectF& inner) {
    return inner.left() >= outer.left() - 0.01 && inner.right() <= outer.right() + 0.01 &&
           inner.top() >= outer.top() - 0.01 && inner.bottom() <= outer.bottom() + 0.01;
}

const ReportItem* find(const QVector<ReportItem>& items, const QString& control, int record = -1) {
    for (const ReportItem& i : items) {
        if (i.control == control && i.record == record)
            return &i;
    }
    return nullptr;
}

QToolButton* button(ReportPreview* p, const char* name) {
    return p->findChild<QToolButton*>(QLatin1String(name));
}

void click(ReportPreview* p, const char* name) {
    QVERIFY2(button(p, name), name);
    QTest::mouseClick(button(p, name), Qt::LeftButton);
}

// The preview of a report over the generated records, shown.
ReportPreview* shown(ReportOn& r) {
    r.report.show();
    ReportPreview* p = r.report.preview();
    if (!p || !QTest::qWaitForWindowExposed(p))
        qFatal("no preview");
    return p;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each record prints its values beside their captions; blank and Null print nothing, and
    // the fields the report does not show are not printed.
    void recordCaptionsAndValues() {
        ReportOn r(1, kAllQuery, [](const test::TestEnv& env) {
            env.exec(
                QStringLiteral("UPDATE table1 SET Base_Name = 'not printed', Notes = 'not "
                               "printed either'"));
            env.addRecord({{"Description", "Bare"}, {"Year", " "}, {"Color", QVariant()}});
        });
        const auto items = r.report.pageItems(1);
        QCOMPARE(test::bandsOn(items), QStringList({"Section4", "Section2", "Section1:0",
                                                    "Section1:1", "Section5", "Section3"}));
        const auto record = test::itemsOfRecord(items, 0);
        QCOMPARE(test::lineOf(record, "Issue Year").mid(0, 2), QStringList({"Issue Year", "1961"}));
        QCOMPARE(test::lineOf(record, "Purchase Price"),
                 QStringList({"Purchase Price", "1.25", "on", "2003-01-02"}));
        QCOMPARE(test::lineOf(record, "Status"), QStringList({"Status", "Have"}));
        for (const ReportItem& i : items)
            QVERIFY(!i.text.contains(QLatin1String("not printed")));
        const auto bare = test::itemsOfRecord(items, 1);
        QCOMPARE(test::lineOf(bare, "Issue Year").mid(0, 2), QStringList({"Issue Year", ""}));
        QCOMPARE(test::lineOf(bare, "Color").mid(0, 2), QStringList({"Color", ""}));
        QCOMPARE(test::lineOf(bare, "Purchase Price"),
                 QStringList({"Purchase Price", "", "on", ""}));
    }

    void manyRecordsOverPages() {
        ReportOn r(120, kAllQuery);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        const int pages = 25;  // 4, then 5 a page
        QCOMPARE(r.report.pageCount(), pages);

        const QRectF paper(QPointF(0, 0), r.report.pageSizeTwips());
        const QRectF printable = paper.adjusted(360, 360, -360, -360);  // a quarter inch
        int next = 0;
        for (int page = 1; page <= pages; ++page) {
            const auto items = r.report.pageItems(page);
            // The report header opens the first page, the page's records follow in the record
            // set's order, and the report footer closes the last page.
            QStringList bands = {"Section2"};
            if (page == 1)
                bands.prepend("Section4");
            const int first = next;
            const int fit = page == 1 ? kFirstPageRecords : kPageRecords;
            for (; next < std::min(120, first + fit); ++next)
                bands << u"Section1:%1"_s.arg(next);
            if (page == pages)
                bands << "Section5";
            QCOMPARE(test::bandsOn(items), bands << "Section3");
            QCOMPARE(test::textsOf(items, "Section3"),
                     QStringList{u"page %1 of %2"_s.arg(page).arg(pages)});
            QCOMPARE(test::textsOf(items, "Section2"), QStringList{"Report -- Want"});

            // Each record whole, above the page footer, and nothing outside the printable area.
            double footerTop = paper.height();
            for (const ReportItem& i : items) {
                if (i.section == "Section3")
                    footerTop = std::min(footerTop, i.rect.top());
                QVERIFY2(inside(printable, i.rect), qPrintable(i.control));
            }
            for (int n = first; n < next; ++n) {
                const auto record = test::itemsOfRecord(items, n);
                QCOMPARE(record.count(), 34);  // bar, description, 16 captions, 16 fields
                QCOMPARE(find(items, "txtDescription", n)->text, test::carName(n + 1));
                for (const ReportItem& i : record)
                    QVERIFY(i.rect.bottom() < footerTop);
            }
        }
        QCOMPARE(next, 120);
    }

    // Extra lines (the collector's own fields the grid shows) go two to a row under the
    // described ones, with the record's own texts; the band grows, every record stays whole
    // on its page.
    void extraLinesUnderTheDescribed() {
        ReportOn r(12, kAllQuery);
        r.report.setExtraLines({u"Scale"_s, u"Maker"_s, u"Found"_s}, [](std::int64_t id, int line) {
            return u"%1-%2"_s.arg(id).arg(line);
        });
        r.report.openDataSource(r.cn, kAllQuery);
        const auto record = test::itemsOfRecord(r.report.pageItems(1), 3);
        QCOMPARE(test::lineOf(record, u"Scale"_s),
                 (QStringList{u"Scale"_s, u"4-0"_s, u"Maker"_s, u"4-1"_s}));
        QCOMPARE(test::lineOf(record, u"Found"_s), (QStringList{u"Found"_s, u"4-2"_s}));
        QVERIFY(test::lineOf(record, u"Status"_s).first() == u"Status"_s);
        QCOMPARE(test::bandsOn(r.report.pageItems(2)).size(), kPageRecords - 1 + 2);
        const QRectF printable =
            QRectF(QPointF(0, 0), r.report.pageSizeTwips()).adjusted(360, 360, -360, -360);
        for (int page = 1; page <= r.report.pageCount(); ++page) {
            double footerTop = printable.bottom(), lowest = 0;
            for (const ReportItem& i : r.report.pageItems(page)) {
                QVERIFY(inside(printable, i.rect));
                if (i.section == u"Section3"_s)
                    footerTop = std::min(footerTop, i.rect.top());
                else if (i.record >= 0)
                    lowest = std::max(lowest, i.rect.bottom());
            }
            QVERIFY(lowest < footerTop);
        }
    }

    void exportsAndPrintsPdf() {
        ReportOn r(12, kAllQuery);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Sell");
        QCOMPARE(r.report.pageCount(), 3);

        const QString pdf = r.env.path("report.pdf");
        QVERIFY(r.report.exportPdf(pdf));
        QCOMPARE(test::pdfPages(pdf), 3);
        const QString text = test::pdfText(pdf);
        for (const char* expected : {"Report -- Sell", "page 3 of 3", "End of Report", "Car 00012"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);

        // A printer prints the range it is given, numbered as in the whole report.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = r.env.path("printed.pdf");
        printer.setOutputFileName(printed);
        r.report.preparePrinter(printer);
        printer.setFromTo(2, 3);
        QVERIFY(r.report.print(printer));
        QCOMPARE(test::pdfPages(printed), 2);
        const QString printedText = test::pdfText(printed);
        QVERIFY(printedText.contains("page 2 of 3") && printedText.contains("page 3 of 3"));
        QVERIFY(!printedText.contains("page 1 of 3"));
        QVERIFY(!r.report.exportPdf(r.env.path("no-such-folder/report.pdf")));
    }

    // Only the queried records; a query that cannot be opened leaves the
    // report as it was, and without a data source it has one empty page.
    void dataSourceReplacedAndReleased() {
        ReportOn r(20);  // statuses Have, Sell, Want, Have, ...
        QSignalSpy changed(&r.report, &DataReport::changed);
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Want'");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(r.report.recordCount(), 6L);

        QVERIFY_THROWS_EXCEPTION(AppError, r.report.openDataSource(r.cn, "select * from nothing"));
        QCOMPARE(r.report.recordCount(), 6L);
        r.report.setDataSource(nullptr);
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.pageCount(), 1);
        QCOMPARE(test::bandsOn(r.report.pageItems(1)),
                 QStringList({"Section4", "Section2", "Section5", "Section3"}));
        QCOMPARE(test::textsOf(r.report.pageItems(1), "Section3"), QStringList{"page 1 of 1"});
        QVERIFY(r.report.pageItems(2).isEmpty());
    }

    void shownBesideTheCatalogueWindow() {
        ReportOn r(30);
        QMainWindow catalogue;
        catalogue.show();
        auto* report = new DataReport(&catalogue);
        report->openDataSource(r.cn, "select * from table1");
        report->show();
        ReportPreview* preview = report->preview();
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        // Closing the catalogue window takes the preview with it, without ending the report
        // in a half-destroyed window.
        QSignalSpy terminated(report, &DataReport::Terminate);
        QPointer<ReportPreview> guard(preview);
        delete report;
        QVERIFY(!guard);
        QCOMPARE(terminated.count(), 0);
    }

    // Paging by button; closing ends the report.
    void pagingAndClosing() {
        ReportOn r(120);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        QSignalSpy terminated(&r.report, &DataReport::Terminate);
        QPointer<ReportPreview> p = shown(r);
        auto* number = p->findChild<QSpinBox*>("pageNumber");
        auto* count = p->findChild<QLabel*>("pageCount");
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), u"of 25"_s);

        click(p, "nextPage");
        click(p, "nextPage");
        QCOMPARE(number->value(), 3);
        QCOMPARE(p->pageView()->page(), 3);
        QCOMPARE(p->pageView()->accessibleDescription(), u"page 3 of 25"_s);
        click(p, "previousPage");
        QCOMPARE(p->currentPage(), 2);
        click(p, "lastPage");
        QCOMPARE(p->currentPage(), 25);
        click(p, "nextPage");  // disabled: nothing happens
        QCOMPARE(p->currentPage(), 25);
        click(p, "firstPage");
        QCOMPARE(p->currentPage(), 1);

        // Shown again with other records, the preview starts over on their first page.
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Sell'");
        QCOMPARE(shown(r), p);
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), u"of 9"_s);

        click(p, "nextPage");
        click(p, "close");
        QCOMPARE(terminated.count(), 1);
        QTRY_VERIFY(!p);
        QVERIFY(!r.report.preview());
        QVERIFY(!r.report.dataSource());
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.sections("Section2").controls("Label3").caption(),
                 u"Report -- Want"_s);  // the caption lasts
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
