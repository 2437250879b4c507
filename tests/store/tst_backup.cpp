// The backup copies of the catalogue: whole and equal to it, taken while the program saves,
// at most one a day and only after a change, the newest seven kept, none without room.
#include <sqlite3.h>

#include <sys/mount.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <csignal>
#include <cstdio>

#include "Backup.h"
#include "Connection.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
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

// SQLite's integrity check of a copy, read as it is.
QString integrityOf(const QString& path) {
    sqlite3* db = nullptr;
    QString result = u"cannot be opened"_s;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK)
        result = sqlite3_step(st) == SQLITE_ROW
                     ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))
                     : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return result;
}

// Makes the catalogue keep the record of changes that backups sharing pictures read.
bool keepsChanges(const test::TestEnv& env) {
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
    cn.open();
    return backup::trackChanges(cn.handle());
}

}  // namespace

class TestBackup : public QObject {
    Q_OBJECT
public:
    // Started with KBS_BACKUP_OF=catalogue and KBS_BACKUP_TO=folder, this program is a second
    // copy of the program making its backup: it prints the outcome and, for a copy made, the
    // integrity check of it at once.
    static void initMain() {
        if (qEnvironmentVariableIsEmpty("KBS_BACKUP_OF"))
            return;
        backup::Options slow;
        slow.pagesPerStep = 1;
        const auto r = backup::make(qEnvironmentVariable("KBS_BACKUP_OF"),
                                    qEnvironmentVariable("KBS_BACKUP_TO"), slow);
        std::printf("%d %s\n", int(r.outcome),
                    r.path.isEmpty() ? "-" : qPrintable(integrityOf(r.path)));
        std::exit(0);
    }

private Q_SLOTS:
    // While the backup is made a few rows at a time, the program saves: every save succeeds
    // and the backup restores to the catalogue as it was at one moment.
    void copyIsWholeWhileTheProgramSaves() {
        test::TestEnv env;
        const QByteArray picture(3 << 20, 'p');
        for (int i = 0; i < 20; ++i)
            env.addRecord({{QStringLiteral("Description"), QStringLiteral("car %1").arg(i)},
                           {QStringLiteral("binpicdata"), picture}});
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        QVERIFY(backup::trackChanges(cn.handle()));
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
        QVERIFY(!finished.isEmpty() || finished.wait(60000));
        const auto result = finished.first().first().value<backup::Result>();
        QCOMPARE(int(result.outcome), int(Outcome::Made));
        cn.close();
        QCOMPARE(integrityOf(result.path), u"ok"_s);
        backup::restore(result.path, env.path(u"restored.mdb"_s));
        // The backup holds one of the years saved meanwhile, and everything else as it is.
        const QString restored = env.path(u"restored.mdb"_s);
        const QVariant year =
            test::rowsOf(restored, u"SELECT Year FROM table1 WHERE ID = 1"_s)[0][0];
        QVERIFY(year.toInt() >= 1960 && year.toInt() <= 1969);
        env.exec(u"UPDATE table1 SET Year = ? WHERE ID = 1"_s, {year});
        QCOMPARE(rowsOf(restored), env.rows(QStringLiteral("SELECT * FROM table1 ORDER BY ID")));
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

    // Two copies of the program started half a second apart, the first held up while it
    // writes its copy: the second leaves that copy alone, and the first's is whole.
    void twoCopiesOfTheProgramAtOnce() {
        test::TestEnv env;
        const QByteArray picture(1 << 20, 'p');
        for (int i = 0; i < 24; ++i)
            env.addRecord({{u"binpicdata"_s, picture}});
        qputenv("KBS_BACKUP_OF", QFile::encodeName(env.dbPath()));
        qputenv("KBS_BACKUP_TO", QFile::encodeName(backupsOf(env)));
        const auto unset = qScopeGuard([] { qunsetenv("KBS_BACKUP_OF"); });
        QProcess copies[2];
        copies[0].start(QCoreApplication::applicationFilePath(), {});
        QDeadlineTimer until(30000);
        while (QDir(backupsOf(env)).entryList({u"mydb-*.mdb.*"_s}, QDir::Files).isEmpty() &&
               !until.hasExpired())
            QThread::usleep(200);
        ::kill(pid_t(copies[0].processId()), SIGSTOP);
        copies[1].start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(copies[1].waitForFinished(120000));
        ::kill(pid_t(copies[0].processId()), SIGCONT);
        QVERIFY(copies[0].waitForFinished(120000));
        QCOMPARE(copies[0].readAllStandardOutput().trimmed(),
                 QByteArray::number(int(Outcome::Made)) + " ok");
        QCOMPARE(copies[1].readAllStandardOutput().trimmed(),
                 QByteArray::number(int(Outcome::Busy)) + " -");
        QCOMPARE(QDir(backupsOf(env)).entryList(QDir::Files), backup::copiesIn(backupsOf(env)));
    }

    // Only a whole copy dated today or before counts: a damaged or foreign file under today's
    // name is moved aside, and copies dated after today (a clock that was wrong once) are kept
    // and named, while the days go on making copies.
    void onlyWholeCopiesUpToTodayCount() {
        test::TestEnv env;
        const QString folder = backupsOf(env);
        QVERIFY(QDir().mkpath(folder));
        env.writeFile(u"backups/mydb-2026-03-10.mdb"_s, "not a catalogue");
        for (int d = 1; d <= 7; ++d)
            QVERIFY(QFile::copy(env.dbPath(), env.path(u"backups/mydb-2027-01-0%1.mdb"_s.arg(d))));
        backup::Options o;
        o.today = QDate(2026, 3, 10);
        auto r = backup::make(env.dbPath(), folder, o);
        QCOMPARE(int(r.outcome), int(Outcome::Made));
        QVERIFY2(r.message.contains(u"mydb-2026-03-10.mdb was no whole copy"_s) &&
                     r.message.contains(u"mydb-2027-01-01.mdb, "_s) &&
                     r.message.contains(u"mydb-2027-01-07.mdb."_s),
                 qPrintable(r.message));
        QCOMPARE(env.readFile(u"backups/mydb-2026-03-10.mdb.damaged"_s), "not a catalogue");
        QCOMPARE(integrityOf(r.path), u"ok"_s);
        for (int day = 11; day <= 18; ++day) {
            env.addRecord({{u"Description"_s, u"day %1"_s.arg(day)}});
            QThread::msleep(5);
            o.today = QDate(2026, 3, day);
            QCOMPARE(int(backup::make(env.dbPath(), folder, o).outcome), int(Outcome::Made));
        }
        QCOMPARE(backup::copiesIn(folder).size(), 7 + 7);
        // A copy written to after its check is checked again, and a cut-short one not counted.
        QFile copy(env.path(u"backups/mydb-2026-03-18.mdb"_s));
        QVERIFY(copy.resize(copy.size() / 2));
        r = backup::make(env.dbPath(), folder, o);
        QCOMPARE(int(r.outcome), int(Outcome::Made));
        QVERIFY(QFile::exists(copy.fileName() + u".damaged"_s));
        QCOMPARE(integrityOf(copy.fileName()), u"ok"_s);
    }

    // A catalogue that records its changes gets backups that share their pictures: day by day
    // with pictures changed, added and removed, each kept backup restores to exactly the
    // catalogue of its day, and a picture file goes only with the last backup that holds it.
    void backupsSharePicturesAndRestoreTheirDay() {
        test::TestEnv env;
        QVERIFY(keepsChanges(env));
        const auto pic = [](int n) { return QByteArray(200000 + n, char('a' + n)); };
        for (int i = 0; i < 4; ++i)
            env.addRecord({{u"Description"_s, u"car %1"_s.arg(i)}, {u"binpicdata"_s, pic(i)}});
        const QString all = u"SELECT * FROM table1 ORDER BY ID"_s;
        const QString more = u"SELECT * FROM record_pictures ORDER BY pic_id"_s;
        // Each day's change, as SQL with its one parameter.
        const std::pair<QString, QVariant> days[] = {
            {u"UPDATE table1 SET Year = '1970' WHERE ID = ?"_s, 1},
            {u"UPDATE table1 SET binpicdata = ? WHERE ID = 2"_s, pic(9)},
            {u"INSERT INTO record_pictures (record_id, position, bytes) VALUES (1, 2, ?)"_s,
             pic(0)},
            {u"UPDATE table1 SET binpicdata = NULL, picpath = ? WHERE ID = 3"_s, u"/p.jpg"_s},
            {u"DELETE FROM table1 WHERE ID = ?"_s, 4},
        };
        // A whole copy of an earlier version counts among the backups until it ages out.
        const QString old = env.path(u"backups/mydb-2026-02-28.mdb"_s);
        QVERIFY(QDir().mkpath(backupsOf(env)) && QFile::copy(env.dbPath(), old));
        backup::restore(old, env.path(u"old.mdb"_s));
        QCOMPARE(rowsOf(env.path(u"old.mdb"_s)), env.rows(all));
        QList<QList<QVariantList>> expected;
        backup::Options o;
        o.keep = 3;
        for (int d = 0; d < int(std::size(days)); ++d) {
            env.exec(days[d].first, {days[d].second});
            QThread::msleep(5);
            o.today = QDate(2026, 3, 1 + d);
            const auto r = backup::make(env.dbPath(), backupsOf(env), o);
            QCOMPARE(int(r.outcome), int(Outcome::Made));
            QVERIFY(r.path.endsWith(u".kbsbackup"_s));
            expected << env.rows(all) + env.rows(more);
        }
        const QStringList kept = backup::copiesIn(backupsOf(env));
        QCOMPARE(kept.size(), 3);
        QVERIFY(!QFile::exists(old));
        // Pictures 0 (held twice), 2, 3 and 9 are kept; car 2's first picture went with the
        // backups that held it.
        QCOMPARE(QDir(env.path(u"backups/pictures"_s)).count() - 2, 4u);
        for (int k = 0; k < kept.size(); ++k) {
            const QString target = env.path(u"restored%1.mdb"_s.arg(k));
            backup::restore(env.path(u"backups/"_s + kept[k]), target);
            QCOMPARE(rowsOf(target) + test::rowsOf(target, more), expected[k + 2]);
        }
        // The restored catalogue takes the catalogue's place; the old one is kept beside it.
        const QDateTime now(QDate(2026, 3, 9), QTime(14, 5));
        const QString keptAs = backup::swapIn(env.path(u"restored0.mdb"_s), env.dbPath(), now);
        QCOMPARE(keptAs, env.path(u"mydb-before-restore-2026-03-09-1405.mdb"_s));
        QCOMPARE(rowsOf(keptAs), expected.last().mid(0, 3));
        QCOMPARE(rowsOf(env.dbPath()) + test::rowsOf(env.dbPath(), more), expected[2]);
    }

    // A restore carries the thumbnails as they were on the backup's day, so that the restored
    // catalogue need not make them; one whose file is lost is left out, to be made again.
    void restoreCarriesThumbnails() {
        test::TestEnv env;
        QVERIFY(keepsChanges(env));
        for (int i = 0; i < 3; ++i)
            env.addRecord({{u"binpicdata"_s, QByteArray(1000 + i, char('a' + i))}});
        const auto thumb = [&](int record, const char* source, const QByteArray& jpeg) {
            env.exec(u"INSERT OR REPLACE INTO picture_thumbs VALUES (?, 1, ?, ?)"_s,
                     {record, QString::fromLatin1(source), jpeg});
        };
        thumb(1, "a", "one");
        thumb(2, "b", "two");
        const QString thumbs =
            u"SELECT record_id, position, source, jpeg FROM picture_thumbs ORDER BY record_id"_s;
        QList<QList<QVariantList>> expected;
        for (int d = 0; d < 2; ++d) {
            if (d == 1) {
                thumb(1, "a2", "one made again");
                thumb(3, "c", "three");
            }
            backup::Options o;
            o.today = QDate(2026, 3, 1 + d);
            QCOMPARE(int(backup::make(env.dbPath(), backupsOf(env), o).outcome),
                     int(Outcome::Made));
            expected << env.rows(thumbs);
        }
        const QStringList kept = backup::copiesIn(backupsOf(env));
        for (int k = 0; k < 2; ++k) {
            const QString target = env.path(u"restored%1.mdb"_s.arg(k));
            backup::restore(env.path(u"backups/"_s + kept[k]), target);
            QCOMPARE(test::rowsOf(target, thumbs), expected[k]);
        }
        QVERIFY(QFile::remove(
            env.path(u"backups/pictures/"_s +
                     QCryptographicHash::hash("three", QCryptographicHash::Sha256).toHex())));
        backup::restore(env.path(u"backups/"_s + kept[1]), env.path(u"lost.mdb"_s));
        QCOMPARE(test::rowsOf(env.path(u"lost.mdb"_s), thumbs), expected[1].mid(0, 2));
    }

    // A backup that fails says what happened in plain words, and leaves nothing behind.
    void failuresSayWhatHappened_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("why");
        QTest::newRow("not a folder") << u"file"_s << u"the folder %1 cannot be made"_s;
        QTest::newRow("disk full")
            << u"small disk"_s << u"the disk became full while copying the catalogue"_s;
    }

    void failuresSayWhatHappened() {
        QFETCH(QString, fault);
        QFETCH(QString, why);
        test::TestEnv env;
        const QString folder = backupsOf(env);
        if (fault == u"file"_s) {
            env.writeFile(backup::FolderName, "not a folder");
        } else {
            env.addRecord({{u"binpicdata"_s, QByteArray(2 << 20, 'p')}});
            QVERIFY(QDir().mkpath(folder));
            if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs",
                                            0, "size=512k") != 0)
                QSKIP("a small disk can be mounted only by root");
        }
        const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(folder), MNT_DETACH); });
        backup::Options o;
        o.freeSpace = [](const QString&) { return qint64(1) << 40; };  // it fills while copying
        const auto r = backup::make(env.dbPath(), folder, o);
        QCOMPARE(int(r.outcome), int(Outcome::Failed));
        QCOMPARE(r.message,
                 u"The catalogue could not be backed up: %1."_s.arg(why.replace(u"%1"_s, folder)));
        if (fault == u"file"_s)
            QCOMPARE(env.readFile(backup::FolderName), QByteArray("not a folder"));
        else
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
