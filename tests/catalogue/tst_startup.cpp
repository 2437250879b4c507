// Start-up and shutdown of the catalogue window on real catalogue files.
#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "Connection.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "Settings.h"
#include "Startup.h"
#include "TestEnv.h"
#include "frmMain.h"
#include "frmTip.h"

using namespace kbs;

namespace {
const QString kTitle = QStringLiteral("Kerbside Manager v1.1");

void addThree(const test::TestEnv& env) {
    for (const char* d : {"Ford Cortina", "Lamborghini Miura", "Mercedes 300SE"})
        env.addRecord({{QStringLiteral("Description"), QString::fromLatin1(d)},
                       {QStringLiteral("Year"), QStringLiteral("1970")}});
}
}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnThreeRecords() {
        test::TestEnv env;
        addThree(env);
        Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                       QStringLiteral("0"));
        Program p = startProgram();
        QVERIFY(p.main);
        QVERIFY(!p.tip);
        frmMain& w = *p.main;
        QCOMPARE(w.windowTitle(), kTitle);
        QCOMPARE(w.txtTextl[1]->text(), QStringLiteral("Ford Cortina"));
        QCOMPARE(w.statusText(), QStringLiteral("Total Records In The Database :  3"));
        QCOMPARE(w.FG1->rows(), 4);
        QCOMPARE(w.FG1->cols(), 25);
        QCOMPARE(w.FG1->textMatrix(0, 1), QStringLiteral("Description"));
        QCOMPARE(w.FG1->colWidth(0), 0);
        QVERIFY(w.txtTextl[1]->locked());
        QVERIFY(!w.cmdSelect->isVisible());
        // The record set is back on the record the fields show.
        QCOMPARE(w.recordSet()->value(1).toString(), QStringLiteral("Ford Cortina"));
        QVERIFY(env.prompts().shown.isEmpty());
    }

    void startsOnAnEmptyCatalogue() {
        test::TestEnv env;
        Program p = startProgram();
        QVERIFY(p.main);
        frmMain& w = *p.main;
        QCOMPARE(w.windowTitle(), kTitle);
        QVERIFY(w.cmdSelect->isVisible());
        QVERIFY(w.statusText().isEmpty());
        QVERIFY(!w.txtTextl[1]->locked());
        QVERIFY(!w.recordSet()->isAddingNew());  // no blank record begun
        QCOMPARE(w.FG1->rows(), 1);
    }

    void tipWindowFollowsTheSetting_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("not a number") << QStringLiteral("yes please") << false;
        QTest::newRow("2") << QStringLiteral("2") << false;
    }
    void tipWindowFollowsTheSetting() {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        test::TestEnv env;
        addThree(env);
        if (!stored.isNull())
            Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                           stored);
        Program p = startProgram();
        QVERIFY(p.main);
        QCOMPARE(bool(p.tip), shown);
        if (shown) {
            QVERIFY(p.tip->isVisible());
            QVERIFY(!p.tip->isModal());
        }
    }

    void quitQuestion() {
        test::TestEnv env;
        addThree(env);
        Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                       QStringLiteral("0"));
        env.writeFile(QStringLiteral("a.tmp"), "a");
        env.writeFile(QStringLiteral("b.tmp"), "b");
        env.writeFile(QStringLiteral("keep.txt"), "k");
        env.writeFile(QStringLiteral("keep.tmp.bak"), "k");
        Program p = startProgram();
        frmMain& w = *p.main;

        // No: everything stays as it was, unsaved typing included.
        w.Edit_Record();
        w.txtTextl[9]->setText(QStringLiteral("typed"));
        env.prompts().answerMsg(mb::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(w.txtTextl[9]->text(), QStringLiteral("typed"));
        QVERIFY(w.recordSet()->isOpen());
        const auto& q = env.prompts().shown.last();
        QCOMPARE(q.text, QStringLiteral("Are you  sure you want to Quit?"));
        QCOMPARE(q.title, QStringLiteral("Kerbside Manager"));
        QCOMPARE(q.style, mb::YesNo | mb::Question | mb::DefaultButton1);
        QVERIFY(QFileInfo::exists(env.path(QStringLiteral("a.tmp"))));

        // Yes: the catalogue is closed, the scratch files go, nothing is saved.
        env.prompts().answerMsg(mb::Yes);
        QVERIFY(w.close());
        QVERIFY(!w.recordSet());
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("a.tmp"))));
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("b.tmp"))));
        QVERIFY(QFileInfo::exists(env.path(QStringLiteral("keep.txt"))));
        QVERIFY(QFileInfo::exists(env.path(QStringLiteral("keep.tmp.bak"))));
        QVERIFY(QFileInfo::exists(env.dbPath()));
        QCOMPARE(
            env.value(QStringLiteral("SELECT count(*) FROM table1 WHERE Color='typed'")).toInt(),
            0);
    }

    void badCataloguesEndTheProgramAndStayUntouched_data() {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray("missing") << QStringLiteral("Could not find file");
        QTest::newRow("not a database") << QByteArray("junk") << QStringLiteral("not a database");
        QTest::newRow("no table1")
            << QByteArray("notable") << QStringLiteral("no such table: table1");
        QTest::newRow("column missing") << QByteArray("nocolumn") << QStringLiteral("picpath");
        QTest::newRow("older program")
            << QByteArray("jet") << QStringLiteral("older Windows version");
        QTest::newRow("truncated") << QByteArray("truncated") << QStringLiteral("malformed");
        QTest::newRow("a directory") << QByteArray("dir") << QStringLiteral("not a file");
    }
    void badCataloguesEndTheProgramAndStayUntouched() {
        QFETCH(QByteArray, setup);
        QFETCH(QString, expected);
        test::TestEnv env(false);
        if (setup == "junk") {
            env.writeFile(QStringLiteral("mydb.mdb"), QByteArray(8192, 'j'));
        } else if (setup == "notable") {
            env.writeFile(QStringLiteral("mydb.mdb"), QByteArray());
            env.exec(QStringLiteral("CREATE TABLE other (x)"));
        } else if (setup == "nocolumn") {
            env.writeFile(QStringLiteral("mydb.mdb"), QByteArray());
            env.exec(QStringLiteral("CREATE TABLE table1 (ID INTEGER PRIMARY KEY, Description)"));
        } else if (setup == "jet") {
            QByteArray jet(4096, '\0');
            jet.replace(4, 15, "Standard Jet DB");
            env.writeFile(QStringLiteral("mydb.mdb"), jet);
        } else if (setup == "truncated") {
            env.createCatalogue();
            for (int i = 0; i < 50; ++i)
                env.addRecord({{QStringLiteral("Notes"), QString(2000, QLatin1Char('n'))}});
            QByteArray whole = env.readFile(QStringLiteral("mydb.mdb"));
            QFile::remove(env.dbPath());
            env.writeFile(QStringLiteral("mydb.mdb"), whole.left(whole.size() / 2));
        } else if (setup == "dir") {
            QDir(env.dir()).mkdir(QStringLiteral("mydb.mdb"));
        }
        const QByteArray before = env.readFile(QStringLiteral("mydb.mdb"));
        const QStringList filesBefore =
            QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        Program p = startProgram();
        QVERIFY(!p.main);
        QCOMPARE(env.prompts().shown.size(), 1);
        const auto& m = env.prompts().shown.first();
        QVERIFY2(m.text.contains(env.dbPath()), qPrintable(m.text));
        QVERIFY2(m.text.contains(expected, Qt::CaseInsensitive), qPrintable(m.text));
        QCOMPARE(m.style & mb::IconMask, int(mb::Critical));
        QCOMPARE(env.readFile(QStringLiteral("mydb.mdb")), before);
        QCOMPARE(QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
