// The command-line converter and the child process that runs it: its output and exit status,
// and the limit that stops a hung converter. The time limit on a looping file is checked
// where the program starts (tst_legacystartup.cpp), the memory limit in tst_legacymemory.cpp.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ImportProcess.h"
#include "LegacyFixtures.h"

using namespace kbs::legacy;
using namespace Qt::StringLiterals;
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
    const QString path = dir.filePath(u"hang.sh"_s);
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
        const QString target = dir.filePath(u"new.mdb"_s);
        const Run r = runConverter({fx::fixture(u"fixture.mdb"_s), target});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(u"progress 0 3\n"_s), qPrintable(r.out));
        QVERIFY(r.out.contains(u"progress 3 3\n"_s));
        QVERIFY(r.out.endsWith(u"converted 3 records\n"_s));
        const QStringList diffs = fx::differencesFromFixture(target);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"new.mdb"_s});
    }

    void converterRefusesAndSaysWhy() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"new.mdb"_s);
        const QString truncated = fx::fixture(u"truncated.mdb"_s);
        Run r = runConverter({truncated, target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(u"kbsmgr-import: %1 is 143359 bytes long"_s.arg(truncated)),
                 qPrintable(r.err));
        QVERIFY(fx::filesIn(dir.path()).isEmpty());

        // The target exists: it is left alone.
        QFile f(target);
        f.open(QIODevice::WriteOnly);
        f.write("mine");
        f.close();
        r = runConverter({fx::fixture(u"fixture.mdb"_s), target});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(u"already exists"_s));
        QCOMPARE(bytesOf(target), QByteArray("mine"));
        QCOMPARE(fx::filesIn(dir.path()), QStringList{u"new.mdb"_s});

        // Paths after "--" may start with '-'.
        r = runConverter({u"--"_s, fx::fixture(u"fixture.mdb"_s), u"-new.mdb"_s}, dir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(dir.filePath(u"-new.mdb"_s)));
        QCOMPARE(runConverter({u"-new.mdb"_s, target}, dir.path()).status, 2);

        QCOMPARE(runConverter({target}).status, 2);
        QCOMPARE(runConverter({u"--time-limit=x"_s, truncated, target}).status, 2);
    }

    void hungConverterIsKilled() {
        QTemporaryDir dir;
        const auto outcome =
            ImportProcess::run(hangingConverter(dir), fx::fixture(u"fixture.mdb"_s),
                               dir.filePath(u"new.mdb"_s), {1, 1 << 30});
        QCOMPARE(int(outcome.status), int(ImportOutcome::Status::Failed));
        QVERIFY2(outcome.error.contains(u"took longer than 1 seconds"_s),
                 qPrintable(outcome.error));
    }

    void cancel() {
        QTemporaryDir dir;
        ImportProcess job(hangingConverter(dir), fx::fixture(u"fixture.mdb"_s),
                          dir.filePath(u"new.mdb"_s), {60, 1 << 30});
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
