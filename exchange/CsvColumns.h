#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "CsvReader.h"
#include "Headings.h"
#include "TextCodec.h"

namespace kbs::exchange {

// The header column that names each record's picture file.
inline constexpr const char* PictureFileColumn = "picture_file";

// What a column of a CSV file can go to: every column of the catalogue except the picture's
// bytes, by name, then picture_file, the lists of further pictures, the tags and
// OwnFieldChoice.
QStringList mappableColumns();
// What a mapping names for a column that goes to a field of the collector's own, named by the
// column's heading (made when the catalogue lacks it).
inline constexpr const char* OwnFieldChoice = "+own";

// What the field of a heading holds, for the import: a column's position, or one of these.
namespace target {
inline constexpr int Unknown = -1;
inline constexpr int PictureFile = -2;
inline constexpr int MorePictures = -3;  // the lists of further pictures: files,
inline constexpr int MoreLinks = -4;     // links
inline constexpr int MoreCaptions = -5;  // and captions
inline constexpr int Skipped = -6;       // left out on request
inline constexpr int Tags = -7;          // the record's tags
inline constexpr int Own = -8;           // a field of the collector's own, named by the heading
inline constexpr int Specials = 8;       // Unknown ... Own
}  // namespace target

// The target of a heading: a column's name or any of its headings (any case), picture_file
// or the picture's heading, a list of further pictures, "Tags" or OwnFieldChoice;
// target::Unknown otherwise.
int targetOf(const QString& heading, const Headings& headings);
// The name mappableColumns() gives a target; empty for Unknown and Skipped.
QString targetName(int target);

// The first rows of a CSV file, for choosing what each column goes to.
struct CsvPreview {
    QStringList headings;           // the header's fields
    std::vector<QStringList> rows;  // the rows after it, as read
    // For each heading: the name (of mappableColumns()) its column would go to, or empty when
    // the heading is empty; OwnFieldChoice when it names nothing; a target named twice is
    // suggested only for its first column.
    QStringList suggested;
    // The encoding the file was read in: UTF-8 when it all is, else Windows-1252.
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads the header and up to `rows` rows of the CSV file at path. Throws AppError when the file
// cannot be read.
CsvPreview previewCsv(const QString& path, const Headings& headings, int rows = 5);

// Reads a small CSV file of ours by its headings (any case, any order, blanks around them left
// out): calls `row` with the line and the fields of each row that is not blank, in the order
// of `headings` (empty where the file lacks the column). `refuse` must throw: it is called with
// the line and an empty text when the file lacks one of the first `needed` headings, with the
// reason when a row cannot be read.
void readHeadedCsv(const QString& path, const std::vector<const char*>& headings, size_t needed,
                   const std::function<void(long, const QStringList&)>& row,
                   const std::function<void(long, const QString&)>& refuse);

// Whether a row holds no text at all: every field empty or blanks.
bool isBlankRow(const std::vector<CsvField>& fields);

// Whether a row looks like a spreadsheet's sum: its first field with text says Total, Sum,
// Summe, Gesamt, Totaal, Total general or the like, and every other one is an amount.
bool isSumRow(const std::vector<CsvField>& fields);

}  // namespace kbs::exchange
