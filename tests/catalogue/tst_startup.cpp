// Start-up and shutdown of the catalogue window on real catalogue files, and every field of
// the window named.
#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "Connection.h"
#include "Controls.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "Settings.h"
#include "Startup.h"
#include "TestEnv.h"
#include "Twips.h"
#include "frmMain.h"
#include "frmTip.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
void addThree(const test::TestEnv& env) {
    for (const char* d : {"Ford Cortina", "Lamborghini Miura", "Mercedes 300SE"})
        env.addRecord({{u"Description"_s, QString::fromLatin1(d)}, {u"Year"_s, u"1970"_s}});
}
}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnThreeRecordsOrNone() {
        test::TestEnv env;
        Program empty = startProgram();
        QVERIFY(empty.main);
        QVERIFY(ui(empty.main).cmdSelect->isVisible());
        QVERIFY(ui(empty.main).txtTextl[1]->locked());     // until Add: nothing typed is lost
        QVERIFY(!empty.main->recordSet()->isAddingNew());  // no blank record begun
        QCOMPARE(ui(empty.main).FG1->rows(), 1);
        empty = {};

        addThree(env);
        Settings::save(u"Tipstatus"_s, u"Show Tips at Startup"_s, u"0"_s);
        Program p = startProgram();
        QVERIFY(p.main);
        QVERIFY(!p.tip);
        frmMain& w = *p.main;
        QCOMPARE(ui(w).txtTextl[1]->text(), u"Ford Cortina"_s);
        QCOMPARE(w.statusText(), u"Total Records In The Database :  3"_s);
        QCOMPARE(ui(w).FG1->rows(), 4);
        QVERIFY(ui(w).txtTextl[1]->locked());
        QVERIFY(!ui(w).cmdSelect->isVisible());
        // The record set is back on the record the fields show.
        QCOMPARE(w.recordSet()->value(1).toString(), u"Ford Cortina"_s);
    }

    void quitQuestion() {
        test::TestEnv env;
        addThree(env);
        Settings::save(u"Tipstatus"_s, u"Show Tips at Startup"_s, u"0"_s);
        env.writeFile(u"a.tmp"_s, "a");
        env.writeFile(u"b.tmp"_s, "b");
        env.writeFile(u"keep.txt"_s, "k");
        env.writeFile(u"keep.tmp.bak"_s, "k");
        Program p = startProgram();
        frmMain& w = *p.main;

        // No: everything stays as it was, unsaved typing included.
        w.toolbarButton(u"Edit"_s)->click();
        ui(w).txtTextl[9]->setText(u"typed"_s);
        env.prompts().answerMsg(mb::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(ui(w).txtTextl[9]->text(), u"typed"_s);
        QVERIFY(w.recordSet()->isOpen());
        const auto& q = env.prompts().shown.last();
        QCOMPARE(q.text, u"Are you  sure you want to Quit?"_s);
        QVERIFY(QFileInfo::exists(env.path(u"a.tmp"_s)));

        // Yes: the catalogue is closed, the scratch files go, nothing is saved.
        env.prompts().answerMsg(mb::Yes);
        QVERIFY(w.close());
        QVERIFY(!w.recordSet());
        QVERIFY(!QFileInfo::exists(env.path(u"a.tmp"_s)));
        QVERIFY(!QFileInfo::exists(env.path(u"b.tmp"_s)));
        QVERIFY(QFileInfo::exists(env.path(u"keep.txt"_s)));
        QVERIFY(QFileInfo::exists(env.path(u"keep.tmp.bak"_s)));
        QVERIFY(QFileInfo::exists(env.dbPath()));
        QCOMPARE(env.value(u"SELECT count(*) FROM table1 WHERE Color='typed'"_s).toInt(), 0);
    }

    // The window opens at its designed size, never gets smaller, gives every pixel it gains to
    // the grid below the unchanged panel, and opens next time as it was left.
    void theWindowGrowsAndIsRememberedAsItWasLeft() {
        test::TestEnv env;
        addThree(env);
        Settings::save(u"Tipstatus"_s, u"Show Tips at Startup"_s, u"0"_s);
        const QSize more(300, 200);
        QSize designed;
        {
            Program p = startProgram();
            frmMain& w = *p.main;
            designed = w.size();
            const QRect grid = ui(w).FG1->geometry();
            const QRect panel = ui(w).Frame2->geometry();
            w.resize(designed / 2);
            QCOMPARE(w.size(), designed);
            w.resize(designed + more);
            QTRY_COMPARE(ui(w).FG1->height(), grid.height() + more.height());
            QCOMPARE(ui(w).FG1->width(), w.centralWidget()->width());
            QCOMPARE(ui(w).FG1->y(), grid.y());
            QCOMPARE(ui(w).Frame2->geometry().topLeft(), panel.topLeft());
            QCOMPARE(ui(w).Frame2->height(), panel.height());
            env.prompts().answerMsg(mb::Yes);
            QVERIFY(w.close());
        }
        Program again = startProgram();
        QTRY_COMPARE(again.main->size(), designed + more);
        env.prompts().answerMsg(mb::Yes);
        again.main->close();
    }

    void badCataloguesEndTheProgramAndStayUntouched_data() {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray("missing") << u"Could not find file"_s;
        QTest::newRow("not a database") << QByteArray("junk") << u"not a database"_s;
        QTest::newRow("no table1") << QByteArray("notable") << u"no such table: table1"_s;
        QTest::newRow("column missing") << QByteArray("nocolumn") << u"picpath"_s;
        QTest::newRow("older program") << QByteArray("jet") << u"older Windows version"_s;
        QTest::newRow("truncated") << QByteArray("truncated") << u"malformed"_s;
        QTest::newRow("a directory") << QByteArray("dir") << u"not a file"_s;
    }
    void badCataloguesEndTheProgramAndStayUntouched() {
        QFETCH(QByteArray, setup);
        QFETCH(QString, expected);
        test::TestEnv env(false);
        if (setup == "junk") {
            env.writeFile(u"mydb.mdb"_s, QByteArray(8192, 'j'));
        } else if (setup == "notable") {
            env.writeFile(u"mydb.mdb"_s, QByteArray());
            env.exec(u"CREATE TABLE other (x)"_s);
        } else if (setup == "nocolumn") {
            env.writeFile(u"mydb.mdb"_s, QByteArray());
            env.exec(u"CREATE TABLE table1 (ID INTEGER PRIMARY KEY, Description)"_s);
        } else if (setup == "jet") {
            QByteArray jet(4096, '\0');
            jet.replace(4, 15, "Standard Jet DB");
            env.writeFile(u"mydb.mdb"_s, jet);
        } else if (setup == "truncated") {
            env.createCatalogue();
            for (int i = 0; i < 50; ++i)
                env.addRecord({{u"Notes"_s, QString(2000, QLatin1Char('n'))}});
            QByteArray whole = env.readFile(u"mydb.mdb"_s);
            QFile::remove(env.dbPath());
            env.writeFile(u"mydb.mdb"_s, whole.left(whole.size() / 2));
        } else if (setup == "dir") {
            QDir(env.dir()).mkdir(u"mydb.mdb"_s);
        }
        const QByteArray before = env.readFile(u"mydb.mdb"_s);
        const QStringList filesBefore =
            QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        env.prompts().answerMsg(mb::OK);
        Program p = startProgram();
        QVERIFY(!p.main);
        const auto& m = env.prompts().shown.value(0);
        QVERIFY2(m.text.contains(env.dbPath()), qPrintable(m.text));
        QVERIFY2(m.text.contains(expected, Qt::CaseInsensitive), qPrintable(m.text));
        QCOMPARE(m.style & mb::IconMask, int(mb::Critical));
        QCOMPARE(env.readFile(u"mydb.mdb"_s), before);
        QCOMPARE(QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    }

    void everyFieldIsNamed() {
        test::TestEnv env;
        frmMain w;
        w.show();
        for (size_t b = 0; b < ui(w).txtTextl.size(); ++b) {
            QCOMPARE(ui(w).lblText[b]->buddy(), ui(w).txtTextl[b]);
            QVERIFY(!ui(w).txtTextl[b]->textbox()->accessibleName().isEmpty());
        }
        for (auto* img : w.findChildren<ImageBox*>())
            QVERIFY2(!img->accessibleName().isEmpty(), qPrintable(img->objectName()));
        QVERIFY(!ui(w).FG1->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
