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

}  // namespace kbs::schema
