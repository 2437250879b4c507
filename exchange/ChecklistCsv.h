#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "Checklists.h"

struct sqlite3;

namespace kbs::exchange {

// Reads a checklist from a CSV file: a heading row, then one entry a row. The headings are
// taken in any case and without regard to spaces and punctuation, in English or in one of the
// program's languages: the number ("Number", "Nr.", "No", "#") and the name ("Name",
// "Description", "Model") are needed, "Year", "Colour" and "Notes" ("Variation") may be
// there; other columns are left out. A row without number or name, with a number given
// before, or that cannot be read refuses the whole file: the AppError names its line (and up
// to four more). Blank rows are left out.
std::vector<checklists::Entry> readChecklistCsv(const QString& path);

// "OUT.csv" -> "OUT_checklists.csv": the file beside a CSV export that holds the checklists.
QString checklistsFileFor(const QString& csvPath);
// The catalogue's checklists as a CSV file, one row an entry under the headings Checklist,
// Series, Rule, Number, Name, Year, Color, Notes; empty when it has none.
QByteArray checklistsCsv(sqlite3* db);

}  // namespace kbs::exchange
