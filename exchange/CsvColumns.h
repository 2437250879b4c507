#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "CsvReader.h"
#include "Headings.h"
#include "TextCodec.h"

namespace kbs::exchange {

// The header column that names each record's picture file.
inline constexpr const char* PictureFileColumn = "picture_file";

// What a column of a CSV file can go to: every column of the catalogue except the picture's
// bytes, by name, then picture_file and the lists of further pictures.
QStringList mappableColumns();

// What the field of a heading holds, for the import: a column's position, or one of these.
namespace target {
inline constexpr int Unknown = -1;
inline constexpr int PictureFile = -2;
inline constexpr int MorePictures = -3;  // the lists of further pictures: files,
inline constexpr int MoreLinks = -4;     // links
inline constexpr int MoreCaptions = -5;  // and captions
inline constexpr int Skipped = -6;       // left out on request
inline constexpr int Specials = 6;       // Unknown ... Skipped
}  // namespace target

// The target of a heading: a column's name or any of its headings (any case), picture_file
// or the picture's heading, or a list of further pictures; target::Unknown otherwise.
int targetOf(const QString& heading, const Headings& headings);
// The name mappableColumns() gives a target; empty for Unknown and Skipped.
QString targetName(int target);

// The first rows of a CSV file, for choosing what each column goes to.
struct CsvPreview {
    QStringList headings;           // the header's fields
    std::vector<QStringList> rows;  // the rows after it, as read
    // For each heading: the name (of mappableColumns()) its column would go to, or empty when
    // the heading names none; a target named twice is suggested only for its first column.
    QStringList suggested;
    // The encoding the file was read in: UTF-8 when it all is, else Windows-1252.
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads the header and up to `rows` rows of the CSV file at path. Throws AppError when the file
// cannot be read.
CsvPreview previewCsv(const QString& path, const Headings& headings, int rows = 5);

// Whether a row holds no text at all: every field empty or blanks.
bool isBlankRow(const std::vector<CsvField>& fields);

// Whether a row looks like a spreadsheet's sum: its first field with text says Total, Sum,
// Summe, Gesamt, Totaal, Total general or the like, and every other one is an amount.
bool isSumRow(const std::vector<CsvField>& fields);

}  // namespace kbs::exchange
