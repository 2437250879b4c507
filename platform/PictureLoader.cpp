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
    if (fill.isValid() && size.isValid() &&
        (size.width() > fill.width() || size.height() > fill.height())) {
        const QSize scaled = size.scaled(fill, Qt::KeepAspectRatioByExpanding);
        if (scaled.width() < size.width() && scaled.height() < size.height())
            reader.setScaledSize(scaled);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw AppError(err::InvalidPicture, QStringLiteral("Picture"),
                       reader.errorString().isEmpty() ? QStringLiteral("Invalid picture")
                                                      : reader.errorString());
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
