// The reader of the older program's catalogues, fuzzed through its child process: whatever
// the file holds, the converter ends — converted, refused or stopped by its limits — and
// never crashes.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QString g_converter;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    g_converter = qEnvironmentVariable("KBS_IMPORT");
    if (g_converter.isEmpty())
        g_converter =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../program/kbsmgr-import");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("old.mdb"));
    const QString target = dir.filePath(QStringLiteral("new.mdb"));
    QFile::remove(target);
    {
        QFile f(source);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QProcess p;
    p.start(g_converter, {QStringLiteral("--child"), QStringLiteral("--time-limit=5"),
                          QStringLiteral("--"), source, target});
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        std::fprintf(stderr, "converter did not end within its limit\n");
        std::abort();
    }
    const QByteArray err = p.readAllStandardError();
    if (p.exitStatus() == QProcess::CrashExit || err.contains("Sanitizer") ||
        err.contains("runtime error")) {
        std::fprintf(stderr, "%s\n", err.constData());
        std::abort();
    }
    return 0;
}
