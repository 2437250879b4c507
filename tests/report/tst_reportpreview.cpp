// The report's preview window: shown beside the catalogue window, paged, zoomed, printed and
// exported, and ending the report when it closes.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "DataReport.h"
#include "ReportFixture.h"
#include "ReportPreview.h"
#include "ReportTexts.h"

using namespace kbs;
using test::ReportOn;

namespace {

QToolButton* button(ReportPreview* p, const char* name) {
    return p->findChild<QToolButton*>(QLatin1String(name));
}

void click(ReportPreview* p, const char* name) {
    QToolButton* b = button(p, name);
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// How many pixels of a picture are the report's grey bar.
int barPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAbs(qRed(c) - 0xD9) <= 2 && qAbs(qGreen(c) - 0xD9) <= 2 &&
                qAbs(qBlue(c) - 0xD9) <= 2)
                ++n;
        }
    }
    return n;
}

}  // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shownBesideTheCatalogueWindow() {
        test::TestEnv env;
        test::addCars(env, 30);
        QMainWindow catalogue;
        catalogue.show();
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        auto* report = new DataReport(&catalogue);
        report->openDataSource(cn, "select * from table1");
        report->sections("Section2").controls("Label3").setCaption("Report -- Have");
        report->show();

        ReportPreview* preview = report->preview();
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Kerbside Manager Report"));
        QVERIFY(preview->isWindow());
        QCOMPARE(preview->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(catalogue.isEnabled() && catalogue.isVisible());

        // Controls without captions have names for assistive technology.
        QCOMPARE(preview->pageView()->accessibleName(), QStringLiteral("Report page"));
        QCOMPARE(preview->pageView()->accessibleDescription(), QStringLiteral("page 1 of 7"));
        const QList<QPair<const char*, QString>> named = {{"firstPage", "First page"},
                                                          {"previousPage", "Previous page"},
                                                          {"nextPage", "Next page"},
                                                          {"lastPage", "Last page"}};
        for (const auto& [name, text] : named) {
            QVERIFY2(button(preview, name), name);
            QCOMPARE(button(preview, name)->accessibleName(), text);
            QCOMPARE(button(preview, name)->toolTip(), text);
        }
        QCOMPARE(preview->findChild<QSpinBox*>("pageNumber")->accessibleName(),
                 QStringLiteral("Page number"));
        QCOMPARE(preview->findChild<QComboBox*>("zoom")->accessibleName(), QStringLiteral("Zoom"));

        // What the window shows: the page on paper, with the grey bars of its records.
        const QImage shot = preview->grab().toImage();
        QVERIFY(barPixels(shot) > 1000);

        // Closing the catalogue window takes the preview with it, without ending the report
        // in a half-destroyed window.
        QSignalSpy terminated(report, &DataReport::Terminate);
        QPointer<ReportPreview> guard(preview);
        delete report;
        QVERIFY(!guard);
        QCOMPARE(terminated.count(), 0);
    }

    void paging() {
        test::TestEnv env;
        test::addCars(env, 120);
        ReportOn r(env);
        r.report.show();
        ReportPreview* p = r.report.preview();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        auto* number = p->findChild<QSpinBox*>("pageNumber");
        auto* count = p->findChild<QLabel*>("pageCount");
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(number->value(), 1);
        QCOMPARE(count->text(), QStringLiteral("of 25"));
        QVERIFY(!button(p, "firstPage")->isEnabled());
        QVERIFY(!button(p, "previousPage")->isEnabled());

        click(p, "nextPage");
        click(p, "nextPage");
        QCOMPARE(p->currentPage(), 3);
        QCOMPARE(number->value(), 3);
        QCOMPARE(p->pageView()->page(), 3);
        QCOMPARE(p->pageView()->accessibleDescription(), QStringLiteral("page 3 of 25"));
        click(p, "previousPage");
        QCOMPARE(p->currentPage(), 2);

        click(p, "lastPage");
        QCOMPARE(p->currentPage(), 25);
        QVERIFY(!button(p, "nextPage")->isEnabled());
        QVERIFY(!button(p, "lastPage")->isEnabled());
        QVERIFY(button(p, "firstPage")->isEnabled());
        click(p, "nextPage");  // disabled: nothing happens
        QCOMPARE(p->currentPage(), 25);
        click(p, "firstPage");
        QCOMPARE(p->currentPage(), 1);

        // A page number typed in.
        QLineEdit* edit = number->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "17");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(p->currentPage(), 17);
        edit->selectAll();
        QTest::keyClicks(edit, "99");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(p->currentPage() >= 1 && p->currentPage() <= 25);

        // Paging keys.
        p->setCurrentPage(10);
        p->activateWindow();
        p->pageView()->setFocus();
        QTest::keyClick(p->pageView(), Qt::Key_PageDown);
        QCOMPARE(p->currentPage(), 11);
        QTest::keyClick(p->pageView(), Qt::Key_PageUp);
        QTest::keyClick(p->pageView(), Qt::Key_PageUp);
        QCOMPARE(p->currentPage(), 9);
        QTest::keyClick(p->pageView(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(p->currentPage(), 25);
        p->setCurrentPage(0);
        QCOMPARE(p->currentPage(), 1);

        // Shown again with other records, the preview starts over on their first page.
        p->setCurrentPage(20);
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Sell'");
        r.report.show();
        QCOMPARE(r.report.preview(), p);
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), QStringLiteral("of 9"));
        QCOMPARE(number->maximum(), 9);
    }

    void zoom() {
        test::TestEnv env;
        test::addCars(env, 3);
        ReportOn r(env);
        r.report.show();
        ReportPreview* p = r.report.preview();
        p->resize(700, 600);
        QVERIFY(QTest::qWaitForWindowExposed(p));
        auto* scroll = p->findChild<QScrollArea*>();
        const QSize viewport = scroll->viewport()->size();

        p->setZoomMode(ReportPreview::FitPage);
        QRectF paper = p->pageView()->paperRect();
        QVERIFY(paper.width() <= viewport.width() && paper.height() <= viewport.height());
        QVERIFY(paper.height() >= viewport.height() - 2 * ReportPageView::Margin - 1);

        // Chosen in the zoom box, as the user does.
        auto* box = p->findChild<QComboBox*>("zoom");
        const int fitWidth = box->findText(reportText::FitWidth);
        box->setCurrentIndex(fitWidth);
        Q_EMIT box->activated(fitWidth);
        QCOMPARE(p->zoomMode(), ReportPreview::FitWidth);
        paper = p->pageView()->paperRect();
        QVERIFY(paper.right() <= scroll->viewport()->width());
        QVERIFY(paper.width() > viewport.width() / 2);

        const int twice = box->findText("200%");
        box->setCurrentIndex(twice);
        Q_EMIT box->activated(twice);
        QCOMPARE(p->zoom(), 2.0);
        const double at200 = p->pageView()->paperRect().width();
        p->setZoomPercent(100);
        QCOMPARE(box->currentText(), QStringLiteral("100%"));
        QCOMPARE(p->pageView()->paperRect().width() * 2, at200);
    }

    void printAndExportFromThePreview() {
        test::TestEnv env;
        test::addCars(env, 12);
        ReportOn r(env);
        r.report.show();
        ReportPreview* p = r.report.preview();

        const QString pdf = env.path("exported.pdf");
        QVERIFY(p->exportPdf(pdf));
        QCOMPARE(test::pdfPages(pdf), r.report.pageCount());

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env.path("printed.pdf"));
        r.report.preparePrinter(printer);
        QVERIFY(p->printTo(printer));
        QCOMPARE(test::pdfPages(env.path("printed.pdf")), 3);
        QVERIFY(env.prompts().shown.isEmpty());

        // A file that cannot be written is reported, and the preview stays.
        const QString bad = env.path("missing/exported.pdf");
        QVERIFY(!p->exportPdf(bad));
        QCOMPARE(env.prompts().shown.size(), 1);
        const auto& shown = env.prompts().shown.first();
        QCOMPARE(shown.text, reportText::CannotWrite.arg(QDir::toNativeSeparators(bad)));
        QCOMPARE(shown.title, QStringLiteral("Kerbside Manager Report"));
        QCOMPARE(shown.style, mb::OKOnly | mb::Exclamation);
        QVERIFY(p->isVisible());
    }

    void closingEndsTheReport() {
        test::TestEnv env;
        test::addCars(env, 8);
        ReportOn r(env);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        QSignalSpy terminated(&r.report, &DataReport::Terminate);
        r.report.show();
        QPointer<ReportPreview> p = r.report.preview();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        click(p, "nextPage");
        click(p, "close");
        QCOMPARE(terminated.count(), 1);
        QTRY_VERIFY(!p);
        QVERIFY(!r.report.preview());
        QVERIFY(!r.report.dataSource());
        QCOMPARE(r.report.recordCount(), 0L);
        // The caption lasts.
        QCOMPARE(r.report.sections("Section2").controls("Label3").caption(),
                 QStringLiteral("Report -- Want"));

        // Shown again with records of its own, and ended from the program.
        r.report.openDataSource(r.cn, "select * from table1");
        r.report.show();
        p = r.report.preview();
        QVERIFY(p);
        QCOMPARE(p->currentPage(), 1);
        r.report.unload();
        QCOMPARE(terminated.count(), 2);
        QTRY_VERIFY(!p);
        r.report.unload();  // nothing shown: nothing to end
        QCOMPARE(terminated.count(), 2);
    }

    void tenThousandRecords() {
        // Pages are drawn when shown, from the layout; paging to the end does not draw the
        // pages in between. The times are printed for the record, not judged.
        test::TestEnv env;
        test::addCars(env, 10000);
        QElapsedTimer t;
        t.start();
        ReportOn r(env);
        r.report.show();
        ReportPreview* p = r.report.preview();
        p->pageView()->repaint();
        const qint64 first = t.elapsed();
        QCOMPARE(r.report.pageCount(), 2001);  // 4 records, then 5 a page
        t.restart();
        QTest::mouseClick(button(p, "lastPage"), Qt::LeftButton);
        p->pageView()->repaint();
        const qint64 last = t.elapsed();
        qInfo("10,000 records: first page shown after %lld ms, last page after %lld ms", first,
              last);
        QCOMPARE(p->currentPage(), r.report.pageCount());
        const auto items = r.report.pageItems(r.report.pageCount());
        QCOMPARE(test::textsOf(items, "Section3").value(0), QStringLiteral("page 2001 of 2001"));
        QVERIFY(test::textsOf(items, "Section1").contains(test::carName(10000)));
        QVERIFY(test::textsOf(items, "Section5").contains("End of Report"));
    }
};

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
