// The condition buttons and the picture choice, through the real window and a scripted
// file dialog.
#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FileDialog.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "OpenSaveDialog.h"
#include "ScriptedFileDialogs.h"
#include "Window.h"

using namespace kbs;
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
        win->Edit_Record();
        win->cmdPlus->click();
        QCOMPARE(win->txtTextl[5]->text(), QStringLiteral("C8+"));
        win->cmdPlus->click();
        QCOMPARE(win->txtTextl[5]->text(), QStringLiteral("C8++"));
        win->txtTextl[5]->setText(QString());
        win->cmdMinus->click();
        QCOMPARE(win->txtTextl[5]->text(), QStringLiteral("-"));
        win->txtTextl[5]->setText(QStringLiteral("C8"));
        win->cmdPlus->click();
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT Car_Cond FROM table1").toString(), QStringLiteral("C8+"));
    }

    void choosingAndStoringEmbedded() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        const QByteArray jpg = pictureBytes("JPG", 60, 40);
        env.writeFile(QStringLiteral("car.jpg"), jpg);
        test::Window win(env);
        win->Edit_Record();
        dialogs.chooseFile(env.path(QStringLiteral("car.jpg")));
        win->cmdSelect->click();
        const FileDialogRequest& req = dialogs.requests.first();
        QCOMPARE(req.title, QStringLiteral("Select picture for current record..."));
        QCOMPARE(req.initialDir, env.dir() + QLatin1Char('/'));
        const auto pairs = filedialog::filterPairs(req.filter);
        QCOMPARE(pairs.size(), 1);
        QCOMPARE(pairs.first().first, QStringLiteral("Image Files (*.jpg, *.bmp, *.gif)"));
        QCOMPARE(pairs.first().second, QStringLiteral("*.jpg;*.bmp;*.gif;*.ico"));
        QCOMPARE(win->txtPicDir->text(), env.path(QStringLiteral("car.jpg")));
        QCOMPARE(win->imgPicture->picture().size(), QSize(60, 40));
        win->Option1[0]->setChecked(true);
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
        QCOMPARE(env.value("SELECT picpath FROM table1").toString(), QString());
        // Shown again from the catalogue; the path box is empty for an embedded picture.
        QVERIFY(win->imgPicture->hasPicture());
        QCOMPARE(win->txtPicDir->text(), QString());
        // Saved again with "store as file pointer" and no new choice: the picture stays.
        win->Edit_Record();
        win->Option1[1]->setChecked(true);
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), jpg);
    }

    void choosingAndStoringLinked() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}, {"binpicdata", pictureBytes("PNG")}});
        env.writeFile(QStringLiteral("car.bmp"), pictureBytes("BMP"));
        test::Window win(env);
        win->Edit_Record();
        dialogs.chooseFile(env.path(QStringLiteral("car.bmp")));
        win->cmdSelect_Click();
        win->Option1[1]->setChecked(true);
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT picpath FROM table1").toString(),
                 env.path(QStringLiteral("car.bmp")));
        const QVariant pic = env.value("SELECT binpicdata FROM table1");
        QVERIFY(!pic.isNull());
        QCOMPARE(pic.toByteArray().size(), 0);
        QVERIFY(win->imgPicture->hasPicture());
        QVERIFY(win->Option1[1]->isChecked());
    }

    void cancellingTheDialog() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}, {"binpicdata", pictureBytes("PNG", 10, 10)}});
        env.writeFile(QStringLiteral("a.gif"), pictureBytes("PNG", 20, 20));
        test::Window win(env);
        win->Edit_Record();
        // Before any choice: the path box empties, the picture stays.
        dialogs.cancel();
        win->cmdSelect_Click();
        QCOMPARE(win->txtPicDir->text(), QString());
        QCOMPARE(win->imgPicture->picture().size(), QSize(10, 10));
        QVERIFY(env.prompts().shown.isEmpty());
        // After an earlier choice: that choice comes back.
        dialogs.chooseFile(env.path(QStringLiteral("a.gif")));
        win->cmdSelect_Click();
        win->imgPicture->clearPicture();
        dialogs.cancel();
        win->cmdSelect_Click();
        QCOMPARE(win->txtPicDir->text(), env.path(QStringLiteral("a.gif")));
        QCOMPARE(win->imgPicture->picture().size(), QSize(20, 20));
        QCOMPARE(dialogs.unusedAnswers(), 0);
    }

    void aFileThatIsNoPicture() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        env.writeFile(QStringLiteral("fake.jpg"), "this is text, not a picture");
        test::Window win(env);
        win->Edit_Record();
        dialogs.chooseFile(env.path(QStringLiteral("fake.jpg")));
        env.prompts().answerMsg(mb::OK);
        win->cmdSelect_Click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.startsWith(
            QStringLiteral("File does not appear to be a valid image file...\r\n\r\n")));
        QVERIFY(win->isVisible());
    }

    void aPictureTooLargeToStore() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        env.addRecord({{"Description", "x"}});
        QFile big(env.path(QStringLiteral("huge.jpg")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(frmMain::MaxPictureBytes + 1));  // sparse: takes no disk
        big.close();
        test::Window win(env);
        win->Edit_Record();
        win->Option1[0]->setChecked(true);
        dialogs.chooseFile(env.path(QStringLiteral("huge.jpg")));
        env.prompts().answerMsg(mb::OK);
        win->cmdSelect_Click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(QStringLiteral("64 MB")));
        QCOMPARE(win->txtPicDir->text(), QString());
    }

    void aChosenFileThatDisappears() {
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        const QByteArray old = pictureBytes("PNG", 12, 12);
        env.addRecord({{"Description", "x"}, {"binpicdata", old}});
        env.writeFile(QStringLiteral("new.jpg"), pictureBytes("JPG"));
        test::Window win(env);
        win->Edit_Record();
        dialogs.chooseFile(env.path(QStringLiteral("new.jpg")));
        win->cmdSelect_Click();
        win->Option1[0]->setChecked(true);
        QFile::remove(env.path(QStringLiteral("new.jpg")));
        env.prompts().answerMsg(mb::OK);
        win->txtTextl[1]->setText(QStringLiteral("renamed"));
        win->cmdSave_Click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(QStringLiteral("keeps the picture")));
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), old);
        QCOMPARE(env.value("SELECT Description FROM table1").toString(), QStringLiteral("renamed"));
    }
};

QTEST_MAIN(TestFieldButtons)
#include "tst_fieldbuttons.moc"
