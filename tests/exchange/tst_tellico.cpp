// Tellico files from elsewhere, through the real commands: hostile collections refused with the
// line, in bounded memory, and without leftovers; a picture named by many entries; a bare XML
// known by its root; every text and picture of ours through a round trip; and the picture rule
// keeping a linked private picture out of the exports.
#include <zip.h>

#include <QDir>
#include <QProcess>
#include <QtTest>

#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run run(const char* program, const QStringList& args) {
    QProcess p;
    p.start(QString::fromUtf8(program), args);
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A collection with a title field and an image field, the entries given as XML.
QByteArray collection(const QByteArray& entries, const QByteArray& before = {}) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + before +
           "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
           "<collection title=\"Cars\" type=\"1\"><fields>"
           "<field name=\"title\" title=\"Title\" type=\"1\"/>"
           "<field name=\"front\" title=\"Front\" type=\"10\"/></fields>" +
           entries + "</collection></tellico>\n";
}

// Writes a zip; each file stored by its name.
void writeZip(const QString& path, const std::vector<std::pair<const char*, QByteArray>>& files) {
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto& [name, bytes] : files)
        zip_file_add(z, name, zip_source_buffer(z, bytes.data(), zip_uint64_t(bytes.size()), 0), 0);
    QCOMPARE(zip_close(z), 0);
}

// The names of a zip's files.
QStringList zipNames(const QString& path) {
    QStringList names;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; z && i < zip_get_num_entries(z, 0); ++i)
        names << QString::fromUtf8(zip_get_name(z, zip_uint64_t(i), 0));
    zip_discard(z);
    return names;
}

// A JPEG padded with comment segments to about `bytes`.
QByteArray paddedJpeg(qsizetype bytes) {
    const QByteArray jpeg = test::pictureBytes("JPG");
    QByteArray out = jpeg.left(2);
    const QByteArray segment = "\xFF\xFE\xFF\xF0" + QByteArray(0xFFF0 - 2, 'c');
    while (out.size() < bytes)
        out += segment;
    return out + jpeg.mid(2);
}

}  // namespace

class TestTellico : public QObject {
    Q_OBJECT
private slots:
    // Refused with one line naming the file and the line, nothing written, nothing left.
    void hostileCollections_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("zipped");
        QTest::addColumn<QString>("said");
        const QByteArray deep =
            QByteArray("<a>").repeated(50000) + QByteArray("</a>").repeated(50000);
        QTest::newRow("50,000 nested")
            << collection("<entry id=\"1\"><title>" + deep + "</title></entry>") << false
            << u"line 2: its elements are nested deeper"_s;
        QTest::newRow("17 M characters")
            << collection("<entry id=\"1\">\n<title>" + QByteArray(17 << 20, 'x') +
                          "</title></entry>")
            << true << u"line 3: it holds a value longer than 16777216 characters"_s;
        QTest::newRow("120 MB attribute")
            << collection("<entry id=\"" + QByteArray(120 << 20, '7') + "\"/>") << true
            << u"line 2: it holds a value larger than"_s;
        QTest::newRow("broken") << collection("<entry><title>a</entry>") << false
                                << u"its XML is broken at line 2"_s;
    }
    void hostileCollections() {
        QFETCH(QByteArray, xml);
        QFETCH(bool, zipped);
        QFETCH(QString, said);
        test::TestEnv env(false);
        const QString tc = env.path(u"cars.tc"_s);
        if (zipped)
            writeZip(tc, {{"tellico.xml", xml}});
        else
            env.writeFile(u"cars.tc"_s, xml);
        xml.clear();
        const Run r = run(KBS_IMPORT_EXE, {tc, env.dbPath()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(u"kbsmgr-import: "_s + tc) && r.err.contains(said) &&
                     r.err.count(u'\n') == 1 && r.err.size() < 400,
                 qPrintable(r.err.left(400)));
        QCOMPARE(QDir(env.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"cars.tc"_s});
    }

    // A bare XML file is known by its root, whatever comes before it.
    void bareXmlByItsRoot() {
        test::TestEnv env(false);
        const QByteArray before =
            "<!-- " + QByteArray(2000, '-').replace("--", "- ") +
            " -->\n<!DOCTYPE tellico PUBLIC '-//Robby Stephenson/DTD Tellico V11.0//EN' "
            "'http://periapsis.org/tellico/dtd/v11/tellico.dtd'>\n";
        env.writeFile(u"cars.xml"_s,
                      collection("<entry id=\"4\"><title>Mini</title></entry>", before));
        const Run r = run(KBS_IMPORT_EXE, {env.path(u"cars.xml"_s), env.dbPath()});
        QCOMPARE(r.out, u"imported 1 records, 0 pictures\n"_s);
        QCOMPARE(test::rowsOf(env.dbPath(), u"SELECT ID, Description FROM table1"_s),
                 (QList<QVariantList>{{qint64(4), u"Mini"_s}}));
    }

    // One 60 MB picture named by six entries: each record would keep its own copy, and the
    // copies may take at most 256 MB.
    void repeatedPicture() {
        // Hundreds of MB are written: in memory where the system has a place for that.
        QTemporaryDir dir(QDir(u"/dev/shm"_s).exists() ? u"/dev/shm/tellico-XXXXXX"_s
                                                       : QDir::tempPath() + u"/tellico-XXXXXX"_s);
        const QString tc = dir.filePath(u"cars.tc"_s), db = dir.filePath(u"cars.mdb"_s);
        QByteArray xml;
        for (int i = 1; i <= 6; ++i)
            xml += "<entry id=\"" + QByteArray::number(i) + "\"><front>big.jpeg</front></entry>";
        writeZip(tc, {{"tellico.xml", collection(xml)}, {"images/big.jpeg", paddedJpeg(60 << 20)}});
        const Run r = run(KBS_IMPORT_EXE, {tc, db});
        QCOMPARE(r.status, 1);
        QVERIFY(!QFile::exists(db));
        QVERIFY2(r.err.contains(u"the copies would take more than 256 MB"_s), qPrintable(r.err));
    }

    // Every text XML can hold, each column (the hidden one and picpath too), each picture with
    // its caption or link, through our export and import; what XML cannot hold is told.
    void exactRoundTrip() {
        test::TestEnv env;
        env.exec(QString::fromLatin1(schema::PicturesTableSql).section(u';', 0, 0));
        const QByteArray red = test::pictureBytes("PNG", 40, 30, 0xFFFF0000);
        const QStringList texts = {u" lead"_s,
                                   u"trail "_s,
                                   u"a\r\nb\rc\n"_s,
                                   u"tab\tx"_s,
                                   u"\U0001F697 car"_s,
                                   u"\uFEFFbom"_s,
                                   u"<br/> & <br>"_s,
                                   u"&lt;&amp;]]>"_s,
                                   u""_s,
                                   u" "_s,
                                   u"_x005F_x0041_"_s};
        for (const QString& t : texts) {
            const qint64 id = env.addRecord({{u"Description"_s, t},
                                             {u"Notes"_s, t},
                                             {u"Color"_s, t},
                                             {u"twenty"_s, t},
                                             {u"picpath"_s, u"/pics/"_s + t},
                                             {u"binpicdata"_s, red}});
            env.exec(
                u"INSERT INTO record_pictures (record_id, position, bytes, caption) "
                "VALUES (?, 2, ?, ?)"_s,
                {id, red, t});
            env.exec(
                u"INSERT INTO record_pictures (record_id, position, path, caption) "
                "VALUES (?, 3, ?, ?)"_s,
                {id, u"/elsewhere/"_s + t + u".png"_s, t});
        }
        env.addRecord({{u"twenty"_s, 42}, {u"Year"_s, u"1999"_s}});
        env.addRecord({{u"twenty"_s, 2.5}, {u"picpath"_s, u"rel/car.jpg"_s}});
        const QString tc = env.path(u"out.tc"_s), back = env.path(u"back.mdb"_s);
        QVERIFY(run(KBS_EXPORT_EXE, {u"--tellico"_s, tc, env.dbPath()}).status == 0);
        QCOMPARE(run(KBS_IMPORT_EXE, {tc, back}).status, 0);
        const QString all = u"SELECT * FROM table1 ORDER BY ID"_s;
        QCOMPARE(test::rowsOf(back, all), test::rowsOf(env.dbPath(), all));
        const QString pictures =
            u"SELECT record_id, position, bytes, path, caption FROM record_pictures "
            "ORDER BY record_id, position"_s;
        QCOMPARE(test::rowsOf(back, pictures), test::rowsOf(env.dbPath(), pictures));

        // NUL and other control characters cannot be in XML: left out, and said.
        test::TestEnv other;
        other.addRecord({{u"Description"_s, QString(u"a\0b\x01"_s)}});
        const Run r = run(KBS_EXPORT_EXE, {u"--tellico"_s, other.path(u"o.tc"_s), other.dbPath()});
        QVERIFY2(r.out.startsWith(u"note: 2 character(s) that XML cannot hold"_s),
                 qPrintable(r.out));
        QCOMPARE(run(KBS_IMPORT_EXE, {other.path(u"o.tc"_s), other.path(u"b.mdb"_s)}).status, 0);
        QCOMPARE(test::rowsOf(other.path(u"b.mdb"_s), u"SELECT Description FROM table1"_s),
                 (QList<QVariantList>{{u"ab"_s}}));
    }

    // A private picture outside the catalogue's folder, linked from a CSV file: the exports
    // carry the link, never its bytes, unless --pictures-from names its folder.
    void linkedPictureStaysLink() {
        test::TestEnv env(false);
        QVERIFY(QDir(env.dir()).mkpath(u"private"_s) && QDir(env.dir()).mkpath(u"in"_s));
        const QString secret = env.path(u"private/secret.png"_s);
        env.writeFile(u"private/secret.png"_s, test::pictureBytes("PNG"));
        env.writeFile(
            u"in/in.csv"_s,
            ("Description,picpath,more_links\nx," + secret + "," + secret + "\n").toUtf8());
        const QString db = env.path(u"in/cars.mdb"_s);
        QCOMPARE(run(KBS_IMPORT_EXE, {env.path(u"in/in.csv"_s), db}).status, 0);
        const QString tc = env.path(u"out.tc"_s), xlsx = env.path(u"out.xlsx"_s);
        QCOMPARE(run(KBS_EXPORT_EXE, {u"--tellico"_s, tc, db}).status, 0);
        QCOMPARE(zipNames(tc), QStringList{u"tellico.xml"_s});
        QCOMPARE(run(KBS_EXPORT_EXE, {u"--xlsx"_s, xlsx, db}).status, 0);
        QVERIFY(zipNames(xlsx).filter(u"media/"_s).isEmpty());
        QFile::remove(xlsx);
        QCOMPARE(run(KBS_EXPORT_EXE,
                     {u"--pictures-from"_s, env.path(u"private"_s), u"--xlsx"_s, xlsx, db})
                     .status,
                 0);
        QCOMPARE(zipNames(xlsx).filter(u"media/"_s).size(), 1);
        // Back from Tellico the links are links again.
        QCOMPARE(run(KBS_IMPORT_EXE, {tc, env.path(u"back.mdb"_s)}).status, 0);
        QCOMPARE(test::rowsOf(env.path(u"back.mdb"_s),
                              u"SELECT t.picpath, t.binpicdata, p.path, p.bytes FROM table1 t "
                              "JOIN record_pictures p ON p.record_id = t.ID"_s),
                 (QList<QVariantList>{{secret, {}, secret, {}}}));
    }

    // Tellico's own folder of pictures beside a collection is read under the same rule.
    void picturesBesideCollection() {
        test::TestEnv env(false);
        QVERIFY(QDir(env.dir()).mkpath(u"private"_s) && QDir(env.dir()).mkpath(u"in"_s));
        env.writeFile(u"private/p.png"_s, test::pictureBytes("PNG"));
        QVERIFY(QFile::link(env.path(u"private"_s), env.path(u"in/cars_files"_s)));
        env.writeFile(u"in/cars.xml"_s, collection("<entry id=\"1\"><front>p.png</front></entry>"));
        const QStringList args = {env.path(u"in/cars.xml"_s), env.dbPath()};
        QVERIFY(run(KBS_IMPORT_EXE, args).out.contains(u"1 picture(s) named in the collection"_s));
        QFile::remove(env.dbPath());
        const Run r =
            run(KBS_IMPORT_EXE, QStringList{u"--pictures-from"_s, env.path(u"private"_s)} + args);
        QCOMPARE(r.out, u"imported 1 records, 1 pictures\n"_s);
    }
};

QTEST_MAIN(TestTellico)
#include "tst_tellico.moc"
