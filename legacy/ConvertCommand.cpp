#include "ConvertCommand.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

#include "AppError.h"
#include "Conversion.h"
#include "SafeFile.h"

namespace kbs::legacy {

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitTimeLimit = 3;

// The scratch file of a child stopped by its time limit is removed by whoever started it, or
// by the next import to the same target.
char g_timeMessage[512];

extern "C" void onTimeLimit(int) {
    const ssize_t ignored = ::write(STDERR_FILENO, g_timeMessage, std::strlen(g_timeMessage));
    (void)ignored;
    ::_exit(kExitTimeLimit);
}

}  // namespace

int superviseConversion(int argc, char** argv, const QString& source, const QString& target,
                        const ImportLimits& limits) {
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    ImportProcess job(QCoreApplication::applicationFilePath(), source, target, limits);
    QObject::connect(&job, &ImportProcess::progress, [](long done, long total) {
        std::printf("progress %ld %ld\n", done, total);
        std::fflush(stdout);
    });
    QEventLoop loop;
    QObject::connect(&job, &ImportProcess::finished, &loop, &QEventLoop::quit);
    job.start();
    if (job.isRunning())
        loop.exec();
    const ImportOutcome& outcome = job.outcome();
    if (outcome.status == ImportOutcome::Status::Converted) {
        for (const QString& note : outcome.notes)
            std::printf("note: %s\n", note.toUtf8().constData());
        std::printf("converted %ld records\n", outcome.records);
        return 0;
    }
    // A child that was killed or crashed leaves its scratch file: nothing of it stays.
    safefile::removeLeftovers(target);
    std::fwrite(outcome.firstOtherErrors.constData(), 1, size_t(outcome.firstOtherErrors.size()),
                stderr);
    const long left = outcome.otherErrorLines - long(outcome.firstOtherErrors.count('\n'));
    if (left > 0)
        std::fprintf(stderr, "(%ld more lines of warnings from the reader left out)\n", left);
    std::fprintf(stderr, "kbsmgr-import: %s\n", outcome.error.toUtf8().constData());
    return kExitFailed;
}

int convertAsChild(const char* sourceArg, const QString& source, const QString& target,
                   const ImportLimits& limits) {
    limitAddressSpace(limits.memoryBytes);
    std::snprintf(g_timeMessage, sizeof g_timeMessage,
                  "kbsmgr-import: Reading %s took longer than %d seconds, so it was stopped: "
                  "the file is probably damaged.\n",
                  sourceArg, limits.seconds);
    std::signal(SIGALRM, onTimeLimit);
    ::alarm(unsigned(limits.seconds));

    try {
        const auto summary =
            convertLegacyFile(source, target, [last = -1L](long done, long total) mutable {
                // About a hundred lines for a whole catalogue, whatever its size.
                const long step = total > 100 ? total / 100 : 1;
                if (done == 0 || done == total || done - last >= step) {
                    std::printf("progress %ld %ld\n", done, total);
                    std::fflush(stdout);
                    last = done;
                }
            });
        ::alarm(0);
        for (const QString& note : summary.notes)
            std::printf("note: %s\n", note.toUtf8().constData());
        std::printf("converted %ld records\n", summary.records);
        std::fflush(stdout);
        return 0;
    } catch (const AppError& e) {
        std::fprintf(stderr, "kbsmgr-import: %s\n", e.description().toUtf8().constData());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr,
                     "kbsmgr-import: Reading %s needed more than %lld MB of memory, so it was "
                     "stopped: the file is probably damaged.\n",
                     sourceArg, static_cast<long long>(limits.memoryBytes / (1024 * 1024)));
    }
    return kExitFailed;
}

}  // namespace kbs::legacy
