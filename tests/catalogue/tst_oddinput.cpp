// Large and odd input through the real window: every field round-trips exactly or is
// refused with a clear message.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

class TestOddInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
};

QTEST_MAIN(TestOddInput)
#include "tst_oddinput.moc"
