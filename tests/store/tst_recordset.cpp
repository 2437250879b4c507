// The record set over a real catalogue file: positions, counts, pending writes, bookmarks,
// long binaries and refused writes.
#include <QtTest>

#include <sqlite3.h>

#include "AppError.h"
#include "Connection.h"
#include "Faults.h"
#include "RecordSet.h"
#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
struct Open {
    Connection cn;
    RecordSet rs;
    explicit Open(const test::TestEnv& env) {
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        rs.open(u"select * from table1"_s, cn);
    }
    Field f(const QString& name) { return rs.fields(name); }
    QString text(const QString& name) { return f(name).value().toString(); }
};

QByteArray bytes(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    return b;
}

void addRecords(const test::TestEnv& env, const QStringList& descriptions) {
    for (const QString& d : descriptions)
        env.addRecord({{u"Description"_s, d}});
}
}  // namespace

class TestRecordSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void walkingAndCounting() {
        test::TestEnv env;
        {
            Open empty(env);
            QVERIFY(empty.rs.bof() && empty.rs.eof());
            QCOMPARE(empty.rs.recordCount(), 0L);
            QVERIFY_THROWS_EXCEPTION(AppError, empty.text(u"Description"_s));
        }
        addRecords(env, {u"one"_s, u"two"_s, u"three"_s});
        Open o(env);
        QCOMPARE(o.rs.recordCount(), 3L);
        QStringList seen;
        for (o.rs.moveFirst(); !o.rs.eof(); o.rs.moveNext())
            seen << o.text(u"description"_s);
        QCOMPARE(seen, QStringList({"one", "two", "three"}));
        QVERIFY(!o.rs.bof());
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.moveNext());
        o.rs.moveLast();
        for (int i = 0; i < 3; ++i)
            o.rs.movePrevious();
        QVERIFY(o.rs.bof());
        o.rs.moveFirst();
        QVERIFY(o.f(u"Year"_s).isNull());  // Null, not a space
        QVERIFY_THROWS_EXCEPTION(AppError, o.f(u"NoSuchColumn"_s));
        QVERIFY_THROWS_EXCEPTION(AppError, o.f(u"ID"_s).setValue("5"));  // never written
    }

    // A new record counts once written and stays current with its ID; adding another while
    // one is pending writes the pending one; moving away writes pending changes, and a new
    // record nobody filled is dropped.
    void pendingWrites() {
        test::TestEnv env;
        addRecords(env, {u"a"_s, u"b"_s});
        Open o(env);
        o.f(u"Status"_s).setValue(u"Have"_s);
        o.rs.moveNext();
        QCOMPARE(env.value(u"SELECT Status FROM table1 WHERE ID=1"_s).toString(), u"Have"_s);
        o.rs.addNew();
        o.rs.moveFirst();
        QCOMPARE(o.rs.recordCount(), 2L);

        o.rs.addNew();
        o.f(u"Description"_s).setValue(u"pending"_s);
        o.rs.addNew();
        QCOMPARE(o.rs.recordCount(), 3L);
        o.f(u"Description"_s).setValue(u"next"_s);
        o.f(u"Notes"_s).setValue(u"line 1\r\nline 2"_s);
        o.rs.update();
        QCOMPARE(o.rs.recordCount(), 4L);
        QCOMPARE(o.text(u"Description"_s), u"next"_s);
        QCOMPARE(o.rs.value(0).toLongLong(), 4);
        QCOMPARE(env.value(u"SELECT group_concat(Description, ',') FROM table1"_s).toString(),
                 u"a,b,pending,next"_s);
        QCOMPARE(env.value(u"SELECT Notes FROM table1 WHERE ID=4"_s).toString(),
                 u"line 1\r\nline 2"_s);
    }

    void editAndDelete() {
        test::TestEnv env;
        addRecords(env, {u"a"_s, u"b"_s, u"c"_s});
        Open o(env);
        o.rs.moveNext();
        o.f(u"Color"_s).setValue(u"red"_s);
        o.rs.update();
        QCOMPARE(env.value(u"SELECT Color FROM table1 WHERE ID=2"_s).toString(), u"red"_s);
        o.rs.deleteCurrent();
        QCOMPARE(o.rs.recordCount(), 2L);
        o.rs.moveNext();  // the record after the deleted one
        QCOMPARE(o.rs.value(0).toLongLong(), 3);
        o.rs.deleteCurrent();
        o.rs.moveNext();
        QVERIFY(o.rs.eof());
        o.rs.moveLast();
        QCOMPARE(o.rs.value(0).toLongLong(), 1);
        QCOMPARE(env.value(u"SELECT count(*) FROM table1"_s).toInt(), 1);
    }

    void bookmarksComeBack() {
        test::TestEnv env;
        addRecords(env, {u"0"_s, u"1"_s, u"2"_s, u"3"_s});
        Open o(env);
        o.rs.moveNext();
        o.rs.moveNext();
        const auto mark = o.rs.bookmark();
        for (o.rs.moveFirst(); !o.rs.eof(); o.rs.moveNext()) {
        }
        o.rs.setBookmark(mark);
        QCOMPARE(o.text(u"Description"_s), u"2"_s);
        o.rs.deleteCurrent();
        QVERIFY_THROWS_EXCEPTION(AppError, o.rs.setBookmark(mark));
    }

    // GetChunk reads in pieces and starts over after another field is read; AppendChunk
    // replaces the stored value, then appends.
    void chunks() {
        test::TestEnv env;
        const QByteArray pic = bytes(250);
        env.addRecord({{u"binpicdata"_s, pic}});
        Open o(env);
        Field f = o.f(u"binpicdata"_s);
        QCOMPARE(f.actualSize(), qint64(250));
        QList<qsizetype> got;
        QByteArray all;
        for (int i = 0; i < 4; ++i) {
            const QByteArray c = f.getChunk(100);
            got << c.size();
            all += c;
        }
        QCOMPARE(got, (QList<qsizetype>{100, 100, 50, 0}));
        QCOMPARE(all, pic);
        o.text(u"Description"_s);
        QCOMPARE(f.getChunk(10), pic.left(10));

        f.appendChunk(QByteArray("abc"));
        f.appendChunk(QByteArray("def"));
        o.rs.update();
        QCOMPARE(env.value(u"SELECT binpicdata FROM table1"_s).toByteArray(), QByteArray("abcdef"));
        f.appendChunk(QByteArray());
        o.rs.update();
        QCOMPARE(env.value(u"SELECT typeof(binpicdata) || length(binpicdata) FROM table1"_s),
                 QVariant(u"blob0"_s));
    }

    void aRefusedWriteKeepsNothingAndThrows() {
        test::TestEnv env;
        addRecords(env, {u"kept"_s});
        Open o(env);
        {
            test::FaultScope locked(env, test::Fault::Locked, env.dbPath());
            QVERIFY(locked.ok());
            sqlite3_busy_timeout(o.cn.handle(), 50);
            o.f(u"Description"_s).setValue(u"changed"_s);
            QVERIFY_THROWS_EXCEPTION(AppError, o.rs.update());
            o.rs.cancelUpdate();
            QCOMPARE(o.text(u"Description"_s), u"kept"_s);
            o.rs.addNew();
            o.f(u"Description"_s).setValue(u"new"_s);
            QVERIFY_THROWS_EXCEPTION(AppError, o.rs.update());
            o.rs.cancelUpdate();
            QVERIFY_THROWS_EXCEPTION(AppError, o.rs.deleteCurrent());
            QCOMPARE(o.rs.recordCount(), 1L);
        }
        QCOMPARE(env.rows(u"SELECT Description FROM table1"_s), (QList<QVariantList>{{u"kept"_s}}));
    }

    // Nothing is created by a failed opening, and a new catalogue never replaces a file.
    void openingFailures() {
        test::TestEnv env(false);
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        QVERIFY_THROWS_EXCEPTION(AppError, cn.open());
        QVERIFY(!QFileInfo::exists(env.dbPath()));
        env.writeFile(u"mydb.mdb"_s, QByteArray(4096, 'x'));
        QVERIFY_THROWS_EXCEPTION(AppError, cn.open());
        QVERIFY_THROWS_EXCEPTION(AppError, schema::createEmptyCatalogue(env.dbPath()));
        QCOMPARE(env.readFile(u"mydb.mdb"_s), QByteArray(4096, 'x'));
    }

    // A very long value is not copied into the snapshot: a list gets its beginning, a reader
    // the whole of it, and a change by another program past that beginning still refuses a save.
    void aVeryLongValueIsReadWhenAskedFor() {
        test::TestEnv env;
        // Its ShownBytes-th byte falls inside a character, which is not cut.
        const QString notes = u"x"_s + u"é"_s.repeated(RecordSet::ShownBytes) + u"end"_s;
        env.addRecord({{"Description", "long"}, {"Notes", notes}});
        Open a(env);
        Open b(env);
        const int at = a.rs.fieldIndex(u"Notes"_s);
        std::string_view shown;
        QVERIFY(!a.rs.peekUtf8(at, shown) && a.rs.peekShownUtf8(at, shown));
        QCOMPARE(QString::fromUtf8(shown.data(), qsizetype(shown.size())),
                 notes.left(RecordSet::ShownBytes / 2));
        QCOMPARE(a.text(u"Notes"_s), notes);
        QVERIFY(!a.rs.isNull(at));
        qint64 notShown = 0;
        QCOMPARE(a.rs.valueForShow(at, 100, &notShown).toString(), notes.left(50));  // 1 + 49 é
        QCOMPARE(notShown, notes.toUtf8().size() - 99);
        b.f("Notes").setValue(notes + u"!"_s);
        b.rs.update();
        a.f("Year").setValue("2001");
        QVERIFY_THROWS_EXCEPTION(AppError, a.rs.update());
        a.rs.cancelUpdate();
        QCOMPARE(a.text(u"Notes"_s), notes + u"!"_s);
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
