#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace kbs::bench {

// Writes a catalogue of n records with realistic texts at path (replacing the file).
// With pictureBytes > 0, the first pictureRecords records carry a picture of that size; with
// keepPath they also keep the path of the file the picture came from, as catalogues of the
// older program may (the embedded picture is the one shown).
void generateCatalogue(const QString& path, int n, int pictureRecords = 0,
                       const QByteArray& picture = {}, bool keepPath = false);

// Gives records 1..n of the catalogue at path the picture pictureOf(id) each, in one
// transaction.
void setPictures(const QString& path, int n, const std::function<QByteArray(int id)>& pictureOf);

// Gives records 1..n of the catalogue at path the link pathOf(id) each (picpath), in one
// transaction.
void setPicturePaths(const QString& path, int n, const std::function<QString(int id)>& pathOf);

// A JPEG of roughly the given size in bytes.
QByteArray makeJpeg(int approxBytes);

}  // namespace kbs::bench
