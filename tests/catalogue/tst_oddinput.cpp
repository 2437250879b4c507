// Large and odd input through the real window: every field round-trips exactly or is
// refused with a clear message.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "Window.h"

using namespace kbs;

class TestOddInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unusualTextsInEveryField() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        test::Window win(env);
        const QString odd[] = {
            QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"),
            QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"),
            QStringLiteral("\U0001F697 \U0001F3CE\uFE0F"),
            QStringLiteral("quote ' \" ; -- DROP TABLE table1"),
        };
        for (const QString& text : odd) {
            win->Add_New_Record();
            for (int b = 1; b <= 22; ++b)
                win->txtTextl[size_t(b)]->setText(text);
            win->txtNotes->setPlainText(text + QStringLiteral("\n") + text);
            win->cmdSave_Click();
            QVERIFY(env.prompts().shown.isEmpty());
            const qint64 id = win.currentId();
            const auto row = env.rows("SELECT * FROM table1 WHERE ID=?", {id}).first();
            for (int c = 1; c <= 22; ++c)
                QCOMPARE(row[c].toString(), text);
            QCOMPARE(row[23].toString(), text + QStringLiteral("\n") + text);
            // Shown again exactly as stored.
            win->GetInfo(QStringLiteral("1"));
            win->GetInfo(QString::number(id));
            QCOMPARE(win->txtTextl[17]->text(), text);
        }
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 5);
        // Search finds the right-to-left text.
        env.prompts().answerInput(QStringLiteral("\u05e9\u05dc\u05d5\u05dd"));
        win->Find_Record();
        QCOMPARE(win->txtTextl[1]->text(), odd[1]);
    }

    void aTenMegabyteNote() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        test::Window win(env);
        QString note;
        note.reserve(10 * 1024 * 1024);
        while (note.size() < 10 * 1024 * 1024)
            note += QStringLiteral("Bought at the Sandown swapmeet, box a little crushed.\n");
        win->Edit_Record();
        win->txtNotes->setPlainText(note);
        win->cmdSave_Click();
        QVERIFY(env.prompts().shown.isEmpty());
        QCOMPARE(env.value("SELECT length(Notes) FROM table1").toLongLong(), qint64(note.size()));
        QCOMPARE(win->txtNotes->toPlainText().size(), note.size());
    }

    void aFiftyMegabytePicture() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        // A real picture of about 50 MB: an uncompressed bitmap.
        QImage img(4096, 4096, QImage::Format_RGB888);
        img.fill(QColor(30, 120, 200));
        QVERIFY(img.save(env.path(QStringLiteral("big.bmp")), "BMP"));
        const qint64 size = QFileInfo(env.path(QStringLiteral("big.bmp"))).size();
        QVERIFY(size > 48 * 1024 * 1024);
        test::Window win(env);
        win->Edit_Record();
        win->Option1[0]->setChecked(true);
        win->txtPicDir->setText(env.path(QStringLiteral("big.bmp")));
        win->cmdSave_Click();
        QVERIFY(env.prompts().shown.isEmpty());
        QCOMPARE(env.value("SELECT length(binpicdata) FROM table1").toLongLong(), size);
        // Shown, and kept no larger than the picture box needs.
        QVERIFY(win->imgPicture->hasPicture());
        QVERIFY(win->imgPicture->picture().width() <= 2 * win->imgPicture->width() + 1);
        QCOMPARE(win->imgPicture->picture().pixelColor(10, 10), QColor(30, 120, 200));
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("ok.jpg"))));
    }

    void aVeryLongPicturePath() {
        test::TestEnv env;
        env.addRecord({{"Description", "first"}});
        test::Window win(env);
        const QString path =
            env.dir() + QLatin1Char('/') + QString(4000, QLatin1Char('p')) + QStringLiteral(".jpg");
        win->Edit_Record();
        win->Option1[1]->setChecked(true);
        win->txtPicDir->setText(path);
        win->cmdSave_Click();
        QVERIFY(env.prompts().shown.isEmpty());
        QCOMPARE(env.value("SELECT picpath FROM table1").toString(), path);
        QVERIFY(!win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), path);
    }
};

QTEST_MAIN(TestOddInput)
#include "tst_oddinput.moc"
