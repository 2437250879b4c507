#pragma once

#include <QString>

struct sqlite3;

namespace kbs::schema {

inline constexpr const char* DatabaseFileName = "mydb.mdb";
inline constexpr const char* TableName = "table1";

// The statement that makes table1 with the columns in table order.
QString createTableSql();

// Creates an empty catalogue at path. Refuses (returns false, with a reason) when any file
// already exists there: a catalogue is never replaced.
bool createEmptyCatalogue(const QString& path, QString* error = nullptr);

// Checks that the open database holds table1 with every column the program uses;
// throws AppError naming what is missing.
void verifyCatalogue(sqlite3* db);

}  // namespace kbs::schema
