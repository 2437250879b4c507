// The tip of the day.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "TestEnv.h"
#include "frmTip.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

QString shownTip(const frmTip& tip) {
    return tip.lblTipText->text();
}

}  // namespace

class TestTips : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
