// Building a catalogue from any CSV file: no crash, and either a whole catalogue or nothing.
// A row's problems name its line, which lies within the file.
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
    QFile file(csv);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const long lines =
        long(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).count('\n')) +
        long(size) + 1;
    for (const bool skip : {false, true}) {
        QFile::remove(target);
        try {
            const auto result = kbs::exchange::importCsv(csv, target, skip);
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
        if (QFile::exists(target + QStringLiteral(".part")))
            std::abort();
    }
    return 0;
}
