#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct sqlite3;

namespace kbs::pictures {

// A record's further picture as stored (its bytes are read only when asked for).
struct Further {
    std::int64_t picId = 0;
    int position = 0;  // 2, 3, ...
    bool embedded = false;
    qint64 size = 0;  // the embedded bytes
    QString path;     // the linked file
    QString caption;
};

// The record's further pictures in display order; none when the catalogue has no such table.
std::vector<Further> furtherOf(sqlite3* db, std::int64_t recordId);
// The bytes of an embedded further picture; empty for a linked one or one that is gone.
QByteArray bytesOf(sqlite3* db, std::int64_t picId);
// The embedded bytes of the record's picture at `position`: 1 is its main picture in table1,
// 2, 3, ... its further pictures. Empty for a linked picture or one that is not there.
QByteArray bytesAt(sqlite3* db, std::int64_t recordId, int position);

// One picture of a record as the detail panel leaves it, in display order: the first is the
// record's main picture (table1's), the others its further pictures.
struct Kept {
    enum class From { Main, Stored, New };
    From from = From::New;
    std::int64_t picId = 0;  // Stored: its row
    QByteArray bytes;        // New, embedded
    QString path;            // New, linked
    QString caption;         // further pictures only
};

// Writes the record's pictures as kept: the first becomes table1's picture (the main picture
// as stored moves to its new place among the further ones), the rest the further pictures in
// their order; rows not kept are removed, and so are the record's thumbnails, which are made
// again from the pictures. Runs inside the caller's transaction, after the record's row was
// written; throws AppError.
void writeKept(sqlite3* db, std::int64_t recordId, const std::vector<Kept>& kept);

// Removes the record's further pictures and thumbnails, inside the caller's transaction.
void deleteOf(sqlite3* db, std::int64_t recordId);

// The record's thumbnails: (position, JPEG) in position order.
std::vector<std::pair<int, QByteArray>> thumbsOf(sqlite3* db, std::int64_t recordId);

}  // namespace kbs::pictures
