// The converter's memory limit on a looping file. AddressSanitizer takes the address space
// that limit works on, so this runs only in a build without it (./test.sh makes one).
#include <QTemporaryDir>
#include <QtTest>

#include "ImportProcess.h"
#include "LegacyFixtures.h"

using namespace kbs::legacy;
using namespace Qt::StringLiterals;
namespace fx = kbs::test::legacy;

class TestLegacyMemory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loopingFileStoppedByTheMemoryLimit() {
        QVERIFY(canLimitAddressSpace());
        QTemporaryDir dir;
        const QString looping = fx::fixture(u"looping.mdb"_s);
        const auto outcome = ImportProcess::run(
            fx::converter(), looping, dir.filePath(u"new.mdb"_s), {60, 200 * 1024 * 1024});
        QCOMPARE(int(outcome.status), int(ImportOutcome::Status::Failed));
        QVERIFY2(outcome.error.contains(looping), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(u"more than 200 MB of memory"_s),
                 qPrintable(outcome.error));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLegacyMemory)
#include "tst_legacymemory.moc"
