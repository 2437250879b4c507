// Converting old catalogues in this process: the fixtures value by value, the catalogue that
// results, the writer's handling of IDs and columns, and files that are refused.
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Connection.h"
#include "Conversion.h"
#include "LegacyFixtures.h"
#include "RecordSet.h"
#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;
using namespace kbs::legacy;
namespace fx = kbs::test::legacy;

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result();
}

// Plain SQL on any catalogue file.
QList<QVariantList> rowsOf(const QString& path, const QString& sql) {
    test::TestEnv env(false);
    QFile::copy(path, env.dbPath());
    return env.rows(sql);
}

std::vector<std::string> names(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

}  // namespace

class TestLegacyConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixturesValueByValue_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("edge");
        QTest::newRow("fixture") << QStringLiteral("fixture.mdb") << false;
        QTest::newRow("edge") << QStringLiteral("fixture_edge.mdb") << true;
    }
    void fixturesValueByValue() {
        QFETCH(QString, file);
        QFETCH(bool, edge);
        QTemporaryDir dir;
        const QString source = fx::fixture(file);
        const QByteArray before = digest(source);
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        QList<QPair<long, long>> progress;
        const auto summary = convertLegacyFile(source, target, [&](long done, long total) {
            progress.append({done, total});
        });
        QCOMPARE(summary.records, 3L);
        QCOMPARE(summary.format, QStringLiteral("Jet 4"));
        QVERIFY(summary.notes.isEmpty());
        QCOMPARE(progress.first(), qMakePair(0L, 3L));
        QCOMPARE(progress.last(), qMakePair(3L, 3L));
        const QStringList diffs = fx::differencesFromFixture(target, edge);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
        QCOMPARE(digest(source), before);
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("new.mdb")});
        // New records continue after the largest kept ID.
        QCOMPARE(rowsOf(target, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = "
                                               "'table1'"))
                     .value(0)
                     .value(0)
                     .toLongLong(),
                 3LL);
    }

    void resultOpensAsCatalogue() {
        test::TestEnv env(false);
        convertLegacyFile(fx::fixture(QStringLiteral("fixture.mdb")), env.dbPath());
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        schema::verifyCatalogue(cn.handle());
        RecordSet rs;
        rs.open(QStringLiteral("select * from table1"), cn);
        QCOMPARE(rs.recordCount(), 3L);
        QCOMPARE(rs.fieldName(25), QStringLiteral("binpicdata"));
        QCOMPARE(rs.fields(QStringLiteral("Description")).value().toString(),
                 QStringLiteral("1969 Custom Camaro"));
        QCOMPARE(rs.fields(QStringLiteral("Purch_Date")).value().toString(),
                 QStringLiteral("1999-05-17"));
        QCOMPARE(rs.fields(QStringLiteral("binpicdata")).actualSize(), 250);
        QCOMPARE(rs.fields(QStringLiteral("binpicdata")).getChunk(1000),
                 fx::fixtureBytes(QStringLiteral("bin250.bin")));
        rs.moveNext();
        QVERIFY(rs.fields(QStringLiteral("Year")).isNull());
        rs.moveNext();
        QVERIFY(!rs.fields(QStringLiteral("Number")).isNull());
        QCOMPARE(rs.fields(QStringLiteral("binpicdata")).actualSize(), 10000);
        QCOMPARE(rs.fields(QStringLiteral("binpicdata")).getChunk(10000),
                 fx::fixtureBytes(QStringLiteral("bin10000.bin")));
        rs.addNew();
        rs.fields(QStringLiteral("Description")).setValue(QStringLiteral("added"));
        rs.update();
        QCOMPARE(rs.fields(QStringLiteral("ID")).value().toLongLong(), 4LL);
        QCOMPARE(rs.recordCount(), 4L);
    }

    void refusedFilesLeaveNothing() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        const QString truncated = fx::fixture(QStringLiteral("truncated.mdb"));
        const QByteArray before = digest(truncated);
        try {
            convertLegacyFile(truncated, target);
            QFAIL("a shortened file was converted");
        } catch (const AppError& e) {
            QVERIFY2(e.description().contains(truncated), qPrintable(e.description()));
            QVERIFY(e.description().contains(QStringLiteral("not a whole number")));
        }
        QCOMPARE(digest(truncated), before);
        QVERIFY(fx::filesIn(dir.path()).isEmpty());

        // Not the older program's file: an empty new catalogue.
        const QString other = dir.filePath(QStringLiteral("other.mdb"));
        QVERIFY(schema::createEmptyCatalogue(other));
        QVERIFY_THROWS_EXCEPTION(AppError, convertLegacyFile(other, target));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("other.mdb")});

        // An existing target is never replaced.
        QVERIFY_THROWS_EXCEPTION(
            AppError, convertLegacyFile(fx::fixture(QStringLiteral("fixture.mdb")), other));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("other.mdb")});
        QCOMPARE(rowsOf(other, QStringLiteral("SELECT count(*) FROM table1")).value(0).value(0),
                 QVariant(qint64(0)));
    }

    // Each long value's length is checked against its header: the fixture with one header
    // altered is refused, naming the record and the column.
    void damagedLongValuesRefused_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("altered");
        QTest::addColumn<QString>("reason");
        // Row 3's picture: 10,000 bytes over several pages.
        QTest::newRow("picture longer than its header")
            << QByteArray::fromHex("1027000000200000") << QByteArray::fromHex("0f27000000200000")
            << QStringLiteral(
                   "record 3 (ID 3), column binpicdata: its value holds more than "
                   "the 9999 bytes its header says.");
        QTest::newRow("picture shorter than its header")
            << QByteArray::fromHex("1027000000200000") << QByteArray::fromHex("1127000000200000")
            << QStringLiteral(
                   "record 3 (ID 3), column binpicdata: its value ends after 10000 of "
                   "the 10001 bytes its header says.");
        // Row 1's picture: 250 bytes on one page.
        QTest::newRow("single-page picture")
            << QByteArray::fromHex("fa000040001d0000") << QByteArray::fromHex("fb000040001d0000")
            << QStringLiteral(
                   "record 1 (ID 1), column binpicdata: its value holds 250 bytes but "
                   "its header says 251.");
        // Row 1's notes.
        QTest::newRow("notes")
            << QByteArray::fromHex("04150000001b0000") << QByteArray::fromHex("02150000001b0000")
            << QStringLiteral(
                   "record 1 (ID 1), column Notes: its value holds more than the 5378 "
                   "bytes its header says.");
    }
    void damagedLongValuesRefused() {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, altered);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QByteArray bytes = fx::fixtureBytes(QStringLiteral("fixture.mdb"));
        QCOMPARE(bytes.count(header), 1);
        bytes.replace(header, altered);
        const QString source = dir.filePath(QStringLiteral("damaged.mdb"));
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        try {
            convertLegacyFile(source, dir.filePath(QStringLiteral("new.mdb")));
            QFAIL("a damaged long value was converted");
        } catch (const AppError& e) {
            QCOMPARE(e.description(),
                     QStringLiteral("%1: %2 The file is damaged.").arg(source, reason));
        }
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("damaged.mdb")});
    }

    void writerMatchesColumnsByName() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        {
            CatalogueWriter w(target);
            // Other order and case, "twenty" missing, one column of the maker's own.
            w.setSourceColumns(names({"binpicdata", "extra", "YEAR", "id", "Description"}));
            w.addRecord({LegacyValue::ofBlob(""), LegacyValue::ofInteger(7),
                         LegacyValue::ofInteger(1969), LegacyValue::ofInteger(10),
                         LegacyValue::ofText("first")});
            w.addRecord({LegacyValue::null(), LegacyValue::ofReal(2.5, "2.5"),
                         LegacyValue::ofText(""), LegacyValue::ofReal(12.0, "12"),
                         LegacyValue::null()});
            QVERIFY(QFile::exists(CatalogueWriter::partPathFor(target)));
            QVERIFY(!QFile::exists(target));  // nothing under the name until finished
            w.finish(std::nullopt);
            QCOMPARE(w.recordsWritten(), 2L);
            QCOMPARE(w.notes().size(), 2);
            QVERIFY(w.notes().at(0).contains(QStringLiteral("twenty")));
            QVERIFY(w.notes().at(1).contains(QStringLiteral("extra")));
        }
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("new.mdb")});
        const auto rows =
            rowsOf(target, QStringLiteral("SELECT ID, typeof(Year), Year, Description, "
                                          "typeof(binpicdata), length(binpicdata), "
                                          "typeof(extra), extra, typeof(twenty) FROM table1 "
                                          "ORDER BY ID"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0],
                 (QVariantList{qint64(10), QStringLiteral("text"), QStringLiteral("1969"),
                               QStringLiteral("first"), QStringLiteral("blob"), qint64(0),
                               QStringLiteral("integer"), qint64(7), QStringLiteral("null")}));
        QCOMPARE(rows[1], (QVariantList{qint64(12), QStringLiteral("text"), QString(), QVariant(),
                                        QStringLiteral("null"), QVariant(), QStringLiteral("real"),
                                        2.5, QStringLiteral("null")}));
        // The extra column comes after the catalogue's own.
        QCOMPARE(rowsOf(target, QStringLiteral("SELECT name FROM pragma_table_info('table1') "
                                               "WHERE cid = 27"))
                     .value(0)
                     .value(0)
                     .toString(),
                 QStringLiteral("extra"));
    }

    void writerKeepsIdsAndTheAutonumber() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID", "Description", "twenty"}));
            w.addRecord({LegacyValue::null(), LegacyValue::ofText("no id"),
                         LegacyValue::ofReal(std::nan(""), "NaN")});
            w.addRecord({LegacyValue::ofInteger(40), LegacyValue::ofText("forty"),
                         LegacyValue::ofInteger(-1)});
            w.addRecord({LegacyValue::ofInteger(-7), LegacyValue::ofText("random"),
                         LegacyValue::ofText("2004-01-02")});
            // The old file's counter says IDs up to 55 were given; they are not given again.
            w.finish(55);
            QVERIFY(w.notes().join(QString()).contains(QStringLiteral("new ones")));
        }
        const auto rows = rowsOf(
            target,
            QStringLiteral("SELECT ID, Description, typeof(twenty), twenty FROM table1 ORDER BY "
                           "ID"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (QVariantList{qint64(-7), QStringLiteral("random"),
                                        QStringLiteral("text"), QStringLiteral("2004-01-02")}));
        QCOMPARE(rows[1], (QVariantList{qint64(40), QStringLiteral("forty"),
                                        QStringLiteral("integer"), qint64(-1)}));
        QCOMPARE(rows[2], (QVariantList{qint64(56), QStringLiteral("no id"), QStringLiteral("text"),
                                        QStringLiteral("NaN")}));
        test::TestEnv env(false);
        QFile::copy(target, env.dbPath());
        QCOMPARE(env.addRecord({{QStringLiteral("Description"), QStringLiteral("next")}}),
                 qint64(57));
    }

    void writerRefusalsLeaveNothing() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID"}));
            w.addRecord({LegacyValue::ofInteger(5)});
            try {
                w.addRecord({LegacyValue::ofInteger(5)});
                QFAIL("two records with one ID were accepted");
            } catch (const AppError& e) {
                QVERIFY2(e.description().contains(QStringLiteral("ID 5")),
                         qPrintable(e.description()));
            }
            QVERIFY_THROWS_EXCEPTION(AppError, w.addRecord({LegacyValue::ofText("A12")}));
        }
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID", "Description"}));
            w.addRecord({LegacyValue::ofInteger(1), LegacyValue::ofText("never finished")});
        }
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLegacyConvert)
#include "tst_legacyconvert.moc"
