#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kbs {

// The picture loader: reads a picture file or picture bytes, whatever the format, refusing
// what is not a picture and what would take unreasonable memory (a header that claims a
// huge size). Throws AppError with the loader's own description on failure.
QImage loadPictureFile(const QString& path);
QImage loadPictureBytes(const QByteArray& bytes);

}  // namespace kbs
