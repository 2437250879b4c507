#pragma once

#include <QString>
#include <vector>

#include "Headings.h"
#include "ValueHistory.h"

struct sqlite3;

namespace kbs::exchange {

// A price guide: a CSV file of valuations, a row each. Its first line names the columns: the
// record's ID, or its Description, Number and Version # (any heading the CSV import takes for
// these), and the valuation's date, value and note ("Date", "Value", "Note", "Price", "Source",
// in any case, and their translations). Other columns are left out.
//
// Reads the whole file; throws AppError naming the file and the line when it cannot be read,
// lacks the columns, or a row has no date or value the catalogue can read (a valuation whose
// amount or date would not count). Nothing is stored then.
std::vector<values::Valuation> readPriceGuide(const QString& path, const Headings& headings);

// kbsmgr-import --values FILE.csv CATALOGUE.mdb: adds the valuations to the catalogue in one
// transaction and tells on standard output what became of every row ("matched", "not
// matched", "ambiguous" lines, then "added N valuations, M already there"). Exit status 0, or 1
// when the file was refused or the catalogue could not be written (nothing stored).
int runValuesImport(const QString& source, const QString& catalogue, const Headings& headings);

// One summary of an import for a person: how many were added, and the rows not matched and
// ambiguous.
QString describe(const values::Applied& applied);

}  // namespace kbs::exchange
