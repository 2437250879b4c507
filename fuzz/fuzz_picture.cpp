// Pictures from a record's bytes: anything that is not a picture is refused with an error,
// never a crash, a hang or a huge allocation. The same bytes also go through the web page's
// picture maker (its own JPEG decoder, EXIF reader and encoder), which leaves a picture out
// rather than fail.
#include <QByteArray>
#include <QGuiApplication>
#include <cstdint>

#include "AppError.h"
#include "PictureLoader.h"
#include "SharedPage.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        kbs::loadPictureBytes(bytes);
    } catch (const kbs::AppError&) {
    }
    kbs::exchange::ShareSource::made({bytes, false}, 96);
    return 0;
}
