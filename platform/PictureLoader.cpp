#include "PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "AppError.h"
#include "RegularFile.h"

namespace kbs {

namespace {
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;  // 64 megapixels

// A side longer than any screen's comes only of a picture of an extreme shape, whose smooth
// scale Qt splits into a task per few lines: it is sampled only.
constexpr int kLongestSmooth = 8192;

QImage readFrom(QImageReader& reader, const QSize& fill) {
    reader.setAutoTransform(true);
    reader.setAllocationLimit(512);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        throw AppError(err::InvalidPicture, QStringLiteral("Picture"),
                       QStringLiteral("The picture claims %1 x %2 pixels, more than can be shown.")
                           .arg(size.width())
                           .arg(size.height()));
    }
    QSize scaled;
    if (fill.isValid() && size.isValid() &&
        (size.width() > fill.width() || size.height() > fill.height())) {
        scaled = size.scaled(fill, Qt::KeepAspectRatioByExpanding);
        if (scaled.width() >= size.width() || scaled.height() >= size.height())
            scaled = QSize();
    }
    // A picture of a few colours (a 1-bit or palette PNG, a GIF) loses its colour table when
    // the reader scales it, coming out white or dithered; one of an extreme shape takes the
    // reader's smooth scale half a minute. Such a picture is read whole and scaled here; any
    // other by the reader (a JPEG in its decoder). Only a picture to scale whose header was
    // read is asked its format, and a JPEG (which has no colour table) never: Qt's JPEG reader
    // answers imageFormat() with an undefined value on a damaged header.
    bool indexed = false;
    if (scaled.isValid() && reader.format() != "jpeg") {
        const QImage::Format format = reader.imageFormat();
        indexed = format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
                  format == QImage::Format_Indexed8;
    }
    const bool ours =
        indexed || scaled.width() > kLongestSmooth || scaled.height() > kLongestSmooth;
    if (scaled.isValid() && !ours)
        reader.setScaledSize(scaled);
    QImage image = reader.read();
    if (image.isNull()) {
        throw AppError(err::InvalidPicture, QStringLiteral("Picture"),
                       reader.errorString().isEmpty() ? QStringLiteral("Invalid picture")
                                                      : reader.errorString());
    }
    if (scaled.isValid() && ours) {
        if (image.size() != size && image.size() == size.transposed())
            scaled.transpose();  // turned upright by the reader
        if (indexed) {
            image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
        }
        image = smoothlyScaled(image, scaled);
    }
    return image;
}
}  // namespace

QImage loadPictureFile(const QString& path, const QSize& fill) {
    QFile file;
    regularfile::open(file, path, MaxPictureFileBytes);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return readFrom(reader, fill);
}

QImage loadPictureBytes(const QByteArray& bytes, const QSize& fill) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return readFrom(reader, fill);
}

QImage smoothlyScaled(const QImage& picture, const QSize& size) {
    const bool extreme = size.width() > kLongestSmooth || size.height() > kLongestSmooth;
    return picture.scaled(size, Qt::IgnoreAspectRatio,
                          extreme ? Qt::FastTransformation : Qt::SmoothTransformation);
}

QString pictureProblem(const QByteArray& bytes) {
    try {
        loadPictureBytes(bytes, QSize(64, 64));
        return {};
    } catch (const AppError& e) {
        return e.description();
    }
}

}  // namespace kbs
