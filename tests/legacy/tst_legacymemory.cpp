// The converter's memory limit on a looping file. AddressSanitizer takes the address space
// that limit works on, so this runs only in a build without it (./test.sh makes one).
#include <QProcess>
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

        // Run by hand: GLib aborts the reader at the limit; the command says so in one line.
        QProcess p;
        p.start(fx::converter(),
                {u"--memory-limit=200000000"_s, looping, dir.filePath(u"n.mdb"_s)});
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(err.size() < 4096 && err.endsWith(u"\nkbsmgr-import: Reading %1 needed more than "
                                                   u"190 MB of memory, so it was stopped: the "
                                                   u"file is probably damaged.\n"_s.arg(looping)),
                 qPrintable(err.right(500)));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLegacyMemory)
#include "tst_legacymemory.moc"
