#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kbs::exchange {

// Writes a ZIP archive front to back, one entry after another, holding nothing of an entry
// once it is written but its line of the central directory (some 60 bytes), so that an archive
// of a hundred thousand pictures is written in the memory of a few. Archives of more than
// 65,535 entries or past 4 GiB get the ZIP64 records readers expect; a single entry stays
// under 4 GiB. Every entry is dated 1980-01-01, as spreadsheet writers do.
//
// A failure to write leaves ok() false; the caller removes the file.
class ZipStream {
public:
    explicit ZipStream(const QString& path);
    bool ok() const { return m_ok; }

    // An entry kept as it is (pictures, which do not compress).
    void addStored(const QByteArray& name, QByteArrayView bytes);
    // An entry copied as another archive holds it: its method, checksum and sizes, and `read`
    // giving its compressed bytes (returns how many it put in the buffer, 0 at the end, -1 on
    // failure).
    using Reader = std::function<qint64(char* buffer, qint64 max)>;
    void addCopied(const QByteArray& name, std::uint16_t method, std::uint32_t crc,
                   std::uint64_t compressedSize, std::uint64_t size, const Reader& read);
    // An entry compressed as it is written: begin, write its text in parts, end.
    void beginDeflated(const QByteArray& name);
    void write(QByteArrayView bytes);
    void endDeflated();

    // Writes the central directory and closes the file; returns ok().
    bool finish();

private:
    struct Entry {
        QByteArray name;
        std::uint16_t method = 0;
        bool described = false;  // sizes after the data
        std::uint32_t crc = 0;
        std::uint64_t compressedSize = 0;
        std::uint64_t size = 0;
        std::uint64_t offset = 0;
    };
    void header(const Entry& e);
    void put(QByteArrayView bytes);
    void deflateInto(QByteArrayView bytes, bool last);

    QFile m_file;
    bool m_ok = true;
    std::uint64_t m_at = 0;  // bytes written
    std::vector<Entry> m_entries;
    struct Deflater;
    std::shared_ptr<Deflater> m_deflater;  // while an entry is compressed
};

}  // namespace kbs::exchange
