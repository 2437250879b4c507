#include "TextCodec.h"

#include <QStringDecoder>
#include <array>

namespace kbs::textcodec {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The unassigned ones map to the C1 control of the same
// number, which keeps decoding and encoding exact inverses over all 256 bytes.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The byte for a character in Windows-1252, or -1 when it has none.
int cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHighTable.size()); ++i) {
        if (kHighTable[size_t(i)] == c)
            return 0x80 + i;
    }
    return -1;
}

}  // namespace

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            if (b == 0xE0)
                lo = 0xA0;  // overlong
            else if (b == 0xED)
                hi = 0x9F;  // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            if (b == 0xF0)
                lo = 0x90;  // overlong
            else if (b == 0xF4)
                hi = 0x8F;  // above U+10FFFF
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (int k = 2; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

TextEncoding detect(QByteArrayView bytes) {
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decode(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                           QStringConverter::Flag::Stateless);
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = p[i];
        out[i] = (b >= 0x80 && b <= 0x9F) ? kHighTable[size_t(b - 0x80)] : char16_t(b);
    }
    return text;
}

bool canEncode(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return true;
    for (QChar c : text) {
        if (cp1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray encode(QStringView text, TextEncoding& encoding) {
    if (encoding == TextEncoding::Windows1252 && canEncode(text, encoding)) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            bytes[i] = char(cp1252Byte(text[i].unicode()));
        return bytes;
    }
    encoding = TextEncoding::Utf8;
    return text.toUtf8();
}

}  // namespace kbs::textcodec
