// The file dialog control's own logic: the filter conversion, cutting at NUL, and taking a
// multiple selection apart.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "OpenSaveDialog.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString converted = kbs::OpenSaveDialog::convertFilter(text);
    if (!text.isEmpty() && !converted.endsWith(QString(2, QChar(0))))
        std::abort();
    kbs::OpenSaveDialog::cutAtNul(text);
    static kbs::OpenSaveDialog dialog;
    dialog.setFileName(text);
    QString dir;
    QStringList files;
    qint32 count = 0;
    dialog.ParseMultiFileName(dir, files, count);
    if (count < 0 || count != files.size())
        std::abort();
    return 0;
}
