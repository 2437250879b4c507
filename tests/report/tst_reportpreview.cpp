// The report's preview window: shown beside the catalogue window, paged, zoomed, printed and
// exported, and ending the report when it closes.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "DataReport.h"
#include "ReportFixture.h"
#include "ReportPreview.h"
#include "ReportTexts.h"

using namespace kbs;
using namespace Qt::StringLiterals;
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
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(catalogue.isEnabled());
        // Controls without captions have names for assistive technology.
        QCOMPARE(preview->pageView()->accessibleDescription(), u"page 1 of 7"_s);
        for (QWidget* w : preview->findChildren<QWidget*>()) {
            auto* b = qobject_cast<QToolButton*>(w);
            if ((b && b->text().isEmpty()) || qobject_cast<QAbstractSpinBox*>(w) ||
                qobject_cast<QComboBox*>(w) || w == preview->pageView())
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }

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
        QCOMPARE(count->text(), u"of 25"_s);
        QVERIFY(!button(p, "firstPage")->isEnabled());
        QVERIFY(!button(p, "previousPage")->isEnabled());

        click(p, "nextPage");
        click(p, "nextPage");
        QCOMPARE(number->value(), 3);
        QCOMPARE(p->pageView()->page(), 3);
        QCOMPARE(p->pageView()->accessibleDescription(), u"page 3 of 25"_s);
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
        QCOMPARE(typePage("99"), 9);  // the second 9 does not fit: 9 is kept

        // Shown again with other records, the preview starts over on their first page.
        r.report.openDataSource(r.cn, "select * from table1 where Status = 'Sell'");
        QCOMPARE(shown(r), p);
        QCOMPARE(p->currentPage(), 1);
        QCOMPARE(count->text(), u"of 9"_s);
        QCOMPARE(number->maximum(), 9);

        click(p, "nextPage");
        click(p, "close");
        QCOMPARE(terminated.count(), 1);
        QTRY_VERIFY(!p);
        QVERIFY(!r.report.preview());
        QVERIFY(!r.report.dataSource());
        QCOMPARE(r.report.recordCount(), 0L);
        QCOMPARE(r.report.sections("Section2").controls("Label3").caption(),
                 u"Report -- Want"_s);  // the caption lasts

        // Shown again with records of its own, and ended from the program.
        r.report.openDataSource(r.cn, "select * from table1");
        p = shown(r);
        r.report.unload();
        QCOMPARE(terminated.count(), 2);
        QTRY_VERIFY(!p);
        r.report.unload();  // nothing shown: nothing to end
        QCOMPARE(terminated.count(), 2);
    }

    void exportFromThePreview() {
        ReportOn r(12);
        test::TestEnv& env = r.env;
        r.report.show();
        ReportPreview* p = r.report.preview();
        // A file that cannot be written is reported, and the preview stays.
        const QString bad = env.path("missing/exported.pdf");
        env.prompts().answerMsg(mb::OK);
        QVERIFY(!p->exportPdf(bad));
        QCOMPARE(env.prompts().shown.size(), 1);
        const auto& shown = env.prompts().shown.first();
        QCOMPARE(shown.text, reportText::CannotWrite.arg(QDir::toNativeSeparators(bad)));
        QCOMPARE(shown.title, u"Kerbside Manager Report"_s);
        QCOMPARE(shown.style, mb::OKOnly | mb::Exclamation);
        QVERIFY(p->isVisible());
    }
};

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
