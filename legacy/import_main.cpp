// kbsmgr-import: converts a catalogue of the older Windows program, or a CSV file, into a new
// catalogue.
//
//   kbsmgr-import [--time-limit=SECONDS] [--memory-limit=BYTES] [--] OLD.mdb NEW.mdb
//   kbsmgr-import [--skip-bad-rows] [--pictures-from DIR] [--encoding=windows-1252] [--]
//                 IN.csv NEW.mdb
//
// A source with the header of a Jet or ACE database, or named *.mdb or *.accdb, is an old
// catalogue; anything else is read as a CSV file (see exchange/CsvImport.h). A CSV file is read
// in this process: only libmdb needs the child with its limits. Every row is checked; each
// problem is one line "kbsmgr-import: IN.csv line N: REASON." on standard error, and nothing
// is written unless every row is sound. --skip-bad-rows writes the sound rows and lists the
// others. Picture files come from IN.csv's folder tree, or DIR's with --pictures-from. The file
// must be UTF-8 unless --encoding=windows-1252 says it is not. Standard output: "note: TEXT"
// lines, then "imported N records" (", skipped M rows").
//
// At start the scratch files that killed runs for the same NEW.mdb left are removed.
//
// OLD.mdb is only read. NEW.mdb must not exist; it appears only when every record was read,
// written and checked. libmdb can crash, loop or exhaust memory on a damaged file, so the
// reading always happens in a child process with a time and an address-space limit (by
// default from the file's size): run by hand, this command starts itself as that child and
// reports whatever ends it; the program starts the child directly ("--child"), with the same
// limits, so that a damaged file cannot hang or exhaust it either.
//
// Standard output: "progress DONE TOTAL" lines, "note: TEXT" lines, then "converted N records".
// Standard error: on failure one line "kbsmgr-import: MESSAGE", which names the file and what
// went wrong, after at most a few kilobytes of libmdb's own warnings.
// Exit status: 0 converted, 1 not converted (nothing written), 2 wrong arguments; the child
// alone also uses 3, time limit reached.
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Conversion.h"
#include "CsvImport.h"
#include "ImportProcess.h"
#include "PartFiles.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitTimeLimit = 3;

// The scratch file of a child stopped by its time limit is removed by whoever started it, or
// by the next import to the same target.
char g_timeMessage[512];

extern "C" void onTimeLimit(int) {
    const ssize_t ignored = ::write(STDERR_FILENO, g_timeMessage, std::strlen(g_timeMessage));
    (void)ignored;
    ::_exit(kExitTimeLimit);
}

int usage() {
    std::fprintf(stderr,
                 "usage: kbsmgr-import [--time-limit=SECONDS] [--memory-limit=BYTES] [--] "
                 "OLD.mdb NEW.mdb\n"
                 "       kbsmgr-import [--skip-bad-rows] [--pictures-from DIR] "
                 "[--encoding=windows-1252] [--] IN.csv NEW.mdb\n");
    return kExitUsage;
}

// Builds the new catalogue from a CSV file and tells what became of every row.
int importCsvFile(const char* sourceArg, const QString& source, const QString& target,
                  const kbs::exchange::ImportOptions& options) {
    const bool skipBadRows = options.skipBadRows;
    kbs::exchange::ImportResult result;
    try {
        result = kbs::exchange::importCsv(source, target, options);
    } catch (const kbs::AppError& e) {
        std::fprintf(stderr, "kbsmgr-import: %s\n",
                     kbs::exchange::escapeControls(e.description()).toUtf8().constData());
        return kExitFailed;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "kbsmgr-import: %s needs more memory than there is.\n", sourceArg);
        return kExitFailed;
    }
    const char* skipped = result.written ? " The row was skipped." : "";
    for (const auto& problem : result.problems) {
        // One line each, whatever the file holds.
        const QString what = kbs::exchange::escapeControls(problem.what);
        std::fprintf(stderr, "kbsmgr-import: %s line %ld: %s.%s\n", sourceArg, problem.line,
                     what.toUtf8().constData(), skipped);
    }
    const long unlisted = result.badRows - long(result.problems.size());
    if (unlisted > 0)
        std::fprintf(stderr, "kbsmgr-import: %s: and %ld more rows like these.\n", sourceArg,
                     unlisted);
    if (!result.written) {
        std::fprintf(stderr,
                     "kbsmgr-import: %s: %ld row(s) cannot be imported as written, so nothing "
                     "was written%s.\n",
                     sourceArg, result.badRows,
                     result.badRows > 0 && result.problems.front().line > 1 && !skipBadRows
                         ? " (--skip-bad-rows imports the others)"
                         : "");
        return kExitFailed;
    }
    for (const QString& note : result.notes)
        std::printf("note: %s\n", note.toUtf8().constData());
    if (result.badRows > 0)
        std::printf("imported %ld records, skipped %ld rows\n", result.records, result.badRows);
    else
        std::printf("imported %ld records\n", result.records);
    return 0;
}

bool numberAfter(const char* arg, const char* option, long long& out) {
    const size_t n = std::strlen(option);
    if (std::strncmp(arg, option, n) != 0)
        return false;
    char* end = nullptr;
    out = std::strtoll(arg + n, &end, 10);
    return end && *end == '\0' && end != arg + n && out > 0;
}

// Runs this command again as its own child, with the limits, and tells what ended it.
int supervise(int argc, char** argv, const QString& source, const QString& target,
              const kbs::legacy::ImportLimits& limits) {
    QCoreApplication app(argc, argv);
    kbs::legacy::ImportProcess job(QCoreApplication::applicationFilePath(), source, target, limits);
    QObject::connect(&job, &kbs::legacy::ImportProcess::progress, [](long done, long total) {
        std::printf("progress %ld %ld\n", done, total);
        std::fflush(stdout);
    });
    QEventLoop loop;
    QObject::connect(&job, &kbs::legacy::ImportProcess::finished, &loop, &QEventLoop::quit);
    job.start();
    if (job.isRunning())
        loop.exec();
    const kbs::legacy::ImportOutcome& outcome = job.outcome();
    if (outcome.status == kbs::legacy::ImportOutcome::Status::Converted) {
        for (const QString& note : outcome.notes)
            std::printf("note: %s\n", note.toUtf8().constData());
        std::printf("converted %ld records\n", outcome.records);
        return 0;
    }
    // A child that was killed or crashed leaves its scratch file: nothing of it stays.
    kbs::partfiles::removeLitter(target);
    std::fwrite(outcome.firstOtherErrors.constData(), 1, size_t(outcome.firstOtherErrors.size()),
                stderr);
    const long left = outcome.otherErrorLines - long(outcome.firstOtherErrors.count('\n'));
    if (left > 0)
        std::fprintf(stderr, "(%ld more lines of warnings from the reader left out)\n", left);
    std::fprintf(stderr, "kbsmgr-import: %s\n", outcome.error.toUtf8().constData());
    return kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    long long seconds = 0;
    long long memory = 0;
    bool child = false;
    kbs::exchange::ImportOptions csvOptions;
    bool csvOnly = false;
    const char* paths[2] = {nullptr, nullptr};
    int pathCount = 0;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (options && std::strcmp(arg, "--") == 0) {
            options = false;  // what follows are paths, even when they start with '-'
        } else if (!options) {
            if (pathCount == 2)
                return usage();
            paths[pathCount++] = arg;
        } else if (std::strcmp(arg, "--child") == 0) {
            child = true;
        } else if (std::strcmp(arg, "--skip-bad-rows") == 0) {
            csvOptions.skipBadRows = csvOnly = true;
        } else if (std::strcmp(arg, "--pictures-from") == 0) {
            if (++i == argc)
                return usage();
            csvOptions.picturesFrom = QFile::decodeName(argv[i]);
            csvOnly = true;
        } else if (std::strncmp(arg, "--encoding=", 11) == 0) {
            if (strcasecmp(arg + 11, "windows-1252") == 0 || strcasecmp(arg + 11, "cp1252") == 0)
                csvOptions.encoding = kbs::TextEncoding::Windows1252;
            else if (strcasecmp(arg + 11, "utf-8") == 0 || strcasecmp(arg + 11, "utf8") == 0)
                csvOptions.encoding = kbs::TextEncoding::Utf8;
            else
                return usage();
            csvOnly = true;
        } else if (std::strncmp(arg, "--time-limit=", 13) == 0) {
            if (!numberAfter(arg, "--time-limit=", seconds))
                return usage();
        } else if (std::strncmp(arg, "--memory-limit=", 15) == 0) {
            if (!numberAfter(arg, "--memory-limit=", memory))
                return usage();
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return usage();
        } else if (pathCount < 2) {
            paths[pathCount++] = arg;
        } else {
            return usage();
        }
    }
    if (pathCount != 2)
        return usage();

    const QString source = QString::fromLocal8Bit(paths[0]);
    const QString target = QString::fromLocal8Bit(paths[1]);
    kbs::partfiles::removeLitter(target);
    // The program's own start-up conversion ("--child") is always of an old catalogue.
    if (!child && kbs::exchange::isCsvSource(source))
        return importCsvFile(paths[0], source, target, csvOptions);
    if (csvOnly) {
        std::fprintf(stderr,
                     "kbsmgr-import: --skip-bad-rows, --pictures-from and --encoding are for CSV "
                     "files only.\n");
        return kExitUsage;
    }
    const kbs::legacy::ImportLimits defaults =
        kbs::legacy::defaultImportLimits(QFileInfo(source).size());
    if (seconds == 0)
        seconds = defaults.seconds;
    if (memory == 0)
        memory = defaults.memoryBytes;
    if (!child)
        return supervise(argc, argv, source, target, {int(seconds), memory});

    kbs::legacy::limitAddressSpace(memory);
    std::snprintf(g_timeMessage, sizeof g_timeMessage,
                  "kbsmgr-import: Reading %s took longer than %lld seconds, so it was stopped: "
                  "the file is probably damaged.\n",
                  paths[0], seconds);
    std::signal(SIGALRM, onTimeLimit);
    ::alarm(unsigned(seconds));

    try {
        const auto summary = kbs::legacy::convertLegacyFile(
            source, target, [last = -1L](long done, long total) mutable {
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
    } catch (const kbs::AppError& e) {
        std::fprintf(stderr, "kbsmgr-import: %s\n", e.description().toUtf8().constData());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr,
                     "kbsmgr-import: Reading %s needed more than %lld MB of memory, so it was "
                     "stopped: the file is probably damaged.\n",
                     paths[0], memory / (1024 * 1024));
    }
    return kExitFailed;
}
