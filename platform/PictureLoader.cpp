#include "PictureLoader.h"

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
    // A picture of a few colours (a 1-bit or palette PNG, a GIF) loses its colour table when
    // the reader scales it, coming out white or dithered: such a picture is read whole, made
    // true colour, and scaled here. Any other is scaled by the reader (a JPEG in its decoder).
    const QImage::Format format = reader.imageFormat();
    const bool indexed = format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
                         format == QImage::Format_Indexed8;
    if (scaled.isValid() && !indexed)
        reader.setScaledSize(scaled);
    QImage image = reader.read();
    if (image.isNull()) {
        throw AppError(err::InvalidPicture, QStringLiteral("Picture"),
                       reader.errorString().isEmpty() ? QStringLiteral("Invalid picture")
                                                      : reader.errorString());
    }
    if (scaled.isValid() && indexed) {
        if (image.size() != size && image.size() == size.transposed())
            scaled.transpose();  // turned upright by the reader
        image = image
                    .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32)
                    .scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

QString pictureProblem(const QByteArray& bytes) {
    try {
        loadPictureBytes(bytes, QSize(64, 64));
        return {};
    } catch (const AppError& e) {
        return e.description();
    }
}

}  // namespace kbs
