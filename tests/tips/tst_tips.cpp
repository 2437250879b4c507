// The tip of the day and the About window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "Settings.h"
#include "TestEnv.h"
#include "frmAbout.h"
#include "frmTip.h"

using namespace kbs;

namespace {

QString shownTip(const frmTip& tip) {
    return tip.lblTipText->text();
}

QString storedSetting() {
    return Settings::get(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                         QStringLiteral("<absent>"));
}

}  // namespace

// The tips and the number of the tip shown last live as long as the program: the cases run
// in this order and each one goes on from where the one before left off.
class TestTips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theFirstOpeningStartsWithTheFirstLineAndCycles() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\nTwo\r\nThree\r\n");
        frmTip tip;
        // The title as it always was, misspelt.
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tips For Kerbside Manger"));
        QVERIFY(tip.cmdOK->isDefault());
        QVERIFY(tip.chkLoadTipsAtStartup->isChecked());
        QCOMPARE(shownTip(tip), QStringLiteral("One"));
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
            seen << shownTip(tip);
        }
        QCOMPARE(seen, (QStringList{"Two", "Three", "One"}));
    }

    void reopeningGoesOnAfterTheTipShownLast() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\nTwo\r\nThree\r\n");
        {
            frmTip tip;
            QCOMPARE(shownTip(tip), QStringLiteral("Two"));  // "One" was shown last
            tip.show();
            QTest::mouseClick(tip.cmdOK, Qt::LeftButton);
            QVERIFY(!tip.isVisible());
        }
        frmTip again;
        QCOMPARE(shownTip(again), QStringLiteral("Three"));
        // Read afresh at each opening, not added to the tips of the last one.
        QCOMPARE(frmTip::tips(), (QStringList{"One", "Two", "Three"}));
        QTest::mouseClick(again.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(again), QStringLiteral("One"));
    }

    void aBlankLineIsATipOfItsOwn() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "A\r\n\r\nB");
        frmTip tip;  // goes on at tip 2 of the file
        QCOMPARE(frmTip::currentTip(), 2);
        QCOMPARE(shownTip(tip), QString());
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(tip), QStringLiteral("B"));
    }

    void aZeroByteFileShowsNothingAndNoMessage() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "");
        frmTip tip;
        QCOMPARE(shownTip(tip), QString());
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(tip), QString());
        QVERIFY(env.prompts().shown.isEmpty());
    }

    void aMissingFileSaysSo() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\nTwo\r\n");
        { frmTip before; }
        QVERIFY(QFile::remove(env.path("tip.txt")));
        frmTip tip;
        QCOMPARE(shownTip(tip),
                 QStringLiteral("The tip.txt file was not found? \r\n\r\nPlease inform "
                                "Larkspur Software in order to correct this problem. "));
        // No tips of an earlier opening come back.
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(tip), tipText::NotFound);

        // A folder of that name is no tips file either.
        QVERIFY(QDir(env.dir()).mkdir("tip.txt"));
        frmTip folder;
        QCOMPARE(shownTip(folder), tipText::NotFound);
        QVERIFY(!folder.LoadTips(QString()));
    }

    void everyCloseStoresTheCheckBox() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\n");
        QCOMPARE(storedSetting(), QStringLiteral("<absent>"));
        {
            frmTip tip;
            tip.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tip));
            QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton, {},
                              QPoint(8, tip.chkLoadTipsAtStartup->height() / 2));  // on the box
            QVERIFY(!tip.chkLoadTipsAtStartup->isChecked());
            tip.close();
        }
        QCOMPARE(storedSetting(), QStringLiteral("0"));
        QCOMPARE(frmTip::startupSetting(), 0);

        // Ticked again at the next opening; closing with Escape stores "1".
        frmTip tip;
        QVERIFY(tip.chkLoadTipsAtStartup->isChecked());
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QTest::keyClick(&tip, Qt::Key_Escape);
        QVERIFY(!tip.isVisible());
        QCOMPARE(storedSetting(), QStringLiteral("1"));
    }

    void theStartupSettingReadsAsANumber() {
        test::TestEnv env(false);
        QCOMPARE(frmTip::startupSetting(), 1);  // absent
        for (const auto& [stored, read] :
             {std::pair{"1", 1}, {"0", 0}, {"2", 2}, {"yes", 0}, {"", 0}}) {
            Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                           QLatin1String(stored));
            QCOMPARE(frmTip::startupSetting(), read);
        }
    }

    void theWindowGoesBesideTheCatalogue() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\n");
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QMainWindow main;
        main.setGeometry(room.left() + 10, room.top() + 40, room.width() / 3, room.height() / 2);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        frmTip tip;
        tip.placeBeside(&main);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY(tip.frameGeometry().left() > main.frameGeometry().right());
        QVERIFY(room.contains(tip.frameGeometry().topLeft()));
        QCOMPARE(frmTip::openWindow(), &tip);

        // No room on the right: on the left.
        main.move(room.right() - main.frameGeometry().width() - 10, main.y());
        frmTip left;
        left.placeBeside(&main);
        QVERIFY(left.frameGeometry().right() < main.frameGeometry().left());
        tip.close();
        QCOMPARE(frmTip::openWindow(), nullptr);
    }

    // The full version, and the home page opened from the link, or its address given instead.
    void aboutShowsTheVersionAndOpensTheHomePage() {
        test::TestEnv env(false);
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.Label1->text(), QStringLiteral("Kerbside Manager v1.1.1"));
        QCOMPARE(about.Label5->text(),
                 QStringLiteral("Click here to visit Kerbside Manager Homepage"));
        QCOMPARE(about.Label5->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(about.findChildren<QPushButton*>().isEmpty());

        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        QCOMPARE(env.prompts().urls,
                 QStringList{"http://kerbside-manager.example.org/kerbside.html"});
        QVERIFY(env.prompts().shown.isEmpty());
        QVERIFY(about.isVisible());

        // The browser does not come up: the address is given instead.
        env.prompts().setOpenUrlResult(false);
        about.Label5->setFocus();
        QTest::keyClick(about.Label5, Qt::Key_Space);
        QCOMPARE(env.prompts().urls.size(), 2);
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown[0].text.contains(
            QStringLiteral("http://kerbside-manager.example.org/kerbside.html")));
        QCOMPARE(env.prompts().shown[0].title, QStringLiteral("About"));
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
