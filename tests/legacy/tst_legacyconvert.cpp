// Converting old catalogues in this process: the fixtures value by value, the writer's
// handling of IDs and columns, and files that are refused.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Conversion.h"
#include "LegacyFixtures.h"
#include "Schema.h"

using namespace kbs;
using namespace kbs::legacy;
namespace fx = kbs::test::legacy;

namespace {

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
        const QByteArray before = fx::fixtureBytes(file);
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
        QCOMPARE(fx::fixtureBytes(file), before);
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("new.mdb")});
        // New records continue after the largest kept ID.
        QCOMPARE(fx::rowsOf(target, QStringLiteral("SELECT seq FROM sqlite_sequence")),
                 QList<QVariantList>{{qint64(3)}});
    }

    void refusedFilesLeaveNothing() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        const QString truncated = fx::fixture(QStringLiteral("truncated.mdb"));
        const QByteArray before = fx::fixtureBytes(QStringLiteral("truncated.mdb"));
        try {
            convertLegacyFile(truncated, target);
            QFAIL("a shortened file was converted");
        } catch (const AppError& e) {
            QVERIFY2(e.description().contains(truncated), qPrintable(e.description()));
            QVERIFY(e.description().contains(QStringLiteral("not a whole number")));
        }
        QCOMPARE(fx::fixtureBytes(QStringLiteral("truncated.mdb")), before);
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
        QCOMPARE(fx::rowsOf(other, QStringLiteral("SELECT count(*) FROM table1")),
                 QList<QVariantList>{{qint64(0)}});
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
            fx::rowsOf(target, QStringLiteral("SELECT ID, typeof(Year), Year, Description, "
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
        QCOMPARE(fx::rowsOf(target, QStringLiteral("SELECT name FROM pragma_table_info('table1') "
                                                   "WHERE cid = 27")),
                 QList<QVariantList>{{QStringLiteral("extra")}});
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
        const auto rows = fx::rowsOf(
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
        QCOMPARE(fx::rowsOf(target, QStringLiteral("SELECT seq FROM sqlite_sequence")),
                 QList<QVariantList>{{qint64(56)}});  // the next record gets 57
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
