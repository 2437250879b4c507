#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kbs {

// The picture loader: reads a picture file or picture bytes, whatever the format, refusing
// what is not a picture and what would take unreasonable memory (a header that claims a
// huge size). Throws AppError with the loader's own description on failure.
//
// With a size to fill, a larger picture is decoded straight to the smallest size that still
// covers it (JPEG decodes that way far faster), keeping its proportions.
// A picture file must be a regular file of at most MaxPictureFileBytes; anything else is refused
// with a description naming the file.
inline constexpr qint64 MaxPictureFileBytes = 512LL * 1024 * 1024;
QImage loadPictureFile(const QString& path, const QSize& fill = {});
QImage loadPictureBytes(const QByteArray& bytes, const QSize& fill = {});

// Why these bytes are not a picture the window can show, or empty when they are one: the
// loader's own check, decoding to a small size to be quick.
QString pictureProblem(const QByteArray& bytes);
// A picture scaled smoothly to the size given, in a time bounded by that size whatever the
// picture's shape: a side longer than 8192 pixels is only sampled (a smooth scale of a picture
// 4 pixels wide and 4 million high to 1 x 1 million took half a minute).
QImage smoothlyScaled(const QImage& picture, const QSize& size);

}  // namespace kbs
