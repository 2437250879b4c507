// Showing a record: fields, Null and " ", embedded and linked pictures, the scratch file.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using test::pictureBytes;

class TestDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldsNullsAndSpaces() {
        test::TestEnv env;
        env.addRecord({{"Description", " Mini  Cooper "},
                       {"Year", QVariant()},
                       {"Series", "Superfast"},
                       {"Quantity", " "},
                       {"Notes", "  two\r\nlines  "},
                       {"Base_Color", "\tBlack"}});
        env.addRecord({{"Description", "second"}, {"Notes", QVariant()}});
        test::Window win(env);
        QCOMPARE(win.field(1), u"Mini  Cooper"_s);
        QCOMPARE(win.field(2), QString());
        QCOMPARE(win.field(4), u"Superfast"_s);
        QCOMPARE(win.field(10), QString());
        QCOMPARE(win.field(22), u"\tBlack"_s);
        QCOMPARE(win->txtNotes->toPlainText(), u"two\nlines"_s);
        // The next record's Null notes show empty, not the previous record's.
        win.show(2);
        QCOMPARE(win.field(1), u"second"_s);
        QCOMPARE(win->txtNotes->toPlainText(), QString());
    }

    void embeddedPicture() {
        test::TestEnv env;
        env.addRecord({{"binpicdata", pictureBytes("PNG")}, {"picpath", "/elsewhere.jpg"}});
        env.addRecord({{"binpicdata", pictureBytes("JPG", 20, 10)}});
        env.writeFile(u"ok.jpg"_s, "stale, not a picture");
        test::Window win(env);
        QCOMPARE(win->imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(win->Option1[0]->isChecked());
        QCOMPARE(win->txtPicDir->text(), QString());  // embedded wins over the path
        QVERIFY(!QFileInfo::exists(env.path(u"ok.jpg"_s)));
        // The scratch file's name taken by a folder: shown all the same.
        QDir(env.dir()).mkdir(u"ok.jpg"_s);
        win.show(2);
        QCOMPARE(win->imgPicture->picture().size(), QSize(20, 10));
        QVERIFY(QFileInfo(env.path(u"ok.jpg"_s)).isDir());
    }

    void linkedPictures() {
        test::TestEnv env;
        env.writeFile(u"car.bmp"_s, pictureBytes("BMP"));
        env.addRecord(
            {{"picpath", "  " + env.path(u"car.bmp"_s) + " "}, {"binpicdata", QByteArray("")}});
        env.addRecord({{"picpath", env.path(u"gone.jpg"_s)}});
        env.addRecord({{"picpath", QVariant()}, {"binpicdata", pictureBytes("PNG")}});
        env.addRecord({{"picpath", QVariant()}});
        test::Window win(env);
        QCOMPARE(win->imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(win->Option1[1]->isChecked());
        QCOMPARE(win->txtPicDir->text().trimmed(), env.path(u"car.bmp"_s));
        win.show(2);
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), env.path(u"gone.jpg"_s));
        QVERIFY(win->Option1[1]->isChecked());
        win.show(3);
        win.show(4);  // the picture before is not left showing
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), QString());
    }

    // A file or a stored value that is no picture shows an empty picture box, says nothing
    // (the strict prompts fail the case on any message) and leaves no scratch file.
    void badPicturesShowNothingAndSayNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray jpeg = pictureBytes("JPG", 300, 300);
        QByteArray huge = pictureBytes("PNG", 8, 8);
        // Claim 60000 x 60000 pixels in the PNG header.
        const char dims[] = {0, 0, char(0xEA), 0x60, 0, 0, char(0xEA), 0x60};
        huge.replace(16, 8, QByteArray(dims, 8));
        QByteArray random(5000, '\0');
        for (int i = 0; i < random.size(); ++i)
            random[i] = char((i * 131 + 7) % 251);
        QTest::newRow("not a picture") << QByteArray("just some text\r\n");
        QTest::newRow("truncated jpeg") << jpeg.left(200);
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("huge header") << huge;
        QTest::newRow("random bytes") << random;
    }
    void badPicturesShowNothingAndSayNothing() {
        QFETCH(QByteArray, bytes);
        test::TestEnv env;
        env.writeFile(u"bad.jpg"_s, bytes);
        env.addRecord({{"picpath", env.path(u"bad.jpg"_s)}});
        env.addRecord({{"binpicdata", bytes}});
        env.addRecord({{"binpicdata", pictureBytes("PNG")}});
        test::Window win(env);
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), env.path(u"bad.jpg"_s));
        win.show(3);
        QVERIFY(win->imgPicture->hasPicture());
        win.show(2);
        QVERIFY(!win->imgPicture->hasPicture());
        QVERIFY(!QFileInfo::exists(env.path(u"ok.jpg"_s)));
        QVERIFY(env.prompts().shown.isEmpty());
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
