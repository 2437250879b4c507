#include "CsvReader.h"

#include <QCoreApplication>

#include "AppError.h"
#include "RegularFile.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("CSV");

// Regular files only; the bound only keeps a mistaken name from being read for hours.
constexpr qint64 kMaxCsvBytes = qint64(1) << 40;
// The longest record: far beyond any real one, it stops a quote left open from gathering the
// rest of a large file into memory.
constexpr size_t kMaxRecordBytes = size_t(256) * 1024 * 1024;
constexpr qint64 kBlockBytes = 1024 * 1024;

// Where the bytes stop being whole UTF-8 sequences: a sequence begun in the last bytes of a
// block may end in the next one.
size_t wholeSequencesEnd(const std::string& data) {
    const size_t n = data.size();
    for (size_t k = 1; k <= 3 && k <= n; ++k) {
        const auto b = static_cast<unsigned char>(data[n - k]);
        if ((b & 0xC0) == 0x80)
            continue;  // a continuation byte: look further back for its lead
        const size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > k ? n - k : n;
    }
    return n;
}

// Counts the line ends of `bytes` into `line`; afterCr says whether the bytes before ended in
// a CR, so that a CR LF cut between two blocks counts once.
void countLines(std::string_view bytes, long& line, bool& afterCr) {
    for (const char c : bytes) {
        if (c == '\n' && !afterCr)
            ++line;
        afterCr = c == '\r';
        line += afterCr ? 1 : 0;
    }
}

bool isUtf8(std::string_view bytes) {
    return textcodec::isValidUtf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The line of the first bytes of `data` that are not UTF-8, which it must hold; its first line
// is `line`. Lines end in ASCII bytes, which no sequence holds.
long firstInvalidLine(std::string_view data, long line, bool afterCr) {
    for (size_t from = 0;;) {
        const size_t to = data.find_first_of("\r\n", from);
        if (to == std::string_view::npos || !isUtf8(data.substr(from, to - from)))
            return line;
        countLines(data.substr(from, to + 1 - from), line, afterCr);
        from = to + 1;
    }
}

}  // namespace

std::string joinList(const std::vector<std::string>& entries) {
    std::string field;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            field += '|';
        for (const char c : entries[i]) {
            if (c == '|' || c == '\\')
                field += '\\';
            field += c;
        }
    }
    return field;
}

std::vector<std::string> splitList(std::string_view field) {
    std::vector<std::string> entries;
    if (field.empty())
        return entries;
    entries.emplace_back();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size())
            entries.back() += field[++i];
        else if (field[i] == '|')
            entries.emplace_back();
        else
            entries.back() += field[i];
    }
    return entries;
}

bool startsLikeFormula(std::string_view text) {
    const size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

CsvReader::CsvReader(const QString& path, std::optional<TextEncoding> encoding) : m_path(path) {
    regularfile::open(m_file, path, kMaxCsvBytes);
    m_encoding = encoding.value_or(TextEncoding::Utf8);
    if (m_encoding == TextEncoding::Utf8)
        checkUtf8();
    fill();
    skipByteOrderMark();
    detectSeparator();
}

CsvReader::CsvReader(const QByteArray& data, const QString& path,
                     std::optional<TextEncoding> encoding)
    : m_path(path), m_block(data.constData(), size_t(data.size())), m_eof(true) {
    m_encoding = encoding.value_or(TextEncoding::Utf8);
    if (m_encoding == TextEncoding::Utf8 && !isUtf8(m_block))
        notUtf8(firstInvalidLine(m_block, 1, false));
    skipByteOrderMark();
    detectSeparator();
}

void CsvReader::skipByteOrderMark() {
    if (m_encoding == TextEncoding::Utf8 && m_block.compare(0, 3, "\xEF\xBB\xBF") == 0)
        m_pos = 3;
}

void CsvReader::detectSeparator() {
    size_t counts[3] = {0, 0, 0};
    const char separators[3] = {',', ';', '\t'};
    bool quoted = false;
    for (size_t i = m_pos; i < m_block.size(); ++i) {
        const char c = m_block[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
        for (int k = 0; k < 3 && !quoted; ++k)
            counts[k] += c == separators[k] ? 1 : 0;
    }
    for (int k = 1; k < 3; ++k) {
        if (counts[k] > counts[0] && counts[k] > counts[k == 1 ? 2 : 1])
            m_separator = separators[k];
    }
}

void CsvReader::notUtf8(long line) const {
    throw AppError(
        err::PathFileAccess, kSource,
        QCoreApplication::translate("kbs::exchange::CsvReader",
                                    "%1 is not UTF-8 throughout: line %2 holds bytes that UTF-8 "
                                    "does not have. Convert the file to UTF-8 (for example: iconv "
                                    "-f WINDOWS-1252 -t UTF-8 FILE > NEW.csv), or give "
                                    "--encoding=windows-1252 if all of it is Windows-1252.")
            .arg(m_path, QString::number(line)));
}

// Reads the file once through; one invalid sequence anywhere refuses it, naming its line.
void CsvReader::checkUtf8() {
    std::string data;
    long line = 1;
    bool afterCr = false;
    for (;;) {
        const size_t kept = data.size();
        data.resize(kept + size_t(kBlockBytes));
        const qint64 n = m_file.read(data.data() + kept, kBlockBytes);
        if (n < 0)
            fail(m_file.errorString());
        data.resize(kept + size_t(n));
        const std::string_view whole = std::string_view(data).substr(
            0, n == 0 ? data.size() : wholeSequencesEnd(data));  // cut sequence at the end
        if (!isUtf8(whole))
            notUtf8(firstInvalidLine(whole, line, afterCr));
        if (n == 0)
            break;
        countLines(whole, line, afterCr);
        data.erase(0, whole.size());
    }
    if (!m_file.seek(0))
        fail(m_file.errorString());
}

void CsvReader::fail(const QString& what) const {
    throw AppError(err::PathFileAccess, kSource,
                   QCoreApplication::translate("kbs::exchange::CsvReader", "%1 cannot be read: %2")
                       .arg(m_path, what));
}

void CsvReader::fill() {
    m_block.resize(size_t(kBlockBytes));
    const qint64 n = m_file.read(m_block.data(), kBlockBytes);
    if (n < 0)
        fail(m_file.errorString());
    m_block.resize(size_t(n));
    m_pos = 0;
    m_eof = n == 0;
}

int CsvReader::peek() {
    if (m_pos == m_block.size()) {
        if (m_eof)
            return -1;
        fill();
        if (m_eof)
            return -1;
    }
    return static_cast<unsigned char>(m_block[m_pos]);
}

int CsvReader::get() {
    const int c = peek();
    if (c >= 0) {
        ++m_pos;
        if (++m_recordBytes > kMaxRecordBytes) {
            fail(QCoreApplication::translate(
                     "kbs::exchange::CsvReader",
                     "the record that starts on line %1 is longer than %2 MB; is a "
                     "quote left open?")
                     .arg(m_recordLine)
                     .arg(kMaxRecordBytes / (1024 * 1024)));
        }
    }
    return c;
}

void CsvReader::endField(CsvRecord& record, bool quoted) {
    CsvField field;
    field.null = !quoted && m_field.empty();
    if (m_field.find('\0') != std::string::npos && record.problem.isEmpty())
        record.problem = QCoreApplication::translate(
            "kbs::exchange::CsvReader", "a field holds a NUL byte, which no text may hold");
    if (m_encoding == TextEncoding::Windows1252) {
        field.utf8 = textcodec::decode(QByteArrayView(m_field.data(), qsizetype(m_field.size())),
                                       TextEncoding::Windows1252)
                         .toStdString();
    } else {
        field.utf8 = std::move(m_field);
    }
    if (!field.utf8.empty() && field.utf8.front() == '\'' &&
        startsLikeFormula(std::string_view(field.utf8).substr(1)))
        field.utf8.erase(0, 1);
    record.fields.push_back(std::move(field));
    m_field.clear();
}

bool CsvReader::next(CsvRecord& record) {
    for (;;) {
        if (peek() < 0) {
            m_blankLines = 0;  // empty lines at the end are no records
            return false;
        }
        record.line = m_line;
        record.fields.clear();
        record.problem.clear();
        m_recordBytes = 0;
        m_recordLine = m_line;
        const int first = peek();
        if (m_blankLines > 0 || first == '\r' || first == '\n') {
            if (first == '\r' || first == '\n') {
                // An empty line: a record of one Null field, unless only empty lines follow.
                get();
                if (first == '\r' && peek() == '\n')
                    get();
                if (m_blankLines++ == 0)
                    m_firstBlankLine = m_line;
                ++m_line;
                continue;
            }
            record.line = m_firstBlankLine++;
            record.fields.push_back(CsvField{});
            --m_blankLines;
            return true;
        }
        break;
    }

    for (;;) {
        bool quoted = false;
        int c = peek();
        if (c == '"') {
            quoted = true;
            get();
            for (;;) {
                c = get();
                if (c < 0) {
                    record.problem = QCoreApplication::translate("kbs::exchange::CsvReader",
                                                                 "a quoted field is never closed");
                    endField(record, true);
                    return true;
                }
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    get();
                } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
                    ++m_line;
                }
                m_field.push_back(char(c));
            }
            c = peek();
            if (c >= 0 && c != m_separator && c != '\r' && c != '\n' && record.problem.isEmpty()) {
                record.problem = QStringLiteral(
                    "a quoted field is followed by more text before the next separator");
            }
        }
        // Unquoted text, or what follows a closing quote, up to the next separator or line end.
        for (c = peek(); c >= 0 && c != m_separator && c != '\r' && c != '\n'; c = peek())
            m_field.push_back(char(get()));
        endField(record, quoted);
        if (c == m_separator) {
            get();
            continue;
        }
        if (c >= 0) {
            get();
            if (c == '\r' && peek() == '\n')
                get();
            ++m_line;
        }
        return true;
    }
}

}  // namespace kbs::exchange
