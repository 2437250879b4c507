#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ExportSummary.h"
#include "Headings.h"

namespace kbs::exchange {

// Writes the records of the catalogue at `catalogue` to an .xlsx workbook at `path`: one sheet,
// a frozen bold header row of the columns' headings, then a row per record. Every text cell is
// typed as text, so that a spreadsheet never reads "007" as 7 or "=1+1" as a formula; the ID is
// a number. The collector's own fields and the tags (when a record has one) follow the
// described columns, a number or an amount as a number, anything else as its stored text.
// Columns are as wide as their contents (up to a limit); the record's main picture
// sits as a small thumbnail in the last column; a linked one only when PictureSource allows its
// file (from the catalogue's folder or `pictureTrees`). `ids` gives the records and their order,
// as for exportCsv. An existing file is never replaced; on failure nothing is left behind (throws
// AppError naming the file).
ExportSummary exportXlsx(const QString& catalogue, const QString& path, const Headings& headings,
                         const std::optional<std::vector<std::int64_t>>& ids = std::nullopt,
                         const ExportProgressFn& progress = {},
                         const QStringList& pictureTrees = {});

// A text as a cell holds it, as UTF-8: every character kept, except what the format cannot
// hold. A cell's text has no NUL: NUL characters are left out (withoutNul). A text that reads
// like the format's own escape of a character ("_x0041_") gets the escape of its underscore
// ("_x005F_") in front, so that it reads back as written. A text longer than a cell holds
// (maxChars, counted both in the UTF-16 units a spreadsheet reads and in the characters the
// writer writes, escapes included) is cut between two characters, never inside one (cut).
inline constexpr qsizetype MaxCellChars = 32767;  // the most a cell holds, in UTF-16 units
struct CellText {
    std::string utf8;
    bool cut = false;
    bool withoutNul = false;
};
CellText cellText(const QString& value, qsizetype maxChars = MaxCellChars);

}  // namespace kbs::exchange
