#pragma once

#include <QString>
#include <vector>

namespace kbs::merge {

// Adds every record of the catalogue at `from`, with its further pictures, to the catalogue at
// `catalogue`, in one transaction: each under a new ID after the largest, in the order of their
// IDs there, with the collector's own values and tags (a field the catalogue lacks is added).
// Returns the new IDs. Throws AppError, leaving the catalogue as it was, when either
// cannot be read or written.
std::vector<qint64> addRecords(const QString& catalogue, const QString& from);

// Takes the records with these IDs out of the catalogue again, with their further pictures
// and thumbnails, in one transaction. Throws AppError, leaving the catalogue as it was.
void removeRecords(const QString& catalogue, const std::vector<qint64>& ids);

}  // namespace kbs::merge
