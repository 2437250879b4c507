#include "CsvReader.h"

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

}  // namespace

CsvReader::CsvReader(const QString& path) : m_path(path) {
    regularfile::open(m_file, path, kMaxCsvBytes);
    // The encoding is the whole file's: one invalid sequence anywhere makes it Windows-1252.
    std::string data;
    for (;;) {
        const size_t kept = data.size();
        data.resize(kept + size_t(kBlockBytes));
        const qint64 n = m_file.read(data.data() + kept, kBlockBytes);
        if (n < 0)
            fail(m_file.errorString());
        data.resize(kept + size_t(n));
        if (n == 0) {
            if (!data.empty())
                m_encoding = TextEncoding::Windows1252;  // a sequence cut short at the end
            break;
        }
        const size_t end = wholeSequencesEnd(data);
        if (!textcodec::isValidUtf8(QByteArrayView(data.data(), qsizetype(end)))) {
            m_encoding = TextEncoding::Windows1252;
            break;
        }
        data.erase(0, end);
    }
    if (!m_file.seek(0))
        fail(m_file.errorString());
    fill();
    if (m_encoding == TextEncoding::Utf8 && m_block.compare(0, 3, "\xEF\xBB\xBF") == 0)
        m_pos = 3;
}

void CsvReader::fail(const QString& what) const {
    throw AppError(err::PathFileAccess, kSource,
                   QStringLiteral("%1 cannot be read: %2").arg(m_path, what));
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
            fail(QStringLiteral("the record that starts on line %1 is longer than %2 MB; is a "
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
    if (m_encoding == TextEncoding::Windows1252) {
        field.utf8 = textcodec::decode(QByteArrayView(m_field.data(), qsizetype(m_field.size())),
                                       TextEncoding::Windows1252)
                         .toStdString();
    } else {
        field.utf8 = m_field;
    }
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
                    record.problem = QStringLiteral("a quoted field is never closed");
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
            if (c >= 0 && c != ',' && c != '\r' && c != '\n' && record.problem.isEmpty()) {
                record.problem =
                    QStringLiteral("a quoted field is followed by more text before the next comma");
            }
        }
        // Unquoted text, or what follows a closing quote, up to the next comma or line end.
        for (c = peek(); c >= 0 && c != ',' && c != '\r' && c != '\n'; c = peek())
            m_field.push_back(char(get()));
        endField(record, quoted);
        if (c == ',') {
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
