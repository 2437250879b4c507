// Showing a record (fields, Null and " ", embedded and linked pictures, a read-only folder),
// choosing a picture through a scripted file dialog, the condition buttons, and large and
// odd input in every field, which round-trips exactly or is refused with a clear message.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "Controls.h"
#include "DetailPanel.h"
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
        QCOMPARE(ui(win).txtNotes->toPlainText(), u"two\nlines"_s);
        // The next record's Null notes show empty, not the previous record's.
        win.show(2);
        QCOMPARE(win.field(1), u"second"_s);
        QCOMPARE(ui(win).txtNotes->toPlainText(), QString());
    }

    void embeddedAndLinkedPictures() {
        test::TestEnv env;
        env.writeFile(u"car.bmp"_s, pictureBytes("BMP"));
        env.addRecord(
            {{"picpath", "  " + env.path(u"car.bmp"_s) + " "}, {"binpicdata", QByteArray("")}});
        env.addRecord({{"picpath", env.path(u"gone.jpg"_s)}});
        env.addRecord({{"binpicdata", pictureBytes("JPG", 20, 10)}, {"picpath", "/elsewhere.jpg"}});
        env.addRecord({{"picpath", QVariant()}});
        // An embedded picture is decoded in memory: a collection folder that cannot be written
        // shows it, and a file of the collector's own is neither written nor removed.
        env.writeFile(u"ok.jpg"_s, "the collector's own");
        QVERIFY(env.makeReadOnly(env.dir()));
        test::Window win(env);
        QCOMPARE(ui(win).imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(ui(win).Option1[1]->isChecked());
        QCOMPARE(ui(win).txtPicDir->text().trimmed(), env.path(u"car.bmp"_s));
        win.show(2);
        QVERIFY(!ui(win).imgPicture->hasPicture());
        QCOMPARE(ui(win).txtPicDir->text(), env.path(u"gone.jpg"_s));
        win.show(3);
        QCOMPARE(ui(win).imgPicture->picture().size(), QSize(20, 10));
        QVERIFY(ui(win).Option1[0]->isChecked());
        QCOMPARE(ui(win).txtPicDir->text(), QString());  // embedded wins over the path
        QCOMPARE(QDir(env.dir()).entryList(QDir::Files),
                 QStringList({"car.bmp", "mydb.mdb", "ok.jpg"}));
        QCOMPARE(env.readFile(u"ok.jpg"_s), "the collector's own");
        win.show(4);  // the picture before is not left showing
        QVERIFY(!ui(win).imgPicture->hasPicture());
        QCOMPARE(ui(win).txtPicDir->text(), QString());
    }

    // A file or a stored value that is no picture shows an empty picture box and says nothing
    // (the strict prompts fail the case on any message).
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
        QVERIFY(!ui(win).imgPicture->hasPicture());
        QCOMPARE(ui(win).txtPicDir->text(), env.path(u"bad.jpg"_s));
        win.show(3);
        QVERIFY(ui(win).imgPicture->hasPicture());
        win.show(2);
        QVERIFY(!ui(win).imgPicture->hasPicture());
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
            ui(win).txtNotes->setPlainText(text + u"\n"_s + text);
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
        ui(win).txtNotes->setPlainText(note);
        ui(win).Option1[0]->setChecked(true);
        ui(win).txtPicDir->setText(env.path(u"big.bmp"_s));
        win.save();
        QCOMPARE(env.value("SELECT length(Notes) FROM table1").toLongLong(), qint64(note.size()));
        QCOMPARE(ui(win).txtNotes->toPlainText().size(), note.size());
        QCOMPARE(env.value("SELECT length(binpicdata) FROM table1").toLongLong(), size);
        // Shown, and kept no larger than the picture box needs.
        QVERIFY(ui(win).imgPicture->picture().width() <= 2 * ui(win).imgPicture->width() + 1);
        QCOMPARE(ui(win).imgPicture->picture().pixelColor(10, 10), QColor(30, 120, 200));
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
        ui(win).cmdSelect->click();
        QCOMPARE(ui(win).txtPicDir->text(), env.path(u"car.jpg"_s));
        QCOMPARE(ui(win).imgPicture->picture().size(), QSize(60, 40));
        ui(win).Option1[0]->setChecked(true);
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
        QCOMPARE(win.stored("picpath", 1), QString());
        QVERIFY(ui(win).imgPicture->hasPicture());
        QCOMPARE(ui(win).txtPicDir->text(), QString());
        // Saved again as a file pointer with no new choice: the picture stays.
        win.press("Edit");
        ui(win).Option1[1]->setChecked(true);
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
        // A new choice stored as a file pointer: the path, and an empty picture value.
        win.press("Edit");
        dialogs.chooseFile(env.path(u"car.bmp"_s));
        ui(win).cmdSelect->click();
        ui(win).Option1[1]->setChecked(true);
        win.save();
        QCOMPARE(win.stored("picpath", 1), env.path(u"car.bmp"_s));
        QCOMPARE(env.value("SELECT typeof(binpicdata) || length(binpicdata) FROM table1"),
                 QVariant(u"blob0"_s));
        QCOMPARE(ui(win).imgPicture->picture().size(), QSize(40, 30));
        QVERIFY(ui(win).Option1[1]->isChecked());
    }

    // A chosen file that is no picture, or too large to store, is refused with a message.
    void refusedChoice() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        env.writeFile(u"text.jpg"_s, "this is text");
        QFile big(env.path(u"big.jpg"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(DetailPanel::MaxPictureBytes + 1));
        big.close();  // sparse
        test::Window win(env);
        win.press("Edit");
        ui(win).Option1[0]->setChecked(true);
        for (const auto& [name, message] :
             {std::pair{"text.jpg", "File does not appear to be a valid image file...\r\n\r\n"},
              std::pair{"big.jpg", "64 MB"}}) {
            dialogs.chooseFile(env.path(QString::fromLatin1(name)));
            env.prompts().answerMsg(mb::OK);
            ui(win).cmdSelect->click();
            const QString shown = env.prompts().shown.last().text;
            QVERIFY2(shown.contains(QString::fromLatin1(message)), qPrintable(shown));
            QVERIFY(!ui(win).imgPicture->hasPicture());
        }
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
        ui(win).cmdSelect->click();
        ui(win).Option1[0]->setChecked(true);
        QFile::remove(env.path(u"new.jpg"_s));
        env.prompts().answerMsg(mb::OK);
        win.setField(1, u"renamed"_s);
        win.save();
        QVERIFY(env.prompts().shown.value(0).text.contains(u"keeps the picture"_s));
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), old);
        QCOMPARE(win.stored("Description", 1), u"renamed"_s);
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
