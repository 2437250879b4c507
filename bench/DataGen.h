#pragma once

#include <QByteArray>
#include <QString>

namespace kbs::bench {

// Writes a catalogue of n records with realistic texts at path (replacing the file).
// With pictureBytes > 0, the first pictureRecords records carry a picture of that size.
void generateCatalogue(const QString& path, int n, int pictureRecords = 0,
                       const QByteArray& picture = {});

// A JPEG of roughly the given size in bytes.
QByteArray makeJpeg(int approxBytes);

}  // namespace kbs::bench
