// Showing a record: fields, Null and " ", embedded and linked pictures, the scratch file.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AppError.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "Window.h"

using namespace kbs;
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
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Mini  Cooper"));
        QCOMPARE(win->txtTextl[2]->text(), QString());
        QCOMPARE(win->txtTextl[4]->text(), QStringLiteral("Superfast"));
        QCOMPARE(win->txtTextl[10]->text(), QString());
        QCOMPARE(win->txtTextl[22]->text(), QStringLiteral("\tBlack"));
        QCOMPARE(win->txtNotes->toPlainText(), QStringLiteral("two\nlines"));
        // The next record's Null notes show empty, not the previous record's.
        win->GetInfo(QStringLiteral("2"));
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("second"));
        QCOMPARE(win->txtNotes->toPlainText(), QString());
        win->txtTextl[0]->setText(QStringLiteral("x"));
        win->Clear_Display();
        QCOMPARE(win->txtTextl[0]->text(), QString());
    }

    void embeddedPicture() {
        test::TestEnv env;
        const QByteArray png = pictureBytes("PNG");
        env.addRecord({{"Description", "pic"}, {"binpicdata", png}, {"picpath", "/elsewhere.jpg"}});
        env.writeFile(QStringLiteral("ok.jpg"), "stale, not a picture");
        test::Window win(env);
        QVERIFY(win->imgPicture->hasPicture());
        QCOMPARE(win->imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(win->Option1[0]->isChecked());
        QVERIFY(!win->Option1[1]->isChecked());
        QCOMPARE(win->txtPicDir->text(), QString());  // embedded wins over the path
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("ok.jpg"))));
        win->Update_Display();
        QVERIFY(win->imgPicture->hasPicture());
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("ok.jpg"))));
    }

    void embeddedPictureWithoutAWritableScratchFile() {
        test::TestEnv env;
        env.addRecord({{"binpicdata", pictureBytes("JPG")}});
        // The scratch file's name is taken by a folder: it cannot be written.
        QDir(env.dir()).mkdir(QStringLiteral("ok.jpg"));
        test::Window win(env);
        QVERIFY(win->imgPicture->hasPicture());
        QVERIFY(QFileInfo(env.path(QStringLiteral("ok.jpg"))).isDir());
    }

    void aReadOnlyProgramDirectory() {
        test::TestEnv env;
        env.addRecord({{"Description", "pic"}, {"binpicdata", pictureBytes("PNG")}});
        env.writeFile(QStringLiteral("left.tmp"), "x");
        if (!env.makeReadOnly(env.dir()))
            QSKIP("cannot make a folder read-only here");
        {
            test::Window win(env);
            QVERIFY(win->imgPicture->hasPicture());  // shown from memory
            QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("ok.jpg"))));
            // The catalogue cannot take a change either: the save says so.
            win->Edit_Record();
            win->txtTextl[9]->setText(QStringLiteral("Blue"));
            env.prompts().answerMsg(mb::OK);
            win->cmdSave_Click();
            QCOMPARE(env.prompts().shown.size(), 1);
            QVERIFY(win->cmdSave->isVisible());
        }
        env.makeWritable(env.dir());
        QVERIFY(QFileInfo::exists(env.path(QStringLiteral("left.tmp"))));
        QCOMPARE(env.value("SELECT Color FROM table1").toString(), QString());
    }

    void linkedPictures() {
        test::TestEnv env;
        env.writeFile(QStringLiteral("car.bmp"), pictureBytes("BMP"));
        env.addRecord({{"picpath", "  " + env.path(QStringLiteral("car.bmp")) + " "},
                       {"binpicdata", QByteArray("")}});
        env.addRecord({{"picpath", env.path(QStringLiteral("gone.jpg"))}});
        env.addRecord({{"picpath", QVariant()}});
        test::Window win(env);
        QVERIFY(win->imgPicture->hasPicture());
        QVERIFY(win->Option1[1]->isChecked());
        QVERIFY(win->txtPicDir->text().contains(QStringLiteral("car.bmp")));
        win->GetInfo(QStringLiteral("2"));
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), env.path(QStringLiteral("gone.jpg")));
        QVERIFY(win->Option1[1]->isChecked());
        win->GetInfo(QStringLiteral("3"));
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), QString());
        QVERIFY(env.prompts().shown.isEmpty());
    }

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
        QTest::newRow("truncated jpeg") << jpeg.left(jpeg.size() / 3);
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("huge header") << huge;
        QTest::newRow("random bytes") << random;
    }
    void badPicturesShowNothingAndSayNothing() {
        QFETCH(QByteArray, bytes);
        test::TestEnv env;
        env.writeFile(QStringLiteral("bad.jpg"), bytes);
        env.addRecord({{"picpath", env.path(QStringLiteral("bad.jpg"))}});
        if (!bytes.isEmpty())
            env.addRecord({{"binpicdata", bytes}});
        test::Window win(env);
        QVERIFY(env.prompts().shown.isEmpty());
        if (!bytes.isEmpty()) {
            win->GetInfo(QStringLiteral("2"));
            QVERIFY(env.prompts().shown.isEmpty());
            QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("ok.jpg"))));
        }
        // The loader's failure reaches whoever asks for it with the composed text.
        if (bytes.size() > 0) {
            try {
                win->Load_Picture(env.path(QStringLiteral("bad.jpg")));
            } catch (const AppError& e) {
                QVERIFY(e.description().startsWith(
                    QStringLiteral("File does not appear to be a valid image file...\r\n\r\n")));
                return;
            }
            // A truncated JPEG may still decode partly; that is a picture too.
        }
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
