// The program directory of an installed program: made and seeded for each user on the first
// start, kept as the person left it on the next, while the installation itself stays
// read-only; a folder holding the executable and a catalogue is used as it is.
#include <sys/stat.h>

#include <QDir>
#include <QPushButton>
#include <QtTest>

#include "../catalogue/Controls.h"
#include "LimitedTextbox.h"
#include "ProgramDirectory.h"
#include "ProgramInfo.h"
#include "Schema.h"
#include "Window.h"

using namespace kbs;

class TestProgramDir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void perUserDirectoryMadeSeededAndKept() {
        QTemporaryDir install, data;  // made writable again by env, which goes first
        test::TestEnv env(false);
        const QString bin = install.filePath(QStringLiteral("bin"));
        const QString defaults = programdir::defaultsFor(bin);
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(defaults));
        const QStringList seeds{QStringLiteral("series.ini"), QStringLiteral("status.ini"),
                                QStringLiteral("tip.txt")};
        for (const QString& name : seeds) {
            QFile f(defaults + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Want\r\nHave\r\n");
            f.close();
            QVERIFY(env.makeReadOnly(f.fileName()));
        }
        QVERIFY(env.makeReadOnly(defaults) && env.makeReadOnly(bin));
        qputenv("XDG_DATA_HOME", data.path().toUtf8());

        const QString dir = programdir::choose(bin, &schema::createEmptyCatalogue);
        QCOMPARE(dir, data.filePath(QStringLiteral("kbsmgr")));
        QCOMPARE(QDir(dir).entryList(QDir::Files),
                 (QStringList{QStringLiteral("mydb.mdb")} + seeds));
        QCOMPARE(QFileInfo(dir).permissions() & 0x0077, QFileDevice::Permissions());

        // The person adds a record and changes a list there.
        ProgramInfo::setDirectoryOverride(dir);
        {
            test::Window win(env);
            win->Toolbar1_ButtonClick(QStringLiteral("Add"));
            QTest::keyClicks(ui(win).txtTextl[1]->textbox(), QStringLiteral("Mini Cooper"));
            ui(win).cmdSave->click();
            QVERIFY(env.prompts().shown.isEmpty());
        }
        QFile list(dir + QStringLiteral("/status.ini"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Sold\r\n");
        list.close();

        // The next start finds both as they were.
        QCOMPARE(programdir::choose(bin, &schema::createEmptyCatalogue), dir);
        list.open(QIODevice::ReadOnly);
        QCOMPARE(list.readAll(), QByteArray("Sold\r\n"));
        QFile::copy(dir + QStringLiteral("/mydb.mdb"), env.dbPath());
        QCOMPARE(env.value(QStringLiteral("SELECT Description FROM table1")).toString(),
                 QStringLiteral("Mini Cooper"));
        QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // A portable copy: its own folder, and nothing made for the user.
        QTemporaryDir portable, otherData;
        schema::createEmptyCatalogue(portable.filePath(QStringLiteral("mydb.mdb")));
        qputenv("XDG_DATA_HOME", otherData.path().toUtf8());
        QCOMPARE(programdir::choose(portable.path(), &schema::createEmptyCatalogue),
                 portable.path());
        QVERIFY(QDir(otherData.path()).isEmpty());
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(TestProgramDir)
#include "tst_programdir.moc"
