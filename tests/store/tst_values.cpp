// The records' value history: kept by saves and imports, carried by delete and undo and by
// backups, imported in bulk from price guides, and summed by date.
#include <QtTest>

#include "AppError.h"
#include "Backup.h"
#include "CatalogueSession.h"
#include "ColumnHeadings.h"
#include "PriceGuide.h"
#include "RecordSet.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

using Changes = QList<std::pair<QString, QString>>;

const QString kHistory =
    u"SELECT record_id, date, value, note FROM value_history ORDER BY entry_id"_s;

struct Open {
    CatalogueSession s;
    explicit Open(const test::TestEnv& env) { s.open(env.dbPath(), u"select * from table1"_s); }
    RecordSet& rs() { return s.records(); }
    // Edits the record with this ID: each (column, text), then Update.
    void save(qint64 id, const Changes& changes) {
        rs().moveFirst();
        while (rs().value(0).toLongLong() != id)
            rs().moveNext();
        for (const auto& [column, text] : changes)
            rs().fields(column).setValue(text);
        rs().update();
    }
};

qint64 car(const test::TestEnv& env, const QString& description, const QString& value = {},
           const QString& date = {}, const QString& status = u"Have"_s) {
    return env.addRecord({{u"Description"_s, description},
                          {u"Number"_s, u"1"_s},
                          {u"Version_Number"_s, u"1"_s},
                          {u"Value"_s, value},
                          {u"Value_Date"_s, date},
                          {u"Status"_s, status}});
}

}  // namespace

class TestValues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A catalogue from before gets each record's valuation as its first entry, once.
    void upgradeGivesTheFirstEntry() {
        test::TestEnv env;
        car(env, u"Beetle"_s, u"12.50"_s, u"3/1/2024"_s);
        car(env, u"Mini"_s);
        for (int i = 0; i < 2; ++i)
            Open o(env);
        QCOMPARE(env.rows(kHistory), (QList<QVariantList>{{1, u"3/1/2024"_s, u"12.50"_s, u""_s}}));
    }

    // A save that gives the record another valuation keeps the one it had; one that does not
    // adds nothing.
    void saveKeepsTheValuation_data() {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<int>("entries");
        QTest::newRow("new value") << Changes{{u"Value"_s, u"14"_s}} << 2;
        QTest::newRow("new date") << Changes{{u"Value_Date"_s, u"2025-01-01"_s}} << 2;
        QTest::newRow("other column") << Changes{{u"Year"_s, u"1970"_s}} << 1;
        QTest::newRow("same again, blanks") << Changes{{u"Value"_s, u" 12 "_s}} << 1;
        QTest::newRow("value cleared") << Changes{{u"Value"_s, u" "_s}} << 1;
    }
    void saveKeepsTheValuation() {
        QFETCH(Changes, changes);
        QFETCH(int, entries);
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s, u"12"_s, u"2024-03-01"_s);
        Open o(env);
        o.save(id, changes);
        QCOMPARE(int(o.s.valueHistory(id).size()), entries);
        QCOMPARE(o.s.valueHistory(id).front().value, u"12"_s);
    }

    // Entries added, changed and deleted keep Value and Value_Date the latest one.
    void latestEntryIsTheRecordsValue() {
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s, u"12"_s, u"2024-03-01"_s);
        Open o(env);
        const auto stored = [&] {
            return env.value(u"SELECT Value || '@' || Value_Date FROM table1"_s).toString();
        };
        const qint64 newer = o.s.addValuation(id, {0, u"2025-01-01"_s, u"20"_s, u"fair"_s});
        QCOMPARE(stored(), u"20@2025-01-01"_s);
        QCOMPARE(o.rs().fields(u"Value"_s).value().toString(), u"20"_s);  // the set sees it
        o.s.addValuation(id, {0, u"2023-01-01"_s, u"9"_s, {}});
        QCOMPARE(stored(), u"20@2025-01-01"_s);
        o.s.changeValuation(id, {newer, u"2025-01-01"_s, u"22"_s, u"fair"_s});
        QCOMPARE(stored(), u"22@2025-01-01"_s);
        o.s.removeValuation(id, newer);
        QCOMPARE(stored(), u"12@2024-03-01"_s);
        QCOMPARE(o.s.valueHistory(id).size(), size_t(2));
        o.save(id, {{u"Description"_s, u"Käfer"_s}});  // the set's snapshot is not stale
    }

    // Deleting a record keeps its history with it; bringing it back brings the history back.
    void deleteAndUndoKeepTheHistory() {
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s, u"12"_s, u"2024-03-01"_s);
        Open o(env);
        o.s.addValuation(id, {0, u"2020-01-01"_s, u"5"_s, u"guide"_s});
        const auto before = o.s.valueHistory(id);
        o.rs().moveFirst();
        o.rs().deleteCurrent();
        QCOMPARE(env.value(u"SELECT count(*) FROM value_history"_s).toInt(), 0);
        const qint64 back = o.s.bringBack(id);
        const auto after = o.s.valueHistory(back);
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].value + after[i].date + after[i].note,
                     before[i].value + before[i].date + before[i].note);
    }

    // A price guide: its rows matched by ID or by Description, Number and Version #.
    void priceGuide_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");  // added, there, matched, not matched, ambiguous
        QTest::addColumn<QString>("refusedAt");
        QTest::newRow("by ID") << "id;DATE;Price;Source\n1;2025-01-01;15;guide\n9;2025-1-1;1;x\n"_ba
                               << u"1 0 1 1 0"_s << QString();
        QTest::newRow("by description")
            << "Description,Number,Version #,Date,Value,Note\nbeetle,1,1,1/2/2025,15,a\n"
               "Mini,1,1,2025-01-01,3,b\nBus,1,1,2025-01-01,3,c\n"_ba
            << u"1 0 1 1 1"_s << QString();
        QTest::newRow("the same again")
            << "ID,Date,Value,Note\n1,2024-03-01,12,\n"_ba << u"0 1 1 0 0"_s << QString();
        QTest::newRow("bad date") << "ID,Date,Value\n1,2025-01-01,15\n1,someday,15\n"_ba
                                  << QString() << u"line 3"_s;
        QTest::newRow("bad value")
            << "ID,Date,Value\n1,2025-01-01,lots\n"_ba << QString() << u"line 2"_s;
        QTest::newRow("no value column")
            << "ID,Date\n1,2025-01-01\n"_ba << QString() << u"line 1"_s;
    }
    void priceGuide() {
        QFETCH(QByteArray, file);
        QFETCH(QString, outcome);
        QFETCH(QString, refusedAt);
        test::TestEnv env;
        car(env, u"Beetle"_s, u"12"_s, u"2024-03-01"_s);
        car(env, u"Mini"_s);
        car(env, u"Mini"_s);
        env.writeFile(u"guide.csv"_s, file);
        Open o(env);
        const auto before = env.rows(kHistory);
        try {
            const auto rows =
                exchange::readPriceGuide(env.path(u"guide.csv"_s), exchange::columnHeadings());
            QVERIFY2(refusedAt.isEmpty(), "a file to refuse was read");
            const values::Applied a = o.s.importValuations(rows);
            QCOMPARE(u"%1 %2 %3 %4 %5"_s.arg(a.added)
                         .arg(a.alreadyThere)
                         .arg(a.matched.size())
                         .arg(a.notMatched.size())
                         .arg(a.ambiguous.size()),
                     outcome);
            const auto once = env.rows(kHistory);
            const values::Applied again = o.s.importValuations(rows);
            QCOMPARE(again.added, 0);
            QCOMPARE(env.rows(kHistory), once);
        } catch (const AppError& e) {
            QVERIFY2(e.description().contains(refusedAt) && !refusedAt.isEmpty(),
                     qPrintable(e.description()));
            QCOMPARE(env.rows(kHistory), before);
        }
        // The latest valuation is the record's.
        QCOMPARE(env.value(u"SELECT Value FROM table1 WHERE ID = 1"_s).toString(),
                 o.s.valueHistory(1).back().value);
    }

    // The value of the records held on each date, and what they cost until then, by hand.
    void valueByDate() {
        test::TestEnv env;
        const qint64 a = car(env, u"A"_s, u"15"_s, u"2021-01-01"_s);
        const qint64 b = car(env, u"B"_s, u"6"_s, u"3/1/2021"_s);
        const qint64 wanted = car(env, u"C"_s, u"100"_s, u"2019-01-01"_s, u"Want"_s);
        const qint64 odd = car(env, u"D"_s, u"1"_s, u"2018-01-01"_s);
        const qint64 gone = car(env, u"E"_s, u"50"_s, u"2019-01-01"_s);
        env.exec(u"UPDATE table1 SET Purchase = '10', Purch_Date = '2020-01-01' WHERE ID = ?"_s,
                 {a});
        env.exec(u"UPDATE table1 SET Purchase = '$5.00', Purch_Date = '2021-03-01' WHERE ID = ?"_s,
                 {b});
        env.exec(u"UPDATE table1 SET Purchase = 'a lot' WHERE ID = ?"_s, {odd});
        Open o(env);
        o.s.addValuation(a, {0, u"2022-06-01"_s, u"20"_s, {}});
        o.rs().moveLast();
        o.rs().deleteCurrent();  // E
        const auto r = o.s.valueByDate().sums(
            {a, b, wanted, odd, gone}, {QDate(2020, 6, 1), QDate(2021, 6, 1), QDate(2023, 1, 1)});
        QStringList got;
        for (const auto& p : r.points)
            got << amounts::formatAmount(p.value) + u" / "_s + amounts::formatAmount(p.paid);
        QCOMPARE(got, (QStringList{u"1.00 / 10.00"_s, u"22.00 / 15.00"_s, u"27.00 / 15.00"_s}));
        QCOMPARE(r.unreadable, 1);
        const auto changes =
            o.s.valueByDate().changes({a, b, odd}, QDate(2021, 6, 1), QDate(2023, 1, 1));
        QCOMPARE(changes.size(), size_t(3));
        QCOMPARE(changes.front().id, a);
        QCOMPARE(changes.front().to - changes.front().from, 5 * amounts::UnitsPerWhole);
    }

    // Backups carry the history, also a backup that takes only what changed since the last.
    void backupsCarryTheHistory() {
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s, u"12"_s, u"2024-03-01"_s);
        Open o(env);
        backup::Options day;
        day.today = QDate(2026, 3, 1);
        QCOMPARE(int(backup::make(env.dbPath(), env.path(u"b"_s), day).outcome),
                 int(backup::Outcome::Made));
        o.s.addValuation(id, {0, u"2020-01-01"_s, u"5"_s, u"guide"_s});
        QThread::msleep(5);
        day.today = QDate(2026, 3, 2);
        const auto second = backup::make(env.dbPath(), env.path(u"b"_s), day);
        QCOMPARE(int(second.outcome), int(backup::Outcome::Made));
        backup::restore(second.path, env.path(u"restored.mdb"_s));
        QCOMPARE(test::rowsOf(env.path(u"restored.mdb"_s), kHistory), env.rows(kHistory));
        QCOMPARE(env.rows(kHistory).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
