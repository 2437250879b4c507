// A start's processor time until the first screen and until the process is idle. The program
// says when its first paint is done (KBS_FIRST_SCREEN_CPU); the benchmark then watches
// /proc/PID/stat until the process's time stops rising for longer than the thumbnail maker's
// wait before its idle pass, kills it and takes its whole time from the kernel's account of
// the children it reaped (every thread's, to the microsecond).
#include "IdleBench.h"

#include <sqlite3.h>

#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "DataGen.h"
#include "FrameBench.h"

namespace kbs::bench {

namespace {

// Quiet this long before the process counts as idle: longer than the thumbnail maker's wait
// (10 s) after its first pass.
constexpr qint64 kQuietMs = 12000;

double childrenCpuMs() {
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
           double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

// utime + stime of a process in clock ticks, -1 when gone.
long long ticksOf(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = f.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void makeCatalogue(const QString& path, const QString& pictures, int records, int links) {
    generateCatalogue(path, records);
    QDir().mkpath(pictures);
    const QByteArray jpeg = makeJpeg(3000);
    setPicturePaths(path, links, [&](int id) {
        const QString file = pictures + QStringLiteral("/%1.jpg").arg(id);
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(jpeg);
        return file;
    });
}

struct Start {
    double firstScreen = -1;
    double idle = -1;
};

// One start of the program on the catalogue, until it has been idle for kQuietMs.
Start startOnce(const QString& program, const QString& catalogue, const QString& home) {
    QProcess app;
    QProcessEnvironment env = programHome(home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KBS_FIRST_SCREEN_CPU"), QStringLiteral("1"));
    app.setProcessEnvironment(env);
    const double before = childrenCpuMs();
    app.start(program, {QStringLiteral("--new-window"), catalogue});
    if (!app.waitForStarted(10000))
        return {};
    const qint64 pid = app.processId();
    Start s;
    QByteArray err;
    long long last = -1;
    QElapsedTimer quiet, all;
    quiet.start();
    all.start();
    while (all.elapsed() < 600000) {
        app.waitForReadyRead(100);
        err += app.readAllStandardError();
        const qsizetype at = err.indexOf("first-screen-cpu-ms=");
        if (s.firstScreen < 0 && at >= 0 && err.indexOf('\n', at) > at)
            s.firstScreen = err.mid(at + 20, err.indexOf('\n', at) - at - 20).toDouble();
        const long long ticks = ticksOf(pid);
        if (ticks < 0)
            break;
        if (ticks != last) {
            last = ticks;
            quiet.restart();
        } else if (s.firstScreen >= 0 && quiet.elapsed() >= kQuietMs) {
            break;
        }
    }
    app.kill();
    app.waitForFinished(10000);
    s.idle = childrenCpuMs() - before;
    return s;
}

}  // namespace

void runIdleBench(const QStringList& programs, const QString& work, int records, int links) {
    const QString made = work + QStringLiteral("/idle%1.mdb").arg(records);
    const QString pictures = work + QStringLiteral("/idle-pictures");
    QElapsedTimer t;
    t.start();
    makeCatalogue(made, pictures, records, links);
    std::printf("idle: %d records, %d linking a JPEG of %lld bytes (made in %.1f s)\n", records,
                links, QFileInfo(pictures + QStringLiteral("/1.jpg")).size(),
                double(t.elapsed()) / 1000.0);
    std::printf("| %-40s | %9s | %9s | %6s |\n", "program (3 starts after 2)", "first ms",
                "idle ms", "ratio");
    for (const QString& program : programs) {
        // Each program from the same catalogue as made, its thumbnails made by its own starts.
        const QString catalogue = work + QStringLiteral("/idle-run.mdb");
        auto removeCatalogue = [&] {
            for (const char* end : {"", "-wal", "-shm", "-journal"})
                QFile::remove(catalogue + QLatin1String(end));
        };
        removeCatalogue();
        QFile::copy(made, catalogue);
        QTemporaryDir home;
        std::vector<double> first, idle;
        for (int run = 0; run < 5; ++run) {
            const Start s = startOnce(program, catalogue, home.path());
            if (qEnvironmentVariableIsSet("KBS_BENCH_VERBOSE"))
                std::fprintf(stderr, "start %d: %.1f / %.1f ms\n", run, s.firstScreen, s.idle);
            if (run >= 2 && s.firstScreen > 0) {
                first.push_back(s.firstScreen);
                idle.push_back(s.idle);
            }
        }
        const double f = median(first), i = median(idle);
        std::printf("| %-40s | %9.1f | %9.1f | %6.2f |\n",
                    qPrintable(QFileInfo(program).absoluteFilePath().right(40)), f, i,
                    f > 0 ? i / f : 0.0);
        std::fflush(stdout);
        removeCatalogue();
    }
    std::printf("CPU until idle <= 1.2 x CPU to the first screen when nothing changed\n");
    QFile::remove(made);
    QDir(pictures).removeRecursively();
}

}  // namespace kbs::bench
