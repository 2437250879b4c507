// The banded report: its design, how records fall onto pages, what each page prints, and
// the pages it draws on images, printers and PDF files.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QtTest>

#include "AppError.h"
#include "DataReport.h"
#include "ReportFixture.h"
#include "ReportTexts.h"

using namespace kbs;
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

const ReportItem* find(const QVector<ReportItem>& items, const QString& section,
                       const QString& control, int record = -1) {
    for (const ReportItem& i : items) {
        if (i.section == section && i.control == control && i.record == record)
            return &i;
    }
    return nullptr;
}

}  // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designedSectionsAndCaption() {
        DataReport report;
        QCOMPARE(report.sections(QStringLiteral("Section2"))
                     .controls(QStringLiteral("Label3"))
                     .caption(),
                 QStringLiteral("Report -- All"));
        // Names are looked up as the designer's collections do, whatever their case.
        ReportControl& label3 =
            report.sections(QStringLiteral("section2")).controls(QStringLiteral("LABEL3"));
        QCOMPARE(
            &label3,
            &report.sections(reportText::PageHeaderSection).controls(reportText::CaptionLabel));
        QCOMPARE(report.sections(QStringLiteral("Section2")).kind(),
                 ReportSection::Kind::PageHeader);
        QCOMPARE(report.sections(QStringLiteral("Section1")).kind(), ReportSection::Kind::Detail);

        QVERIFY_THROWS_EXCEPTION(AppError, report.sections(QStringLiteral("Section9")));
        QVERIFY_THROWS_EXCEPTION(
            AppError, report.sections(QStringLiteral("Section2")).controls(QStringLiteral("x")));
        // A text box shows a field; it has no caption to set.
        ReportControl& description =
            report.sections(QStringLiteral("Section1")).controls(QStringLiteral("txtDescription"));
        QCOMPARE(description.dataField(), QStringLiteral("Description"));
        QVERIFY_THROWS_EXCEPTION(AppError, description.setCaption(QStringLiteral("x")));

        QSignalSpy changed(&report, &DataReport::changed);
        label3.setCaption(QStringLiteral("Report -- Want"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(label3.caption(), QStringLiteral("Report -- Want"));
    }

    void noRecords() {
        test::TestEnv env;
        ReportOn r(env, kAllQuery);
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.pageCount(), 1);
        const auto items = r.report.pageItems(1);
        QCOMPARE(test::bandsOn(items),
                 QStringList({"Section4", "Section2", "Section5", "Section3"}));
        QCOMPARE(test::textsOf(items, QStringLiteral("Section4")),
                 QStringList{QStringLiteral("Kerbside Manager")});
        QCOMPARE(test::textsOf(items, QStringLiteral("Section2")),
                 QStringList{QStringLiteral("Report -- All")});
        QCOMPARE(test::textsOf(items, QStringLiteral("Section5")),
                 QStringList{QStringLiteral("End of Report")});
        QCOMPARE(test::textsOf(items, QStringLiteral("Section3")),
                 QStringList{QStringLiteral("page 1 of 1")});
        // Pages that do not exist show nothing.
        QVERIFY(r.report.pageItems(0).isEmpty());
        QVERIFY(r.report.pageItems(2).isEmpty());
    }

    void oneRecordCaptionsAndValues() {
        test::TestEnv env;
        env.addRecord({{"Description", "Ferrari 250 GTO"},
                       {"Year", "1962"},
                       {"Number", "12"},
                       {"Series", "Superfast"},
                       {"Car_Cond", "Mint"},
                       {"Color", "Red"},
                       {"Wheel_Type", "Spoked"},
                       {"Box_Type", "Window box"},
                       {"Box_Cond", "Fair"},
                       {"Quantity", "2"},
                       {"Location", "Shelf 3"},
                       {"List_Price", "4.99"},
                       {"Purchase", "12.50"},
                       {"Purch_Date", "2003-01-02"},
                       {"Value", "40.00"},
                       {"Value_Date", "2024-05-06"},
                       {"Status", "Have"},
                       {"Base_Name", "not printed"},
                       {"Notes", "not printed either"}});
        ReportOn r(env, kAllQuery);
        QCOMPARE(r.report.pageCount(), 1);
        const auto items = r.report.pageItems(1);
        QCOMPARE(test::bandsOn(items),
                 QStringList({"Section4", "Section2", "Section1:0", "Section5", "Section3"}));

        const auto record = test::itemsOfRecord(items, 0);
        // Left column: a caption and its field on each line.
        const QList<QStringList> left = {{"Issue Year", "1962"},     {"Number", "12"},
                                         {"Series", "Superfast"},    {"Car Condition", "Mint"},
                                         {"Color", "Red"},           {"Wheel Type", "Spoked"},
                                         {"Box Type", "Window box"}, {"Box Condition", "Fair"}};
        // Right column, the prices followed by their dates.
        const QList<QStringList> right = {{"Quantity", "2"},
                                          {"Location", "Shelf 3"},
                                          {"List Price", "4.99"},
                                          {"Purchase Price", "12.50", "on", "2003-01-02"},
                                          {"Value", "40.00", "as of", "2024-05-06"},
                                          {"Status", "Have"}};
        for (const QStringList& expected : left)
            QCOMPARE(test::lineOf(record, expected.first()).mid(0, 2), expected);
        for (const QStringList& expected : right)
            QCOMPARE(test::lineOf(record, expected.first()), expected);

        // The lines run down in the order above, and the right column begins beside the left.
        auto captionItem = [&](const QString& text) {
            return *std::find_if(record.begin(), record.end(),
                                 [&](const ReportItem& i) { return i.text == text; });
        };
        for (int i = 1; i < left.size(); ++i) {
            QVERIFY(captionItem(left[i - 1][0]).rect.bottom() <=
                    captionItem(left[i][0]).rect.top());
            QCOMPARE(captionItem(left[i][0]).rect.left(), captionItem(left[0][0]).rect.left());
        }
        QCOMPARE(captionItem("Quantity").rect.top(), captionItem("Issue Year").rect.top());
        QVERIFY(captionItem("Quantity").rect.left() > captionItem("1962").rect.right());

        // The description sits in a grey bar across the band, above the lines.
        const ReportItem* bar = nullptr;
        for (const ReportItem& i : record) {
            if (i.kind == ReportItem::Kind::Box)
                bar = &i;
        }
        QVERIFY(bar);
        QVERIFY(bar->color != QColor(Qt::white) && bar->color.lightness() > 180);
        const ReportItem& description = captionItem("Ferrari 250 GTO");
        QVERIFY(inside(bar->rect, description.rect));
        QVERIFY(bar->rect.bottom() <= captionItem("Issue Year").rect.top());
        const ReportItem* rule = find(items, "Section2", "Line1");
        QVERIFY(rule);
        QCOMPARE(bar->rect.left(), rule->rect.left());
        QCOMPARE(bar->rect.right(), rule->rect.right());

        // Neither the fields the report leaves out nor the notes are printed.
        for (const ReportItem& i : items) {
            QVERIFY(!i.text.contains(QLatin1String("not printed")));
        }
    }

    void emptyAndNullFieldsPrintNothing() {
        test::TestEnv env;
        env.addRecord({{"Description", "Bare"}, {"Year", " "}, {"Color", QVariant()}});
        ReportOn r(env);
        const auto record = test::itemsOfRecord(r.report.pageItems(1), 0);
        QCOMPARE(test::lineOf(record, "Issue Year").mid(0, 2), QStringList({"Issue Year", ""}));
        QCOMPARE(test::lineOf(record, "Color").mid(0, 2), QStringList({"Color", ""}));
        QCOMPARE(test::lineOf(record, "Purchase Price"),
                 QStringList({"Purchase Price", "", "on", ""}));
        QCOMPARE(test::lineOf(record, "Status"), QStringList({"Status", ""}));
    }

    void manyRecordsOverPages() {
        test::TestEnv env;
        test::addCars(env, 120);
        ReportOn r(env, kAllQuery);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        QCOMPARE(r.report.recordCount(), 120L);
        const int pages = 1 + (120 - kFirstPageRecords + kPageRecords - 1) / kPageRecords;
        QCOMPARE(r.report.pageCount(), pages);
        QCOMPARE(pages, 25);

        const QRectF paper(QPointF(0, 0), r.report.pageSizeTwips());
        const QRectF printable = paper.adjusted(360, 360, -360, -360);  // a quarter inch
        int nextRecord = 0;
        for (int page = 1; page <= pages; ++page) {
            const auto items = r.report.pageItems(page);
            const QStringList bands = test::bandsOn(items);
            QCOMPARE(test::textsOf(items, "Section3"),
                     QStringList{QStringLiteral("page %1 of %2").arg(page).arg(pages)});
            QCOMPARE(test::textsOf(items, "Section2"), QStringList{"Report -- Want"});
            // The report header opens the first page, the report footer closes the last.
            QCOMPARE(bands.contains("Section4"), page == 1);
            QCOMPARE(bands.contains("Section5"), page == pages);
            QCOMPARE(bands.first(), page == 1 ? QStringLiteral("Section4") : "Section2");
            QCOMPARE(bands.last(), QStringLiteral("Section3"));

            // Every record once, in the record set's order, and each whole on its page.
            double footerTop = 0;
            for (const ReportItem& i : items) {
                if (i.section == "Section3")
                    footerTop = footerTop == 0 ? i.rect.top() : std::min(footerTop, i.rect.top());
            }
            const int before = nextRecord;
            for (const QString& band : bands) {
                if (!band.startsWith("Section1:"))
                    continue;
                QCOMPARE(band, QStringLiteral("Section1:%1").arg(nextRecord));
                const auto record = test::itemsOfRecord(items, nextRecord);
                QCOMPARE(record.count(), 34);  // bar, description, 16 captions, 16 fields
                const ReportItem* description =
                    find(items, "Section1", "txtDescription", nextRecord);
                QVERIFY(description);
                QCOMPARE(description->text, test::carName(nextRecord + 1));
                for (const ReportItem& i : record)
                    QVERIFY(i.rect.bottom() < footerTop);
                ++nextRecord;
            }
            QCOMPARE(nextRecord - before,
                     page == 1 ? kFirstPageRecords : std::min(kPageRecords, 120 - before));
            for (const ReportItem& i : items)
                QVERIFY2(inside(printable, i.rect), qPrintable(i.control));
        }
        QCOMPARE(nextRecord, 120);
    }

    void reportFooterOnAPageOfItsOwn() {
        // Four records fill the first page and five the second; the report footer does not
        // fit below them and goes on a third page with the page header and footer.
        test::TestEnv env;
        test::addCars(env, kFirstPageRecords + kPageRecords);
        ReportOn r(env);
        QCOMPARE(r.report.pageCount(), 3);
        QCOMPARE(test::bandsOn(r.report.pageItems(3)),
                 QStringList({"Section2", "Section5", "Section3"}));
        QCOMPARE(test::textsOf(r.report.pageItems(3), "Section3"),
                 QStringList{QStringLiteral("page 3 of 3")});
        QVERIFY(!test::bandsOn(r.report.pageItems(2)).contains("Section5"));
    }

    void onlyTheQueriedRecords() {
        test::TestEnv env;
        test::addCars(env, 9);  // statuses Have, Sell, Want, Have, ...
        ReportOn r(env, QStringLiteral("select * from table1 where Status = 'Want'"));
        QCOMPARE(r.report.recordCount(), 3L);
        QStringList statuses, names;
        for (const ReportItem& i : r.report.pageItems(1)) {
            if (i.control == "txtStatus")
                statuses << i.text;
            if (i.control == "txtDescription")
                names << i.text;
        }
        QCOMPARE(statuses, QStringList({"Want", "Want", "Want"}));
        QCOMPARE(names, QStringList({test::carName(3), test::carName(6), test::carName(9)}));
    }

    void longTextsStayInTheirBoxes() {
        test::TestEnv env;
        const QString longName = QString(300, QLatin1Char('W'));
        env.addRecord({{"Description", longName},
                       {"Location", QStringLiteral("Attic, ") + QString(200, QLatin1Char('M'))},
                       {"Purchase", QString(40, QLatin1Char('8'))},
                       {"Series", "two\r\nlines"}});
        ReportOn r(env);
        const auto items = r.report.pageItems(1);
        const auto record = test::itemsOfRecord(items, 0);
        for (const ReportItem& i : record) {
            if (i.kind != ReportItem::Kind::Text)
                continue;
            QVERIFY2(QFontMetricsF(i.font).horizontalAdvance(i.text) <= i.rect.width(),
                     qPrintable(i.control));
        }
        const ReportItem* description = find(items, "Section1", "txtDescription", 0);
        QVERIFY(description->text.endsWith(QChar(0x2026)));
        QVERIFY(description->text.startsWith("WWWW"));
        QVERIFY(find(items, "Section1", "txtLocation", 0)->text.startsWith("Attic, MMM"));
        QCOMPARE(find(items, "Section1", "txtSeries", 0)->text, QStringLiteral("two lines"));

        // Drawn, nothing reaches past the right end of the grey bar.
        const ReportItem* bar = find(items, "Section1", "Shape1", 0);
        const QSizeF paper = r.report.pageSizeTwips();
        const double scale = 0.1;  // 144 dots to the inch
        QImage image((paper * scale).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            r.report.paintPage(p, 1, QRectF(QPointF(0, 0), paper * scale));
        }
        const int barRight = int(std::ceil(bar->rect.right() * scale)) + 1;
        const int top = int(bar->rect.top() * scale);
        const int bottom = int((bar->rect.top() + 2400) * scale);
        for (int y = top; y < bottom; ++y) {
            for (int x = barRight; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        }
        // The bar itself is drawn in its grey, beside the start of the description.
        const QPoint inBar(int((bar->rect.left() + 40) * scale),
                           int(bar->rect.center().y() * scale));
        QCOMPARE(QColor(image.pixel(inBar)), bar->color);
    }

    void narrowPaperIsScaledNotCut() {
        test::TestEnv env;
        test::addCars(env, 7);
        ReportOn r(env);
        r.report.setPageSize(QPageSize(QPageSize::A6));
        QCOMPARE(r.report.pageCount(), 2);  // the design, scaled down whole
        const QSizeF paper = r.report.pageSizeTwips();
        // The paper keeps its proportions.
        const QSizeF a6 = QPageSize(QPageSize::A6).size(QPageSize::Point);
        QVERIFY(qAbs(paper.width() / paper.height() - a6.width() / a6.height()) < 1e-6);
        int records = 0;
        for (int page = 1; page <= r.report.pageCount(); ++page) {
            const auto items = r.report.pageItems(page);
            for (const ReportItem& i : items) {
                QVERIFY(inside(QRectF(QPointF(0, 0), paper), i.rect));
                if (i.control == "txtDescription")
                    ++records;
            }
        }
        QCOMPARE(records, 7);
    }

    void exportsAndPrintsPdf() {
        test::TestEnv env;
        test::addCars(env, 12);
        ReportOn r(env, kAllQuery);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Sell");
        QCOMPARE(r.report.pageCount(), 3);

        const QString pdf = env.path("report.pdf");
        QVERIFY(r.report.exportPdf(pdf));
        QCOMPARE(test::pdfPages(pdf), 3);
        const QString text = test::pdfText(pdf);
        if (!text.isNull()) {
            for (const char* expected :
                 {"Kerbside Manager", "Report -- Sell", "page 1 of 3", "page 3 of 3",
                  "End of Report", "Car 00012", "Purchase Price", "as of"})
                QVERIFY2(text.contains(QLatin1String(expected)), expected);
        }

        // A printer prints the range it is given, numbered as in the whole report.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = env.path("printed.pdf");
        printer.setOutputFileName(printed);
        r.report.preparePrinter(printer);
        printer.setFromTo(2, 3);
        QVERIFY(r.report.print(printer));
        QCOMPARE(test::pdfPages(printed), 2);
        const QString printedText = test::pdfText(printed);
        if (!printedText.isNull()) {
            QVERIFY(printedText.contains("page 2 of 3"));
            QVERIFY(printedText.contains("page 3 of 3"));
            QVERIFY(!printedText.contains("page 1 of 3"));
            QVERIFY(!printedText.contains("Car 00001"));
        }

        QVERIFY(!r.report.exportPdf(env.path("no-such-folder/report.pdf")));
    }

    void dataSourceReplacedAndReleased() {
        test::TestEnv env;
        test::addCars(env, 20);
        ReportOn r(env);
        QSignalSpy changed(&r.report, &DataReport::changed);
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Have'");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(r.report.recordCount(), 7L);
        QCOMPARE(r.report.dataSource()->recordCount(), 7L);
        // A query that cannot be opened leaves the report as it was.
        QVERIFY_THROWS_EXCEPTION(AppError, r.report.openDataSource(r.cn, "select * from nothing"));
        QCOMPARE(r.report.recordCount(), 7L);
        r.report.setDataSource(nullptr);
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.pageCount(), 1);
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
