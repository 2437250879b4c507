// The record set over a real catalogue file: positions, counts, changes, long binaries.
#include <QtTest>

#include <sqlite3.h>

#include "AppError.h"
#include "Connection.h"
#include "RecordSet.h"
#include "TestEnv.h"

using namespace kbs;

namespace {
const QString kQuery = QStringLiteral("select * from table1");

struct Open {
    Connection cn;
    RecordSet rs;
    explicit Open(const test::TestEnv& env, const QString& query = kQuery) {
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        rs.open(query, cn);
    }
};

QByteArray bytes(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    return b;
}
}  // namespace

class TestRecordSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyTable() {
        test::TestEnv env;
        Open o(env);
        QVERIFY(o.rs.bof());
        QVERIFY(o.rs.eof());
        QCOMPARE(o.rs.recordCount(), 0L);
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.fields(QStringLiteral("Description")).value());
        QCOMPARE(o.rs.fieldCount(), 27);
        QCOMPARE(o.rs.fieldName(0), QStringLiteral("ID"));
        QCOMPARE(o.rs.fieldName(26), QStringLiteral("picpath"));
    }

    void walkingAndCounting() {
        test::TestEnv env;
        for (const char* d : {"one", "two", "three"})
            env.addRecord({{QStringLiteral("Description"), QString::fromLatin1(d)}});
        Open o(env);
        QVERIFY(!o.rs.bof() && !o.rs.eof());
        QCOMPARE(o.rs.recordCount(), 3L);
        QStringList seen;
        for (o.rs.moveFirst(); !o.rs.eof(); o.rs.moveNext())
            seen << o.rs.fields(QStringLiteral("description")).value().toString();
        QCOMPARE(seen, QStringList({"one", "two", "three"}));
        QVERIFY(o.rs.eof() && !o.rs.bof());
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.moveNext());
        o.rs.moveLast();
        QCOMPARE(o.rs.value(1).toString(), QStringLiteral("three"));
        o.rs.movePrevious();
        o.rs.movePrevious();
        o.rs.movePrevious();
        QVERIFY(o.rs.bof());
    }

    void nullAndSpaceAreDifferent() {
        test::TestEnv env;
        env.addRecord({{QStringLiteral("Description"), QStringLiteral(" ")}});
        Open o(env);
        QVERIFY(o.rs.fields(QStringLiteral("Year")).isNull());
        QVERIFY(o.rs.fields(QStringLiteral("Year")).value().isNull());
        QCOMPARE(o.rs.fields(QStringLiteral("Description")).value().toString(),
                 QStringLiteral(" "));
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.fields(QStringLiteral("NoSuchColumn")));
    }

    void addNewAndUpdateStoresOneRecord() {
        test::TestEnv env;
        env.addRecord({{QStringLiteral("Description"), QStringLiteral("first")}});
        Open o(env);
        o.rs.addNew();
        QVERIFY(!o.rs.eof() && !o.rs.bof());
        QCOMPARE(o.rs.recordCount(), 1L);  // not counted until written
        o.rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("second"));
        o.rs.fields(QStringLiteral("Notes")).setValue(QStringLiteral("line 1\r\nline 2"));
        o.rs.update();
        QCOMPARE(o.rs.recordCount(), 2L);
        // The new record stays current and has its ID from the database.
        QCOMPARE(o.rs.value(1).toString(), QStringLiteral("second"));
        const qint64 id = o.rs.value(0).toLongLong();
        QVERIFY(id > 0);
        QCOMPARE(env.value(QStringLiteral("SELECT Notes FROM table1 WHERE ID=?"), {id}).toString(),
                 QStringLiteral("line 1\r\nline 2"));
        QCOMPARE(env.value(QStringLiteral("SELECT count(*) FROM table1")).toInt(), 2);
        // IDs are never written by the program.
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.fields(QStringLiteral("ID")).setValue("5"));
    }

    void addNewWhilePendingWritesThePendingRecord() {
        test::TestEnv env;
        Open o(env);
        o.rs.addNew();
        o.rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("pending"));
        o.rs.addNew();
        QCOMPARE(o.rs.recordCount(), 1L);
        o.rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("next"));
        o.rs.update();
        QCOMPARE(o.rs.recordCount(), 2L);
        QCOMPARE(env.value(QStringLiteral("SELECT group_concat(Description, ',') FROM table1"))
                     .toString(),
                 QStringLiteral("pending,next"));
    }

    void editAndDelete() {
        test::TestEnv env;
        const qint64 a = env.addRecord({{QStringLiteral("Description"), QStringLiteral("a")}});
        const qint64 b = env.addRecord({{QStringLiteral("Description"), QStringLiteral("b")}});
        const qint64 c = env.addRecord({{QStringLiteral("Description"), QStringLiteral("c")}});
        Open o(env);
        o.rs.moveNext();
        o.rs.fields(QStringLiteral("Color")).setValue(QStringLiteral("red"));
        o.rs.update();
        QCOMPARE(env.value(QStringLiteral("SELECT Color FROM table1 WHERE ID=?"), {b}).toString(),
                 QStringLiteral("red"));
        QCOMPARE(o.rs.value(0).toLongLong(), b);

        o.rs.deleteCurrent();
        QCOMPARE(o.rs.recordCount(), 2L);
        o.rs.moveNext();  // the record after the deleted one
        QCOMPARE(o.rs.value(0).toLongLong(), c);
        o.rs.moveNext();
        QVERIFY(o.rs.eof());
        o.rs.moveLast();
        o.rs.deleteCurrent();
        o.rs.moveNext();
        QVERIFY(o.rs.eof());
        o.rs.moveLast();
        QCOMPARE(o.rs.value(0).toLongLong(), a);
        QCOMPARE(env.value(QStringLiteral("SELECT count(*) FROM table1")).toInt(), 1);
    }

    void movingAwayWritesPendingChanges() {
        test::TestEnv env;
        const qint64 a = env.addRecord({{QStringLiteral("Description"), QStringLiteral("a")}});
        env.addRecord({{QStringLiteral("Description"), QStringLiteral("b")}});
        Open o(env);
        o.rs.fields(QStringLiteral("Status")).setValue(QStringLiteral("Have"));
        o.rs.moveNext();
        QCOMPARE(env.value(QStringLiteral("SELECT Status FROM table1 WHERE ID=?"), {a}).toString(),
                 QStringLiteral("Have"));
        // A new record that nobody filled is dropped, not stored.
        o.rs.addNew();
        o.rs.moveFirst();
        QCOMPARE(o.rs.recordCount(), 2L);
    }

    void chunksOfAHundred_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("chunks");
        QTest::newRow("250") << 250 << QList<int>{100, 100, 50};
        QTest::newRow("200") << 200 << QList<int>{100, 100};
        QTest::newRow("1") << 1 << QList<int>{1};
    }
    void chunksOfAHundred() {
        QFETCH(int, size);
        QFETCH(QList<int>, chunks);
        test::TestEnv env;
        const QByteArray pic = bytes(size);
        env.addRecord({{QStringLiteral("binpicdata"), pic}});
        Open o(env);
        Field f = o.rs.fields(QStringLiteral("binpicdata"));
        QCOMPARE(f.actualSize(), qint64(size));
        QByteArray all;
        QList<int> got;
        for (qint64 off = 0; off < size; off += 100) {
            const QByteArray c = f.getChunk(100);
            got << int(c.size());
            all += c;
        }
        QCOMPARE(got, chunks);
        QCOMPARE(all, pic);
        QVERIFY(f.getChunk(100).isEmpty());
        // Reading another field starts the next GetChunk from the beginning again.
        o.rs.fields(QStringLiteral("Description")).value();
        QCOMPARE(f.getChunk(10), pic.left(10));
    }

    void emptyAndNullPictures() {
        test::TestEnv env;
        env.addRecord({{QStringLiteral("binpicdata"), QByteArray("")}});
        env.addRecord({{QStringLiteral("Description"), QStringLiteral("no picture")}});
        Open o(env);
        QVERIFY(o.rs.fields(QStringLiteral("binpicdata")).actualSize() < 1);
        o.rs.moveNext();
        QVERIFY(o.rs.fields(QStringLiteral("binpicdata")).actualSize() < 1);
    }

    void appendChunkReplacesThenAppends() {
        test::TestEnv env;
        const qint64 id = env.addRecord({{QStringLiteral("binpicdata"), bytes(500)}});
        Open o(env);
        Field f = o.rs.fields(QStringLiteral("binpicdata"));
        f.appendChunk(QByteArray("abc"));
        f.appendChunk(QByteArray("def"));
        o.rs.update();
        QCOMPARE(env.value(QStringLiteral("SELECT binpicdata FROM table1 WHERE ID=?"), {id})
                     .toByteArray(),
                 QByteArray("abcdef"));
        QCOMPARE(f.actualSize(), qint64(6));
        // The next edit starts over.
        f.appendChunk(QByteArray());
        o.rs.update();
        const QVariant stored =
            env.value(QStringLiteral("SELECT binpicdata FROM table1 WHERE ID=?"), {id});
        QVERIFY(!stored.isNull());
        QCOMPARE(stored.toByteArray().size(), 0);
    }

    void bookmarksComeBack() {
        test::TestEnv env;
        for (int i = 0; i < 5; ++i)
            env.addRecord({{QStringLiteral("Description"), QString::number(i)}});
        Open o(env);
        o.rs.moveNext();
        o.rs.moveNext();
        const auto mark = o.rs.bookmark();
        for (o.rs.moveFirst(); !o.rs.eof(); o.rs.moveNext()) {
        }
        o.rs.setBookmark(mark);
        QCOMPARE(o.rs.value(1).toString(), QStringLiteral("2"));
        o.rs.deleteCurrent();
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.setBookmark(mark));
    }

    void aRefusedUpdateKeepsNothingAndThrows() {
        test::TestEnv env;
        env.addRecord({{QStringLiteral("Description"), QStringLiteral("kept")}});
        Open o(env);
        // Another program holds the catalogue locked: every write is refused.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(env.dbPath().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_busy_timeout(o.cn.handle(), 50);
        o.rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("changed"));
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.update());
        o.rs.cancelUpdate();
        QCOMPARE(o.rs.value(1).toString(), QStringLiteral("kept"));
        o.rs.addNew();
        o.rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("new"));
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.update());
        o.rs.cancelUpdate();
        QCOMPARE(o.rs.recordCount(), 1L);
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.deleteCurrent());
        QCOMPARE(o.rs.recordCount(), 1L);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(env.value(QStringLiteral("SELECT count(*) FROM table1")).toInt(), 1);
        QCOMPARE(env.value(QStringLiteral("SELECT Description FROM table1")).toString(),
                 QStringLiteral("kept"));
    }

    void typedColumnsRefuseTextsTheyCannotHold() {
        test::TestEnv env(false);
        env.writeFile(QStringLiteral("mydb.mdb"), QByteArray());
        env.exec(
            QStringLiteral("CREATE TABLE table1 (ID INTEGER PRIMARY KEY, Quantity INTEGER, "
                           "Description TEXT)"));
        env.exec(QStringLiteral("INSERT INTO table1 (Quantity, Description) VALUES (3, 'x')"));
        Open o(env);
        QCOMPARE(o.rs.fields(QStringLiteral("Quantity")).value().toString(), QStringLiteral("3"));
        QVERIFY_THROWS_EXCEPTION(
            AppError, o.rs.fields(QStringLiteral("Quantity")).setValue(QStringLiteral(" ")));
        o.rs.fields(QStringLiteral("Quantity")).setValue(QStringLiteral("12"));
        o.rs.update();
        QCOMPARE(env.value(QStringLiteral("SELECT Quantity FROM table1")).toLongLong(), 12);
    }

    void aQueryOfSomeRecordsAndColumns() {
        test::TestEnv env;
        env.addRecord({{QStringLiteral("Status"), QStringLiteral("Want")}});
        env.addRecord({{QStringLiteral("Status"), QStringLiteral("Have")}});
        Open o(env, QStringLiteral("select * from table1 where Status = 'Want'"));
        QCOMPARE(o.rs.recordCount(), 1L);
        Open p(env, QStringLiteral("select ID, Description, binpicdata from table1"));
        QCOMPARE(p.rs.fieldCount(), 3);
        QCOMPARE(p.rs.recordCount(), 2L);
    }

    void openingFailures() {
        test::TestEnv env(false);
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        QVERIFY_THROWS_EXCEPTION(AppError, cn.open());
        QVERIFY(!QFileInfo::exists(env.dbPath()));  // nothing created by the attempt
        env.writeFile(QStringLiteral("mydb.mdb"), QByteArray(4096, 'x'));
        QVERIFY_THROWS_EXCEPTION(AppError, cn.open());
        QCOMPARE(env.readFile(QStringLiteral("mydb.mdb")), QByteArray(4096, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
