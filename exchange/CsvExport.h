#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ExportSummary.h"
#include "OwnFields.h"

namespace kbs::exchange {

// Appends one field to a CSV row, quoted where it must be. A text a spreadsheet would run as a
// formula gets one more leading single quote, which the reader removes again.
void appendField(std::string& row, std::string_view text);

// The folder beside a CSV file that receives its pictures: "OUT.csv" -> "OUT_pictures".
QString picturesFolderFor(const QString& csvPath);

// Whether any of the records `ids` carries a tag: the exports write the tags only then.
bool anyTags(const ownfields::AllValues& own, const std::vector<std::int64_t>& ids);

// Writes the records of the catalogue at `catalogue` to a CSV file at csvPath, with their
// embedded pictures as files in picturesFolderFor(csvPath). `ids` gives the records and their
// order; without it every record is written in ID order. The catalogue is only read, and may
// be open in the program meanwhile. An existing file or folder is never replaced: everything
// is written under scratch names and renamed into place at the end: the picture folder, made
// only when there is a picture, then the CSV file. The catalogue is read a few records at a
// time, so that the program's saves are not held up; a record deleted meanwhile is left out
// and counted in `skipped`. The collector's own fields and the tags follow the described
// columns (see OwnCsv.h), the fields' kinds in fieldsFileFor(csvPath). Throws AppError with a
// message naming the file and what went wrong; nothing is then left behind.
ExportSummary exportCsv(const QString& catalogue, const QString& csvPath,
                        const std::optional<std::vector<std::int64_t>>& ids = std::nullopt,
                        const ExportProgressFn& progress = {});

}  // namespace kbs::exchange
