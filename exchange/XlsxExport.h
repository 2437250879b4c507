#pragma once

#include "CsvExport.h"
#include "Headings.h"

namespace kbs::exchange {

// Writes the records of the catalogue at `catalogue` to an .xlsx workbook at `path`: one sheet,
// a frozen bold header row of the columns' headings, then a row per record. Every text cell is
// typed as text, so that a spreadsheet never reads "007" as 7 or "=1+1" as a formula; the ID is
// a number. Columns are as wide as their contents (up to a limit); the record's main picture
// sits as a small thumbnail in the last column; a linked one only when PictureSource allows its
// file (from the catalogue's folder or `pictureTrees`). `ids` as for exportCsv. An existing file is
// never replaced; on failure nothing is left behind (throws AppError naming the file).
ExportSummary exportXlsx(const QString& catalogue, const QString& path, const Headings& headings,
                         const std::optional<std::vector<std::int64_t>>& ids = std::nullopt,
                         const ExportProgressFn& progress = {},
                         const QStringList& pictureTrees = {});

}  // namespace kbs::exchange
