#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "ValueHistory.h"

struct sqlite3;

namespace kbs::exchange {

// The records' value history beside a CSV export: a row an entry under the headings ID, Date,
// Value, Note, ID being the record's in the CSV file.

// "OUT.csv" -> "OUT_values.csv".
QString valuesFileFor(const QString& csvPath);

// The entries of the records `ids`, in their order, each record's oldest first; empty when they
// have none.
QByteArray valuesCsv(sqlite3* db, const std::vector<std::int64_t>& ids);

// Reads such a file (the headings in any case, the columns in any order, Note may be missing):
// every entry in file order, its texts as written. Blank rows are left out. Throws AppError
// naming the file and the line when it cannot be read, lacks a column or a row's ID is not a
// whole number.
std::vector<values::Carried> readValuesCsv(const QString& path);

}  // namespace kbs::exchange
