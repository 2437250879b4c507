// Files put in place safely: whatever happens between the steps (a kill, a file system without
// hard links, a full disk) the old file or the new one is whole under its name, and what a
// killed run left goes at the next clean-up. With the restore's own faults.
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <cstdlib>

#include "AppError.h"
#include "Backup.h"
#include "CatalogueLock.h"
#include "Connection.h"
#include "Faults.h"
#include "SafeFile.h"
#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

QStringList namesIn(const test::TestEnv& env) {
    return QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

// A catalogue's records.
QList<QVariantList> recordsOf(const QString& path) {
    return test::rowsOf(path, u"SELECT ID, Description FROM table1 ORDER BY ID"_s);
}

}  // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Killed inside a step: the old file is whole under its name, and the next clean-up
    // leaves only the names the collector keeps.
    void killedInsideAStep_data() {
        QTest::addColumn<QString>("point");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("replace") << u"place"_s << QStringList{u"list.ini"_s};
        QTest::newRow("put in place, keep the old")
            << u"swap"_s << QStringList{u"list.ini"_s, u"list.ini.old"_s};
    }
    void killedInsideAStep() {
        QFETCH(QString, point);
        QFETCH(QStringList, left);
        test::TestEnv env(false);
        const QString target = env.path(u"list.ini"_s);
        env.writeFile(u"list.ini"_s, "old");
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("KBS_STOP_AT", point.toUtf8().constData(), 1);
            try {
                if (point == u"place"_s) {
                    safefile::replaceWhole(target, "new");
                } else {
                    safefile::Scratch s = safefile::Scratch::file(target);
                    s.write("new");
                    safefile::putInPlace(s.keep(), target, {target + u".old"_s});
                }
            } catch (...) {
            }
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, WUNTRACED), child);
        QVERIFY(WIFSTOPPED(status));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        QCOMPARE(env.readFile(u"list.ini"_s), QByteArray("old"));
        QCOMPARE(namesIn(env).size(), left.size() + 1);  // and the scratch file
        safefile::removeLeftoversIn(env.dir());
        QCOMPARE(namesIn(env), left);
    }

    // Where the file system has no hard links, the old catalogue is kept as a copy: a restore
    // works there as anywhere.
    void restoreWithoutHardLinks() {
        test::TestEnv env;
        env.addRecord({{u"Description"_s, u"Mini"_s}});
        const QString folder = env.path(backup::FolderName);
        const backup::Result made = backup::make(env.dbPath(), folder);
        QCOMPARE(int(made.outcome), int(backup::Outcome::Made));
        env.addRecord({{u"Description"_s, u"Beetle"_s}});
        const QList<QVariantList> before = recordsOf(env.dbPath());
        qputenv("KBS_FAULT", "nolink");
        const auto clear = qScopeGuard([] { qunsetenv("KBS_FAULT"); });
        const QString target = safefile::freeScratchName(env.dbPath());
        backup::restore(made.path, target);
        const QString kept = backup::swapIn(target, env.dbPath(), QDateTime::currentDateTime());
        QVERIFY(inodeOf(kept) != inodeOf(env.dbPath()));
        QCOMPARE(recordsOf(kept), before);
        QCOMPARE(recordsOf(env.dbPath()), before.mid(0, 1));
    }

    // A full disk: the old file stays whole and no scratch file is left; the message says so.
    void fullDisk() {
        test::TestEnv env(false);
        env.writeFile(u"list.ini"_s, "old");
        test::FaultScope full(env, test::Fault::FullDisk, env.path(u"list.ini"_s));
        QVERIFY(full.ok());
        try {
            safefile::replaceWhole(env.path(u"list.ini"_s), QByteArray(1 << 20, 'x'));
            QFAIL("a full disk was not noticed");
        } catch (const AppError& e) {
            QVERIFY(e.description().endsWith(u"the disk is full."_s));
        }
        QCOMPARE(env.readFile(u"list.ini"_s), QByteArray("old"));
        QCOMPARE(namesIn(env), QStringList{u"list.ini"_s});
    }

    // Other tools make the records' table without AUTOINCREMENT: its backups work all the same.
    void backupOfATableWithoutAutoincrement() {
        test::TestEnv env(false);
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(env.dbPath()).constData(), &db);
        const QString sql = schema::createTableSql().remove(u" AUTOINCREMENT"_s) +
                            u"; INSERT INTO table1 (Description) VALUES ('Mini')"_s;
        QCOMPARE(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(schema::ensurePictureTables(db) && backup::trackChanges(db));
        sqlite3_close(db);
        const backup::Result made = backup::make(env.dbPath(), env.path(backup::FolderName));
        QCOMPARE(made.message, QString());
        QCOMPARE(int(made.outcome), int(backup::Outcome::Made));
        backup::restore(made.path, env.path(u"restored.mdb"_s));
        QCOMPARE(recordsOf(env.path(u"restored.mdb"_s)), recordsOf(env.dbPath()));
    }

    // A restore is refused while another copy of the program has the catalogue open; a copy
    // whose catalogue another one replaced finds out.
    void anotherCopyHasTheCatalogueOpen() {
        test::TestEnv env;
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        QVERIFY(!CatalogueLock::othersHold(env.dbPath()));  // this copy's own does not count
        // Another copy: a process of its own that holds its lock until it is killed (a lock
        // holder started through a command could pass the lock on to a child of its own).
        const QByteArray file = QFile::encodeName(env.dbPath());
        const pid_t other = ::fork();
        if (other == 0) {
            const int fd = ::open(file.constData(), O_RDONLY);
            ::flock(fd, LOCK_SH);
            for (;;)
                ::pause();
        }
        QTRY_VERIFY(CatalogueLock::othersHold(env.dbPath()));
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
        QVERIFY(!CatalogueLock::othersHold(env.dbPath()));
        env.writeFile(u"restored.mdb"_s, env.readFile(u"mydb.mdb"_s));
        QVERIFY(!cn.replaced());
        backup::swapIn(env.path(u"restored.mdb"_s), env.dbPath(), QDateTime::currentDateTime());
        QVERIFY(cn.replaced());
    }

    // The command line: what a killed restore left goes at the next command, a catalogue
    // without backups is said to have none, and a restore under another copy is refused.
    void restoreCommand() {
        test::TestEnv env;
        const QString left = env.path(u"mydb.mdb.kbs-part-2147483646-aB3xYz"_s);
        env.writeFile(QFileInfo(left).fileName(), "half a catalogue");
        QProcess restore;
        restore.start(QStringLiteral(KBS_RESTORE_EXE), {u"--list"_s, env.dbPath()});
        QVERIFY(restore.waitForFinished());
        QVERIFY(restore.readAllStandardOutput().startsWith("There are no backups of "));
        QVERIFY(!QFileInfo::exists(left));
        const QString made = backup::make(env.dbPath(), env.path(backup::FolderName)).path;
        QProcess other;
        other.start(u"flock"_s, {u"-o"_s, u"-s"_s, env.dbPath(), u"sleep"_s, u"30"_s});
        QTRY_VERIFY(CatalogueLock::othersHold(env.dbPath()));
        restore.start(QStringLiteral(KBS_RESTORE_EXE), {env.dbPath(), made});
        QVERIFY(restore.waitForFinished());
        QCOMPARE(restore.exitCode(), 1);
        QVERIFY(restore.readAllStandardError().contains("the program is running on"));
        other.kill();
        other.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
