// The start-up conversion of an older program's catalogue: the message, the kept original
// and its name, the moves, and failure and cancel leaving everything as it was.
#include <unistd.h>
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "AppError.h"
#include "LegacyFixtures.h"
#include "LegacyStartup.h"
#include "LegacyTexts.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using namespace kbs::legacy;
namespace fx = kbs::test::legacy;
using Outcome = ConversionResult::Outcome;

namespace {

const QString kDb = u"mydb.mdb"_s;
const QString kJet = u"mydb.mdb.jet"_s;

ConversionOptions options(int seconds = 0) {
    ConversionOptions o;
    o.converter = fx::converter();
    o.timeLimitSeconds = seconds;
    return o;
}

// The collector's old catalogue as the program's mydb.mdb, and an OK for the message.
struct OldCatalogue : test::TestEnv {
    explicit OldCatalogue(const QString& fixtureName, bool message = true) : TestEnv(false) {
        writeFile(kDb, fx::fixtureBytes(fixtureName));
        if (message)
            prompts().answerMsg(mb::OK);
    }
};

}  // namespace

class TestLegacyStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void convertsAndKeepsTheOriginal() {
        OldCatalogue env(u"fixture.mdb"_s);
        const ConversionResult r = convertLegacyCatalogue(env.dbPath(), nullptr, options());
        QCOMPARE(int(r.outcome), int(Outcome::Converted));
        QVERIFY(r.mayOpen());
        QCOMPARE(r.backupPath, env.path(kJet));

        QCOMPARE(env.prompts().shown.size(), 1);
        const auto& shown = env.prompts().shown.first();
        QCOMPARE(shown.text,
                 texts::Converted.arg(env.dbPath(), u"3 records were"_s, env.path(kJet)));

        QCOMPARE(fx::filesIn(env.dir()), (QStringList{kDb, kJet}));
        QCOMPARE(env.readFile(kJet), fx::fixtureBytes(u"fixture.mdb"_s));
        const QStringList diffs = fx::differencesFromFixture(env.dbPath());
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));

        // Next start: nothing to convert, nothing said.
        env.prompts().reset();
        QCOMPARE(int(convertLegacyCatalogue(env.dbPath(), nullptr, options()).outcome),
                 int(Outcome::NotLegacy));
        QVERIFY(env.prompts().shown.isEmpty());
        QCOMPARE(int(convertLegacyCatalogue(env.path(u"none.mdb"_s), nullptr).outcome),
                 int(Outcome::NotLegacy));
    }

    void backupNameWhenTaken() {
        OldCatalogue env(u"fixture_edge.mdb"_s);
        env.writeFile(kJet, "someone else's");
        env.writeFile(u"mydb.mdb.1.jet"_s, "and another");
        const ConversionResult r = convertLegacyCatalogue(env.dbPath(), nullptr, options());
        QCOMPARE(int(r.outcome), int(Outcome::Converted));
        QCOMPARE(r.backupPath, env.path(u"mydb.mdb.2.jet"_s));
        QVERIFY(env.prompts().shown.value(0).text.contains(r.backupPath));
        QCOMPARE(env.readFile(kJet), QByteArray("someone else's"));
        QCOMPARE(env.readFile(u"mydb.mdb.1.jet"_s), QByteArray("and another"));
        QCOMPARE(env.readFile(u"mydb.mdb.2.jet"_s), fx::fixtureBytes(u"fixture_edge.mdb"_s));
        QVERIFY(fx::differencesFromFixture(env.dbPath(), true).isEmpty());
    }

    void movesAreSafe() {
        OldCatalogue env(u"fixture.mdb"_s, false);
        const QByteArray original = env.readFile(kDb);
        // An earlier run was interrupted after the original got its second name.
        QCOMPARE(::link(QFile::encodeName(env.dbPath()).constData(),
                        QFile::encodeName(env.path(kJet)).constData()),
                 0);
        env.writeFile(u"converted.tmp"_s, "new catalogue");
        QCOMPARE(installConverted(env.dbPath(), env.path(u"converted.tmp"_s)), env.path(kJet));
        QCOMPARE(fx::filesIn(env.dir()), (QStringList{kDb, kJet}));
        QCOMPARE(env.readFile(kDb), QByteArray("new catalogue"));
        QCOMPARE(env.readFile(kJet), original);

        // The converted file cannot be moved: the backup name made for it goes again.
        OldCatalogue env2(u"fixture.mdb"_s, false);
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 installConverted(env2.dbPath(), env2.path(u"gone.tmp"_s)));
        QCOMPARE(fx::filesIn(env2.dir()), QStringList{kDb});
        QCOMPARE(env2.readFile(kDb), original);
    }

    // A refused file, a looping one stopped by the time limit, or no converter at all: said
    // so, naming the file at fault (%1), and the catalogue left as it was.
    void failureChangesNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("noConverter");
        QTest::addColumn<QString>("reason");
        QTest::newRow("shortened") << "truncated.mdb" << false << "%1 is 143359 bytes long";
        QTest::newRow("looping") << "looping.mdb" << false
                                 << "Reading %1 took longer than 2 seconds, so it was stopped: "
                                    "the file is probably damaged.";
        QTest::newRow("no converter") << "fixture.mdb" << true << "%1";
    }
    void failureChangesNothing() {
        QFETCH(QString, file);
        QFETCH(bool, noConverter);
        QFETCH(QString, reason);
        OldCatalogue env(file);
        ConversionOptions o = options(2);
        if (noConverter)
            o.converter = env.path(u"kbsmgr-import"_s);
        reason = reason.arg(noConverter ? o.converter : env.dbPath());
        const ConversionResult r = convertLegacyCatalogue(env.dbPath(), nullptr, o);
        QCOMPARE(int(r.outcome), int(Outcome::Failed));
        QVERIFY(!r.mayOpen());
        const auto& shown = env.prompts().shown.value(0);
        QVERIFY2(shown.text.startsWith(texts::Failed.arg(env.dbPath(), QString()).left(60)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(reason), qPrintable(shown.text));
        QVERIFY(shown.text.endsWith(u"The file has not been changed."_s));
        QCOMPARE(fx::filesIn(env.dir()), QStringList{kDb});
        QCOMPARE(env.readFile(kDb), fx::fixtureBytes(file));
    }

    void cancelFromTheProgressWindow() {
        OldCatalogue env(u"looping.mdb"_s);
        ConversionResult r;
        QVERIFY(
            test::meetModal([&] { r = convertLegacyCatalogue(env.dbPath(), nullptr, options(60)); },
                            [&](QWidget* w) {
                                auto* button = w->findChild<QPushButton*>();
                                QVERIFY(button && button->text() == texts::CancelButton);
                                button->click();
                            }));
        QCOMPARE(int(r.outcome), int(Outcome::Cancelled));
        QVERIFY(!r.mayOpen());
        QCOMPARE(env.prompts().shown.value(0).text, texts::Cancelled.arg(env.dbPath()));
        QCOMPARE(fx::filesIn(env.dir()), QStringList{kDb});
        QCOMPARE(env.readFile(kDb), fx::fixtureBytes(u"looping.mdb"_s));
    }
};

QTEST_MAIN(TestLegacyStartup)
#include "tst_legacystartup.moc"
