// Building a catalogue from any CSV file: no crash, and either a whole catalogue or nothing.
// A row's problems name its line, which lies within the file. The file is read from memory and
// a catalogue written, without syncing and in memory where /dev/shm allows, only for a file
// whose rows allow it.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "AppError.h"
#include "CsvImport.h"

namespace {

QString scratchFolder() {
    const QDir memory(QStringLiteral("/dev/shm"));
    return memory.exists() ? memory.filePath(QStringLiteral("kbs-fuzz-XXXXXX")) : QString();
}

}  // namespace

// The catalogues written are small and thrown away: their pages come from one static buffer
// and no connection has lookaside memory, so that the sanitizer, which hands out fresh memory
// for each allocation, is not asked for some hundred kilobytes per input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    constexpr int kPages = 64;
    int header = 0;
    sqlite3_config(SQLITE_CONFIG_PCACHE_HDRSZ, &header);
    const int slot = 4096 + header;
    static std::vector<char> pages(size_t(slot) * kPages);
    sqlite3_config(SQLITE_CONFIG_PAGECACHE, pages.data(), slot, kPages);
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir(scratchFolder());
    static const QString csv = dir.filePath(QStringLiteral("in.csv"));
    static const QString target = dir.filePath(QStringLiteral("new.mdb"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const long lines = long(bytes.count('\n')) + long(size) + 1;
    // Strict UTF-8 with every row needed; when that writes nothing, Windows-1252 with the
    // sound rows alone.
    kbs::exchange::ImportOptions options;
    options.sync = false;
    bool written = false;
    for (const bool lenient : {false, true}) {
        if (written)
            break;
        options.skipBadRows = lenient;
        if (lenient)
            options.encoding = kbs::TextEncoding::Windows1252;
        try {
            const auto result = kbs::exchange::importCsvData(bytes, csv, target, options);
            written = result.written;
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
