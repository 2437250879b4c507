// Building a catalogue from any CSV file: no crash, and either a whole catalogue or nothing.
// A row's problems name its line, which lies within the file. The file is read from memory and
// a catalogue written, without syncing, only for a file whose rows allow it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "AppError.h"
#include "CsvImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("in.csv"));
    const QString target = dir.filePath(QStringLiteral("new.mdb"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const long lines = long(bytes.count('\n')) + long(size) + 1;
    // Strict UTF-8 with every row needed, then Windows-1252 with the sound rows alone.
    kbs::exchange::ImportOptions options;
    options.sync = false;
    for (const bool lenient : {false, true}) {
        options.skipBadRows = lenient;
        if (lenient)
            options.encoding = kbs::TextEncoding::Windows1252;
        QFile::remove(target);
        try {
            const auto result = kbs::exchange::importCsvData(bytes, csv, target, options);
            if (result.written != QFile::exists(target))
                std::abort();
            for (const auto& problem : result.problems) {
                if (problem.line < 1 || problem.line > lines)
                    std::abort();
            }
        } catch (const kbs::AppError&) {
            if (QFile::exists(target))
                std::abort();
        }
        // Nothing but the catalogue: no scratch file left.
        if (QDir(dir.path()).count() != 2u + (QFile::exists(target) ? 1u : 0u))
            std::abort();
    }
    return 0;
}
