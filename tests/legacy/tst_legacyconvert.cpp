// Converting old catalogues, in this process and through the command-line converter: the
// fixtures value by value, the writer's handling of IDs and columns, the converter's output and
// exit status, and files that are refused, checked before they are read. The time limit and
// the cancel button are checked where the program starts (tst_legacystartup.cpp), the memory
// limit in tst_legacymemory.cpp.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Conversion.h"
#include "JetFile.h"
#include "LegacyFixtures.h"
#include "Schema.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using namespace kbs::legacy;
namespace fx = kbs::test::legacy;

namespace {

std::vector<std::string> names(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

// A file that starts like a Jet/ACE database of the given version and is size bytes long.
QString fakeDatabase(const QTemporaryDir& dir, const char* kind, int version, qint64 size) {
    QByteArray bytes(size, '\0');
    bytes[1] = 0x01;
    bytes.replace(4, 15, kind);
    bytes[0x14] = char(version);
    const QString path = dir.filePath(u"%1-%2-%3.mdb"_s.arg(kind).arg(version).arg(size));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != size)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runConverter(const QStringList& args, const QString& workingDir = {}) {
    QProcess p;
    p.setWorkingDirectory(workingDir);
    p.start(fx::converter(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestLegacyConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixturesValueByValue_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("edge");
        QTest::newRow("fixture") << u"fixture.mdb"_s << false;
        QTest::newRow("edge") << u"fixture_edge.mdb"_s << true;
    }
    void fixturesValueByValue() {
        QFETCH(QString, file);
        QFETCH(bool, edge);
        QTemporaryDir dir;
        const QString source = fx::fixture(file);
        const QByteArray before = fx::fixtureBytes(file);
        const QString target = dir.filePath(u"new.mdb"_s);
        QList<QPair<long, long>> progress;
        const auto summary = convertLegacyFile(source, target, [&](long done, long total) {
            progress.append({done, total});
        });
        QCOMPARE(summary.records, 3L);
        QVERIFY(summary.notes.isEmpty());
        QCOMPARE(progress.first(), qMakePair(0L, 3L));
        QCOMPARE(progress.last(), qMakePair(3L, 3L));
        const QStringList diffs = fx::differencesFromFixture(target, edge);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
        QCOMPARE(fx::fixtureBytes(file), before);
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"new.mdb"_s});
        // New records continue after the largest kept ID.
        QCOMPARE(fx::rowsOf(target, u"SELECT seq FROM sqlite_sequence"_s),
                 QList<QVariantList>{{qint64(3)}});
    }

    void refusedFilesLeaveNothing() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        const QString truncated = fx::fixture(u"truncated.mdb"_s);
        const QByteArray before = fx::fixtureBytes(u"truncated.mdb"_s);
        try {
            convertLegacyFile(truncated, target);
            QFAIL("a shortened file was converted");
        } catch (const AppError& e) {
            QVERIFY2(e.description().contains(truncated), qPrintable(e.description()));
            QVERIFY(e.description().contains(u"not a whole number"_s));
        }
        QCOMPARE(fx::fixtureBytes(u"truncated.mdb"_s), before);
        QVERIFY(fx::filesIn(dir.path()).isEmpty());

        // Not the older program's file: an empty new catalogue.
        const QString other = dir.filePath(u"other.mdb"_s);
        schema::createEmptyCatalogue(other);
        QVERIFY_THROWS_EXCEPTION(AppError, convertLegacyFile(other, target));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"other.mdb"_s});
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
    }
    void damagedLongValuesRefused() {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, altered);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QByteArray bytes = fx::fixtureBytes(u"fixture.mdb"_s);
        QCOMPARE(bytes.count(header), 1);
        bytes.replace(header, altered);
        const QString source = dir.filePath(u"damaged.mdb"_s);
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        try {
            convertLegacyFile(source, dir.filePath(u"new.mdb"_s));
            QFAIL("a damaged long value was converted");
        } catch (const AppError& e) {
            QCOMPARE(e.description(), u"%1: %2 The file is damaged."_s.arg(source, reason));
        }
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"damaged.mdb"_s});
    }

    void writerMatchesColumnsByName() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        {
            CatalogueWriter w(target);
            // Other order and case, "twenty" missing, one column of the maker's own.
            w.setSourceColumns(names({"binpicdata", "extra", "YEAR", "id", "Description"}));
            w.addRecord({SourceValue::ofBlob(""), SourceValue::ofInteger(7),
                         SourceValue::ofInteger(1969), SourceValue::ofInteger(10),
                         SourceValue::ofText("first")});
            w.addRecord({SourceValue::null(), SourceValue::ofReal(2.5, "2.5"),
                         SourceValue::ofText(""), SourceValue::ofReal(12.0, "12"),
                         SourceValue::null()});
            QVERIFY(QFile::exists(w.partPath()));
            QVERIFY(!QFile::exists(target));  // nothing under the name until finished
            w.finish(std::nullopt);
            QCOMPARE(w.recordsWritten(), 2L);
            QCOMPARE(w.notes().size(), 2);
            QVERIFY(w.notes().at(0).contains(u"twenty"_s));
            QVERIFY(w.notes().at(1).contains(u"extra"_s));
        }
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"new.mdb"_s});
        const auto rows =
            fx::rowsOf(target, QStringLiteral("SELECT ID, typeof(Year), Year, Description, "
                                              "typeof(binpicdata), length(binpicdata), "
                                              "typeof(extra), extra, typeof(twenty) FROM table1 "
                                              "ORDER BY ID"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], (QVariantList{qint64(10), u"text"_s, u"1969"_s, u"first"_s, u"blob"_s,
                                        qint64(0), u"integer"_s, qint64(7), u"null"_s}));
        QCOMPARE(rows[1], (QVariantList{qint64(12), u"text"_s, QString(), QVariant(), u"null"_s,
                                        QVariant(), u"real"_s, 2.5, u"null"_s}));
    }

    void writerKeepsIdsAndTheAutonumber() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID", "Description", "twenty"}));
            w.addRecord({SourceValue::null(), SourceValue::ofText("no id"),
                         SourceValue::ofReal(std::nan(""), "NaN")});
            w.addRecord({SourceValue::ofInteger(40), SourceValue::ofText("forty"),
                         SourceValue::ofInteger(-1)});
            w.addRecord({SourceValue::ofInteger(-7), SourceValue::ofText("random"),
                         SourceValue::ofText("2004-01-02")});
            // The old file's counter says IDs up to 55 were given; they are not given again.
            w.finish(55);
            QVERIFY(w.notes().join(QString()).contains(u"new ones"_s));
        }
        const auto rows = fx::rowsOf(
            target,
            QStringLiteral("SELECT ID, Description, typeof(twenty), twenty FROM table1 ORDER BY "
                           "ID"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (QVariantList{qint64(-7), u"random"_s, u"text"_s, u"2004-01-02"_s}));
        QCOMPARE(rows[1], (QVariantList{qint64(40), u"forty"_s, u"integer"_s, qint64(-1)}));
        QCOMPARE(rows[2], (QVariantList{qint64(56), u"no id"_s, u"text"_s, u"NaN"_s}));
        QCOMPARE(fx::rowsOf(target, u"SELECT seq FROM sqlite_sequence"_s),
                 QList<QVariantList>{{qint64(56)}});  // the next record gets 57
    }

    void writerRefusalsLeaveNothing() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID"}));
            w.addRecord({SourceValue::ofInteger(5)});
            try {
                w.addRecord({SourceValue::ofInteger(5)});
                QFAIL("two records with one ID were accepted");
            } catch (const AppError& e) {
                QVERIFY2(e.description().contains(u"ID 5"_s), qPrintable(e.description()));
            }
            QVERIFY_THROWS_EXCEPTION(AppError, w.addRecord({SourceValue::ofText("A12")}));
        }
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
        {
            CatalogueWriter w(target);
            w.setSourceColumns(names({"ID", "Description"}));
            w.addRecord({SourceValue::ofInteger(1), SourceValue::ofText("never finished")});
        }
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }

    void fileCheckedBeforeReading() {
        // Jet 3 pages are 2048 bytes, the others 4096; files too short for their pages, of an
        // unknown version, of another kind, or missing are refused.
        QTemporaryDir dir;
        const QList<std::tuple<const char*, int, int, QString>> files = {
            {"Standard Jet DB", 0, 3 * 2048, "Jet 3, 2048"},
            {"Standard Jet DB", 1, 3 * 2048, ""},
            {"Standard ACE DB", 3, 2 * 4096, "ACE, 4096"},
            {"Standard Jet DB", 9, 2 * 4096, ""},
            {"Standard Jet DB", 1, 4096, ""},
            {"SQLite format 3", 1, 8192, ""}};
        for (const auto& [kind, version, size, format] : files) {
            const QString path = fakeDatabase(dir, kind, version, size);
            if (format.isEmpty()) {
                QVERIFY_THROWS_EXCEPTION(AppError, checkLegacyFile(path));
            } else {
                const JetFormat f = checkLegacyFile(path);
                QCOMPARE(u"%1, %2"_s.arg(f.name).arg(f.pageSize), format);
            }
        }
        QVERIFY_THROWS_EXCEPTION(AppError, checkLegacyFile(dir.filePath(u"none"_s)));
    }

    void converterRefusesAndSaysWhy() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        const QString truncated = fx::fixture(u"truncated.mdb"_s);
        QFile f(target);
        f.open(QIODevice::WriteOnly);
        f.write("mine");
        f.close();
        Run r = runConverter({fx::fixture(u"fixture.mdb"_s), target});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(u"already exists"_s));
        QCOMPARE(bytesOf(target), QByteArray("mine"));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"new.mdb"_s});

        // Paths after "--" may start with '-'.
        r = runConverter({u"--"_s, fx::fixture(u"fixture.mdb"_s), u"-new.mdb"_s}, dir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(dir.filePath(u"-new.mdb"_s)));
        QCOMPARE(runConverter({u"-new.mdb"_s, target}, dir.path()).status, 2);

        QCOMPARE(runConverter({target}).status, 2);
        QCOMPARE(runConverter({u"--time-limit=x"_s, truncated, target}).status, 2);
    }

    // Run by hand on a file on which libmdb loops and floods standard error with warnings:
    // its time limit ends it with one line naming the file and the cause, a few kilobytes of
    // warnings, nothing written. (A crash in the reader: tst_legacymemory.cpp.)
    void commandEndsCleanlyOnALoopingFile() {
        QTemporaryDir dir;
        const QString looping = fx::fixture(u"looping.mdb"_s);
        const Run r = runConverter({u"--time-limit=4"_s, looping, dir.filePath(u"new.mdb"_s)});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.size() < 4096, qPrintable(r.err.right(500)));
        QVERIFY2(r.err.endsWith(u"\nkbsmgr-import: Reading %1 took longer than 4 seconds, so it "
                                u"was stopped: the file is probably damaged.\n"_s.arg(looping)),
                 qPrintable(r.err.right(500)));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLegacyConvert)
#include "tst_legacyconvert.moc"
