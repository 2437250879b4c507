// Reading a value list: any bytes give at most 32,766 values, none holding a line-ending CR,
// and the same text read twice gives the same values.
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "AppError.h"
#include "ValueListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.ini"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        const auto lines = kbs::valuelist::read(path, kbs::valuelist::MaxValues);
        if (lines.values.size() > kbs::valuelist::MaxValues)
            std::abort();
        for (const QString& v : lines.values) {
            if (v.contains(QLatin1Char('\r')))
                std::abort();
        }
        // Written back as the editor writes it, with one final CR LF, and read again: the
        // same values.
        if (lines.values.isEmpty() || lines.truncated)
            return 0;
        const QString text = lines.values.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        auto encoding = lines.encoding;
        kbs::valuelist::write(path, text, encoding);
        const auto again = kbs::valuelist::read(path, kbs::valuelist::MaxValues);
        if (again.values != lines.values)
            std::abort();
    } catch (const kbs::AppError&) {
    }
    return 0;
}
