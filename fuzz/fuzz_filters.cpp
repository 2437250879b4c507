// The file dialog control's own logic: the filter conversion and cutting at NUL.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "OpenSaveDialog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString converted = kbs::OpenSaveDialog::convertFilter(text);
    if (!text.isEmpty() && !converted.endsWith(QString(2, QChar(0))))
        std::abort();
    const QString cut = kbs::OpenSaveDialog::cutAtNul(text);
    if (cut.contains(QChar(0)) || !text.startsWith(cut))
        std::abort();
    return 0;
}
