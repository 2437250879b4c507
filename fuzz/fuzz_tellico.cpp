// Reading any Tellico collection, zipped or bare XML: no crash, no hang, and either what the
// import would take or its AppError. An input whose first byte is odd is the XML of a zip made
// around the rest (as tellico.xml, stored), so that the XML reader is fuzzed behind the zip as
// well; any other input is the file itself. Files are written in memory where /dev/shm allows.
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "AppError.h"
#include "Tellico.h"

namespace {

QString scratchFolder() {
    const QDir memory(QStringLiteral("/dev/shm"));
    return memory.exists() ? memory.filePath(QStringLiteral("kbs-fuzz-XXXXXX")) : QString();
}

bool writeZipped(const QString& path, const uint8_t* data, size_t size) {
    QFile::remove(path);
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!z)
        return false;
    zip_source_t* s = zip_source_buffer(z, data, size, 0);
    const zip_int64_t index = s ? zip_file_add(z, "tellico.xml", s, 0) : -1;
    if (index < 0) {
        zip_source_free(s);
        zip_discard(z);
        return false;
    }
    zip_set_file_compression(z, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return zip_close(z) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir(scratchFolder());
    static const QString path = dir.filePath(QStringLiteral("in.tc"));
    static const kbs::exchange::Headings headings;
    if (size > 0 && (data[0] & 1) != 0) {
        if (!writeZipped(path, data + 1, size - 1))
            std::abort();
    } else {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    try {
        const auto result = kbs::exchange::readTellico(path, headings);
        if (result.records < 0 || result.pictures < 0)
            std::abort();
    } catch (const kbs::AppError& e) {
        if (e.description().isEmpty())
            std::abort();
    }
    return 0;
}
