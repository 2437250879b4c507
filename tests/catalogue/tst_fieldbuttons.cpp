// The condition buttons and the picture choice, through the real window and a scripted
// file dialog.
#include <QtTest>

#include <QLineEdit>
#include <QRadioButton>

#include "OpenSaveDialog.h"
#include "ScriptedFileDialogs.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using test::pictureBytes;

class TestFieldButtons : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(TestFieldButtons)
#include "tst_fieldbuttons.moc"
