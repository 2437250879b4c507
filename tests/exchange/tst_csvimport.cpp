// Building a catalogue from a CSV file: a spreadsheet's file value by value, each refusal with
// its line, hostile text and picture files refused, the sound rows alone on request, an
// existing target kept, and a whole catalogue with every awkward value and every kind of
// picture written out and read back unchanged.
#include <sys/file.h>

#include <QProcess>
#include <QtTest>

#include "ColumnHeadings.h"
#include "CsvColumns.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using kbs::test::rowsOf;

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run runImport(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(KBS_IMPORT_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

class TestCsvImport : public QObject {
    Q_OBJECT
private slots:
    void spreadsheetFile_data() {
        QTest::addColumn<QByteArray>("csv");
        const QByteArray lf =
            "notes,DESCRIPTION,year\n\"two\nlines\",\"Citro\xC3\xABn; DS\",\n"
            "\"\",\"a, \"\"b\"\"\", 1969 \n";
        QTest::newRow("UTF-8 with BOM, LF") << "\xEF\xBB\xBF" + lf;
        QTest::newRow("UTF-8, CR LF") << QByteArray(lf).replace("\n", "\r\n");
        QTest::newRow("Windows-1252, CR LF")
            << QByteArray(lf).replace("\n", "\r\n").replace("\xC3\xAB", "\xEB");
        // The panel's labels and other words for a column, as a spreadsheet saves them.
        QTest::newRow("semicolons, labels")
            << "Notes:;model;YEAR ISSUED\n\"two\nlines\";\"Citro\xC3\xABn; DS\";\n"
               "\"\";\"a, \"\"b\"\"\"; 1969 \n"_ba;
        QTest::newRow("tabs")
            << "Notes\tDescription\tYear Issued\n\"two\nlines\"\t\"Citro\xC3\xABn; "
               "DS\"\t\n\"\"\t\"a, \"\"b\"\"\"\t 1969 \n"_ba;
    }
    void spreadsheetFile() {
        QFETCH(QByteArray, csv);
        test::TestEnv env(false);
        env.writeFile(u"in.csv"_s, csv);
        exchange::ImportOptions options;
        options.headings = exchange::columnHeadings();
        if (QByteArray(QTest::currentDataTag()).startsWith("Windows"))
            options.encoding = TextEncoding::Windows1252;
        const auto result = exchange::importCsv(env.path(u"in.csv"_s), env.dbPath(), options);
        QVERIFY(result.written);
        const QString crlf = csv.contains("\r\n") ? u"\r\n"_s : u"\n"_s;
        const QList<QVariantList> expected = {
            {qint64(1), u"Citroën; DS"_s, QVariant(), u"two%1lines"_s.arg(crlf)},
            {qint64(2), u"a, \"b\""_s, u" 1969 "_s, u""_s}};
        QCOMPARE(rowsOf(env.dbPath(), u"SELECT ID, Description, Year, Notes FROM table1"_s),
                 expected);
    }

    // The encoding is decided on the whole file, read in blocks of 1 MB: a character cut by
    // a block's end is still UTF-8.
    void utf8AcrossBlocks() {
        for (int cut = 1; cut <= 3; ++cut) {
            test::TestEnv env(false);
            const QByteArray text = QByteArray(1024 * 1024 - 12 - cut, 'a') + "\xF0\x9F\x98\x80";
            env.writeFile(u"in.csv"_s, "Description\n" + text + "\n");
            QVERIFY(exchange::importCsv(env.path(u"in.csv"_s), env.dbPath()).written);
            QCOMPARE(rowsOf(env.dbPath(), u"SELECT Description FROM table1"_s)[0][0],
                     QString::fromUtf8(text));
        }
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<long>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown column") << QByteArray("ID,Colour\n") << 1L << u"\"Colour\""_s;
        QTest::newRow("column twice") << QByteArray("ID,id\n") << 1L << u"named twice"_s;
        QTest::newRow("pictures as bytes") << QByteArray("binpicdata\n") << 1L << u"picture_f"_s;
        QTest::newRow("fields") << QByteArray("ID,Year\n1,\"a\nb\"\n2\n") << 4L << u"1 field "_s;
        QTest::newRow("same ID") << QByteArray("ID\n7\n07\n") << 3L << u"that of line 2"_s;
        QTest::newRow("ID 1.5") << QByteArray("ID\n1.5\n") << 2L << u"\"1.5\" is not a whole"_s;
        QTest::newRow("ID too large") << QByteArray("ID\n1\n2147483648\n") << 3L << u"whole"_s;
        QTest::newRow("open quote") << QByteArray("Year\n1\n\"2\n") << 3L << u"never closed"_s;
        QTest::newRow("NUL") << "Year\n1\n\"a\nb\0\"\n"_ba << 3L << u"a field holds a NUL byte"_s;
        // Picture files: "in/" holds the CSV file; "@" is the folder above it.
        QTest::newRow("no picture") << "picture_file\nnone.jpg\n"_ba << 2L << u"no such file"_s;
        QTest::newRow("folder") << "picture_file\nsub\n"_ba << 2L << u"a folder"_s;
        QTest::newRow("too large")
            << "picture_file\n\"\"\nbig.bmp\n"_ba << 3L << u"more than the 67108864 bytes"_s;
        QTest::newRow("../ out") << "picture_file\n../secret.txt\n"_ba << 2L << u"outside"_s;
        QTest::newRow("absolute out") << "picture_file\n@/secret.txt\n"_ba << 2L << u"outside"_s;
        QTest::newRow("symlink out") << "picture_file\nlink.jpg\n"_ba << 2L << u"outside"_s;
        QTest::newRow("text as .jpg") << "picture_file\ntext.jpg\n"_ba << 2L << u"not a picture"_s;
        QTest::newRow("further out")
            << "more_pictures\n\"\"\n../secret.txt\n"_ba << 3L << u"outside"_s;
        QTest::newRow("further neither")
            << "more_pictures,more_captions\n,a|b\n"_ba << 2L << u"picture 2 must name"_s;
        // The fields' list beside the file declares Scale a number field.
        QTest::newRow("own field's kind") << "Scale\n64\n1:64\n"_ba << 3L << u"takes a number"_s;
        QTest::newRow("own field twice") << "Scale,scale\n"_ba << 1L << u"named twice"_s;
        QTest::newRow("tag too long")
            << "Tags\n\"a, b\"\n\"c, 12345678901234567890123456789012345678901\"\n"_ba << 3L
            << u"at most 40"_s;
    }
    void refusals() {
        QFETCH(QByteArray, rows);
        QFETCH(long, line);
        QFETCH(QString, reason);
        test::TestEnv env(false);
        QVERIFY(QDir(env.dir()).mkpath(u"in/sub"_s));
        QFile big(env.path(u"in/big.bmp"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(64LL * 1024 * 1024 + 1));
        env.writeFile(u"secret.txt"_s, "root:x:0:0\n");
        env.writeFile(u"in/text.jpg"_s, "root:x:0:0\n");
        QVERIFY(QFile::link(env.path(u"secret.txt"_s), env.path(u"in/link.jpg"_s)));
        env.writeFile(u"in/in.csv"_s, rows.replace("@", QFile::encodeName(env.dir())));
        env.writeFile(u"in/in_fields.csv"_s, "Name,Kind\nScale,number\n");
        const auto result = exchange::importCsv(env.path(u"in/in.csv"_s), env.dbPath());
        QVERIFY(!result.written);
        QCOMPARE(result.problems.size(), size_t(1));
        QCOMPARE(result.problems[0].line, line);
        QVERIFY2(result.problems[0].what.contains(reason), qPrintable(result.problems[0].what));
        QVERIFY(QDir(env.dir()).entryList(QDir::Files) == QStringList{u"secret.txt"_s});
    }

    // What the command says of a file that is not UTF-8 or holds control bytes, and pictures
    // from elsewhere: short lines, nothing raw from the file, each with its line.
    void hostileFiles_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QByteArray mixed = "Description\nCitro\xC3\xABn\nCitro\xEBn\n";
        QTest::newRow("mixed encodings")
            << mixed << QStringList() << 1 << u"not UTF-8 throughout: line 3 "_s;
        QTest::newRow("as Windows-1252")
            << mixed << QStringList{u"--encoding=windows-1252"_s} << 0 << u""_s;
        QTest::newRow("binary") << "\x1b]0;owned\x07\x1b[2J\0\xff\xfe"_ba << QStringList() << 1
                                << u"line 1 "_s;
        QTest::newRow("binary as 1252")
            << QByteArray("\x1b[2J\x07\x81" + QByteArray(200, 'x') + ",\r\xff\n1,2\n")
            << QStringList{u"--encoding=windows-1252"_s} << 1 << u"\"\\x1b[2J\\x07\\x81"_s;
        QTest::newRow("100,000 columns") << QByteArray("Hue,").repeated(100000) << QStringList()
                                         << 1 << u"and 99995 more; the headings"_s;
        const QStringList elsewhere = {u"--skip-bad-rows"_s, u"--pictures-from"_s, u"@"_s};
        QTest::newRow("pictures from elsewhere")
            << "ID,picture_file\n1,../car.png\n2,text.jpg\n"_ba << elsewhere << 0
            << u"line 3: picture_file \"text.jpg\": it is not a picture"_s;
    }
    void hostileFiles() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, said);
        test::TestEnv env(false);
        QVERIFY(QDir(env.dir()).mkdir(u"in"_s));
        env.writeFile(u"car.png"_s, test::pictureBytes("PNG"));
        env.writeFile(u"in/text.jpg"_s, "not a picture\n");
        env.writeFile(u"in/in.csv"_s, csv);
        options.replaceInStrings(u"@"_s, env.dir());
        const Run run = runImport(options + QStringList{env.path(u"in/in.csv"_s), env.dbPath()});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(said) && run.err.size() < 2000, qPrintable(run.err.left(2000)));
        for (const QChar c : run.err)
            QVERIFY(c == u'\n' || c.category() != QChar::Other_Control);
        if (options.contains(u"--pictures-from"_s))
            QCOMPARE(rowsOf(env.dbPath(), u"SELECT ID, binpicdata FROM table1"_s),
                     QList<QVariantList>({{qint64(1), test::pictureBytes("PNG")}}));
    }

    // A collector's own sheet as Calc saves it: everyday headings, a column of the collector's
    // own, a blank row and the sum row under the prices.
    void calcSheet_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");  // on standard output, or error when it fails
        QTest::addColumn<int>("records");
        QTest::newRow("refused") << QStringList() << 1
                                 << u"has the heading \"Rating\"; the headings taken include"_s
                                 << 0;
        QTest::newRow("--skip-unknown")
            << QStringList{u"--skip-unknown"_s} << 0
            << u"note: Columns left out, as their headings name no column of the catalogue: "
               "\"Rating\".\nnote: 2 row(s) without any text were skipped.\nnote: line 5 looks "
               "like a spreadsheet's sum"_s
            << 2;
        QTest::newRow("--keep-sum-rows") << QStringList{u"--skip-unknown"_s, u"--keep-sum-rows"_s}
                                         << 0 << u"imported 4 records"_s << 4;
        QTest::newRow("--own-fields")
            << QStringList{u"--own-fields"_s} << 0
            << u"note: Columns that became fields of the collector's own: Rating (Number)."_s << 2;
        QTest::newRow("--list-headings")
            << QStringList{u"--list-headings"_s} << 0 << u"Remarks, "_s << 0;
    }
    void calcSheet() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(int, records);
        test::TestEnv env(false);
        env.writeFile(u"in.csv"_s,
                      "Models,Colour,Year,Price paid,Condition,Notes,Rating\r\n"
                      "Beetle,Blue,1970,12.5,Mint,\"two\nlines\",5\r\n,,,,,,\r\n"
                      "Total,,,$57.50,,,\r\nCortina,Green,1972,45,Good,,\r\n ,,,,, ,\r\n"
                      "Total general,,,\"1.234,50 €\",,,9\r\n");
        if (!options.contains(u"--list-headings"_s))
            options << env.path(u"in.csv"_s) << env.dbPath();
        const Run run = runImport(options);
        QCOMPARE(run.status, status);
        const QString& told = status == 0 ? run.out : run.err;
        QVERIFY2(told.contains(said) && (told.size() < 600 || records == 0), qPrintable(told));
        if (records == 0)
            return;
        QVERIFY(run.out.contains(u"line 8 looks like"_s) == (records == 2));
        const auto rows = rowsOf(env.dbPath(),
                                 u"SELECT Description, Color, Purchase, Car_Cond, "
                                 "Notes FROM table1 ORDER BY ID"_s);
        QCOMPARE(rows.size(), records);
        QCOMPARE(rows[0],
                 QVariantList({u"Beetle"_s, u"Blue"_s, u"12.5"_s, u"Mint"_s, u"two\nlines"_s}));
        QCOMPARE(rows[1][0].toString(), records == 2 ? u"Cortina"_s : u"Total"_s);
    }

    // The panel's labels and spreadsheets' words in every language the program speaks, plurals
    // too.
    void everyLanguage() {
        test::TestEnv env(false);
        env.writeFile(u"in.csv"_s,
                      "Teinte;Bemerkungen;Modelle;Precio pagado\nbleu;Kratzer;K\xC3\xA4"
                      "fer;3\n"_ba);
        QCOMPARE(runImport({env.path(u"in.csv"_s), env.dbPath()}).status, 0);
        QCOMPARE(rowsOf(env.dbPath(), u"SELECT Color, Notes, Description, Purchase FROM table1"_s),
                 QList<QVariantList>({{u"bleu"_s, u"Kratzer"_s, u"Käfer"_s, u"3"_s}}));
    }

    // A mapping chosen for each column goes before the headings, and leaves columns out.
    void chosenMapping() {
        test::TestEnv env(false);
        env.writeFile(u"in.csv"_s, "Kaufdatum,Colours,x\n2020,Beetle,1\n");
        exchange::ImportOptions options;
        options.mapping = QStringList{u"Purch_Date"_s, u"Notes"_s, QString()};
        QVERIFY(exchange::importCsv(env.path(u"in.csv"_s), env.dbPath(), options).written);
        QCOMPARE(rowsOf(env.dbPath(), u"SELECT Purch_Date, Notes, Description FROM table1"_s),
                 QList<QVariantList>({{u"2020"_s, u"Beetle"_s, QVariant()}}));
        const auto preview =
            exchange::previewCsv(env.path(u"in.csv"_s), exchange::columnHeadings());
        // A heading that names nothing is offered as a field of the collector's own.
        QCOMPARE(preview.suggested, QStringList({u"+own"_s, u"Color"_s, u"+own"_s}));
        QCOMPARE(preview.rows,
                 std::vector<QStringList>{QStringList({u"2020"_s, u"Beetle"_s, u"1"_s})});
    }

    void skipBadRowsAndKeepTarget() {
        test::TestEnv env(false);
        env.writeFile(
            u"in.csv"_s,
            "Description,ID,more_links\r\na,5,\r\nb,x,/b.jpg\r\nc\r\n\"d\",,/d.jpg\r\n\r\n");
        const QStringList args = {env.path(u"in.csv"_s), env.dbPath()};
        Run run = runImport(args);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count(u"in.csv line "_s), 2);
        QVERIFY(run.err.contains(u"in.csv line 4: the row has 1 field where the header has 3."_s));
        QVERIFY(!QFile::exists(env.dbPath()));
        run = runImport(QStringList{u"--skip-bad-rows"_s} + args);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.endsWith(
            u"given new ones after the largest.\nimported 2 records, skipped 2 rows\n"_s));
        QVERIFY(run.err.contains(u"in.csv line 3: the ID \"x\" is not a whole number"_s));
        QCOMPARE(rowsOf(env.dbPath(), u"SELECT ID, Description FROM table1"_s),
                 QList<QVariantList>({{qint64(5), u"a"_s}, {qint64(6), u"d"_s}}));
        // The record numbered at the end keeps its picture; the skipped row's is not written.
        QCOMPARE(rowsOf(env.dbPath(), u"SELECT record_id, position, path FROM record_pictures"_s),
                 QList<QVariantList>({{qint64(6), qint64(2), u"/d.jpg"_s}}));
        const QByteArray before = env.readFile(u"mydb.mdb"_s);
        run = runImport(args);
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(u"already exists"_s));
        QCOMPARE(env.readFile(u"mydb.mdb"_s), before);
    }

    // What killed exports and imports left goes with the next run for the same target; a live
    // writer's scratch, one locked from elsewhere, a symlink and names a person gives stay.
    void litterOfKilledRuns() {
        QProcess ended;
        ended.start(u"true"_s, {});
        QVERIFY(ended.waitForStarted());
        const QString dead = QString::number(ended.processId());
        QVERIFY(ended.waitForFinished());
        test::TestEnv env;
        env.writeFile(u"in.csv"_s, "ID\n1\n");
        const QStringList before =
            QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString live = QString::number(QCoreApplication::applicationPid());
        const QStringList litter = {u"out.csv.kbs-part-D-a1B2c3"_s,
                                    u"out_pictures.kbs-part-D-Zz9Zz9/"_s,
                                    u"new.mdb.kbs-part-D-000000"_s};
        const QStringList kept = {u"out.csv.kbs-part-L-a1B2c3"_s,
                                  u"new.mdb.kbs-part-D-locked"_s,
                                  u"new.mdb.kbs-part-D-link00@"_s,
                                  u"out.csv.part-backup"_s,
                                  u"new.mdb.part"_s,
                                  u"out.csv.kbs-part-D-a1B2c3.mine"_s};
        QStringList expected = before + QStringList{u"out.csv"_s, u"new.mdb"_s};
        QFile locked;
        for (qsizetype i = 0; i < litter.size() + kept.size(); ++i) {
            QString name = (litter + kept)[i].replace(u'D', dead).replace(u'L', live);
            if (name.endsWith(u'/') && QDir(env.dir()).mkpath(name))
                env.writeFile(name + u"1.jpg"_s, test::pictureBytes("JPG"));
            else if (name.endsWith(u'@'))
                QVERIFY(QFile::link(env.path(u"in.csv"_s), env.path(name.chopped(1))));
            else
                env.writeFile(name, "mine");
            if (name.endsWith(u"locked"_s)) {
                locked.setFileName(env.path(name));
                QVERIFY(locked.open(QIODevice::ReadOnly) && ::flock(locked.handle(), LOCK_EX) == 0);
            }
            if (i >= litter.size())
                expected << name.remove(u'@');
        }
        exchange::exportCsv(env.dbPath(), env.path(u"out.csv"_s));
        QCOMPARE(runImport({env.path(u"in.csv"_s), env.path(u"new.mdb"_s)}).status, 0);
        expected.sort();
        QCOMPARE(QDir(env.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 expected);
    }

    // Texts of another program's making that a CSV file cannot hold: the export writes what
    // its import takes, keeps every other byte and says what it changed.
    void exportWritesWhatImportTakes() {
        test::TestEnv env;
        env.addRecord({{u"Description"_s, u"a"_s + QChar(0) + u"b"_s}});
        env.exec(u"UPDATE table1 SET Color = CAST(? AS TEXT)"_s, {QByteArray("\xFFx\xC3")});
        const auto summary = exchange::exportCsv(env.dbPath(), env.path(u"out.csv"_s));
        QVERIFY(summary.notes.join(u' ').contains(u"2 text(s) held NUL bytes"_s));
        const QString copy = env.path(u"copy.mdb"_s);
        QCOMPARE(runImport({env.path(u"out.csv"_s), copy}).status, 0);
        QCOMPARE(rowsOf(copy, u"SELECT Description, Color FROM table1"_s),
                 QList<QVariantList>({{u"ab"_s, u"\uFFFDx\uFFFD"_s}}));
    }

    void roundTrip() {
        test::TestEnv env;
        const QByteArray pictures[] = {
            test::pictureBytes("JPG"),
            test::pictureBytes("PNG"),
            QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw=="),
            test::pictureBytes("BMP"),
            test::pictureBytes("PNG", 40, 30, 0xFF0000FF),
            ""};
        // With formulas a spreadsheet would run, which go out defused and come back exactly.
        const QString texts[] = {u"He said \"hi\", twice"_s,
                                 u"line 1\r\nline 2\r\n"_s,
                                 u"=HYPERLINK(\"http://example.com\",\"car\")"_s,
                                 u"\u0633\u064A\u0627\u0631\u0629"_s,
                                 u"''-\U0001F697 car"_s,
                                 u"\x01\x02\x7F\xC3\xBF<>"_s};
        for (int i = 0; i < 6; ++i) {
            env.addRecord({{u"ID"_s, 10 + 3 * i},
                           {u"Description"_s, texts[i]},
                           {u"Notes"_s, texts[(i + 1) % 6]},
                           {u"Year"_s, texts[(i + 2) % 6]},
                           {u"twenty"_s, i % 2 ? QVariant(qint64(1969 + i)) : QVariant(u"t"_s)},
                           {u"picpath"_s, i == 5 ? env.path(u"linked.png"_s) : u""_s},
                           {u"binpicdata"_s, pictures[i]}});
        }
        env.exec(u"UPDATE table1 SET twenty = 20.5 WHERE ID = 10"_s);
        env.exec(u"UPDATE table1 SET twenty = 1969.0 WHERE ID = 16"_s);
        env.addRecord({});  // every column Null
        QCOMPARE(exchange::exportCsv(env.dbPath(), env.path(u"out.csv"_s)).pictures, 5);
        const QString copy = env.path(u"copy.mdb"_s);
        const Run run = runImport({env.path(u"out.csv"_s), copy});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, u"imported 7 records\n"_s);
        const QString all = u"SELECT * FROM table1 ORDER BY ID"_s;
        const auto original = rowsOf(env.dbPath(), all), copied = rowsOf(copy, all);
        QCOMPARE(copied.size(), original.size());
        for (qsizetype r = 0; r < original.size(); ++r) {
            for (qsizetype c = 0; c < original[r].size(); ++c) {
                QCOMPARE(copied[r][c].typeId(), original[r][c].typeId());
                QCOMPARE(copied[r][c], original[r][c]);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
