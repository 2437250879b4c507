#include "PictureLoader.h"

#include <algorithm>

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "AppError.h"
#include "RegularFile.h"

namespace kbs {

namespace {
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;  // 64 megapixels

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
    // A JPEG is scaled by its decoder, at a fraction of the work. Any other picture is read
    // whole and scaled here, made true colour first: a picture of a few colours (a 1-bit or
    // palette PNG, a GIF) scaled as it is comes out white or dithered. (The reader's
    // imageFormat() is not asked: on a damaged JPEG it answers with an undefined value.)
    const bool byDecoder = reader.format() == "jpeg";
    if (scaled.isValid() && byDecoder)
        reader.setScaledSize(scaled);
    QImage image = reader.read();
    if (image.isNull()) {
        throw AppError(err::InvalidPicture, QStringLiteral("Picture"),
                       reader.errorString().isEmpty() ? QStringLiteral("Invalid picture")
                                                      : reader.errorString());
    }
    if (scaled.isValid() && !byDecoder) {
        if (image.size() != size && image.size() == size.transposed())
            scaled.transpose();  // turned upright by the reader
        const QImage::Format f = image.format();
        if (f == QImage::Format_Mono || f == QImage::Format_MonoLSB ||
            f == QImage::Format_Indexed8) {
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
    const QSize near(std::min(picture.width(), 2 * size.width()),
                     std::min(picture.height(), 2 * size.height()));
    // A side longer than any screen's comes only of a picture of an extreme shape, whose
    // smooth scale Qt splits into a task per few lines: it is sampled only.
    constexpr int kLongestSmooth = 8192;
    if (size.width() > kLongestSmooth || size.height() > kLongestSmooth)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sampled = near == picture.size() ? picture
                                                  : picture.scaled(near, Qt::IgnoreAspectRatio,
                                                                   Qt::FastTransformation);
    return sampled.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
