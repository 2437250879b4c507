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
// whose root element is <tellico>, whatever comes before it (comments, a DTD).
bool isTellicoSource(const QString& path);

// Builds a new catalogue at `target` from the Tellico collection at `path`. Fields are matched
// to the catalogue's columns by their name (Tellico's own: title, year, series, color,
// condition, pur_price, pur_date, value, location, quantity, comments; or a column's name) and
// by their title (any of `headings`); several values of one field are joined with "; ". Values
// are taken exactly as the XML holds them; in a paragraph field (Tellico's long texts) <br/> is
// a line break. The entry's id becomes the record's ID where it is a whole number used once.
// The first image field's picture becomes the record's picture, the others its further
// pictures, with their captions from the fields "<image field>-caption"; a linked picture
// stays a link. Pictures come from the zip's images/, from inside the XML, or from the folder
// Tellico keeps beside a collection, under PictureSource's rule (`pictureTrees`). The pictures
// repeated for several records may total MaxRepeatedPictureBytes. Fields left over are named
// in the notes. The XML is read as a stream in bounded memory; XML nested too deep, a value too
// long or broken XML is refused, naming the line. An existing target is never replaced; throws
// AppError naming the file when it cannot be read or is not a Tellico collection, and nothing
// is then written.
TellicoImport importTellico(const QString& path, const QString& target, const Headings& headings,
                            const QStringList& pictureTrees = {});

// Reads the collection as importTellico does, without writing a catalogue or reading its
// pictures: what the import would take, or its AppError.
TellicoImport readTellico(const QString& path, const Headings& headings);

// Writes the records of the catalogue at `catalogue` as a custom Tellico collection (a zip
// with tellico.xml and images/) at `path`: a field per column (the hidden one and picpath
// too), titled with its heading, an image field per picture and a caption field per further
// picture. Every text is written exactly (Notes with <br/> for its line breaks, as Tellico
// keeps them); what XML 1.0 cannot hold is left out and said in a note. Embedded pictures go
// into images/; a linked one stays a link, its file never copied. The rest as for exportCsv.
ExportSummary exportTellico(const QString& catalogue, const QString& path, const Headings& headings,
                            const std::optional<std::vector<std::int64_t>>& ids = std::nullopt,
                            const ExportProgressFn& progress = {},
                            const QStringList& pictureTrees = {});

}  // namespace kbs::exchange
