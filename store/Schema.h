#pragma once

#include <QString>

struct sqlite3;

namespace kbs::schema {

inline constexpr const char* DatabaseFileName = "mydb.mdb";
inline constexpr const char* TableName = "table1";

// The statement that makes table1 with the columns in table order.
QString createTableSql();

// Creates an empty catalogue at path. Refuses (throws AppError with the reason) when any file
// already exists there: a catalogue is never replaced.
void createEmptyCatalogue(const QString& path);

// Checks that the open database holds table1 with every column the program uses;
// throws AppError naming what is missing.
void verifyCatalogue(sqlite3* db);

// Keeps whole-table reads off the pictures' pages: an index over every column that table1
// stores before binpicdata, ID first, so that a scan of it delivers the rows in the table's
// own order; and a note in sqlite_stat1 that table1's rows are large, without which the query
// planner, which counts a BLOB as a few bytes, would rather scan the table. Added once, in
// one transaction, to a catalogue that lacks them; a catalogue that cannot be written is left
// as it is and reads as before. Returns whether both are in place.
inline constexpr const char* TextIndexName = "table1_texts";
bool ensureTextIndex(sqlite3* db);

// A record's further pictures (its own picture in table1 is its first, main one) and the small
// images the gallery and the panel's strip draw, one per picture. Both tables are keyed by
// table1's ID; deleting a record deletes its rows here in the same transaction.
inline constexpr const char* PicturesTable = "record_pictures";
inline constexpr const char* ThumbsTable = "picture_thumbs";
inline constexpr const char* PicturesTableSql =
    "CREATE TABLE IF NOT EXISTS record_pictures ("
    "pic_id INTEGER PRIMARY KEY, "
    "record_id INTEGER NOT NULL, "  // table1.ID
    "position INTEGER NOT NULL, "   // 2, 3, ... in display order
    "bytes BLOB, "                  // the embedded picture, or NULL when linked
    "path TEXT, "                   // the linked picture's path, or NULL when embedded
    "caption TEXT); "
    "CREATE INDEX IF NOT EXISTS record_pictures_record ON record_pictures (record_id, position)";
inline constexpr const char* ThumbsTableSql =
    "CREATE TABLE IF NOT EXISTS picture_thumbs ("
    "record_id INTEGER NOT NULL, "
    "position INTEGER NOT NULL, "  // 1 = table1's picture, 2.. = record_pictures.position
    "source TEXT NOT NULL, "       // what it was made from: the bytes' hash, or path|size|mtime
    "jpeg BLOB NOT NULL, "
    "PRIMARY KEY (record_id, position))";

// Adds both tables to a catalogue that lacks them. A catalogue that cannot be written is left as
// it is; returns whether the tables are there.
bool ensurePictureTables(sqlite3* db);

}  // namespace kbs::schema
