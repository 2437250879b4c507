#pragma once

#include <QString>
#include <QStringList>

#include "CsvExport.h"
#include "Headings.h"

namespace kbs::exchange {

// Tellico's collection files (.tc): a zip holding tellico.xml and the pictures in images/, or
// the XML alone with the pictures inside it, as Tellico's DTD (syntax version 11) describes.

struct TellicoImport {
    long records = 0;
    long pictures = 0;
    QStringList notes;  // what was left out, and why
};

// Whether kbsmgr-import takes the file for a Tellico collection: named *.tc, or a zip, or XML
// whose root is <tellico>.
bool isTellicoSource(const QString& path);

// Builds a new catalogue at `target` from the Tellico collection at `path`. Fields are matched
// to the catalogue's columns by their name (Tellico's own: title, year, series, color,
// condition, pur_price, pur_date, value, location, quantity, comments; or a column's name) and
// by their title (any of `headings`); several values of one field are joined with "; ". The
// entry's id becomes the record's ID where it is a whole number used once. The entry's first
// picture becomes the record's picture, further ones its further pictures. Fields left over
// are named in the notes. An existing target is never replaced; throws AppError naming the
// file when it cannot be read or is not a Tellico collection, and nothing is then written.
TellicoImport importTellico(const QString& path, const QString& target, const Headings& headings);

// Writes the records of the catalogue at `catalogue` as a custom Tellico collection (a zip
// with tellico.xml and images/) at `path`: a field per column, titled with its heading, and
// an image field per picture. The rest as for exportCsv.
ExportSummary exportTellico(const QString& catalogue, const QString& path, const Headings& headings,
                            const std::optional<std::vector<std::int64_t>>& ids = std::nullopt,
                            const ExportProgressFn& progress = {});

}  // namespace kbs::exchange
