#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "Schema.h"

struct sqlite3;

namespace kbs::deleted {

// Deleted records are kept this many days in tables of their own, so that a delete can be
// undone; thereafter they are gone.
inline constexpr int KeepDays = 30;
inline constexpr const char* RecordsTable = schema::DeletedRecordsTable;
inline constexpr const char* PicturesTable = schema::DeletedPicturesTable;

// Within the caller's transaction, before record `id` of table1 is deleted: copies it and its
// further pictures into the tables of deleted records and removes its further pictures and
// thumbnails. Throws AppError.
void keep(sqlite3* db, qint64 id, const QDateTime& when);

struct Record {
    qint64 id = 0;
    QString description;
    QDateTime deletedAt;
    int pictures = 0;  // its own and its further ones
};
// The deleted records kept, the latest deleted first.
std::vector<Record> list(sqlite3* db);

// In one transaction: record `id` goes back into table1 with its ID (a new one where another
// record has that ID now) and its further pictures, and leaves the deleted records. Returns
// the ID it has. Throws AppError.
qint64 bringBack(sqlite3* db, qint64 id);

// Forgets the records deleted before `limit`; a catalogue that cannot be written is left alone.
void forgetBefore(sqlite3* db, const QDateTime& limit);

}  // namespace kbs::deleted
