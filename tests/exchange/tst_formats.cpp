// The spreadsheet and Tellico files, through the real commands: an .xlsx read back by openpyxl
// keeps every text as text; a Tellico collection written by hand from its DTD comes in value
// for value with its pictures; our own Tellico file comes back unchanged.
#include <zip.h>

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "OwnFields.h"
#include "Schema.h"
#include "TestEnv.h"
#include "ValueHistory.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// Runs a command; its standard output, or the test fails with its standard error.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), qPrintable(err));
    return p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : u"FAILED"_s;
}

// Runs a Python script (which reads the workbook with openpyxl) on a file; its output.
QString runPython(const QString& script, const QString& file) {
    return run(QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s}),
               {u"-c"_s, script, file});
}

// Every valuation of the catalogue's records, each record's oldest first, as "ID|date|value|note".
QStringList historyOf(const QString& dbPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList out;
    for (const QVariantList& r : test::rowsOf(dbPath, u"SELECT ID FROM table1 ORDER BY ID"_s)) {
        for (const values::Entry& e : values::entriesOf(db, r[0].toLongLong()))
            out << QStringList{r[0].toString(), e.date, e.value, e.note}.join(u'|');
    }
    sqlite3_close(db);
    return out;
}

// Every own value and tag of the catalogue's records, as "ID|field|kind|list|value" and
// "ID|#tag".
QStringList ownOf(const QString& dbPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const ownfields::AllValues all = ownfields::readAll(db);
    sqlite3_close(db);
    QStringList out;
    for (const QVariantList& r : test::rowsOf(dbPath, u"SELECT ID FROM table1 ORDER BY ID"_s)) {
        const qint64 id = r[0].toLongLong();
        for (size_t f = 0; f < all.fields.size(); ++f) {
            const ownfields::Field& field = all.fields[f];
            out << QStringList{r[0].toString(), field.name, ownfields::kindKey(field.kind),
                               field.valueList, all.valueOf(id, f)}
                       .join(u'|');
        }
        for (const QString& tag : all.tagsOf(id))
            out << r[0].toString() + u"|#"_s + tag;
    }
    return out;
}

const QString kColumns =
    u"ID, Description, Year, Number, Color, Car_Cond, Purchase, Purch_Date, "
    "Value, Location, Series, Notes, binpicdata"_s;

}  // namespace

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void xlsxKeepsTextsAsText() {
        test::TestEnv env;
        env.addRecord({{u"Description"_s, u"=1+1"_s},
                       {u"Year"_s, u"007"_s},
                       {u"Number"_s, u"1e3"_s},
                       {u"Notes"_s, u"a\tb\nc"_s},
                       {u"binpicdata"_s, test::pictureBytes("JPG", 40, 30, 0xFFFF0000)}});
        const QString out = env.path(u"out.xlsx"_s);
        QVERIFY(run(KBS_EXPORT_EXE, {u"--xlsx"_s, out, env.dbPath()}).contains(u"1 pictures"_s));
        const QString read = runPython(
            u"import openpyxl, sys\n"
            "s = openpyxl.load_workbook(sys.argv[1]).active\n"
            "print(s.freeze_panes, s['A1'].font.b, len(s._images))\n"
            "for c in s[2][:4] + (s['X2'],): print(c.data_type, repr(c.value))"_s,
            out);
        QCOMPARE(read, u"A2 True 1\nn 1\ns '=1+1'\ns '007'\ns '1e3'\ns 'a\\tb\\nc'\n"_s);
    }

    // Texts a cell could lose: each comes back as written, read with the format's escapes
    // undone, or as said in a note; and the ID cell sits at the top as the texts do.
    void xlsxTextsExact() {
        test::TestEnv env;
        const QString cut = QString(32766, u'a');
        const QList<std::pair<QString, QString>> cases = {
            {u"  leading spaces"_s, u"  leading spaces"_s},
            {u"\uFEFFbyte-order mark"_s, u"\uFEFFbyte-order mark"_s},
            {u"_x005F_x0041_ and _x0041_"_s, u"_x005F_x0041_ and _x0041_"_s},
            {u"\x01control"_s, u"\x01control"_s},
            {u"before"_s + QChar(0) + u"after"_s, u"beforeafter"_s},  // noted
            {cut + u"\U0001F697"_s, cut},                             // noted
        };
        for (const auto& c : cases)  // a record each, in Description (column B)
            env.addRecord({{u"Description"_s, c.first}});
        // SQLite takes a byte-order mark at the start of a UTF-16 value for its own.
        env.exec(u"UPDATE table1 SET Description = char(65279) || Description WHERE ID = 2"_s);
        {  // an own field's text with a NUL is told as well
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(env.dbPath()).constData(), &db);
            QVERIFY(ownfields::ensureTables(db));
            ownfields::addField(db, {0, u"Own"_s, ownfields::Kind::Text, {}, 0});
            sqlite3_close(db);
        }
        env.exec(u"INSERT INTO own_values (record_id, field_id, value) VALUES (1, 1, char(0))"_s);
        const QString out = env.path(u"out.xlsx"_s);
        const QString said = run(KBS_EXPORT_EXE, {u"--xlsx"_s, out, env.dbPath()});
        QVERIFY2(said.contains(u"2 text(s) held NUL"_s) && said.contains(u"1 text(s) longer"_s),
                 qPrintable(said));
        const QString script =
            u"import openpyxl, re, sys\n"
            "s = openpyxl.load_workbook(sys.argv[1]).active\n"
            "print(s['A2'].alignment.vertical == s['B2'].alignment.vertical == 'top')\n"
            "for row in s.iter_rows(min_row=2, min_col=2, max_col=2, values_only=True):\n"
            "    v = re.sub('_x([0-9A-Fa-f]{4})_', lambda m: chr(int(m[1], 16)), row[0])\n"
            "    print(v.encode('utf-16-le', 'surrogatepass').hex())\n"_s;
        const QStringList read = runPython(script, out).split(u'\n');
        QCOMPARE(read.value(0), u"True"_s);
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const QByteArray utf16 = QByteArray::fromHex(read.value(i + 1).toLatin1());
            QCOMPARE(QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2),
                     cases[i].second);
        }
    }

    // Each record's picture in its own row, at its own size and colour; a record without
    // one has none; the archive reads back whole.
    void xlsxPicturesInTheirRows() {
        test::TestEnv env;
        const QList<std::pair<QSize, QRgb>> pictures = {
            {{40, 30}, 0xFFFF0000}, {}, {{30, 60}, 0xFF0000FF}, {{90, 30}, 0xFF00FF00}};
        for (const auto& [size, color] : pictures)
            env.addRecord(
                {{u"binpicdata"_s,
                  size.isEmpty() ? QVariant()
                                 : test::pictureBytes("PNG", size.width(), size.height(), color)}});
        const QString out = env.path(u"out.xlsx"_s);
        QVERIFY(run(KBS_EXPORT_EXE, {u"--xlsx"_s, out, env.dbPath()}).contains(u"3 pictures"_s));
        const QString script =
            u"import openpyxl, sys, zipfile, io\n"
            "print(zipfile.ZipFile(sys.argv[1]).testzip())\n"
            "for i in openpyxl.load_workbook(sys.argv[1]).active._images:\n"
            "    p = openpyxl.drawing.image.PILImage.open(io.BytesIO(i._data())).convert('RGB')\n"
            "    print(i.anchor._from.row, i.anchor._from.col, p.size, p.getpixel((5, 5)))\n"_s;
        QCOMPARE(run(QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s}),
                     {u"-c"_s, script, out}),
                 u"None\n1 24 (80, 60) (255, 0, 0)\n3 24 (30, 60) (0, 0, 255)\n"
                 "4 24 (80, 26) (0, 255, 0)\n"_s);
    }

    // A collection as Tellico writes it: a zip, or the XML alone with its pictures inside.
    void tellicoCollection_data() {
        QTest::addColumn<bool>("zipped");
        QTest::newRow("zip with images/") << true;
        QTest::newRow("bare XML") << false;
    }
    void tellicoCollection() {
        QFETCH(bool, zipped);
        test::TestEnv env(false);
        const QByteArray red = test::pictureBytes("PNG", 40, 30, 0xFFFF0000),
                         blue = test::pictureBytes("JPG", 40, 30, 0xFF0000FF);
        const auto image = [&](const char* id, const QByteArray& bytes, const char* format) {
            return "<image id=\"" + QByteArray(id) + "\" format=\"" + format +
                   "\" width=\"40\" height=\"30\">" + (zipped ? "" : bytes.toBase64()) + "</image>";
        };
        const QByteArray xml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tellico PUBLIC '-//Robby "
            "Stephenson/DTD Tellico V11.0//EN' "
            "'http://periapsis.org/tellico/dtd/v11/tellico.dtd'>\n"
            "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
            "<collection title=\"Cars\" type=\"1\"><fields>"
            "<field name=\"title\" title=\"Title\" category=\"General\" type=\"1\" flags=\"8\"/>"
            "<field name=\"year\" title=\"Year\" category=\"General\" type=\"6\" flags=\"6\"/>"
            "<field name=\"maker\" title=\"Maker\" category=\"General\" type=\"1\" flags=\"7\"/>"
            "<field name=\"nr\" title=\"Nr. #\" category=\"General\" type=\"1\" flags=\"0\"/>"
            "<field name=\"color\" title=\"Colour\" category=\"General\" type=\"3\" flags=\"2\" "
            "allowed=\"red;blue\"/>"
            "<field name=\"condition\" title=\"Condition\" category=\"General\" type=\"1\" "
            "flags=\"2\"/>"
            "<field name=\"pur_price\" title=\"Purchase Price\" category=\"Personal\" type=\"1\" "
            "flags=\"0\"/>"
            "<field name=\"pur_date\" title=\"Purchase Date\" category=\"Personal\" type=\"12\" "
            "flags=\"0\"/>"
            "<field name=\"worth\" title=\"Value\" category=\"Personal\" type=\"1\" flags=\"0\"/>"
            "<field name=\"location\" title=\"Location\" category=\"Personal\" type=\"1\" "
            "flags=\"2\"/>"
            "<field name=\"series\" title=\"Series\" category=\"General\" type=\"1\" flags=\"2\"/>"
            "<field name=\"comments\" title=\"Comments\" category=\"Comments\" type=\"2\" "
            "flags=\"0\"/>"
            "<field name=\"front\" title=\"Front\" category=\"Images\" type=\"10\" flags=\"0\"/>"
            "<field name=\"back\" title=\"Back\" category=\"Images\" type=\"10\" flags=\"0\"/>"
            "<field name=\"scale-nr\" title=\"Scale\" category=\"Mine\" type=\"6\"/>"
            "<field name=\"found\" title=\"Found\" category=\"Mine\" type=\"12\"/>"
            "<field name=\"sth\" title=\"Super Treasure Hunt\" category=\"Mine\" type=\"4\"/>"
            "<field name=\"carded\" title=\"Carded\" category=\"Mine\" type=\"3\" "
            "allowed=\"carded;loose\"/>"
            "<field name=\"keyword\" title=\"Keywords\" category=\"Mine\" type=\"1\" "
            "flags=\"7\"/>"
            "</fields>"
            "<entry id=\"5\"><title>Mini &amp; Cooper</title><year>1964</year>"
            "<makers><maker>Corgi</maker><maker>Mettoy</maker></makers><nr>007</nr>"
            "<color>red</color><condition>C8</condition><pur_price>£12.50</pur_price>"
            "<pur_date>2024-05-01</pur_date><worth>40</worth><location>Shelf 2</location>"
            "<series>Rallye</series><comments>two&lt;br/&gt;lines</comments>"
            "<front>red.png</front><back>blue.jpeg</back><scale-nr>64</scale-nr>"
            "<found><year>2023</year><month>7</month><day>4</day></found><sth>true</sth>"
            "<carded>loose</carded><keywords><keyword>chase</keyword><keyword>Grün, "
            "error</keyword><keyword>a keyword much longer than any tag may be</keyword>"
            "</keywords></entry>"
            "<entry id=\"x\"><title>Beetle</title></entry>"
            "<images>" +
            image("red.png", red, "PNG") + image("blue.jpeg", blue, "JPEG") +
            "</images></collection></tellico>\n";
        const QString tc = env.path(u"cars.tc"_s);
        if (zipped) {
            zip_t* z = zip_open(QFile::encodeName(tc).constData(), ZIP_CREATE, nullptr);
            for (const auto& [name, bytes] : {std::pair{"tellico.xml", &xml},
                                              {"images/red.png", &red},
                                              {"images/blue.jpeg", &blue}})
                zip_file_add(z, name, zip_source_buffer(z, bytes->data(), bytes->size(), 0), 0);
            QCOMPARE(zip_close(z), 0);
        } else {
            env.writeFile(u"cars.tc"_s, xml);
        }
        const QString said = run(KBS_IMPORT_EXE, {tc, env.dbPath()});
        QCOMPARE(said,
                 u"note: Keywords of 1 record(s) are longer than a tag may be and are kept in the "
                 "field Keywords.\nnote: 1 entr(ies) without a usable id were given new IDs.\n"
                 "imported 2 records, 2 pictures\n"_s);
        // The fields without a column arrive as the collector's own, with their kinds and
        // values whole; the keywords as tags.
        QCOMPARE(test::rowsOf(env.dbPath(),
                              u"SELECT f.name, f.kind, v.record_id, v.value FROM own_fields "
                              "AS f JOIN own_values AS v USING (field_id) ORDER BY position"_s),
                 (QList<QVariantList>{{u"Maker"_s, 0, qint64(5), u"Corgi; Mettoy"_s},
                                      {u"Scale"_s, 1, qint64(5), u"64"_s},
                                      {u"Found"_s, 3, qint64(5), u"2023-07-04"_s},
                                      {u"Super Treasure Hunt"_s, 4, qint64(5), u"1"_s},
                                      {u"Carded"_s, 5, qint64(5), u"loose"_s},
                                      {u"Keywords"_s, 0, qint64(5),
                                       u"a keyword much longer than any tag may be"_s}}));
        QCOMPARE(test::rowsOf(env.dbPath(), u"SELECT record_id, tag FROM record_tags"_s),
                 (QList<QVariantList>{
                     {qint64(5), u"chase"_s}, {qint64(5), u"Grün"_s}, {qint64(5), u"error"_s}}));
        const QList<QVariantList> expected{
            {qint64(5), u"Mini & Cooper"_s, u"1964"_s, u"007"_s, u"red"_s, u"C8"_s, u"£12.50"_s,
             u"2024-05-01"_s, u"40"_s, u"Shelf 2"_s, u"Rallye"_s, u"two\nlines"_s, red},
            {qint64(6), u"Beetle"_s, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}}};
        QCOMPARE(test::rowsOf(env.dbPath(), u"SELECT %1 FROM table1 ORDER BY ID"_s.arg(kColumns)),
                 expected);
        QCOMPARE(
            test::rowsOf(env.dbPath(), u"SELECT record_id, position, bytes FROM record_pictures"_s),
            (QList<QVariantList>{{qint64(5), qint64(2), blue}}));
    }

    // The value history, the collector's own fields and the tags go with each exchange and
    // come back entry for entry, value for value: texts with quotes, commas, line breaks, a
    // formula and other scripts; a field of each kind (a choice whose value holds Tellico's
    // separator), one named like a column of further pictures and a value beginning with
    // U+FEFF; a record whose valuation without date is in its history once; a record without
    // own values or tags.
    void collectorsDataTravels_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv") << u"csv"_s;
        QTest::newRow("tellico") << u"tc"_s;
        QTest::newRow("xlsx") << u"xlsx"_s;
    }
    void collectorsDataTravels() {
        QFETCH(QString, format);
        test::TestEnv env;
        const qint64 a = env.addRecord({{u"Description"_s, u"Mini"_s},
                                        {u"Value"_s, u"12.50"_s},
                                        {u"Value_Date"_s, u"2026-03-01"_s}});
        const qint64 b = env.addRecord({{u"Description"_s, u"Beetle"_s}, {u"Value"_s, u"7"_s}});
        env.addRecord({{u"Description"_s, u"Jeep"_s}});
        {
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(env.dbPath()).constData(), &db);
            QVERIFY(values::ensureHistory(db));
            values::add(db, a, {0, u"2024-05-01"_s, u"9.00"_s, u"auction, \"Lot 7\"\nhall 2"_s});
            values::add(db, a, {0, u"2025-01-15"_s, u"11"_s, u"Prix: Grünwald; € 😀"_s});
            values::add(db, b, {0, u"1/2/2020"_s, u"5"_s, u"=SUM(A1)"_s});
            QVERIFY(ownfields::ensureTables(db));
            std::vector<std::int64_t> f;
            for (const auto& [name, kind] : {std::pair{u"Scale"_s, ownfields::Kind::Text},
                                             {u"Count"_s, ownfields::Kind::Number},
                                             {u"Worth"_s, ownfields::Kind::Amount},
                                             {u"Bought"_s, ownfields::Kind::Date},
                                             {u"STH"_s, ownfields::Kind::YesNo},
                                             {u"Maker"_s, ownfields::Kind::Choice},
                                             {u"Note, \"x\""_s, ownfields::Kind::Text},
                                             {u"more_links"_s, ownfields::Kind::Text}})
                f.push_back(ownfields::addField(
                    db, {0, name, kind, kind == ownfields::Kind::Choice ? u"makers"_s : u""_s, 0}));
            ownfields::setValues(db, a,
                                 {{f[0], u"1:64"_s},
                                  {f[1], u"12.5"_s},
                                  {f[2], u"1234.50"_s},
                                  {f[3], u"2024-03-05"_s},
                                  {f[4], u"1"_s},
                                  {f[5], u"Hot; Wheels"_s},
                                  {f[6], u"a, \"b\"\nline 2 ünï"_s},
                                  {f[7], u"\ufeffx"_s}});
            ownfields::setValues(
                db, b,
                {{f[1], u"-3"_s}, {f[4], u"0"_s}, {f[5], u"Matchbox"_s}, {f[6], u"=SUM(A1)"_s}});
            ownfields::setTags(db, a, {u"chase"_s, u"Grün \"q\""_s, u"😀 error"_s});
            ownfields::setTags(db, b, {u"chase"_s});
            sqlite3_close(db);
        }
        const QStringList history = historyOf(env.dbPath());
        QCOMPARE(history.size(), 5);
        const QStringList own = ownOf(env.dbPath());
        QCOMPARE(own.size(), 28);
        const QString out = env.path(u"out."_s + format), back = env.path(u"back.mdb"_s);
        if (format == u"csv"_s) {
            QVERIFY(run(KBS_EXPORT_EXE, {env.dbPath(), out}) != u"FAILED"_s);
            QVERIFY(QFile::exists(env.path(u"out_values.csv"_s)));
        } else {
            QVERIFY(run(KBS_EXPORT_EXE, {u"--"_s + (format == u"tc"_s ? u"tellico"_s : format), out,
                                         env.dbPath()}) != u"FAILED"_s);
        }
        if (format == u"xlsx"_s) {
            const QString read = runPython(
                u"import openpyxl, sys\n"
                "s = openpyxl.load_workbook(sys.argv[1]).worksheets[1]\n"
                "for r in s.iter_rows(min_row=2, values_only=True):\n"
                "  print('|'.join('' if v is None else str(v) for v in r) + '\\0')"_s,
                out);
            QCOMPARE(read.split(u"\0\n"_s, Qt::SkipEmptyParts), history);
            // The own fields and the tags after the described columns: numbers as numbers.
            const QString cells = runPython(
                u"import openpyxl, sys\n"
                "s = openpyxl.load_workbook(sys.argv[1]).active\n"
                "a = [c.value for c in s[1]].index('Scale')\n"
                "for r in s.iter_rows(values_only=True):\n"
                "  print('|'.join('' if v is None else str(v) for v in r[a:-1]) + '\\0')"_s,
                out);
            QCOMPARE(
                cells.split(u"\0\n"_s, Qt::SkipEmptyParts),
                QStringList({u"Scale|Count|Worth|Bought|STH|Maker|Note, \"x\"|more_links|Tags"_s,
                             u"1:64|12.5|1234.5|2024-03-05|1|Hot; Wheels|a, \"b\"\nline 2 "
                             "ünï|\ufeffx|chase, Grün \"q\", 😀 error"_s,
                             u"|-3|||0|Matchbox|=SUM(A1)||chase"_s, u"||||||||"_s}));
            return;
        }
        QVERIFY(run(KBS_IMPORT_EXE, {out, back}) != u"FAILED"_s);
        QCOMPARE(historyOf(back), history);
        QCOMPARE(ownOf(back), own);
    }

    // Our own file, written and read back: every column and every picture.
    void tellicoRoundTrip() {
        test::TestEnv env;
        env.exec(QString::fromLatin1(schema::PicturesTableSql).section(u';', 0, 0));
        const QByteArray red = test::pictureBytes("PNG", 40, 30, 0xFFFF0000),
                         green = test::pictureBytes("JPG", 40, 30, 0xFF00FF00);
        const qint64 id = env.addRecord({{u"Description"_s, u"Mini; <Cooper> & \"S\""_s},
                                         {u"Year"_s, u"007"_s},
                                         {u"Color"_s, u"Red"_s},
                                         {u"Car_Cond"_s, u"C9"_s},
                                         {u"Purchase"_s, u"5"_s},
                                         {u"Purch_Date"_s, u"1/2/99"_s},
                                         {u"Value"_s, u"9"_s},
                                         {u"Location"_s, u"Box 1"_s},
                                         {u"Series"_s, u"Rallye"_s},
                                         {u"Number"_s, u"0042"_s},
                                         {u"Notes"_s, u"a\nb"_s},
                                         {u"binpicdata"_s, red}});
        env.exec(u"INSERT INTO record_pictures (record_id, position, bytes) VALUES (?, 2, ?)"_s,
                 {id, green});
        env.addRecord({{u"Description"_s, u"Beetle"_s}});
        const QString tc = env.path(u"out.tc"_s), back = env.path(u"back.mdb"_s);
        QVERIFY(run(KBS_EXPORT_EXE, {u"--tellico"_s, tc, env.dbPath()}).contains(u"2 pictures"_s));
        QCOMPARE(run(KBS_IMPORT_EXE, {tc, back}), u"imported 2 records, 2 pictures\n"_s);
        const QString sql = u"SELECT %1 FROM table1 ORDER BY ID"_s.arg(kColumns);
        auto rows = test::rowsOf(env.dbPath(), sql);
        rows[1].replace(rows[1].size() - 1, QVariant());  // no picture
        QCOMPARE(test::rowsOf(back, sql), rows);
        QCOMPARE(test::rowsOf(back, u"SELECT record_id, position, bytes FROM record_pictures"_s),
                 (QList<QVariantList>{{id, qint64(2), green}}));
    }
};

QTEST_MAIN(TestFormats)
#include "tst_formats.moc"
