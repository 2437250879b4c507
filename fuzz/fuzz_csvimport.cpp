// Building a catalogue from any CSV file: no crash, and either a whole catalogue or nothing.
// A row's problems name its line, which lies within the file. The file is read from memory and
// a catalogue written, without syncing and in memory where /dev/shm allows, only for a file
// whose rows allow it.
#include <sqlite3.h>

#include <sys/mman.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "AppError.h"
#include "CsvImport.h"

namespace {

QString scratchFolder() {
    const QDir memory(QStringLiteral("/dev/shm"));
    return memory.exists() ? memory.filePath(QStringLiteral("kbs-fuzz-XXXXXX")) : QString();
}

}  // namespace

// SQLite's own memory, which this target does not fuzz, is kept from the sanitizer's allocator,
// for which a catalogue written (a thousand small allocations) would cost most of the time:
// blocks of power-of-two sizes from mapped memory, reused through one free list per size.
class SqliteMemory {
public:
    static void install() {
        static const sqlite3_mem_methods methods = {&allocate, &release, &reallocate, &size,
                                                    &roundUp,  &init,    &shutdown,   nullptr};
        sqlite3_config(SQLITE_CONFIG_MALLOC, &methods);
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    }

private:
    static constexpr int kClasses = 24;  // 16 bytes to 128 MB
    static constexpr size_t kHeader = 16;

    static int classOf(size_t n) {
        int c = 0;
        while ((size_t(16) << c) < n + kHeader)
            ++c;
        return c;
    }
    static void* allocate(int n) {
        const int c = classOf(size_t(n));
        if (c >= kClasses)
            return nullptr;
        char* block = s_free[c];
        if (block) {
            s_free[c] = *reinterpret_cast<char**>(block);
        } else {
            const size_t bytes = size_t(16) << c;
            if (s_left < bytes) {
                const size_t chunk = std::max(bytes, size_t(64) << 20);
                void* p = ::mmap(nullptr, chunk, PROT_READ | PROT_WRITE,
                                 MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                if (p == MAP_FAILED)
                    return nullptr;
                s_next = static_cast<char*>(p);
                s_left = chunk;
            }
            block = s_next;
            s_next += bytes;
            s_left -= bytes;
        }
        *reinterpret_cast<int*>(block) = c;
        return block + kHeader;
    }
    static void release(void* p) {
        if (!p)
            return;
        char* block = static_cast<char*>(p) - kHeader;
        const int c = *reinterpret_cast<int*>(block);
        *reinterpret_cast<char**>(block) = s_free[c];
        s_free[c] = block;
    }
    static int size(void* p) {
        return p ? int((size_t(16) << *reinterpret_cast<int*>(static_cast<char*>(p) - kHeader)) -
                       kHeader)
                 : 0;
    }
    static void* reallocate(void* p, int n) {
        void* q = allocate(n);
        if (q && p) {
            std::memcpy(q, p, size_t(std::min(n, size(p))));
            release(p);
        }
        return q;
    }
    static int roundUp(int n) { return int((size_t(16) << classOf(size_t(n))) - kHeader); }
    static int init(void*) { return SQLITE_OK; }
    static void shutdown(void*) {}

    static inline char* s_free[kClasses] = {};
    static inline char* s_next = nullptr;
    static inline size_t s_left = 0;
};

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SqliteMemory::install();
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir(scratchFolder());
    static const QString csv = dir.filePath(QStringLiteral("in.csv"));
    static const QString target = dir.filePath(QStringLiteral("new.mdb"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const long lines = long(bytes.count('\n')) + long(size) + 1;
    // Strict UTF-8 with every row needed; when that was refused for the encoding or for rows
    // (a header refused is refused alike), Windows-1252 with the sound rows alone.
    kbs::exchange::ImportOptions options;
    options.sync = false;
    bool written = false;
    bool again = true;
    for (const bool lenient : {false, true}) {
        if (!again)
            break;
        options.skipBadRows = lenient;
        if (lenient)
            options.encoding = kbs::TextEncoding::Windows1252;
        try {
            const auto result = kbs::exchange::importCsvData(bytes, csv, target, options);
            written = result.written;
            again = !written && !result.problems.empty() && result.problems.front().line > 1;
            if (written != QFile::exists(target))
                std::abort();
            for (const auto& problem : result.problems) {
                if (problem.line < 1 || problem.line > lines)
                    std::abort();
            }
        } catch (const kbs::AppError&) {
            if (QFile::exists(target))
                std::abort();
        }
    }
    // Nothing but the catalogue: no scratch file left.
    if (QDir(dir.path()).count() != 2u + (written ? 1u : 0u))
        std::abort();
    if (written)
        QFile::remove(target);
    return 0;
}
