#include "ScaledJpeg.h"

#include <QBuffer>
#include <QImageReader>
#include <QTransform>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

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

}  // namespace

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
    // Upright as Qt's reader would turn it (QImageReader::setAutoTransform): mirrored and
    // flipped first, then turned a quarter clockwise.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImageIOHandler::Transformations turn = QImageReader(&buffer).transformation();
    const bool mirror = turn.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = turn.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = image.mirrored(mirror, flip);
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    if (image.width() > fit || image.height() > fit)
        image = image.scaled(fit, fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

}  // namespace kbs::exchange
