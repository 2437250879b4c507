// Showing a record (fields, Null and " ", embedded and linked pictures, the scratch file),
// choosing a picture through a scripted file dialog, the condition buttons, and large and
// odd input in every field, which round-trips exactly or is refused with a clear message.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "OpenSaveDialog.h"
#include "ScriptedFileDialogs.h"
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

    void unusualTextsInEveryField() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        test::Window win(env);
        const QString odd[] = {
            u"nul"_s + QChar(0) + u"inside"_s,
            u"\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"_s,
            u"\U0001F697 \U0001F3CE\uFE0F"_s,
            u"quote ' \" ; -- DROP TABLE table1"_s,
        };
        for (const QString& text : odd) {
            win.press("Add");
            for (int b = 1; b <= 22; ++b)
                win.setField(b, text);
            win->txtNotes->setPlainText(text + u"\n"_s + text);
            win.save();
            QVERIFY(env.prompts().shown.isEmpty());
            const qint64 id = win.currentId();
            const auto row = env.rows("SELECT * FROM table1 WHERE ID=?", {id}).first();
            for (int c = 1; c <= 22; ++c)
                QCOMPARE(row[c].toString(), text);
            QCOMPARE(row[23].toString(), text + u"\n"_s + text);
            // Shown again exactly as stored.
            win.show(1);
            win.show(id);
            QCOMPARE(win.field(17), text);
        }
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 5);
        // Search finds the right-to-left text.
        env.prompts().answerInput(u"\u05e9\u05dc\u05d5\u05dd"_s);
        win.press("Find");
        QCOMPARE(win.field(1), odd[1]);
    }

    // A 10 MB note and a real picture of about 50 MB (an uncompressed bitmap), saved together.
    void aTenMegabyteNoteAndAFiftyMegabytePicture() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        QImage img(4096, 4096, QImage::Format_RGB888);
        img.fill(QColor(30, 120, 200));
        QVERIFY(img.save(env.path(u"big.bmp"_s), "BMP"));
        const qint64 size = QFileInfo(env.path(u"big.bmp"_s)).size();
        QVERIFY(size > 48 * 1024 * 1024);
        QString note;
        while (note.size() < 10 * 1024 * 1024)
            note += u"Bought at the Sandown swapmeet, box a little crushed.\n"_s;
        test::Window win(env);
        win.press("Edit");
        win->txtNotes->setPlainText(note);
        win->Option1[0]->setChecked(true);
        win->txtPicDir->setText(env.path(u"big.bmp"_s));
        win.save();
        QCOMPARE(env.value("SELECT length(Notes) FROM table1").toLongLong(), qint64(note.size()));
        QCOMPARE(win->txtNotes->toPlainText().size(), note.size());
        QCOMPARE(env.value("SELECT length(binpicdata) FROM table1").toLongLong(), size);
        // Shown, and kept no larger than the picture box needs.
        QVERIFY(win->imgPicture->picture().width() <= 2 * win->imgPicture->width() + 1);
        QCOMPARE(win->imgPicture->picture().pixelColor(10, 10), QColor(30, 120, 200));
        QVERIFY(!QFileInfo::exists(env.path(u"ok.jpg"_s)));
    }

    void aVeryLongPicturePath() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        test::Window win(env);
        const QString path =
            env.dir() + QLatin1Char('/') + QString(4000, QLatin1Char('p')) + u".jpg"_s;
        win.press("Edit");
        win->Option1[1]->setChecked(true);
        win->txtPicDir->setText(path);
        win.save();
        QCOMPARE(env.value("SELECT picpath FROM table1").toString(), path);
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), path);
    }

    void conditionSigns() {
        test::TestEnv env;
        env.addRecord({{"Description", "x"}, {"Car_Cond", "C8"}});
        test::Window win(env);
        QVERIFY(!win->cmdPlus->isEnabled());
        QVERIFY(!win->cmdMinus->isEnabled());
        win.press("Edit");
        win->cmdPlus->click();
        win->cmdPlus->click();
        QCOMPARE(win.field(5), u"C8++"_s);
        win.setField(5, QString());
        win->cmdMinus->click();
        QCOMPARE(win.field(5), u"-"_s);
        win.setField(5, u"C8"_s);
        win->cmdPlus->click();
        win.save();
        QCOMPARE(win.stored("Car_Cond", 1), u"C8+"_s);
    }

    // Chosen, stored in the catalogue, then as a file pointer; the dialog as the program
    // asks for it.
    void choosingAndStoring() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        const QByteArray jpg = pictureBytes("JPG", 60, 40);
        env.writeFile(u"car.jpg"_s, jpg);
        env.writeFile(u"car.bmp"_s, pictureBytes("BMP"));
        test::Window win(env);
        win.press("Edit");
        dialogs.chooseFile(env.path(u"car.jpg"_s));
        win->cmdSelect->click();
        const FileDialogRequest& req = dialogs.requests.first();
        QCOMPARE(req.title, u"Select picture for current record..."_s);
        QCOMPARE(req.initialDir, env.dir() + QLatin1Char('/'));
        QCOMPARE(req.filter, OpenSaveDialog::convertFilter(
                                 u"Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico"_s));
        QCOMPARE(win->txtPicDir->text(), env.path(u"car.jpg"_s));
        QCOMPARE(win->imgPicture->picture().size(), QSize(60, 40));
        win->Option1[0]->setChecked(true);
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
        QCOMPARE(win.stored("picpath", 1), QString());
        QVERIFY(win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), QString());
        // Saved again as a file pointer with no new choice: the picture stays.
        win.press("Edit");
        win->Option1[1]->setChecked(true);
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
        // A new choice stored as a file pointer: the path, and an empty picture value.
        win.press("Edit");
        dialogs.chooseFile(env.path(u"car.bmp"_s));
        win->cmdSelect->click();
        win->Option1[1]->setChecked(true);
        win.save();
        QCOMPARE(win.stored("picpath", 1), env.path(u"car.bmp"_s));
        QCOMPARE(env.value("SELECT typeof(binpicdata) || length(binpicdata) FROM table1"),
                 QVariant(u"blob0"_s));
        QCOMPARE(win->imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(win->Option1[1]->isChecked());
    }

    void cancellingTheDialog() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}, {"binpicdata", pictureBytes("PNG", 10, 10)}});
        env.writeFile(u"a.gif"_s, pictureBytes("PNG", 20, 20));
        test::Window win(env);
        win.press("Edit");
        // Before any choice: the path box empties, the picture stays.
        dialogs.cancel();
        win->cmdSelect->click();
        QCOMPARE(win->txtPicDir->text(), QString());
        QCOMPARE(win->imgPicture->picture().size(), QSize(10, 10));
        // After an earlier choice: that choice comes back.
        dialogs.chooseFile(env.path(u"a.gif"_s));
        win->cmdSelect->click();
        win->imgPicture->clearPicture();
        dialogs.cancel();
        win->cmdSelect->click();
        QCOMPARE(win->txtPicDir->text(), env.path(u"a.gif"_s));
        QCOMPARE(win->imgPicture->picture().size(), QSize(20, 20));
    }

    // A chosen file that is no picture, or too large to store, is refused with a message.
    void refusedChoice_data() {
        QTest::addColumn<qint64>("size");  // 0: a text file
        QTest::addColumn<QString>("message");
        QTest::newRow("no picture")
            << qint64(0) << "File does not appear to be a valid image file...\r\n\r\n";
        QTest::newRow("too large") << frmMain::MaxPictureBytes + 1 << "64 MB";
    }
    void refusedChoice() {
        QFETCH(qint64, size);
        QFETCH(QString, message);
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        QFile file(env.path(u"chosen.jpg"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(size ? file.resize(size) : file.write("this is text") > 0);  // sparse
        file.close();
        test::Window win(env);
        win.press("Edit");
        win->Option1[0]->setChecked(true);
        dialogs.chooseFile(file.fileName());
        env.prompts().answerMsg(mb::OK);
        win->cmdSelect->click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY2(env.prompts().shown.first().text.contains(message),
                 qPrintable(env.prompts().shown.first().text));
        QVERIFY(!win->imgPicture->hasPicture());
        QVERIFY(win->isVisible());
    }

    void aChosenFileThatDisappears() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        const QByteArray old = pictureBytes("PNG", 12, 12);
        env.addRecord({{"Description", "x"}, {"binpicdata", old}});
        env.writeFile(u"new.jpg"_s, pictureBytes("JPG"));
        test::Window win(env);
        win.press("Edit");
        dialogs.chooseFile(env.path(u"new.jpg"_s));
        win->cmdSelect->click();
        win->Option1[0]->setChecked(true);
        QFile::remove(env.path(u"new.jpg"_s));
        env.prompts().answerMsg(mb::OK);
        win.setField(1, u"renamed"_s);
        win.save();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(u"keeps the picture"_s));
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), old);
        QCOMPARE(win.stored("Description", 1), u"renamed"_s);
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
