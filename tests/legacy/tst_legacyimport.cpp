// The command-line converter and the child process that runs it: its output and exit status,
// and the limits that stop it on a damaged file or a hung converter. The time limit on a
// looping file is checked where the program starts, in tst_legacystartup.cpp.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ImportProcess.h"
#include "LegacyFixtures.h"

using namespace kbs::legacy;
namespace fx = kbs::test::legacy;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runConverter(const QStringList& args, const QString& workingDir = {}) {
    QProcess p;
    p.setWorkingDirectory(workingDir);
    p.start(fx::converter(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A converter that never ends and ignores its own time limit, as a hung one would.
QString hangingConverter(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("hang.sh"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\nexec sleep 60\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return path;
}

}  // namespace

class TestLegacyImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void converterWritesTheCatalogue() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        const Run r = runConverter({fx::fixture(QStringLiteral("fixture.mdb")), target});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("progress 0 3\n")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("progress 3 3\n")));
        QVERIFY(r.out.endsWith(QStringLiteral("converted 3 records\n")));
        const QStringList diffs = fx::differencesFromFixture(target);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("new.mdb")});

        // Through the child-process runner, with its progress.
        const QString second = dir.filePath(QStringLiteral("second.mdb"));
        ImportProcess job(fx::converter(), fx::fixture(QStringLiteral("fixture_edge.mdb")), second,
                          defaultImportLimits(1 << 20));
        QList<long> done;
        connect(&job, &ImportProcess::progress, this, [&](long d, long total) {
            QCOMPARE(total, 3L);
            done << d;
        });
        QSignalSpy finished(&job, &ImportProcess::finished);
        job.start();
        QVERIFY(finished.wait(30000));
        QCOMPARE(int(job.outcome().status), int(ImportOutcome::Status::Converted));
        QCOMPARE(job.outcome().records, 3L);
        QCOMPARE(done, (QList<long>{0, 1, 2, 3}));
        QVERIFY(fx::differencesFromFixture(second, true).isEmpty());
    }

    void converterRefusesAndSaysWhy() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        const QString truncated = fx::fixture(QStringLiteral("truncated.mdb"));
        Run r = runConverter({truncated, target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(
                     QStringLiteral("kbsmgr-import: %1 is 143359 bytes long").arg(truncated)),
                 qPrintable(r.err));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());

        // The target exists: it is left alone.
        QFile f(target);
        f.open(QIODevice::WriteOnly);
        f.write("mine");
        f.close();
        r = runConverter({fx::fixture(QStringLiteral("fixture.mdb")), target});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(QStringLiteral("already exists")));
        QCOMPARE(bytesOf(target), QByteArray("mine"));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{QStringLiteral("new.mdb")});

        // Paths after "--" may start with '-'.
        r = runConverter({QStringLiteral("--"), fx::fixture(QStringLiteral("fixture.mdb")),
                          QStringLiteral("-new.mdb")},
                         dir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("-new.mdb"))));
        QCOMPARE(runConverter({QStringLiteral("-new.mdb"), target}, dir.path()).status, 2);

        QCOMPARE(runConverter({target}).status, 2);
        QCOMPARE(runConverter({QStringLiteral("--time-limit=x"), truncated, target}).status, 2);
    }

    void loopingFileStoppedByTheMemoryLimit() {
        if (!canLimitAddressSpace())
            QSKIP("no address-space limit in a build with AddressSanitizer");
        QTemporaryDir dir;
        const QString looping = fx::fixture(QStringLiteral("looping.mdb"));
        const QString target = dir.filePath(QStringLiteral("new.mdb"));
        const auto outcome =
            ImportProcess::run(fx::converter(), looping, target, {60, 200 * 1024 * 1024});
        QCOMPARE(int(outcome.status), int(ImportOutcome::Status::Failed));
        QVERIFY2(outcome.error.contains(looping), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(QStringLiteral("more than 200 MB of memory")),
                 qPrintable(outcome.error));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());
    }

    void hungConverterIsKilled() {
        QTemporaryDir dir;
        const auto outcome =
            ImportProcess::run(hangingConverter(dir), fx::fixture(QStringLiteral("fixture.mdb")),
                               dir.filePath(QStringLiteral("new.mdb")), {1, 1 << 30});
        QCOMPARE(int(outcome.status), int(ImportOutcome::Status::Failed));
        QVERIFY2(outcome.error.contains(QStringLiteral("took longer than 1 seconds")),
                 qPrintable(outcome.error));
    }

    void cancel() {
        QTemporaryDir dir;
        ImportProcess job(hangingConverter(dir), fx::fixture(QStringLiteral("fixture.mdb")),
                          dir.filePath(QStringLiteral("new.mdb")), {60, 1 << 30});
        QSignalSpy finished(&job, &ImportProcess::finished);
        job.start();
        QVERIFY(job.isRunning());
        QTimer::singleShot(100, &job, &ImportProcess::cancel);
        QVERIFY(finished.wait(10000));
        QCOMPARE(int(job.outcome().status), int(ImportOutcome::Status::Cancelled));
    }
};

QTEST_GUILESS_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
