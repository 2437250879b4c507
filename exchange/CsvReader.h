#pragma once

#include <QFile>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TextCodec.h"

namespace kbs::exchange {

// One field of a CSV record, as UTF-8. An unquoted empty field is Null; a quoted empty field
// ("") is an empty text.
struct CsvField {
    bool null = true;
    std::string utf8;
};

// One record of a CSV file and the line of the file where it starts (the first line is 1).
struct CsvRecord {
    long line = 0;
    std::vector<CsvField> fields;
    // Why the record's quoting cannot be read as written; empty when it can.
    QString problem;
};

// Whether a spreadsheet would run a cell starting so as a formula, also after quotes that
// defuse one: = + - @ tab or CR, after any number of single quotes. The export writes such a
// text with one more leading single quote; the reader removes exactly that one.
bool startsLikeFormula(std::string_view text);

// The columns that carry a record's further pictures, in their order: the picture files (as
// picture_file names the main one), the paths of linked pictures, and the captions. Each is a
// list, entry i of each describing picture i; an entry names either a file or a link.
inline constexpr const char* MorePicturesColumn = "more_pictures";
inline constexpr const char* MoreLinksColumn = "more_links";
inline constexpr const char* MoreCaptionsColumn = "more_captions";

// A list in one field: entries separated by '|', a '|' or a backslash inside an entry preceded
// by a backslash. An empty field is an empty list.
std::string joinList(const std::vector<std::string>& entries);
std::vector<std::string> splitList(std::string_view field);

// Reads a CSV file record by record, in blocks, so that a large file is never held in memory.
//
// Fields are separated by commas, semicolons or tabs: whichever of them the first line holds
// most often outside quotes (commas when it holds none); records end in CR LF, LF or a lone CR. A
// quoted field keeps separators, doubled quotes (as one quote) and line ends exactly. Completely
// empty lines at the end of the file are left out. The encoding is the whole file's: UTF-8 (with or
// without a byte-order mark) when all of it is valid UTF-8; a file that is not is refused, naming
// its first line that is not, unless Windows-1252 is asked for. A field holding a NUL byte is a
// problem of its record. A field that starts with a single quote followed by what
// startsLikeFormula() takes for a formula loses that quote.
class CsvReader {
public:
    // Opens the file and reads it once through to check its encoding. Throws AppError naming
    // the file when it cannot be read, or is not UTF-8 and Windows-1252 was not asked for.
    explicit CsvReader(const QString& path, std::optional<TextEncoding> encoding = std::nullopt);
    // The same over bytes in memory; `path` only names them in messages.
    CsvReader(const QByteArray& data, const QString& path,
              std::optional<TextEncoding> encoding = std::nullopt);

    TextEncoding encoding() const { return m_encoding; }
    char separator() const { return m_separator; }

    // The next record; false at the end of the file. Throws AppError when the file cannot be
    // read on, or a record grows past the longest a record may be (a quote left open).
    bool next(CsvRecord& record);

private:
    int peek();
    int get();
    void fill();
    void endField(CsvRecord& record, bool quoted);
    [[noreturn]] void fail(const QString& what) const;
    void checkUtf8();
    [[noreturn]] void notUtf8(long line) const;
    void skipByteOrderMark();
    void detectSeparator();

    QString m_path;
    QFile m_file;  // not open when the bytes are in memory: then m_block holds them all
    TextEncoding m_encoding = TextEncoding::Utf8;
    char m_separator = ',';
    std::string m_block;
    size_t m_pos = 0;
    bool m_eof = false;
    long m_line = 1;
    std::string m_field;
    size_t m_recordBytes = 0;
    long m_recordLine = 0;
    // Empty lines read but not yet given out: they are records only when another follows.
    long m_blankLines = 0;
    long m_firstBlankLine = 0;
};

}  // namespace kbs::exchange
