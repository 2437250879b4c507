#include "ScaledJpeg.h"

#include <QImageIOHandler>
#include <QTransform>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace kbs::exchange {

namespace {

constexpr long long kMaxPixels = 64LL * 1024 * 1024;  // as the picture loader refuses

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// into decode(), which frees what it holds and says the picture could not be read.
struct ErrorJump {
    jpeg_error_mgr mgr;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void quiet(j_common_ptr) {}  // warnings about damaged data are not printed

struct Decoded {
    unsigned char* pixels = nullptr;  // malloc'd, 4 bytes a pixel, as QImage::Format_RGB32
    int width = 0;
    int height = 0;
};

// The box a width × height picture is shown in, keeping its proportions (as QSize::scaled).
void shownSize(long long width, long long height, int fit, long long& w, long long& h) {
    w = width;
    h = height;
    if (width <= fit && height <= fit)
        return;
    const long long rw = fit * width / height;
    if (rw <= fit) {
        w = rw > 0 ? rw : 1;
        h = fit;
    } else {
        w = fit;
        h = fit * height / width > 0 ? fit * height / width : 1;
    }
}

// Only plain C data lives here: a longjmp out of libjpeg skips C++ destructors.
bool decode(const unsigned char* data, unsigned long size, int fit, Decoded* out) {
    jpeg_decompress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = jumpBack;
    error.mgr.output_message = quiet;
    jpeg_create_decompress(&info);
    unsigned char* volatile pixels = nullptr;
    if (setjmp(error.back) != 0) {
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return false;
    }
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        static_cast<long long>(info.image_width) * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    long long wantW = 0;
    long long wantH = 0;
    shownSize(info.image_width, info.image_height, fit, wantW, wantH);
    info.scale_denom = 8;
    for (unsigned n = 1; n <= 8; ++n) {
        info.scale_num = n;
        jpeg_calc_output_dimensions(&info);
        if (info.output_width >= wantW && info.output_height >= wantH)
            break;
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = JCS_EXT_BGRA;  // the bytes of 0xffRRGGBB
#else
    info.out_color_space = JCS_EXT_ARGB;
#endif
    // The picture is made smaller already: the plain upsampling of the colour planes and the
    // faster transform cannot be told apart at that size, and cost markedly less.
    info.do_fancy_upsampling = FALSE;
    info.dct_method = JDCT_IFAST;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 4;
    pixels = static_cast<unsigned char*>(std::malloc(stride * info.output_height));
    if (pixels == nullptr) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[8];
        const JDIMENSION left = info.output_height - info.output_scanline;
        const JDIMENSION count = left < 8 ? left : 8;
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = pixels + (info.output_scanline + i) * stride;
        jpeg_read_scanlines(&info, rows, count);
    }
    jpeg_finish_decompress(&info);
    out->pixels = pixels;
    out->width = int(info.output_width);
    out->height = int(info.output_height);
    jpeg_destroy_decompress(&info);
    return true;
}

// The orientation an EXIF block in the JPEG's APP1 segment gives (1..8), 1 when there is none.
// Only the segments before the picture data are looked at, each within its own length.
int exifOrientation(const unsigned char* data, size_t size) {
    size_t at = 2;  // after the start marker
    for (int segments = 0; segments < 64 && at + 4 <= size; ++segments) {
        if (data[at] != 0xff)
            return 1;
        const unsigned char marker = data[at + 1];
        if (marker == 0xff) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xda || marker == 0xd9)  // the picture data, or its end
            return 1;
        const size_t length = size_t(data[at + 2]) << 8 | data[at + 3];
        if (length < 2 || at + 2 + length > size)
            return 1;
        const unsigned char* seg = data + at + 4;
        const size_t n = length - 2;
        if (marker == 0xe1 && n >= 14 && std::memcmp(seg, "Exif\0\0", 6) == 0) {
            const unsigned char* tiff = seg + 6;
            const size_t t = n - 6;
            const bool little = tiff[0] == 'I' && tiff[1] == 'I';
            if (!little && !(tiff[0] == 'M' && tiff[1] == 'M'))
                return 1;
            const auto u16 = [&](size_t i) -> unsigned {
                return little ? unsigned(tiff[i]) | unsigned(tiff[i + 1]) << 8
                              : unsigned(tiff[i]) << 8 | unsigned(tiff[i + 1]);
            };
            const auto u32 = [&](size_t i) -> size_t {
                return little ? size_t(u16(i)) | size_t(u16(i + 2)) << 16
                              : size_t(u16(i)) << 16 | size_t(u16(i + 2));
            };
            const size_t ifd = u32(4);
            if (ifd + 2 > t)
                return 1;
            const size_t entries = u16(ifd);
            for (size_t e = 0; e < entries && ifd + 2 + (e + 1) * 12 <= t; ++e) {
                const size_t entry = ifd + 2 + e * 12;
                if (u16(entry) == 0x0112 && u16(entry + 2) == 3) {  // orientation, a SHORT
                    const unsigned value = u16(entry + 8);
                    return value >= 1 && value <= 8 ? int(value) : 1;
                }
            }
            return 1;
        }
        at += 2 + length;
    }
    return 1;
}

// The turns Qt's reader makes for an EXIF orientation.
QImageIOHandler::Transformations turnsOf(int orientation) {
    switch (orientation) {
        case 2:
            return QImageIOHandler::TransformationMirror;
        case 3:
            return QImageIOHandler::TransformationRotate180;
        case 4:
            return QImageIOHandler::TransformationFlip;
        case 5:
            return QImageIOHandler::TransformationFlipAndRotate90;
        case 6:
            return QImageIOHandler::TransformationRotate90;
        case 7:
            return QImageIOHandler::TransformationMirrorAndRotate90;
        case 8:
            return QImageIOHandler::TransformationRotate270;
        default:
            return QImageIOHandler::TransformationNone;
    }
}

// The pixels as 4 bytes each, 0xffRRGGBB in memory order, as QImage::Format_RGB32 keeps them.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kPixelSpace = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kPixelSpace = JCS_EXT_XRGB;
#endif

// Only plain C data lives here, as in decode(). `*out` is malloc'd by libjpeg (free it).
bool encode(const unsigned char* pixels, int width, int height, size_t stride, int quality,
            unsigned char** out, unsigned long* size) {
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = jumpBack;
    error.mgr.output_message = quiet;
    jpeg_create_compress(&info);
    *out = nullptr;
    *size = 0;
    if (setjmp(error.back) != 0) {
        jpeg_destroy_compress(&info);
        std::free(*out);
        *out = nullptr;
        return false;
    }
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = kPixelSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[16];
        const JDIMENSION left = info.image_height - info.next_scanline;
        const JDIMENSION count = left < 16 ? left : 16;
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = const_cast<unsigned char*>(pixels + (info.next_scanline + i) * stride);
        jpeg_write_scanlines(&info, rows, count);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

QByteArray jpegOf(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    unsigned char* data = nullptr;
    unsigned long size = 0;
    if (!encode(rgb.constBits(), rgb.width(), rgb.height(), size_t(rgb.bytesPerLine()), quality,
                &data, &size))
        return {};
    QByteArray out(reinterpret_cast<const char*>(data), qsizetype(size));
    std::free(data);
    return out;
}

QImage scaledJpeg(const QByteArray& bytes, int fit) {
    if (bytes.size() < 4 || uchar(bytes[0]) != 0xff || uchar(bytes[1]) != 0xd8)
        return {};
    Decoded d;
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                static_cast<unsigned long>(bytes.size()), fit, &d))
        return {};
    QImage image(d.pixels, d.width, d.height, qsizetype(d.width) * 4, QImage::Format_RGB32,
                 std::free, d.pixels);
    if (image.isNull()) {
        std::free(d.pixels);
        return {};
    }
    // Into the box (a square, so before or after turning alike), then upright as Qt's reader
    // would turn it (QImageReader::setAutoTransform): mirrored and flipped first, then turned a
    // quarter clockwise.
    if (image.width() > fit || image.height() > fit)
        image = image.scaled(fit, fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QImageIOHandler::Transformations turn = turnsOf(exifOrientation(
        reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size())));
    const bool mirror = turn.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = turn.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = image.mirrored(mirror, flip);
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

}  // namespace kbs::exchange
