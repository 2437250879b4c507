// The CSV export: the exact bytes of awkward values, the pictures as files, the refusals that
// leave nothing behind, and an export while the program has the catalogue open and saves.
#include <sqlite3.h>

#include <QDirIterator>
#include <QtTest>

#include "AppError.h"
#include "Connection.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "RecordSet.h"
#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using exchange::exportCsv;

namespace {

const QByteArray kHeader =
    "\xEF\xBB\xBFID,Description,Year,Number,Series,Car_Cond,Wheel_Type,Box_Type,Box_Cond,Color,"
    "Quantity,Location,Purchase,Purch_Date,List_Price,Value,Value_Date,Status,Purch_From,"
    "Base_Name,Interior_Color,Version_Number,Base_Color,Notes,twenty,picpath,picture_file,"
    "more_pictures,more_links,more_captions\r\n";

// The CSV row of a record whose only value is `field` in `column`.
QByteArray row(qint64 id, const QByteArray& column, const QByteArray& field,
               const QByteArray& picture = {}) {
    QByteArray out = QByteArray::number(id);
    for (const QByteArray& name : kHeader.mid(3).chopped(2).split(',').mid(1))
        out += ',' + (name == column ? field : name == "picture_file" ? picture : QByteArray());
    return out + "\r\n";
}

// Every file and folder under dir with its bytes.
QMap<QString, QByteArray> snapshot(const QString& dir) {
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        out[it.filePath()] = f.open(QIODevice::ReadOnly) ? f.readAll() : "(folder)";
    }
    return out;
}

}  // namespace

class TestExchange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void awkwardValuesAreWrittenExactly() {
        struct Awkward {
            QByteArray column;
            QString sql;  // the stored value, as an SQL expression
            QByteArray field;
        };
        const Awkward cases[] = {
            {"Description", u"'plain'"_s, "plain"},
            {"Description", u"'a,b'"_s, "\"a,b\""},
            {"Description", u"'say \"mint\"'"_s, "\"say \"\"mint\"\"\""},
            {"Notes", u"'line 1' || char(13, 10) || 'line 2'"_s, "\"line 1\r\nline 2\""},
            {"Series", u"' '"_s, "\" \""},
            // LibreOffice runs these as formulas unless one more quote leads.
            {"Series", u"char(9) || 'tab'"_s, "'\ttab"},
            {"Notes", u"char(13) || 'cr'"_s, "\"'\rcr\""},
            {"Description", u"'=1+1'"_s, "'=1+1"},
            {"Description", u"'=HYPERLINK(\"http://x\",\"y\")'"_s,
             "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
            {"Description", u"'+44 20'"_s, "'+44 20"},
            {"Description", u"'-3 cars'"_s, "'-3 cars"},
            {"Description", u"'@SUM(A1)'"_s, "'@SUM(A1)"},
            {"Description", u"'''''=x'"_s, "'''=x"},
            {"Description", u"'''plain'"_s, "'plain"},
            {"twenty", u"-5"_s, "-5"},
            {"Color", u"''"_s, "\"\""},
            {"Color", u"NULL"_s, ""},
            {"Description", u"'שברולט קורבט'"_s, "שברולט קורבט"},
            {"Description", u"'🚗 Mini'"_s, "🚗 Mini"},
            {"twenty", u"42"_s, "42"},
            {"twenty", u"-9007199254740993"_s, "-9007199254740993"},
            {"twenty", u"0.1"_s, "0.1"},
            {"twenty", u"1e300"_s, "1e+300"},
            {"twenty", u"1969.0"_s, "1969.0"},
            {"picpath", u"'C:\\Photos\\a b.jpg'"_s, "C:\\Photos\\a b.jpg"},
            {"Notes", u"x'6869ff'"_s, "hi\xEF\xBF\xBD"},  // bytes where text belongs
        };
        test::TestEnv env;
        QByteArray expected = kHeader;
        for (const Awkward& a : cases) {
            env.exec(
                u"INSERT INTO table1 (%1) VALUES (%2)"_s.arg(QString::fromLatin1(a.column), a.sql));
            expected +=
                row(env.value(u"SELECT max(ID) FROM table1"_s).toLongLong(), a.column, a.field);
        }
        const auto summary = exportCsv(env.dbPath(), env.path(u"out.csv"_s));
        QCOMPARE(summary.records, long(std::size(cases)));
        QVERIFY(summary.notes.size() == 1 && summary.notes[0].contains(u"Notes"_s));
        QCOMPARE(env.readFile(u"out.csv"_s), expected);
        QVERIFY(!QFileInfo::exists(env.path(u"out_pictures"_s)));  // no picture, no folder
    }

    void picturesLandAsFiles() {
        QByteArray other(5 << 19, '\0');  // more than one chunk of copying
        for (qsizetype i = 0; i < other.size(); ++i)
            other[i] = char((i * 131 + i / 7) & 0xFF);
        const QByteArray gif =
            QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");
        // A picture's file, or its field when it has none.
        const QList<QPair<QVariant, QByteArray>> cases = {{test::pictureBytes("JPG"), "1.jpg"},
                                                          {test::pictureBytes("PNG"), "2.png"},
                                                          {gif, "3.gif"},
                                                          {test::pictureBytes("BMP"), "4.bmp"},
                                                          {other, "5.bin"},
                                                          {QByteArray(""), "\"\""},
                                                          {QVariant(), ""}};
        test::TestEnv env;
        QByteArray expected = kHeader;
        for (const auto& [bytes, file] : cases) {
            const qint64 id =
                env.addRecord({{u"Description"_s, u"car"_s}, {u"binpicdata"_s, bytes}});
            const bool named = file.contains('.');  // quoted: the CSV's name has a comma
            expected +=
                row(id, "Description", "car", named ? "\"my, cars_pictures/" + file + '"' : file);
        }
        const auto summary = exportCsv(env.dbPath(), env.path(u"my, cars.csv"_s));
        QCOMPARE(summary.pictures, 5L);
        QCOMPARE(env.readFile(u"my, cars.csv"_s), expected);
        QCOMPARE(QDir(env.path(u"my, cars_pictures"_s)).count(), 5u + 2u);  // with . and ..
        for (const auto& [bytes, file] : cases.mid(0, 5))
            QCOMPARE(env.readFile(u"my, cars_pictures/"_s + QString::fromLatin1(file)),
                     bytes.toByteArray());
    }

    // A record's further pictures, embedded and linked, with their captions, come back from a
    // CSV file in their order and byte for byte.
    void furtherPicturesRoundTrip() {
        test::TestEnv env;
        const qint64 id = env.addRecord({{u"binpicdata"_s, test::pictureBytes("JPG")}});
        test::rowsOf(env.dbPath(), QString::fromLatin1(schema::PicturesTableSql));
        const QString further =
            u"INSERT INTO record_pictures (record_id, position, bytes, path, caption) VALUES "
            "(%1, 2, ?, NULL, 'base | plate'), (%1, 3, NULL, 'C:\\box|lid.jpg', NULL), "
            "(%1, 4, ?, NULL, NULL)"_s.arg(id);
        env.exec(further, {test::pictureBytes("PNG"), test::pictureBytes("JPG", 30, 20)});
        const auto summary = exportCsv(env.dbPath(), env.path(u"out.csv"_s));
        QCOMPARE(summary.pictures, 3L);
        QVERIFY(env.readFile(u"out.csv"_s)
                    .endsWith(",out_pictures/1.jpg,out_pictures/1-2.png||out_pictures/1-4.jpg,"
                              "|C:\\\\box\\|lid.jpg|,"
                              "base \\| plate||\r\n"));
        const auto result = exchange::importCsv(env.path(u"out.csv"_s), env.path(u"back.kbs"_s));
        QVERIFY(result.written);
        const QString pictures =
            u"SELECT position, bytes, path, caption FROM record_pictures ORDER BY position"_s;
        QCOMPARE(test::rowsOf(env.path(u"back.kbs"_s), pictures),
                 test::rowsOf(env.dbPath(), pictures));
        const QString main = u"SELECT ID, binpicdata FROM table1"_s;
        QCOMPARE(test::rowsOf(env.path(u"back.kbs"_s), main), test::rowsOf(env.dbPath(), main));
    }

    // Each refusal names the file, keeps what was there byte for byte and leaves nothing.
    void refusalsLeaveNothingBehind() {
        const struct {
            const char* what;
            QString catalogue, csv, existing;  // "x/": a folder made read-only
            QString named;                     // in the message
        } cases[] = {
            {"existing CSV", u"mydb.mdb"_s, u"out.csv"_s, u"out.csv"_s, u"out.csv"_s},
            {"folder", u"mydb.mdb"_s, u"out.csv"_s, u"out_pictures/1.jpg"_s, u"out_pictures"_s},
            {"missing catalogue", u"gone.mdb"_s, u"out.csv"_s, {}, u"gone.mdb"_s},
            {"not a catalogue", u"list.mdb"_s, u"out.csv"_s, u"list.mdb"_s, u"list.mdb"_s},
            {"no table1", u"other.mdb"_s, u"out.csv"_s, {}, u"other.mdb"_s},
            {"unwritable folder", u"mydb.mdb"_s, u"ro/out.csv"_s, u"ro/"_s, u"ro/out.csv"_s},
            {"cancelled", u"mydb.mdb"_s, u"out.csv"_s, {}, u"out.csv"_s},  // at the end
        };
        for (const auto& c : cases) {
            test::TestEnv env;
            env.addRecord(
                {{u"Description"_s, u"car"_s}, {u"binpicdata"_s, test::pictureBytes("PNG")}});
            if (c.catalogue == u"other.mdb"_s) {
                QFile::copy(env.dbPath(), env.path(c.catalogue));
                test::rowsOf(env.path(c.catalogue), u"DROP TABLE table1"_s);
            }
            QDir(env.dir()).mkpath(QFileInfo(env.path(c.existing)).path());
            if (c.existing.endsWith(u'/'))
                QVERIFY(env.makeReadOnly(env.path(c.existing)));
            else if (!c.existing.isEmpty())
                env.writeFile(c.existing, "mine\r\n");
            const auto before = snapshot(env.dir());
            QString message;
            try {
                exportCsv(env.path(c.catalogue), env.path(c.csv), std::nullopt,
                          [&](long done, long total) {
                              return QByteArray(c.what) != "cancelled" || done < total;
                          });
            } catch (const AppError& e) {
                message = e.description();
            }
            QVERIFY2(!message.isEmpty() && message.contains(env.path(c.named)), c.what);
            QVERIFY2(snapshot(env.dir()) == before, c.what);
        }
    }

    // The program holds the catalogue open; between two of the export's reads it deletes a
    // record not yet written and saves another; it saves again right after.
    void exportWhileTheProgramHasItOpen() {
        test::TestEnv env;
        env.exec(
            u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
            "INSERT INTO table1 (Description) SELECT 'car ' || i FROM n"_s);
        Connection connection;
        connection.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        connection.open();
        RecordSet rs;
        rs.open(u"select * from table1"_s, connection);
        auto save = [&](RecordSet::Bookmark id, const QString& text) {
            rs.setBookmark(id);
            rs.fields(u"Description"_s).setValue(text);
            rs.update();
        };
        int calls = 0;
        const auto summary =
            exportCsv(env.dbPath(), env.path(u"out.csv"_s), std::nullopt, [&](long done, long) {
                if (done > 0 && calls++ == 0) {
                    rs.setBookmark(500);
                    rs.deleteCurrent();
                    save(599, u"saved meanwhile"_s);
                }
                return true;
            });
        QCOMPARE(std::pair(summary.records, summary.skipped), std::pair(599L, 1L));
        const QByteArray csv = env.readFile(u"out.csv"_s);
        QVERIFY(!csv.contains("car 500") &&
                csv.contains(row(599, "Description", "saved meanwhile")));
        save(1, u"saved after"_s);
        QCOMPARE(env.value(u"SELECT Description FROM table1 WHERE ID = 1"_s).toString(),
                 u"saved after"_s);

        // The records of a report, in its order and each once; one no longer there is left out.
        QFile::remove(env.path(u"out.csv"_s));
        exportCsv(env.dbPath(), env.path(u"out.csv"_s), std::vector<std::int64_t>{3, 500, 2, 3});
        QCOMPARE(env.readFile(u"out.csv"_s),
                 kHeader + row(3, "Description", "car 3") + row(2, "Description", "car 2"));
    }

    // The command's output, its one line on failure and its exit statuses.
    void commandLine() {
        test::TestEnv env;
        auto run = [&](const QStringList& args) {
            QProcess p;
            p.start(QStringLiteral(KBS_EXPORT_EXE), args);
            p.waitForFinished();
            return QString::number(p.exitCode()) + u' ' +
                   QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        };
        const QStringList args = {u"--"_s, env.dbPath(), env.path(u"out.csv"_s)};
        QCOMPARE(run(args), u"0 exported 0 records, 0 pictures\n"_s);
        QVERIFY(run(args).startsWith(u"1 kbsmgr-export: "_s + env.path(u"out.csv"_s) + u" al"_s));
        QVERIFY(run({env.dbPath()}).startsWith(u"2 usage:"_s));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
