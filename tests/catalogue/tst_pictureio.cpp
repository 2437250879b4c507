// A catalogue of large photographs: start-up, browsing, the reports and a save read only the
// pictures they show, and every picture still shows and saves byte for byte. A catalogue
// without the index gets it at its first start and reads exactly as before.
#include <QtTest>

#include <QImageReader>
#include <QRandomGenerator>

#include "Controls.h"
#include "DataReport.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "ReportPreview.h"
#include "Schema.h"
#include "Window.h"

using namespace kbs;

namespace {
constexpr int kRecords = 16;
// Besides the pictures shown: the texts, the index, the window's own files.
constexpr qint64 kAllowance = 1024 * 1024;

// What this process has read through read calls so far.
qint64 bytesRead() {
    QFile f(QStringLiteral("/proc/self/io"));
    f.open(QIODevice::ReadOnly);
    const QByteArray io = f.readAll();
    return io.mid(io.indexOf("rchar:") + 6).split('\n').first().trimmed().toLongLong();
}

// A photograph of its own for each record, noise that does not compress: about 500 KB.
QByteArray photo(int record) {
    static QHash<int, QByteArray> made;
    if (!made.contains(record)) {
        QImage img(480, 360, QImage::Format_RGB32);
        QRandomGenerator r{quint32(record)};
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, r.generate() | 0xFF000000u);
        }
        QBuffer buf(&made[record]);  // the writer opens it
        img.save(&buf, "PNG");
    }
    return made.value(record);
}

// Every record holds its photograph and, as older catalogues may, the path it came from.
void fill(test::TestEnv& env) {
    for (int i = 1; i <= kRecords; ++i) {
        env.addRecord({{"Description", QStringLiteral("Car %1").arg(i)},
                       {"Status", i % 2 ? "Want" : "Have"},
                       {"binpicdata", photo(i)},
                       {"picpath", QStringLiteral("C:\\Photos\\car%1.png").arg(i)}});
    }
}

// The shown picture is the record's, read at the size the image control asked for.
bool shows(test::Window& win, int record) {
    const QImage shown = ui(win).imgPicture->picture();
    QByteArray bytes = photo(record);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setScaledSize(shown.size());
    return !shown.isNull() && shown.convertToFormat(QImage::Format_RGB32) ==
                                  reader.read().convertToFormat(QImage::Format_RGB32);
}
}  // namespace

class TestPictureIo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The first window, report and picture load read fonts and plug-ins once per process.
    void initTestCase() {
        test::TestEnv env;
        env.addRecord({{"Description", "warm-up"}, {"binpicdata", photo(0)}});
        test::Window win(env);
        win->Toolbar1_ButtonMenuClick(QStringLiteral("All"));
        win->DataReport1->preview()->pageView()->grab();
    }

    void readsOnlyThePicturesItShows_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("start-up") << "start-up";
        QTest::newRow("browsing") << "browsing";
        QTest::newRow("reports") << "reports";
        QTest::newRow("save") << "save";
    }
    void readsOnlyThePicturesItShows() {
        QFETCH(QString, step);
        test::TestEnv env;
        fill(env);
        const qint64 pictureSize = photo(1).size();
        // A shown picture is read twice: from the catalogue, and back from the scratch file.
        auto within = [&](qint64 before, int shown) {
            return bytesRead() - before <= shown * 2 * pictureSize + kAllowance;
        };
        qint64 before = bytesRead();
        test::Window win(env);
        if (step == QLatin1String("start-up")) {
            QVERIFY(within(before, 1));
            QVERIFY(shows(win, 1));
        } else if (step == QLatin1String("browsing")) {
            for (int i = kRecords; i >= 1; --i) {
                before = bytesRead();
                win->GetInfo(QString::number(i));
                QVERIFY2(within(before, 1), qPrintable(QString::number(i)));
                QVERIFY(shows(win, i));
            }
        } else if (step == QLatin1String("reports")) {
            for (const char* entry : {"All", "Want", "Have", "Sell"}) {
                before = bytesRead();
                win->Toolbar1_ButtonMenuClick(QString::fromLatin1(entry));
                win->DataReport1->preview()->pageView()->grab();
                QVERIFY2(within(before, 0), entry);
            }
        } else {
            win->GetInfo(QStringLiteral("5"));
            win->Edit_Record();
            ui(win).txtTextl[1]->setText(QStringLiteral("Car 5, boxed"));
            before = bytesRead();
            win->cmdSave_Click();
            QVERIFY(within(before, 1));
            QVERIFY(shows(win, 5));
            // The picture kept byte for byte; then a chosen file ("store in database", as the
            // embedded picture's display selected) stored byte for byte.
            QCOMPARE(env.value("SELECT binpicdata FROM table1 WHERE ID = 5").toByteArray(),
                     photo(5));
            env.writeFile(QStringLiteral("new.png"), photo(99));
            win->Edit_Record();
            ui(win).txtPicDir->setText(env.path(QStringLiteral("new.png")));
            win->cmdSave_Click();
            QCOMPARE(env.value("SELECT binpicdata FROM table1 WHERE ID = 5").toByteArray(),
                     photo(99));
            QVERIFY(shows(win, 99));
        }
    }

    void anOlderCatalogueGetsTheIndexAndReadsTheSame_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void anOlderCatalogueGetsTheIndexAndReadsTheSame() {
        QFETCH(bool, readOnly);
        test::TestEnv env;
        env.addRecord({{"Description", "linked"}, {"picpath", "/a/b.jpg"}, {"twenty", 20}});
        env.addRecord({{"Description", QVariant()}, {"binpicdata", photo(1)}, {"Notes", "n"}});
        env.addRecord({{"Description", "texts in the picture column"}, {"binpicdata", "abc"}});
        env.addRecord({{"Year", "1968"}, {"picpath", QVariant()}});
        env.exec("DELETE FROM table1 WHERE ID = 1");  // the order is the table's own
        env.addRecord({{"Description", "last"}});
        const auto stored = env.rows("SELECT * FROM table1 ORDER BY rowid");
        if (readOnly && !env.makeReadOnly(env.dbPath()))
            QSKIP("cannot make a file read-only here");
        test::Window win(env);
        RecordSet& rs = *win->recordSet();
        rs.moveFirst();
        for (const QVariantList& row : stored) {
            for (int c = 0; c < row.size(); ++c) {
                QCOMPARE(rs.value(c).isNull(), row[c].isNull());
                QCOMPARE(rs.value(c).toString(), row[c].toString());
                QCOMPARE(rs.actualSize(c) > 0, !row[c].toByteArray().isEmpty());
            }
            rs.moveNext();
        }
        QVERIFY(rs.eof());
        const QString plan =
            env.rows("EXPLAIN QUERY PLAN SELECT Description FROM table1").first().last().toString();
        QCOMPARE(plan.contains(QLatin1String(schema::TextIndexName)), !readOnly);
        QVERIFY(ui(win).txtTextl[1]->text().isEmpty() && shows(win, 1));
    }
};

QTEST_MAIN(TestPictureIo)
#include "tst_pictureio.moc"
