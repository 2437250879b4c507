// The reader of the older program's catalogues: whatever the file holds, the conversion ends —
// converted, refused or stopped by its time limit — and never crashes. libmdb may loop for ever
// on a damaged file, so each input is converted in a forked copy of this process with an alarm,
// as the program's converter runs it in a child with limits; a fork costs far less than
// starting the converter.
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "AppError.h"
#include "Conversion.h"

namespace {
constexpr unsigned kTimeLimitSeconds = 5;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("old.mdb"));
    const QString target = dir.filePath(QStringLiteral("new.mdb"));
    QFile::remove(target);
    {
        QFile f(source);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    const pid_t child = ::fork();
    if (child < 0)
        std::abort();
    if (child == 0) {
        std::signal(SIGALRM, SIG_DFL);  // libFuzzer's own handler would only look at the clock
        ::alarm(kTimeLimitSeconds);
        try {
            kbs::legacy::convertLegacyFile(source, target);
        } catch (const kbs::AppError&) {
        }
        std::fflush(nullptr);
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            std::abort();
    }
    // Stopped by its alarm is what the converter's time limit does; anything else but a
    // normal end is a fault the child has reported on standard error.
    if (WIFSIGNALED(status) ? WTERMSIG(status) != SIGALRM : WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the conversion ended with status %d\n", status);
        std::abort();
    }
    return 0;
}
