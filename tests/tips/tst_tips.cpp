// The tip of the day and the About window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "Settings.h"
#include "TestEnv.h"
#include "frmAbout.h"
#include "frmTip.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

QString shownTip(const frmTip& tip) {
    return tip.lblTipText->text();
}

QString storedSetting() {
    return Settings::get(u"Tipstatus"_s, u"Show Tips at Startup"_s, u"<absent>"_s);
}

}  // namespace

class TestTips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The tips and the number of the one shown last live as long as the program: each opening
    // reads the file afresh and shows the tip after the one shown last, from the first line at
    // the program's first opening.
    void eachOpeningGoesOnAfterTheTipShownLast() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\nTwo\r\n\r\nFour\r\n");
        const QStringList tips = {"One", "Two", "", "Four"};
        const int next = frmTip::currentTip() < 4 ? frmTip::currentTip() : 0;
        frmTip tip;
        QCOMPARE(tip.windowTitle(), u"Tips For Kerbside Manger"_s);
        QVERIFY(tip.cmdOK->isDefault());
        QVERIFY(tip.chkLoadTipsAtStartup->isChecked());
        QCOMPARE(frmTip::tips(), tips);
        QCOMPARE(shownTip(tip), tips[next]);
        QStringList seen;
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
            seen << shownTip(tip);
        }
        QCOMPARE(seen, (tips.mid(next + 1) + tips).mid(0, 4));
        tip.show();
        QTest::mouseClick(tip.cmdOK, Qt::LeftButton);
        QVERIFY(!tip.isVisible());
        const int last = frmTip::currentTip();
        frmTip again;
        QCOMPARE(shownTip(again), tips[last % 4]);
        QCOMPARE(frmTip::tips(), tips);  // not added to the tips of the last opening
    }

    void anEmptyOrMissingFile() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "");
        frmTip empty;
        QCOMPARE(shownTip(empty), QString());
        QTest::mouseClick(empty.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(empty), QString());
        QVERIFY(QFile::remove(env.path("tip.txt")));
        frmTip tip;
        QCOMPARE(shownTip(tip),
                 QStringLiteral("The tip.txt file was not found? \r\n\r\nPlease inform "
                                "Larkspur Software in order to correct this problem. "));
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(shownTip(tip), tipText::NotFound);
        // A folder of that name is no tips file either.
        QVERIFY(QDir(env.dir()).mkdir("tip.txt"));
        frmTip folder;
        QCOMPARE(shownTip(folder), tipText::NotFound);
    }

    void everyCloseStoresTheCheckBox() {
        test::TestEnv env(false);
        env.writeFile("tip.txt", "One\r\n");
        QCOMPARE(storedSetting(), u"<absent>"_s);
        {
            frmTip tip;
            tip.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tip));
            QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton, {},
                              QPoint(8, tip.chkLoadTipsAtStartup->height() / 2));  // on the box
            QVERIFY(!tip.chkLoadTipsAtStartup->isChecked());
            tip.close();
        }
        QCOMPARE(storedSetting(), u"0"_s);
        QCOMPARE(frmTip::startupSetting(), 0);
    }

    // The full version, and the home page opened from the link, or its address given instead.
    void aboutShowsTheVersionAndOpensTheHomePage() {
        test::TestEnv env(false);
        frmAbout about;
        QCOMPARE(about.Label1->text(), u"Kerbside Manager v1.1.1"_s);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        QCOMPARE(env.prompts().urls,
                 QStringList{"http://kerbside-manager.example.org/kerbside.html"});
        QVERIFY(env.prompts().shown.isEmpty());

        // The browser does not come up: the address is given instead.
        env.prompts().setOpenUrlResult(false);
        env.prompts().answerMsg(mb::OK);
        about.Label5->setFocus();
        QTest::keyClick(about.Label5, Qt::Key_Space);
        QCOMPARE(env.prompts().urls.size(), 2);
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown[0].text.contains(
            u"http://kerbside-manager.example.org/kerbside.html"_s));
        QCOMPARE(env.prompts().shown[0].title, u"About"_s);
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
