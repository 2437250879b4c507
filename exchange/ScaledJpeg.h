#pragma once

#include <QByteArray>
#include <QImage>

namespace kbs::exchange {

// A JPEG decoded by libjpeg straight at the smallest multiple of an eighth of its size that still
// covers a fit × fit box (the scaling happens in the decoder's inverse DCT, at a fraction of the
// work of decoding in full and scaling after), turned upright as its EXIF orientation says, and
// scaled smoothly into the box only if it is still larger. A null image when the bytes are not a
// JPEG this can read (a colour space other than grey or YCbCr, a broken header, more than 64
// megapixels): the picture loader then tries them.
QImage scaledJpeg(const QByteArray& bytes, int fit);

// The image as a baseline JPEG of the given quality (0-100), written by libjpeg straight from
// its rows: a JFIF header and the pixels, nothing else (no EXIF, no comment). Empty if the
// encoder fails.
QByteArray jpegOf(const QImage& image, int quality);

}  // namespace kbs::exchange
