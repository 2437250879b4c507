// The backup copies of the catalogue: whole and equal to it, taken while the program saves,
// at most one a day and only after a change, the newest seven kept, none without room.
#include <sqlite3.h>

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "Backup.h"
#include "Connection.h"
#include "TestEnv.h"

using namespace kbs;
using kbs::backup::Outcome;

namespace {

QList<QVariantList> rowsOf(const QString& path) {
    test::TestEnv other(false);
    QFile::copy(path, other.dbPath());
    return other.rows(QStringLiteral("SELECT * FROM table1 ORDER BY ID"));
}

QString backupsOf(const test::TestEnv& env) {
    return env.path(backup::FolderName);
}

}  // namespace

class TestBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // While the copy is made a few pages at a time, the program saves: every save succeeds
    // and the copy is a whole catalogue equal to the one at its end.
    void copyIsWholeWhileTheProgramSaves() {
        test::TestEnv env;
        const QByteArray picture(3 << 20, 'p');
        for (int i = 0; i < 20; ++i)
            env.addRecord({{QStringLiteral("Description"), QStringLiteral("car %1").arg(i)},
                           {QStringLiteral("binpicdata"), picture}});
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        backup::Options slow;
        slow.pagesPerStep = 4;
        backup::BackgroundBackup job(env.dbPath(), backupsOf(env), slow);
        QSignalSpy finished(&job, &backup::BackgroundBackup::finished);
        job.start();
        for (int i = 0; i < 10 && finished.isEmpty(); ++i) {
            const QByteArray sql =
                QStringLiteral("UPDATE table1 SET Year = '%1' WHERE ID = 1").arg(1960 + i).toUtf8();
            QCOMPARE(sqlite3_exec(cn.handle(), sql.constData(), nullptr, nullptr, nullptr),
                     SQLITE_OK);
            QTest::qWait(30);
        }
        QVERIFY(finished.wait(60000) || !finished.isEmpty());
        const auto result = finished.first().first().value<backup::Result>();
        QCOMPARE(int(result.outcome), int(Outcome::Made));
        cn.close();
        test::TestEnv check(false);
        QFile::copy(result.path, check.dbPath());
        QCOMPARE(check.value(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(rowsOf(result.path), env.rows(QStringLiteral("SELECT * FROM table1 ORDER BY ID")));
    }

    // Day by day: what each start finds and what the folder then holds.
    void oneADayAfterAChangeNewestSevenKept() {
        test::TestEnv env;
        const QDate first(2026, 3, 1);
        struct Step {
            int day;
            bool change;
            qint64 free;  // -1: the file system's
            Outcome expected;
            int copies;
        };
        const Step steps[] = {
            {0, false, -1, Outcome::Made, 1},      {0, true, -1, Outcome::NotDue, 1},
            {1, true, 100, Outcome::NoSpace, 1},   {2, false, -1, Outcome::Made, 2},
            {3, false, -1, Outcome::Unchanged, 2}, {4, true, -1, Outcome::Made, 3},
            {5, true, -1, Outcome::Made, 4},       {6, true, -1, Outcome::Made, 5},
            {7, true, -1, Outcome::Made, 6},       {8, true, -1, Outcome::Made, 7},
            {9, true, -1, Outcome::Made, 7},       {10, true, -1, Outcome::Made, 7},
        };
        for (const Step& s : steps) {
            if (s.change)
                env.addRecord(
                    {{QStringLiteral("Description"), QStringLiteral("day %1").arg(s.day)}});
            QThread::msleep(5);  // each start comes after the last save
            backup::Options o;
            o.today = first.addDays(s.day);
            if (s.free >= 0)
                o.freeSpace = [&s](const QString&) { return s.free; };
            const auto r = backup::make(env.dbPath(), backupsOf(env), o);
            QCOMPARE(int(r.outcome), int(s.expected));
            QCOMPARE(r.message.isEmpty(), s.expected != Outcome::NoSpace);
            const QStringList copies = backup::copiesIn(backupsOf(env));
            QCOMPARE(copies.size(), s.copies);
            QCOMPARE(QDir(backupsOf(env)).count(), uint(s.copies + 2));  // no scratch left
        }
        QCOMPARE(backup::copiesIn(backupsOf(env)).first(), QStringLiteral("mydb-2026-03-05.mdb"));
        QCOMPARE(rowsOf(env.path(QStringLiteral("backups/mydb-2026-03-11.mdb"))),
                 env.rows(QStringLiteral("SELECT * FROM table1 ORDER BY ID")));
    }

    // A folder that cannot be used is a failed backup with a message, never more.
    void unusableFolderFailsQuietly() {
        test::TestEnv env;
        env.writeFile(backup::FolderName, "not a folder");
        const auto r = backup::make(env.dbPath(), backupsOf(env));
        QCOMPARE(int(r.outcome), int(Outcome::Failed));
        QVERIFY2(r.message.contains(backupsOf(env)), qPrintable(r.message));
        QCOMPARE(env.readFile(backup::FolderName), QByteArray("not a folder"));
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
