// The toolbar's buttons and drop-down entries, and the reports they show, through the real
// window. Reports read their own record set: the window's stays whole.
#include <QtTest>

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "DataReport.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "ReportPreview.h"
#include "Window.h"
#include "mod_Menu_File.h"

using namespace kbs;

namespace {
void statuses(const test::TestEnv& env) {
    const char* s[] = {"Want", "Have", "Sell", "Want", "want", "Have "};
    for (int i = 0; i < 6; ++i)
        env.addRecord({{"Description", QStringLiteral("Car %1").arg(i + 1)},
                       {"Status", QString::fromLatin1(s[i])},
                       {"Base_Name", QStringLiteral("Base %1").arg(i + 1)}});
}

QString modalTitleOf(const std::function<void()>& open) {
    QString title;
    QTimer::singleShot(50, [&title] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            title = w->windowTitle();
            w->close();
        }
    });
    open();
    return title;
}

void windowStillWhole(test::Window& win, test::TestEnv& env) {
    QCOMPARE(win->recordSet()->fieldCount(), 27);
    // Every grid row still finds its record, all 27 columns of it.
    for (int r = 1; r < win->FG1->rows(); ++r) {
        win->GetInfo(win->FG1->textMatrix(r, 0));
        QCOMPARE(win->txtTextl[1]->text(), win->FG1->textMatrix(r, 1));
        QVERIFY(win->txtTextl[19]->text().startsWith(QStringLiteral("Base ")));
    }
    // And a save writes the record on screen.
    win->GetInfo(QStringLiteral("2"));
    win->Edit_Record();
    win->txtTextl[22]->setText(QStringLiteral("Chrome"));
    win->cmdSave_Click();
    QCOMPARE(env.value("SELECT Base_Color FROM table1 WHERE ID=2").toString(),
             QStringLiteral("Chrome"));
    QCOMPARE(env.value("SELECT Base_Name FROM table1 WHERE ID=2").toString(),
             QStringLiteral("Base 2"));
}
}  // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsDispatchByKey() {
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        win->toolbarButton(QStringLiteral("Help"))->click();  // nothing
        QVERIFY(env.prompts().shown.isEmpty());
        win->toolbarButton(QStringLiteral("Find"))->click();
        QCOMPARE(env.prompts().shown.last().title, QStringLiteral("enter your searchtext"));
        env.prompts().answerMsg(mb::Cancel);
        win->toolbarButton(QStringLiteral("Delete"))->click();
        QCOMPARE(env.prompts().shown.last().title, QStringLiteral("Delete Record"));
        win->toolbarButton(QStringLiteral("Edit"))->click();
        QVERIFY(win->cmdSave->isVisible());
        QVERIFY(!win->bAddingNew);
        win->cmdCancel_Click();
        win->toolbarButton(QStringLiteral("Add"))->click();
        QVERIFY(win->bAddingNew);
        win->cmdCancel_Click();
        env.prompts().unexpected.clear();
    }

    void reportsListTheirRecords() {
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        DataReport& report = *win->DataReport1;
        auto caption = [&] {
            return report.sections(QStringLiteral("Section2"))
                .controls(QStringLiteral("Label3"))
                .caption();
        };
        // Before any entry the button shows everything under the designed caption.
        win->toolbarButton(QStringLiteral("Report"))->click();
        QCOMPARE(report.recordCount(), 6L);
        QCOMPARE(caption(), QStringLiteral("Report -- All"));
        QVERIFY(report.preview() && report.preview()->isVisible());
        QCOMPARE(report.preview()->windowTitle(), QStringLiteral("Kerbside Manager Report"));
        QVERIFY(!report.preview()->isModal());

        win->Toolbar1_ButtonMenuClick(QStringLiteral("Want"));
        QCOMPARE(caption(), QStringLiteral("Report -- Want"));
        QCOMPARE(report.recordCount(), 2L);  // "want" and "Have " are other texts
        windowStillWhole(win, env);
        // The button shows the last report chosen again.
        win->toolbarButton(QStringLiteral("Report"))->click();
        QCOMPARE(report.recordCount(), 2L);
        QCOMPARE(caption(), QStringLiteral("Report -- Want"));

        win->Toolbar1_ButtonMenuClick(QStringLiteral("Have"));
        QCOMPARE(report.recordCount(), 1L);
        win->Toolbar1_ButtonMenuClick(QStringLiteral("Sell"));
        QCOMPARE(report.recordCount(), 1L);
        QCOMPARE(caption(), QStringLiteral("Report -- Sell"));
        win->Toolbar1_ButtonMenuClick(QStringLiteral("All"));
        QCOMPARE(report.recordCount(), 6L);
        QCOMPARE(report.dataSource()->fieldCount(), 23);
        QCOMPARE(caption(), QStringLiteral("Report -- All"));
        windowStillWhole(win, env);

        // Closing the preview ends the report; the window goes on as before.
        report.preview()->close();
        QApplication::processEvents();
        windowStillWhole(win, env);
        QVERIFY(env.prompts().shown.isEmpty());
    }

    void helpEntriesOpenTheirWindowsModally() {
        test::TestEnv env;
        statuses(env);
        test::Window win(env);
        win->Toolbar1_ButtonMenuClick(QStringLiteral("Help"));  // nothing
        QCOMPARE(modalTitleOf(
                     [&] { win->Toolbar1_ButtonMenuClick(QStringLiteral("Edit Helper Menues")); }),
                 QStringLiteral("Kerbside Manger Menu Editor"));
        QCOMPARE(modalTitleOf([&] { win->Toolbar1_ButtonMenuClick(QStringLiteral("Tips")); }),
                 QStringLiteral("Tips For Kerbside Manger"));
        QCOMPARE(modalTitleOf([&] { win->Toolbar1_ButtonMenuClick(QStringLiteral("About")); }),
                 QStringLiteral("About"));
    }

    void pickMenusFillTheirFields() {
        test::TestEnv env;
        statuses(env);
        env.writeFile(QStringLiteral("status.ini"), "Want\r\nHave\r\n\r\n Sell \r\n");
        test::Window win(env);
        win->Edit_Record();
        auto choose = [&](int index) {
            QTimer::singleShot(50, [&win, index] {
                MenuEntryArray* entries = win->entryArray(QStringLiteral("mnuStatus"));
                if (QAction* a = entries->entry(index))
                    a->trigger();
                entries->menu()->close();
            });
            win->Image7_Click();
        };
        choose(4);
        QCOMPARE(win->txtTextl[17]->text(), QStringLiteral(" Sell "));
        choose(3);
        QCOMPARE(win->txtTextl[17]->text(), QString());
        QCOMPARE(win->entryArray(QStringLiteral("mnuStatus"))->count(), 5);
        // A missing list: the menu names the file, the field stays as it was.
        win->txtTextl[9]->setText(QStringLiteral("kept"));
        QTimer::singleShot(
            50, [&win] { win->entryArray(QStringLiteral("mnuColor"))->menu()->close(); });
        win->Image5_Click();
        QCOMPARE(win->txtTextl[9]->text(), QStringLiteral("kept"));
        QVERIFY(win->entryArray(QStringLiteral("mnuColor"))
                    ->notice()
                    .contains(QStringLiteral("exteriorcolor.ini")));
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
