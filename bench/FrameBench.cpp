// The filter as a person sees it: the program itself, the release build, in a window on a
// virtual X display, keys typed into its filter bar by xdotool as a keyboard would, and the
// time from each key until the window's pixels below the filter bar change (the grid, the
// detail panel and the status bar), seen by this program as a second client of the display.
#include "FrameBench.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#ifdef KBS_BENCH_X11
#include "XWindowWatch.h"
#endif

namespace kbs::bench {

namespace {

double medianOf(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double p95Of(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(std::ceil(0.95 * double(v.size()))) - 1)];
}

// A display number no X server uses.
int freeDisplay() {
    for (int n = 90; n < 400; ++n) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return n;
    }
    return -1;
}

QString xdotool(const QString& display, const QStringList& args, int timeoutMs = 10000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The keys of a person narrowing the grid, correcting and starting again: xdotool's names.
QStringList typingKeys() {
    QStringList keys;
    auto type = [&](const QString& text) {
        for (const QChar c : text)
            keys << (c == QLatin1Char(' ')   ? QStringLiteral("space")
                     : c == QLatin1Char(':') ? QStringLiteral("colon")
                     : c == QLatin1Char('-') ? QStringLiteral("minus")
                                             : QString(c));
    };
    auto erase = [&](int n) {
        for (int i = 0; i < n; ++i)
            keys << QStringLiteral("BackSpace");
    };
    type(QStringLiteral("ford cooper"));
    erase(11);
    type(QStringLiteral("targa"));
    erase(5);
    type(QStringLiteral("color:blue"));
    erase(10);
    return keys;
}

}  // namespace

QProcessEnvironment programHome(const QString& home) {
    QDir().mkpath(home + QStringLiteral("/config/kbsmgr"));
    QFile ini(home + QStringLiteral("/config/kbsmgr/kbsmgr.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[Tipstatus]\nShow%20Tips%20at%20Startup=0\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return env;
}

void runFrameBench(const QString& program, const QString& catalogue, int records) {
#ifndef KBS_BENCH_X11
    Q_UNUSED(program);
    Q_UNUSED(catalogue);
    Q_UNUSED(records);
    std::printf("filter key to changed screen: not built (no X11 damage extension headers)\n");
#else
    auto fail = [](const char* why) {
        std::printf("filter key to changed screen: not measured: %s\n", why);
    };
    const int number = freeDisplay();
    if (number < 0)
        return fail("no free display number");
    const QString display = QStringLiteral(":%1").arg(number);
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {display, QStringLiteral("-screen"), QStringLiteral("0"),
                                          QStringLiteral("1280x1024x24"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000))
        return fail("Xvfb does not start");
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i)
        QThread::msleep(50);

    QTemporaryDir home;
    QProcess app;
    QProcessEnvironment env = programHome(home.path());
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(program, {QStringLiteral("--new-window"), catalogue});
    auto finish = [&] {
        app.kill();
        app.waitForFinished(5000);
        server.terminate();
        server.waitForFinished(5000);
    };
    const QString window = xdotool(display,
                                   {QStringLiteral("search"), QStringLiteral("--sync"),
                                    QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(app.processId())},
                                   60000)
                               .split(QLatin1Char('\n'))
                               .value(0);
    if (window.isEmpty()) {
        finish();
        return fail("the program's window does not show");
    }
    QThread::msleep(3000);  // the start's work after the first screen
    xdotool(display, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool(display, {QStringLiteral("key"), QStringLiteral("ctrl+l")});
    QThread::msleep(1000);

    auto watch = std::make_unique<XWindowWatch>();
    const std::string why = watch->open(display.toStdString(), window.toULong());
    if (!why.empty()) {
        finish();
        return fail(why.c_str());
    }
    // The filter bar's text cursor blinks: what it redraws is left out.
    const int top = watch->leaveOutDrawnWithin(1600);
    std::vector<double> first, whole;
    int unchanged = 0;
    int lost = 0;
    for (const QString& key : typingKeys()) {
        watch->takeReference();
        QProcess press;
        press.setProcessEnvironment(env);
        press.start(QStringLiteral("xdotool"), {QStringLiteral("key"), key});
        const XWindowWatch::Change c = watch->awaitKeyAndChange(3000, 400);
        press.waitForFinished(5000);
        if (qEnvironmentVariableIsSet("KBS_BENCH_VERBOSE"))
            std::fprintf(stderr, "%s %.1f %.1f\n", qPrintable(key), c.firstMs, c.lastMs);
        if (!c.keySeen)
            ++lost;
        else if (c.firstMs < 0)
            ++unchanged;
        else {
            first.push_back(c.firstMs);
            whole.push_back(c.lastMs);
        }
    }
    watch.reset();  // before its display goes
    finish();
    auto line = [&](const char* what, double ms, const char* target) {
        std::printf("| %-34s | %7d | %9.1f | %-22s |\n", what, records, ms, target);
    };
    std::printf("| %-34s | %7s | %9s | %-22s |\n", "through the window (Xvfb, xdotool)", "N", "ms",
                "target");
    line("filter key to changed screen, med.", medianOf(first), "<= 30 ms");
    line("  95th percentile", p95Of(first), "<= 60 ms");
    line("  slowest", first.empty() ? 0 : *std::max_element(first.begin(), first.end()), "");
    line("  to the last change, median", medianOf(whole), "");
    line("  to the last change, 95th pct.", p95Of(whole), "");
    std::printf(
        "|   %d keys changed the window, %d did not change it (their result was the same), %d "
        "were not seen; rows from %d down compared\n",
        int(first.size()), unchanged, lost, top);
    std::fflush(stdout);
#endif
}

}  // namespace kbs::bench
