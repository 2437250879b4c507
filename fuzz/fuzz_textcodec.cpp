// Text decoding and encoding of value lists and tips: any bytes decode, and a decoded text
// written back in its encoding gives the same bytes.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto encoding = kbs::textcodec::detect(bytes);
    const QString text = kbs::textcodec::decode(bytes, encoding);
    auto again = encoding;
    const QByteArray back = kbs::textcodec::encode(text, again);
    if (again == encoding && back != bytes)
        std::abort();
    return 0;
}
