#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "CsvColumns.h"
#include "Headings.h"
#include "SourceValue.h"
#include "TextCodec.h"

namespace kbs::exchange {

// A row of the CSV file that cannot be imported, and why.
struct RowProblem {
    long line = 0;  // the line of the file where the row starts; the header is line 1
    QString what;   // the reasons, as one clause without a full stop
};

struct ImportResult {
    bool written = false;              // whether the new catalogue was put in place
    long records = 0;                  // the records it holds
    long badRows = 0;                  // rows with a problem (the header counts as one)
    std::vector<RowProblem> problems;  // the first MaxListedProblems of them, in file order
    QStringList notes;                 // what was done that the collector may not expect
    long blankRows = 0;                // rows without any text, skipped
    // The lines of the rows that look like a spreadsheet's sum and were left out, the first
    // MaxListedProblems of them.
    std::vector<long> sumRows;
    QStringList skippedColumns;  // the headings of the columns left out, as the header has them
};

inline constexpr int MaxListedProblems = 100;
// The reasons told for one row; more are counted.
inline constexpr int MaxReasonsPerRow = 5;

struct ImportOptions {
    // Write the sound rows when some have problems, rather than nothing.
    bool skipBadRows = false;
    // The folder tree picture files may come from; empty: the CSV file's own folder.
    QString picturesFrom;
    // The file's encoding; without it the file must be UTF-8 throughout.
    std::optional<TextEncoding> encoding;
    // What the header's headings may be besides the columns' names (the panel's labels, in the
    // program's languages); any case.
    std::optional<Headings> headings;
    // false: the new catalogue is not synced to the disk, for checks that throw it away.
    bool sync = true;
    // What each column of the file goes to, instead of what its heading names: for column i,
    // a name of mappableColumns() (CsvColumns.h), or empty to leave the column out. The header
    // row is then taken for headings only; a mapping of another length is a problem of it.
    std::optional<QStringList> mapping;
    // Leave out the columns whose heading names no column, rather than refuse the file.
    bool skipUnknown = false;
    // Make the columns whose heading names no column fields of the collector's own, rather than
    // refuse the file; each of the kind all its values have (OwnCsv.h's guessKind()).
    bool ownUnknown = false;
    // Import the rows that look like a spreadsheet's sum (isSumRow()) as records too.
    bool keepSumRows = false;
};

// Builds a new catalogue at `target` from the CSV file at csvPath, its fields separated by
// commas, semicolons or tabs (see CsvReader). The header names any of the catalogue's columns
// except binpicdata, by name or by a heading of options.headings, in any order and in any case,
// and picture_file (or the picture's heading): the
// path of a picture file, relative to the CSV's folder or absolute. Without an ID column the
// records get the IDs 1, 2, 3 ... in row order. An existing target is never replaced.
//
// A column headed "Tags" gives each record its tags (OwnCsv.h); a column whose heading names a
// field of the fields' list beside the file (fieldsFileFor()) fills that field of the
// collector's own, each value checked against its kind (a value refused is a problem of its
// row); with options.ownUnknown a heading that names nothing makes a field of its own.
//
// A picture file must be, after its links are resolved, a regular file inside the CSV's folder
// tree (or options.picturesFrom's), of at most collection::MaxPictureBytes, and a picture the
// program can show; anything else is a problem of its row.
//
// Rows without any text are skipped and counted; rows that look like a spreadsheet's sum are
// left out and listed, unless options.keepSumRows. Every row is checked. When a row has a problem
// nothing is written, unless skipBadRows is set, which writes the sound rows; a problem of the
// header always stops the import. The problems come back in the result. Throws AppError when the
// file cannot be read or the catalogue cannot be written; nothing is then left at target.
ImportResult importCsv(const QString& csvPath, const QString& target,
                       const ImportOptions& options = {});

// The same for the bytes of a CSV file in memory; csvPath names them and its folder is where
// picture files are looked for. The catalogue is written only when the rows allow it.
ImportResult importCsvData(const QByteArray& csv, const QString& csvPath, const QString& target,
                           const ImportOptions& options = {});

// The value of the column "twenty", which keeps numbers as numbers, from its text in a file: a
// text that is exactly how a number is written (as the exports write it) becomes that number,
// anything else stays text.
SourceValue anyValue(const std::string& text);

// A text for a one-line message: control and format characters shown escaped (\n, \x01,
// \u{202E}), so that nothing from a file reaches the terminal raw.
QString escapeControls(const QString& text);

// Whether kbsmgr-import takes the file at path for a CSV file rather than a catalogue of the
// older program: it has no Jet or ACE header and its name does not end in .mdb or .accdb.
bool isCsvSource(const QString& path);

}  // namespace kbs::exchange
