#include "ZipStream.h"

#include <zlib.h>

#include <limits>
#include <memory>

namespace kbs::exchange {

namespace {

constexpr std::uint32_t kLocalSig = 0x04034b50;
constexpr std::uint32_t kDescriptorSig = 0x08074b50;
constexpr std::uint32_t kCentralSig = 0x02014b50;
constexpr std::uint32_t kEnd64Sig = 0x06064b50;
constexpr std::uint32_t kLocator64Sig = 0x07064b50;
constexpr std::uint32_t kEndSig = 0x06054b50;
constexpr std::uint16_t kDeflate = 8;
constexpr std::uint16_t kVersion = 45;       // ZIP64
constexpr std::uint16_t kDate1980 = 0x0021;  // 1980-01-01
constexpr std::uint32_t kMax32 = 0xffffffff;

// Little-endian fields, appended.
struct Fields {
    QByteArray bytes;
    Fields& u16(std::uint16_t v) {
        bytes.append(char(v & 0xff)).append(char(v >> 8));
        return *this;
    }
    Fields& u32(std::uint32_t v) {
        return u16(std::uint16_t(v & 0xffff)).u16(std::uint16_t(v >> 16));
    }
    Fields& u64(std::uint64_t v) {
        return u32(std::uint32_t(v & kMax32)).u32(std::uint32_t(v >> 32));
    }
};

std::uint32_t crcOf(std::uint32_t crc, QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    for (qsizetype left = bytes.size(); left > 0;) {
        const auto n = uInt(std::min<qsizetype>(left, std::numeric_limits<uInt>::max() / 2));
        crc = std::uint32_t(crc32(crc, data, n));
        data += n;
        left -= n;
    }
    return crc;
}

}  // namespace

struct ZipStream::Deflater {
    z_stream z{};
    Entry entry;
    ~Deflater() { deflateEnd(&z); }
};

ZipStream::ZipStream(const QString& path) : m_file(path) {
    m_ok = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ZipStream::put(QByteArrayView bytes) {
    if (m_ok && m_file.write(bytes.data(), bytes.size()) != bytes.size())
        m_ok = false;
    m_at += std::uint64_t(bytes.size());
}

void ZipStream::header(const Entry& e) {
    Fields f;
    f.u32(kLocalSig)
        .u16(kVersion)
        .u16(e.described ? 0x0008 : 0)
        .u16(e.method)
        .u16(0)
        .u16(kDate1980)
        .u32(e.described ? 0 : e.crc)
        .u32(e.described ? 0 : std::uint32_t(e.compressedSize))
        .u32(e.described ? 0 : std::uint32_t(e.size))
        .u16(std::uint16_t(e.name.size()))
        .u16(0);
    put(f.bytes);
    put(e.name);
}

void ZipStream::addStored(const QByteArray& name, QByteArrayView bytes) {
    Entry e{
        name, 0, false, crcOf(0, bytes), std::uint64_t(bytes.size()), std::uint64_t(bytes.size()),
        m_at};
    if (e.size >= kMax32) {
        m_ok = false;
        return;
    }
    header(e);
    put(bytes);
    m_entries.push_back(std::move(e));
}

void ZipStream::addCopied(const QByteArray& name, std::uint16_t method, std::uint32_t crc,
                          std::uint64_t compressedSize, std::uint64_t size, const Reader& read) {
    Entry e{name, method, false, crc, compressedSize, size, m_at};
    if (e.size >= kMax32 || e.compressedSize >= kMax32) {
        m_ok = false;
        return;
    }
    header(e);
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    std::uint64_t copied = 0;
    for (qint64 n; m_ok && (n = read(buffer.data(), buffer.size())) != 0;) {
        if (n < 0) {
            m_ok = false;
            break;
        }
        put(QByteArrayView(buffer.constData(), n));
        copied += std::uint64_t(n);
    }
    m_ok = m_ok && copied == compressedSize;
    m_entries.push_back(std::move(e));
}

void ZipStream::beginDeflated(const QByteArray& name) {
    m_deflater = std::make_shared<Deflater>();
    m_deflater->entry = Entry{name, kDeflate, true, 0, 0, 0, m_at};
    if (deflateInit2(&m_deflater->z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        m_ok = false;
    header(m_deflater->entry);
}

void ZipStream::deflateInto(QByteArrayView bytes, bool last) {
    Deflater& d = *m_deflater;
    d.z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    d.z.avail_in = uInt(bytes.size());
    char out[1 << 15];
    int rc = Z_OK;
    do {
        d.z.next_out = reinterpret_cast<Bytef*>(out);
        d.z.avail_out = sizeof out;
        rc = deflate(&d.z, last ? Z_FINISH : Z_NO_FLUSH);
        if (rc == Z_STREAM_ERROR) {
            m_ok = false;
            return;
        }
        const auto n = qsizetype(sizeof out - d.z.avail_out);
        put(QByteArrayView(out, n));
        d.entry.compressedSize += std::uint64_t(n);
    } while (d.z.avail_out == 0 || (last && rc != Z_STREAM_END));
}

void ZipStream::write(QByteArrayView bytes) {
    Deflater& d = *m_deflater;
    // Parts of at most a few megabytes: zlib counts in 32 bits.
    for (qsizetype at = 0; at < bytes.size(); at += 1 << 22) {
        const QByteArrayView part =
            bytes.sliced(at, std::min<qsizetype>(1 << 22, bytes.size() - at));
        d.entry.crc = crcOf(d.entry.crc, part);
        d.entry.size += std::uint64_t(part.size());
        deflateInto(part, false);
    }
}

void ZipStream::endDeflated() {
    deflateInto({}, true);
    Entry e = m_deflater->entry;
    m_deflater.reset();
    if (e.size >= kMax32 || e.compressedSize >= kMax32)
        m_ok = false;
    Fields f;
    f.u32(kDescriptorSig)
        .u32(e.crc)
        .u32(std::uint32_t(e.compressedSize))
        .u32(std::uint32_t(e.size));
    put(f.bytes);
    m_entries.push_back(std::move(e));
}

bool ZipStream::finish() {
    const std::uint64_t start = m_at;
    for (const Entry& e : m_entries) {
        const bool far = e.offset >= kMax32;
        Fields f;
        f.u32(kCentralSig)
            .u16(kVersion)
            .u16(kVersion)
            .u16(e.described ? 0x0008 : 0)
            .u16(e.method)
            .u16(0)
            .u16(kDate1980)
            .u32(e.crc)
            .u32(std::uint32_t(e.compressedSize))
            .u32(std::uint32_t(e.size))
            .u16(std::uint16_t(e.name.size()))
            .u16(far ? 12 : 0)
            .u16(0)
            .u16(0)
            .u16(0)
            .u32(0)
            .u32(far ? kMax32 : std::uint32_t(e.offset));
        f.bytes.append(e.name);
        if (far)
            f.u16(0x0001).u16(8).u64(e.offset);
        put(f.bytes);
    }
    const std::uint64_t size = m_at - start;
    const std::uint64_t count = m_entries.size();
    const bool zip64 = count >= 0xffff || start >= kMax32 || size >= kMax32;
    Fields f;
    if (zip64) {
        const std::uint64_t end64 = m_at;
        f.u32(kEnd64Sig).u64(44).u16(kVersion).u16(kVersion).u32(0).u32(0);
        f.u64(count).u64(count).u64(size).u64(start);
        f.u32(kLocator64Sig).u32(0).u64(end64).u32(1);
    }
    const auto count16 = std::uint16_t(std::min<std::uint64_t>(count, 0xffff));
    f.u32(kEndSig).u16(0).u16(0).u16(count16).u16(count16);
    f.u32(std::uint32_t(std::min<std::uint64_t>(size, kMax32)));
    f.u32(std::uint32_t(std::min<std::uint64_t>(start, kMax32)));
    f.u16(0);
    put(f.bytes);
    m_ok = m_ok && m_file.flush();
    m_file.close();
    return m_ok;
}

}  // namespace kbs::exchange
