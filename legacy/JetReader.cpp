#include "JetReader.h"

// libmdb's header uses glib's types without including glib.
#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

#include <QCoreApplication>
#include <QFile>
#include <cstring>
#include <limits>

#include "AppError.h"
#include "Schema.h"
#include "ValueText.h"

namespace kbs::legacy {

namespace {

const QString kSource = QStringLiteral("Conversion");
// The older program's file keeps the records in a table of the name ours has.
constexpr const char* kTableName = schema::TableName;
constexpr int kOffsetMask = 0x1fff;  // a row's offset on its page, without the flag bits
constexpr std::uint32_t kLongInline = 0x80000000u;
constexpr std::uint32_t kLongSinglePage = 0x40000000u;
constexpr std::uint32_t kLongLengthMask = 0x3fffffffu;

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

std::uint64_t le64(const unsigned char* p) {
    return std::uint64_t(le32(p)) | (std::uint64_t(le32(p + 4)) << 32);
}

template <typename T>
T fromBytes(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);  // the files are little-endian, like this machine
    return v;
}

QString typeName(int type) {
    switch (type) {
        case MDB_BOOL:
            return QStringLiteral("Yes/No");
        case MDB_BYTE:
            return QStringLiteral("Byte");
        case MDB_INT:
            return QStringLiteral("Integer");
        case MDB_LONGINT:
            return QStringLiteral("Long Integer");
        case MDB_MONEY:
            return QStringLiteral("Currency");
        case MDB_FLOAT:
            return QStringLiteral("Single");
        case MDB_DOUBLE:
            return QStringLiteral("Double");
        case MDB_DATETIME:
            return QStringLiteral("Date/Time");
        case MDB_BINARY:
            return QStringLiteral("Binary");
        case MDB_TEXT:
            return QStringLiteral("Text");
        case MDB_OLE:
            return QStringLiteral("OLE Object");
        case MDB_MEMO:
            return QStringLiteral("Memo");
        case MDB_REPID:
            return QStringLiteral("Replication ID");
        case MDB_NUMERIC:
            return QStringLiteral("Decimal");
        case MDB_COMPLEX:
            return QStringLiteral("Attachment or multi-valued field");
        default:
            return QStringLiteral("type %1").arg(type);
    }
}

// The stored size of a fixed-size value of the type, or 0 for the others.
int fixedSize(int type) {
    switch (type) {
        case MDB_BYTE:
            return 1;
        case MDB_INT:
            return 2;
        case MDB_LONGINT:
        case MDB_FLOAT:
            return 4;
        case MDB_MONEY:
        case MDB_DOUBLE:
        case MDB_DATETIME:
            return 8;
        case MDB_REPID:
            return 16;
        case MDB_NUMERIC:
            return 17;
        default:
            return 0;
    }
}

}  // namespace

struct JetReader::Impl {
    QString path;
    JetFormat format;
    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    std::vector<SourceColumn> columns;
    std::vector<MdbField> fields;
    long declaredRows = 0;
    std::optional<std::int64_t> autonumber;
    long rowsRead = 0;
    long maxPages = 0;  // no chain of pages can be longer than the file
    int idColumn = -1;
    QString currentId;

    ~Impl() {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }

    [[noreturn]] void fail(const QString& what) const {
        throw AppError(err::LegacyCatalogue, kSource, QStringLiteral("%1: %2").arg(path, what));
    }

    [[noreturn]] void failAt(int column, const QString& what) const {
        QString where = QCoreApplication::translate("kbs::legacy", "record %1").arg(rowsRead);
        if (!currentId.isEmpty())
            where += QCoreApplication::translate("kbs::legacy", " (ID %1)").arg(currentId);
        where += QCoreApplication::translate("kbs::legacy", ", column %1")
                     .arg(QString::fromStdString(columns[size_t(column)].name));
        fail(QCoreApplication::translate("kbs::legacy", "%1: %2 The file is damaged.")
                 .arg(where, what));
    }

    bool jet3() const { return format.version == 0; }

    void open() {
        const QByteArray file = QFile::encodeName(path);
        mdb = mdb_open(file.constData(), MDB_NOFLAGS);
        if (!mdb)
            fail(QCoreApplication::translate("kbs::legacy", "libmdb cannot open the file."));
        if (mdb->fmt->pg_size != format.pageSize)
            fail(QCoreApplication::translate(
                "kbs::legacy", "the file's pages are not the size its header promises."));
        GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
        if (!catalog)
            fail(QCoreApplication::translate("kbs::legacy",
                                             "the list of the file's tables cannot be read."));
        MdbCatalogEntry* entry = nullptr;
        for (guint i = 0; i < catalog->len; ++i) {
            auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
            if (e->object_type == MDB_TABLE &&
                g_ascii_strcasecmp(e->object_name, kTableName) == 0) {
                entry = e;
                break;
            }
        }
        if (!entry)
            fail(QCoreApplication::translate("kbs::legacy",
                                             "the file has no table \"%1\": it is not a catalogue.")
                     .arg(QLatin1String(kTableName)));
        readAutonumber(entry->table_pg);
        table = mdb_read_table(entry);
        if (!table)
            fail(QCoreApplication::translate("kbs::legacy", "the definition of %1 cannot be read.")
                     .arg(QLatin1String(kTableName)));
        if (!mdb_read_columns(table) || table->num_cols == 0)
            fail(QCoreApplication::translate("kbs::legacy", "the columns of %1 cannot be read.")
                     .arg(QLatin1String(kTableName)));
        declaredRows = long(table->num_rows);
        for (guint i = 0; i < table->num_cols; ++i) {
            auto* c = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            SourceColumn sc;
            sc.name = c->name;
            sc.type = c->col_type;
            sc.typeName = typeName(c->col_type);
            sc.autonumber = c->is_long_auto != 0;
            if (g_ascii_strcasecmp(c->name, "ID") == 0)
                idColumn = int(i);
            const int size = fixedSize(c->col_type);
            if (size != 0 && c->col_size != size) {
                fail(QCoreApplication::translate(
                         "kbs::legacy", "column %1 (%2) has the size %3 where %4 was expected.")
                         .arg(QString::fromUtf8(c->name), sc.typeName, QString::number(c->col_size),
                              QString::number(size)));
            }
            columns.push_back(std::move(sc));
        }
        fields.resize(table->num_cols);
        maxPages = long(QFile(path).size() / format.pageSize);
        mdb_rewind_table(table);
    }

    // The table definition page keeps the counter that gave the last autonumber.
    void readAutonumber(unsigned long page) {
        if (mdb_read_pg(mdb, page) != mdb->fmt->pg_size || mdb->pg_buf[0] != MDB_PAGE_TABLE)
            return;
        const auto value =
            std::int64_t(std::int32_t(le32(mdb->pg_buf + mdb->fmt->tab_num_rows_offset + 4)));
        if (value > 0)
            autonumber = value;
    }

    // A Memo or OLE Object value: a 12-byte header (length with two flag bits, then where the
    // data lives) followed by the data itself, or pointing to one data row elsewhere, or to a
    // chain of rows whose first four bytes point to the next.
    std::string longValue(int column, const MdbField& f) {
        if (f.siz == 0)
            return {};
        if (f.siz < MDB_MEMO_OVERHEAD)
            failAt(column, QCoreApplication::translate("kbs::legacy",
                                                       "its value is shorter than its header."));
        const unsigned char* head = mdb->pg_buf + f.start;
        const std::uint32_t word = le32(head);
        const std::uint32_t flags = word & ~kLongLengthMask;
        const std::size_t length = word & kLongLengthMask;
        const std::uint32_t pointer = le32(head + 4);

        if (flags == kLongInline) {
            const std::size_t present = std::size_t(f.siz - MDB_MEMO_OVERHEAD);
            if (present != length) {
                failAt(column,
                       QCoreApplication::translate(
                           "kbs::legacy", "its value holds %1 bytes but its header says %2.")
                           .arg(present)
                           .arg(length));
            }
            return std::string(reinterpret_cast<const char*>(head + MDB_MEMO_OVERHEAD), length);
        }

        void* buf = nullptr;
        int off = 0;
        size_t len = 0;
        if (flags == kLongSinglePage) {
            if (mdb_find_pg_row(mdb, int(pointer), &buf, &off, &len) != 0)
                failAt(column, QCoreApplication::translate(
                                   "kbs::legacy", "the page that holds its value cannot be read."));
            if (len < length) {
                failAt(column,
                       QCoreApplication::translate(
                           "kbs::legacy", "its value holds %1 bytes but its header says %2.")
                           .arg(len)
                           .arg(length));
            }
            return std::string(static_cast<const char*>(buf) + off, length);
        }
        if (flags != 0)
            failAt(column, QCoreApplication::translate("kbs::legacy",
                                                       "its value is stored in an unknown way."));

        std::string out;
        out.reserve(length);
        std::uint32_t next = pointer;
        long pages = 0;
        while (out.size() < length) {
            if (next == 0 || ++pages > maxPages) {
                failAt(column,
                       QCoreApplication::translate("kbs::legacy",
                                                   "its value ends after %1 of the %2 bytes its "
                                                   "header says.")
                           .arg(out.size())
                           .arg(length));
            }
            if (mdb_find_pg_row(mdb, int(next), &buf, &off, &len) != 0 || len < 4)
                failAt(column, QCoreApplication::translate(
                                   "kbs::legacy", "a page that holds its value cannot be read."));
            const auto* row = static_cast<const unsigned char*>(buf) + off;
            next = le32(row);
            if (out.size() + (len - 4) > length) {
                failAt(column,
                       QCoreApplication::translate("kbs::legacy",
                                                   "its value holds more than the %1 bytes its "
                                                   "header says.")
                           .arg(length));
            }
            out.append(reinterpret_cast<const char*>(row + 4), len - 4);
        }
        return out;
    }

    std::string decodeText(int column, const unsigned char* data, std::size_t size) {
        if (!jet3()) {
            auto text = text::jet4Text(data, size);
            if (!text)
                failAt(column, QCoreApplication::translate(
                                   "kbs::legacy", "its text is cut in the middle of a character."));
            return *text;
        }
        // Jet 3 keeps texts in the code page of the machine that wrote them; libmdb converts.
        if (size == 0)
            return {};
        std::string out(size * 4 + 8, '\0');
        const int n = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(data), size, out.data(),
                                        out.size());
        out.resize(size_t(std::max(n, 0)));
        return out;
    }

    SourceValue value(int column, const MdbField& f) {
        const int type = columns[size_t(column)].type;
        if (type == MDB_BOOL)  // kept in the null bitmap itself: a set bit is Yes
            return SourceValue::ofText(f.is_null ? "False" : "True");
        if (f.is_null)
            return SourceValue::null();
        const int need = fixedSize(type);
        if (need != 0 && f.siz < need)
            failAt(column, QCoreApplication::translate(
                               "kbs::legacy", "its value is shorter than its type needs."));
        const unsigned char* p = mdb->pg_buf + f.start;
        switch (type) {
            case MDB_BYTE:
                return SourceValue::ofInteger(p[0]);
            case MDB_INT:
                return SourceValue::ofInteger(fromBytes<std::int16_t>(p));
            case MDB_LONGINT:
                return SourceValue::ofInteger(fromBytes<std::int32_t>(p));
            case MDB_MONEY:
                return SourceValue::ofText(text::currency(std::int64_t(le64(p))));
            case MDB_FLOAT: {
                const float v = fromBytes<float>(p);
                std::string s = text::single(v);
                // Keep the number as the digits single precision holds, not its binary noise.
                const double d = std::isfinite(v) ? std::strtod(s.c_str(), nullptr) : double(v);
                return SourceValue::ofReal(d, std::move(s));
            }
            case MDB_DOUBLE: {
                const double v = fromBytes<double>(p);
                return SourceValue::ofReal(v, text::real(v));
            }
            case MDB_DATETIME: {
                const double v = fromBytes<double>(p);
                auto s = text::dateTime(v);
                if (!s) {
                    failAt(column, QCoreApplication::translate(
                                       "kbs::legacy",
                                       "its date (%1) lies outside the years 100 to "
                                       "9999.")
                                       .arg(QString::fromStdString(text::real(v))));
                }
                return SourceValue::ofText(std::move(*s));
            }
            case MDB_REPID:
                return SourceValue::ofText(text::guid(p));
            case MDB_NUMERIC: {
                auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, column));
                char* raw = mdb_numeric_to_string(mdb, f.start, col->col_scale, col->col_prec);
                std::string s = raw ? raw : "";
                g_free(raw);
                if (s.find('.') != std::string::npos) {
                    while (!s.empty() && s.back() == '0')
                        s.pop_back();
                    if (!s.empty() && s.back() == '.')
                        s.pop_back();
                }
                return SourceValue::ofText(std::move(s));
            }
            case MDB_BINARY:
                return SourceValue::ofBlob(
                    std::string(reinterpret_cast<const char*>(p), size_t(f.siz)));
            case MDB_TEXT:
                return SourceValue::ofText(decodeText(column, p, size_t(f.siz)));
            case MDB_MEMO: {
                const std::string raw = longValue(column, f);
                return SourceValue::ofText(decodeText(
                    column, reinterpret_cast<const unsigned char*>(raw.data()), raw.size()));
            }
            case MDB_OLE:
                return SourceValue::ofBlob(longValue(column, f));
            default:
                failAt(column, QCoreApplication::translate("kbs::legacy",
                                                           "its type (%1) cannot be converted.")
                                   .arg(columns[size_t(column)].typeName));
        }
    }
};

JetReader::JetReader(const QString& path) : d(std::make_unique<Impl>()) {
    d->path = path;
    d->format = checkLegacyFile(path);
    d->open();
}

JetReader::~JetReader() = default;

const JetFormat& JetReader::format() const {
    return d->format;
}

const std::vector<SourceColumn>& JetReader::columns() const {
    return d->columns;
}

long JetReader::declaredRows() const {
    return d->declaredRows;
}

std::optional<std::int64_t> JetReader::autonumberCounter() const {
    return d->autonumber;
}

long JetReader::rowsRead() const {
    return d->rowsRead;
}

bool JetReader::next(std::vector<SourceValue>& values) {
    MdbTableDef* t = d->table;
    if (!mdb_fetch_row(t))
        return false;
    ++d->rowsRead;
    d->currentId.clear();

    // libmdb has just read the row at cur_row - 1 of the current page; take it apart again to
    // see its null bitmap, which libmdb's bound values do not show.
    int start = 0;
    size_t size = 0;
    if (mdb_find_row(d->mdb, int(t->cur_row) - 1, &start, &size) != 0 || size == 0)
        d->fail(QCoreApplication::translate("kbs::legacy",
                                            "record %1 cannot be found again on its page.")
                    .arg(d->rowsRead));
    if (mdb_crack_row(t, start & kOffsetMask, size, d->fields.data()) < 0)
        d->fail(QCoreApplication::translate("kbs::legacy",
                                            "record %1 cannot be taken apart: the file is damaged.")
                    .arg(d->rowsRead));

    const size_t n = d->columns.size();
    values.assign(n, SourceValue{});
    auto fieldOf = [&](int column) -> const MdbField& {
        for (const MdbField& f : d->fields) {
            if (f.colnum == column)
                return f;
        }
        d->fail(QCoreApplication::translate("kbs::legacy", "record %1 lacks a column.")
                    .arg(d->rowsRead));
    };
    if (d->idColumn >= 0) {
        values[size_t(d->idColumn)] = d->value(d->idColumn, fieldOf(d->idColumn));
        if (!values[size_t(d->idColumn)].isNull())
            d->currentId = QString::fromStdString(values[size_t(d->idColumn)].bytes);
    }
    for (int c = 0; c < int(n); ++c) {
        if (c != d->idColumn)
            values[size_t(c)] = d->value(c, fieldOf(c));
    }
    return true;
}

}  // namespace kbs::legacy
