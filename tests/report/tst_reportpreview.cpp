// The report's preview window: shown beside the catalogue window, paged, zoomed, printed and
// exported, and ending the report when it closes.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
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
        report->show();
        ReportPreview* preview = report->preview();
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Kerbside Manager Report"));
        QVERIFY(preview->isWindow());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(catalogue.isEnabled());

        // Controls without captions have names for assistive technology.
        QCOMPARE(preview->pageView()->accessibleName(), QStringLiteral("Report page"));
        QCOMPARE(preview->pageView()->accessibleDescription(), QStringLiteral("page 1 of 7"));
        for (const auto& [name, text] : {std::pair{"firstPage", "First page"},
                                         {"previousPage", "Previous page"},
                                         {"nextPage", "Next page"},
                                         {"lastPage", "Last page"},
                                         {"pageNumber", "Page number"},
                                         {"zoom", "Zoom"}}) {
            auto* w = preview->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w && w->accessibleName() == QLatin1String(text), name);
            QVERIFY(!qobject_cast<QToolButton*>(w) || w->toolTip() == QLatin1String(text));
        }

        // What the window shows: the page on paper, with the grey bars of its records.
        const QImage shot = preview->grab().toImage();
        int barPixels = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb c = shot.pixel(x, y);
                barPixels += qAbs(qRed(c) - 0xD9) <= 2 && qAbs(qGreen(c) - 0xD9) <= 2 &&
                             qAbs(qBlue(c) - 0xD9) <= 2;
            }
        }
        QVERIFY(barPixels > 1000);

        // Closing the catalogue window takes the preview with it, without ending the report
        // in a half-destroyed window.
        QSignalSpy terminated(report, &DataReport::Terminate);
        QPointer<ReportPreview> guard(preview);
        delete report;
        QVERIFY(!guard);
        QCOMPARE(terminated.count(), 0);
    }

    // Paging by button, typed number and key; closing ends the report.
    void pagingAndClosing() {
        ReportOn r(120);
        r.report.sections("Section2").controls("Label3").setCaption("Report -- Want");
        QSignalSpy terminated(&r.report, &DataReport::Terminate);
        QPointer<ReportPreview> p = shown(r);
        auto* number = p->findChild<QSpinBox*>("pageNumber");
        auto* count = p->findChild<QLabel*>("pageCount");
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), QStringLiteral("of 25"));
        QVERIFY(!button(p, "firstPage")->isEnabled());
        QVERIFY(!button(p, "previousPage")->isEnabled());

        click(p, "nextPage");
        click(p, "nextPage");
        QCOMPARE(number->value(), 3);
        QCOMPARE(p->pageView()->page(), 3);
        QCOMPARE(p->pageView()->accessibleDescription(), QStringLiteral("page 3 of 25"));
        click(p, "previousPage");
        QCOMPARE(p->currentPage(), 2);
        click(p, "lastPage");
        QCOMPARE(p->currentPage(), 25);
        QVERIFY(!button(p, "nextPage")->isEnabled());
        QVERIFY(!button(p, "lastPage")->isEnabled());
        click(p, "nextPage");  // disabled: nothing happens
        QCOMPARE(p->currentPage(), 25);
        click(p, "firstPage");
        QCOMPARE(p->currentPage(), 1);

        // A page number typed in; one past the end is kept within the report.
        const auto typePage = [edit = number->findChild<QLineEdit*>(), p](const char* typed) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            return p->currentPage();
        };
        QCOMPARE(typePage("17"), 17);
        const int past = typePage("99");
        QVERIFY(past >= 1 && past <= 25);
        p->setCurrentPage(0);
        QCOMPARE(p->currentPage(), 1);

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

        // Shown again with other records, the preview starts over on their first page.
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Sell'");
        QCOMPARE(shown(r), p);
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), QStringLiteral("of 9"));
        QCOMPARE(number->maximum(), 9);

        click(p, "nextPage");
        click(p, "close");
        QCOMPARE(terminated.count(), 1);
        QTRY_VERIFY(!p);
        QVERIFY(!r.report.preview());
        QVERIFY(!r.report.dataSource());
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.sections("Section2").controls("Label3").caption(),
                 QStringLiteral("Report -- Want"));  // the caption lasts

        // Shown again with records of its own, and ended from the program.
        r.report.openDataSource(r.cn, "select * from table1");
        p = shown(r);
        r.report.unload();
        QCOMPARE(terminated.count(), 2);
        QTRY_VERIFY(!p);
        r.report.unload();  // nothing shown: nothing to end
        QCOMPARE(terminated.count(), 2);
    }

    void zoom() {
        ReportOn r(3);
        r.report.show();
        ReportPreview* p = r.report.preview();
        p->resize(700, 600);
        QVERIFY(QTest::qWaitForWindowExposed(p));
        const QSize viewport = p->findChild<QScrollArea*>()->viewport()->size();

        p->setZoomMode(ReportPreview::FitPage);
        QRectF paper = p->pageView()->paperRect();
        QVERIFY(paper.width() <= viewport.width() && paper.height() <= viewport.height());
        QVERIFY(paper.height() >= viewport.height() - 2 * ReportPageView::Margin - 1);

        // Chosen in the zoom box, as the user does.
        auto* box = p->findChild<QComboBox*>("zoom");
        const auto choose = [box](const QString& text) {
            box->setCurrentIndex(box->findText(text));
            Q_EMIT box->activated(box->currentIndex());
        };
        choose(reportText::FitWidth);
        QCOMPARE(p->zoomMode(), ReportPreview::FitWidth);
        paper = p->pageView()->paperRect();
        QVERIFY(paper.right() <= p->findChild<QScrollArea*>()->viewport()->width());
        QVERIFY(paper.width() > viewport.width() / 2);

        choose(QStringLiteral("200%"));
        QCOMPARE(p->zoom(), 2.0);
        const double at200 = p->pageView()->paperRect().width();
        p->setZoomPercent(100);
        QCOMPARE(box->currentText(), QStringLiteral("100%"));
        QCOMPARE(p->pageView()->paperRect().width() * 2, at200);
    }

    void exportFromThePreview() {
        ReportOn r(12);
        test::TestEnv& env = r.env;
        r.report.show();
        ReportPreview* p = r.report.preview();
        QVERIFY(p->exportPdf(env.path("exported.pdf")));
        QCOMPARE(test::pdfPages(env.path("exported.pdf")), 3);
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

    // Pages are drawn when shown, from the layout; paging to the end does not draw the pages
    // in between. The times are printed for the record, not judged.
    void tenThousandRecords() {
        QElapsedTimer t;
        ReportOn r(10000, QStringLiteral("select * from table1"),
                   [&](const test::TestEnv&) { t.start(); });
        ReportPreview* p = shown(r);
        p->pageView()->repaint();
        const qint64 first = t.restart();
        click(p, "lastPage");
        p->pageView()->repaint();
        qInfo("10,000 records: first page shown after %lld ms, last page after %lld ms", first,
              t.elapsed());
        QCOMPARE(p->currentPage(), 2001);  // 4 records, then 5 a page
        const auto items = r.report.pageItems(2001);
        QCOMPARE(test::textsOf(items, "Section3").value(0), QStringLiteral("page 2001 of 2001"));
        QVERIFY(test::textsOf(items, "Section1").contains(test::carName(10000)));
        QVERIFY(test::textsOf(items, "Section5").contains("End of Report"));
    }
};

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
