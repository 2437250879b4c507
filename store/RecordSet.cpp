#include "RecordSet.h"

#include <sqlite3.h>
#include <sys/mman.h>

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <optional>
#include <set>

#include "AppError.h"
#include "Connection.h"
#include "Pictures.h"
#include "Schema.h"
#include "StopPoint.h"

namespace kbs {

namespace {
const QString kSource = QStringLiteral("RecordSet");

[[noreturn]] void noCurrentRecord() {
    throw AppError(
        err::NoCurrentRecord, kSource,
        QCoreApplication::translate("kbs::store",
                                    "Either BOF or EOF is True, or the current record has been "
                                    "deleted. Requested operation requires a current record."));
}

const char* const kNotOverwritten =
    "Your entries were not saved over the other program's. Cancel shows the record as it is "
    "now; saving again stores your entries over it.";
const char* const kNotDeleted = "It was not deleted.";
const char* const kDeletedOnUpdate =
    "Your entries were not stored. They are still in the fields: saving again stores them as a "
    "new record; Cancel shows the neighbouring record.";
const char* const kDeletedOnDelete = "It is no longer in the catalogue.";
const QString kNoKeyLeft = QStringLiteral(
    "No record can be added: the catalogue has given out the highest record "
    "number (ID 9223372036854775807) there is.");

[[noreturn]] void closedObject() {
    throw AppError(err::ObjectClosed, kSource,
                   QCoreApplication::translate(
                       "kbs::store", "Operation is not allowed when the object is closed."));
}

bool containsNoCase(const char* text, const char* word) {
    if (!text)
        return false;
    std::string t(text);
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::toupper(c); });
    return t.find(word) != std::string::npos;
}

// SQLite's affinity rules: which declared types hold numbers.
bool isNumericType(const char* decl) {
    if (!decl || !*decl)
        return false;
    if (containsNoCase(decl, "CHAR") || containsNoCase(decl, "CLOB") ||
        containsNoCase(decl, "TEXT") || containsNoCase(decl, "BLOB"))
        return false;
    return true;
}

bool looksNumeric(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

// The length of the longest beginning of text[0..] of at most max bytes that does not cut a
// UTF-8 character.
std::int32_t utf8Prefix(const char* text, std::int32_t max) {
    std::int32_t n = max;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

// The plain text form of a REAL: up to 15 significant digits, no trailing ".0".
std::string realText(double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", d);
    return buf;
}

// The lower-case names of the base table's columns that are stored after its first long
// binary column. SQLite keeps a row's values in table order, so reading any of them walks the
// long binary's overflow pages.
std::set<std::string> storedAfterBinary(sqlite3* db, const std::string& table) {
    std::set<std::string> out;
    bool behind = false;
    for (sqlite::TableColumn& c : sqlite::tableColumns(db, table, kSource)) {
        std::transform(c.name.begin(), c.name.end(), c.name.begin(), ::tolower);
        if (behind)
            out.insert(c.name);
        behind = behind || containsNoCase(c.type.c_str(), "BLOB");
    }
    return out;
}

// While it lives, SQLite hands out no value longer than `max` bytes: reading a longer one stops
// the statement with SQLITE_TOOBIG before a byte of it is read (its length is in the record's
// header). So a snapshot learns of a very long text without reading it.
class LengthLimit {
public:
    LengthLimit(sqlite3* db, int max)
        : m_db(db), m_was(sqlite3_limit(db, SQLITE_LIMIT_LENGTH, max)) {}
    ~LengthLimit() { sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, m_was); }
    LengthLimit(const LengthLimit&) = delete;
    LengthLimit& operator=(const LengthLimit&) = delete;

private:
    sqlite3* m_db;
    int m_was;
};

enum CellKind : std::uint32_t { KindText, KindNull, KindLazy, KindCut };
}  // namespace

// A cell of a row being built: its bytes and what they are.
struct RecordSet::CellSource {
    const void* data = nullptr;
    std::int32_t len = 0;  // the bytes to keep
    std::uint32_t kind = KindNull;
};

// ---------------------------------------------------------------- Field

QString Field::name() const {
    return m_rs->fieldName(m_pos);
}
QVariant Field::value() const {
    return m_rs->value(m_pos);
}
bool Field::isNull() const {
    return m_rs->isNull(m_pos);
}
void Field::setValue(const QString& text) {
    m_rs->setValue(m_pos, text);
}
qint64 Field::actualSize() const {
    return m_rs->actualSize(m_pos);
}
QByteArray Field::getChunk(qint64 n) {
    return m_rs->getChunk(m_pos, n);
}
void Field::appendChunk(const QByteArray& bytes) {
    m_rs->appendChunk(m_pos, bytes);
}

// ---------------------------------------------------------------- open and close

RecordSet::~RecordSet() {
    close();
}

void RecordSet::open(const QString& source, Connection& connection, int, int, int) {
    if (m_open) {
        throw AppError(err::OperationNotAllowed, kSource,
                       QCoreApplication::translate(
                           "kbs::store", "Operation is not allowed when the object is open."));
    }
    ++m_writes;  // other records
    if (!connection.isOpen())
        closedObject();
    sqlite3* db = connection.handle();
    const QByteArray sql = source.toUtf8();

    std::vector<Column> cols;
    std::string base;
    bool sameTable = true;
    int rowidCol = -1;
    {
        sqlite::Stmt probe(db, std::string_view(sql.constData(), size_t(sql.size())), kSource);
        if (!probe)
            sqlite::fail(kSource,
                         QCoreApplication::translate("kbs::store", "The command text is empty."));
        const int n = sqlite3_column_count(probe.get());
        std::set<std::string> seen;
        bool unique = true;
        for (int i = 0; i < n; ++i) {
            Column c;
            const char* name = sqlite3_column_name(probe.get(), i);
            c.name = name ? name : "";
            std::string lower = c.name;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            unique = seen.insert(lower).second && unique;
            const char* table = sqlite3_column_table_name(probe.get(), i);
            const char* origin = sqlite3_column_origin_name(probe.get(), i);
            const char* decl = sqlite3_column_decltype(probe.get(), i);
            if (!table || !origin) {
                sameTable = false;
            } else {
                c.origin = origin;
                if (base.empty())
                    base = table;
                else if (base != table)
                    sameTable = false;
                const char* type = nullptr;
                int pk = 0;
                if (sqlite3_table_column_metadata(db, "main", table, origin, &type, nullptr,
                                                  nullptr, &pk, nullptr) == SQLITE_OK &&
                    pk && type && sqlite3_stricmp(type, "INTEGER") == 0) {
                    rowidCol = i;
                }
            }
            c.lazy = containsNoCase(decl, "BLOB");
            c.numeric = isNumericType(decl);
            cols.push_back(std::move(c));
        }
        m_updatable = sameTable && unique && !base.empty() && rowidCol >= 0;
        if (!m_updatable) {
            for (auto& c : cols)
                c.lazy = false;  // nothing to read them back by
        } else {
            const std::set<std::string> behind = storedAfterBinary(db, base);
            for (size_t i = 0; i < cols.size(); ++i) {
                std::string lower = cols[i].origin;
                std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
                if (behind.count(lower))
                    cols[i].lazy = true;
            }
            cols[size_t(rowidCol)].lazy = false;  // the key is always in the snapshot
        }
    }

    m_cols = std::move(cols);
    m_baseTable = base;
    m_rowidCol = m_updatable ? rowidCol : -1;
    m_hasLazy = std::any_of(m_cols.begin(), m_cols.end(), [](const Column& c) { return c.lazy; });
    m_rowidStmtCol = m_rowidCol;
    for (int i = 0; i < m_rowidCol; ++i)
        m_rowidStmtCol -= m_cols[size_t(i)].lazy ? 1 : 0;
    m_looked = Looked{};

    std::string snapshotSql;
    if (m_hasLazy) {
        snapshotSql = "SELECT " + selectList(false) + " FROM (" +
                      std::string(sql.constData(), size_t(sql.size())) + ")";
    } else {
        snapshotSql.assign(sql.constData(), size_t(sql.size()));
    }
    sqlite::Stmt stmt(db, snapshotSql, kSource);
    m_conn = &connection;
    m_nextSerial = 1;
    m_arena.clear();
    m_slots.clear();
    m_order.clear();
    const auto inArena = [this](size_t n) { return m_arena.place(n); };
    m_metLongValue = false;
    // A value too long for the snapshot stops the scan unread; its row is then read a value at a
    // time, by its key, and the scan goes on after it.
    std::optional<LengthLimit> limit;
    if (m_updatable)
        limit.emplace(db, LongBytes);
    std::vector<Bookmark> keys;  // the source's keys in its order, once a long value is met
    bool ascending = true;
    for (;;) {
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_ROW) {
            const Bookmark key =
                m_rowidCol >= 0 ? sqlite3_column_int64(stmt.get(), m_rowidStmtCol) : m_nextSerial++;
            const std::string_view bytes = buildRow(stmt.get(), inArena);
            m_order.push_back(Slot(m_slots.size()));
            m_slots.push_back(
                Row{key, bytes.data(), static_cast<std::uint32_t>(bytes.size()), nextStamp()});
            continue;
        }
        if (rc != SQLITE_TOOBIG || !m_updatable)
            sqlite::fail(db, kSource, rc);
        m_metLongValue = true;
        if (keys.empty()) {
            keys = sourceKeys(sql);
            ascending = std::is_sorted(keys.begin(), keys.end());
        }
        const size_t done = m_order.size();
        std::string bytes;
        if (done >= keys.size() || !readLongRow(keys[done], bytes))
            sqlite::fail(db, kSource, rc);
        m_order.push_back(Slot(m_slots.size()));
        m_slots.push_back(keep(keys[done], bytes));
        // The rest of the scan: after that key where the source runs in key order, else past
        // the rows read (stepped over without reading their values).
        const std::string rest =
            "SELECT * FROM (" + snapshotSql + ")" +
            (ascending ? " WHERE " + sqlite::quoteName(m_cols[size_t(m_rowidCol)].name) + " > ?"
                       : std::string(" LIMIT -1 OFFSET ?"));
        stmt = sqlite::Stmt(db, rest, kSource);
        sqlite3_bind_int64(stmt.get(), 1,
                           ascending ? keys[done] : static_cast<sqlite3_int64>(done + 1));
    }
    limit.reset();
    m_source = source;
    m_open = true;
    m_pos = 0;
    m_deletedCurrent = false;
    m_addingNew = false;
    m_editing = false;
    m_pending.assign(m_cols.size(), Pending{});
    resetChunk();
}

void RecordSet::close() noexcept {
    resetChunk();
    m_slots = {};
    m_order = {};
    m_arena.clear();
    m_cols.clear();
    m_pending.clear();
    m_open = false;
    m_conn = nullptr;
    m_pos = -1;
    m_addingNew = m_editing = m_deletedCurrent = false;
}

// The select list of the snapshot: every column but those read when asked. With useOrigin
// the names are the base table's, for reading one row back by its key.
std::string RecordSet::selectList(bool useOrigin) const {
    std::string out;
    for (const auto& c : m_cols) {
        if (c.lazy)
            continue;
        if (!out.empty())
            out += ", ";
        out += sqlite::quoteName(useOrigin ? c.origin : c.name);
    }
    return out;
}

// ---------------------------------------------------------------- the snapshot's rows

const char* RecordSet::Arena::keep(std::string_view bytes) {
    char* at = place(bytes.size());
    if (!bytes.empty())
        std::memcpy(at, bytes.data(), bytes.size());
    return at;
}

char* RecordSet::Arena::place(std::size_t n) {
    if (m_blocks.empty() || m_used + n > m_size) {
        // Blocks grow with the snapshot, so that 100,000 rows take a few allocations. Each is
        // whole huge pages, aligned to them, and asks the system for huge pages: the first
        // touch of 2 MB then costs one page fault instead of 512.
        // The block is allocated a huge page larger, and its use begins at the first boundary.
        constexpr std::size_t kHugePage = 2 * 1024 * 1024;
        constexpr std::size_t kFirst = kHugePage, kLargest = 16 * 1024 * 1024;
        const std::size_t next = m_blocks.empty() ? kFirst : std::min(m_size * 2, kLargest);
        const std::size_t usable = (std::max(next, n) + kHugePage - 1) / kHugePage * kHugePage;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(usable + kHugePage));
        const auto base = reinterpret_cast<std::uintptr_t>(m_blocks.back().get());
        m_used = std::size_t((base + kHugePage - 1) / kHugePage * kHugePage - base);
        m_size = m_used + usable;
#ifdef MADV_HUGEPAGE
        madvise(m_blocks.back().get() + m_used, usable, MADV_HUGEPAGE);
#endif
    }
    char* at = m_blocks.back().get() + m_used;
    m_used += n;
    return at;
}

void RecordSet::Arena::clear() noexcept {
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_used = m_size = 0;
}

RecordSet::Row RecordSet::keep(Bookmark key, std::string_view bytes) {
    return Row{key, m_arena.keep(bytes), static_cast<std::uint32_t>(bytes.size()), nextStamp()};
}

std::uint32_t RecordSet::nextStamp() {
    static std::atomic<std::uint32_t> stamps{0};
    return ++stamps;
}

std::optional<RecordSet::Stored> RecordSet::storedAt(Slot slot, int position) const {
    if (!m_conn || m_baseTable.empty() || m_rowidCol < 0 || slot >= m_slots.size() ||
        position < 0 || position >= fieldCount() || m_cols[size_t(position)].origin.empty() ||
        !rowTextsAt(slot).partial(position))
        return std::nullopt;
    return Stored{m_conn->dataSource(), m_baseTable, m_cols[size_t(position)].origin,
                  m_slots[slot].key};
}

std::string_view RecordSet::buildRow(sqlite3_stmt* stmt,
                                     const std::function<char*(size_t)>& place) const {
    const size_t n = m_cols.size();
    thread_local std::vector<CellSource> srcs;
    thread_local std::vector<std::string> reals;
    srcs.resize(n);
    reals.clear();
    reals.reserve(n);
    int sc = 0;  // column of the statement
    for (size_t i = 0; i < n; ++i) {
        CellSource src;
        if (m_cols[i].lazy) {
            srcs[i] = CellSource{nullptr, 0, KindLazy};
            continue;
        }
        // One look-up of the cell, then its type and bytes from the value: each column_* call
        // would find the cell again (and take the connection's mutex). The value is read on
        // this thread only, before the next step, as the statement's own.
        sqlite3_value* value = sqlite3_column_value(stmt, sc);
        const int type = sqlite3_value_type(value);
        if (type == SQLITE_FLOAT) {
            reals.push_back(realText(sqlite3_value_double(value)));
            src = CellSource{reals.back().data(), static_cast<std::int32_t>(reals.back().size()),
                             KindText};
        } else if (type == SQLITE_BLOB) {
            const void* data = sqlite3_value_blob(value);
            src = CellSource{data, sqlite3_value_bytes(value), KindText};
        } else if (type != SQLITE_NULL) {
            const void* data = sqlite3_value_text(value);
            src = CellSource{data, sqlite3_value_bytes(value), KindText};
        }
        if (src.len > kShownBytes && m_updatable && int(i) != m_rowidCol) {
            // Too long for the snapshot: only its beginning, for the grid; the whole value is
            // read from the database when asked for.
            src.len = utf8Prefix(static_cast<const char*>(src.data), kShownBytes);
            src.kind = KindCut;
        }
        srcs[i] = src;
        ++sc;
    }
    return assembleRow(srcs.data(), n, place);
}

std::string_view RecordSet::assembleRow(const CellSource* srcs, size_t n,
                                        const std::function<char*(size_t)>& place) {
    const size_t header = n * sizeof(CellWord);
    size_t size = header;
    for (size_t i = 0; i < n; ++i)
        size += size_t(srcs[i].len);
    if (size > kEndMask) {
        throw AppError(err::OutOfMemory, kSource,
                       QCoreApplication::translate(
                           "kbs::store", "A record is too large to be read: it holds %1 bytes.")
                           .arg(size));
    }
    char* out = place(size);
    size_t end = header;
    for (size_t i = 0; i < n; ++i) {
        if (srcs[i].len > 0)
            std::memcpy(out + end, srcs[i].data, size_t(srcs[i].len));
        end += size_t(srcs[i].len);
        const CellWord word = CellWord(end) | (CellWord(srcs[i].kind) << kKindShift);
        std::memcpy(out + i * sizeof word, &word, sizeof word);
    }
    return std::string_view(out, size);
}

// The keys of the source's rows in its order. Run without the length limit: a long value in a
// condition of the source is read to decide, as any query would.
std::vector<RecordSet::Bookmark> RecordSet::sourceKeys(const QByteArray& sql) const {
    sqlite3* db = m_conn->handle();
    const LengthLimit lifted(db, std::numeric_limits<int>::max());
    sqlite::Stmt st(db,
                    "SELECT " + sqlite::quoteName(m_cols[size_t(m_rowidCol)].name) + " FROM (" +
                        std::string(sql.constData(), size_t(sql.size())) + ")",
                    kSource);
    std::vector<Bookmark> keys;
    while (st.step(kSource))
        keys.push_back(sqlite3_column_int64(st.get(), 0));
    return keys;
}

// A row holding a value longer than LongBytes, read a value at a time: such a value gives its
// beginning only, read through SQLite's incremental blob interface, which stops there.
bool RecordSet::readLongRow(Bookmark key, std::string& out) const {
    sqlite3* db = m_conn->handle();
    const LengthLimit limit(db, LongBytes);
    const size_t n = m_cols.size();
    std::vector<CellSource> srcs(n);
    std::vector<std::string> texts(n);
    const std::string table = sqlite::quoteName(m_baseTable);
    for (size_t i = 0; i < n; ++i) {
        if (m_cols[i].lazy) {
            srcs[i].kind = KindLazy;
            continue;
        }
        sqlite::Stmt st(
            db,
            "SELECT " + sqlite::quoteName(m_cols[i].origin) + " FROM " + table + " WHERE rowid = ?",
            kSource);
        sqlite3_bind_int64(st.get(), 1, key);
        const int rc = sqlite3_step(st.get());
        if (rc == SQLITE_DONE)
            return false;
        if (rc == SQLITE_ROW) {
            const int type = sqlite3_column_type(st.get(), 0);
            if (type == SQLITE_NULL)
                continue;
            if (type == SQLITE_FLOAT) {
                texts[i] = realText(sqlite3_column_double(st.get(), 0));
            } else {
                const void* p = type == SQLITE_BLOB ? sqlite3_column_blob(st.get(), 0)
                                                    : sqlite3_column_text(st.get(), 0);
                texts[i].assign(static_cast<const char*>(p),
                                size_t(sqlite3_column_bytes(st.get(), 0)));
            }
            srcs[i] = CellSource{texts[i].data(), std::int32_t(texts[i].size()), KindText};
            if (srcs[i].len > kShownBytes && int(i) != m_rowidCol)
                srcs[i] =
                    CellSource{texts[i].data(), utf8Prefix(texts[i].data(), kShownBytes), KindCut};
            continue;
        }
        if (rc != SQLITE_TOOBIG)
            sqlite::fail(db, kSource, rc);
        st = sqlite::Stmt();
        sqlite3_blob* blob = nullptr;
        int brc = sqlite3_blob_open(db, "main", m_baseTable.c_str(), m_cols[i].origin.c_str(), key,
                                    0, &blob);
        if (brc == SQLITE_OK) {
            texts[i].resize(size_t(kShownBytes) + 1);
            brc = sqlite3_blob_read(blob, texts[i].data(), kShownBytes + 1, 0);
        }
        sqlite3_blob_close(blob);
        if (brc != SQLITE_OK)
            sqlite::fail(db, kSource, brc);
        srcs[i] = CellSource{texts[i].data(), utf8Prefix(texts[i].data(), kShownBytes), KindCut};
    }
    const std::string_view row = assembleRow(srcs.data(), n, [&out](size_t size) {
        out.resize(size);
        return out.data();
    });
    (void)row;
    return true;
}

RecordSet::Cell RecordSet::cellOf(const Row& row, int position) const {
    CellWord word = 0;
    CellWord before = CellWord(m_cols.size() * sizeof word);
    if (position > 0) {
        std::memcpy(&before, row.data + size_t(position - 1) * sizeof word, sizeof word);
        before &= kEndMask;
    }
    std::memcpy(&word, row.data + size_t(position) * sizeof word, sizeof word);
    Cell c;
    c.off = before;
    c.size = (word & kEndMask) - before;
    static constexpr std::int32_t kinds[] = {0, kNull, kLazy, kCut};
    c.len = (word >> kKindShift) == 0 ? std::int32_t(c.size) : kinds[word >> kKindShift];
    return c;
}

RecordSet::Row RecordSet::readRow(Bookmark key, sqlite::Stmt* reuse) {
    std::string bytes;
    if (!readRowIfThere(key, bytes, reuse))
        noCurrentRecord();
    return keep(key, bytes);
}

bool RecordSet::readRowIfThere(Bookmark key, std::string& out, sqlite::Stmt* reuse) const {
    sqlite::Stmt own;
    sqlite::Stmt& stmt = reuse ? *reuse : own;
    if (!stmt) {
        const std::string sql = "SELECT " + selectList(true) + " FROM " +
                                sqlite::quoteName(m_baseTable) + " WHERE rowid = ?";
        stmt = sqlite::Stmt(m_conn->handle(), sql, kSource);
    }
    stmt.reset();
    sqlite3_bind_int64(stmt.get(), 1, key);
    int rc;
    {
        const LengthLimit limit(m_conn->handle(), LongBytes);
        rc = sqlite3_step(stmt.get());
    }
    if (rc == SQLITE_TOOBIG) {
        stmt.reset();
        return readLongRow(key, out);
    }
    if (rc != SQLITE_ROW) {
        stmt.reset();
        if (rc == SQLITE_DONE)
            return false;
        sqlite::fail(m_conn->handle(), kSource, rc);
    }
    buildRow(stmt.get(), [&out](size_t n) {
        out.resize(n);
        return out.data();
    });
    stmt.reset();
    return true;
}

RecordSet::Slot RecordSet::currentSlot() const {
    currentRow();  // throws without a current record
    return m_order[size_t(m_pos)];
}

std::string_view RecordSet::shownUtf8At(Slot slot, int position, std::string& scratch) const {
    if (slot >= m_slots.size() || position < 0 || position >= fieldCount())
        return {};
    const Row& row = m_slots[slot];
    const Cell c = cellOf(row, position);
    if (c.len >= 0)
        return std::string_view(row.data + c.off, size_t(c.len));
    if (c.len == kCut)
        return std::string_view(row.data + c.off, c.size);
    if (c.len == kNull)
        return {};
    // Not in the snapshot: read from the database, its beginning only.
    scratch = fetch(row.key, position).text;
    if (scratch.size() > size_t(kShownBytes))
        scratch.resize(size_t(utf8Prefix(scratch.data(), kShownBytes)));
    return scratch;
}

std::string RecordSet::wholeUtf8At(Slot slot, int position) const {
    const bool partial = slot < m_slots.size() && position >= 0 && position < fieldCount() &&
                         rowTextsAt(slot).partial(position);
    if (!partial) {
        std::string scratch;
        return std::string(shownUtf8At(slot, position, scratch));
    }
    Looked v = fetch(m_slots[slot].key, position);
    return v.type == SQLITE_BLOB ? std::string() : std::move(v.text);
}

// Optimistic locking: inside the write's transaction, the row must still be as this record set
// read it. A long binary is compared by its length only, so no picture is read for this. When
// another program changed the row, the snapshot takes the row as it is now, so that the record
// shows as stored and a second attempt is a choice made knowing it. When another program
// deleted it, the snapshot lets it go as after a Delete: the set no longer counts or shows it.
void RecordSet::requireUnchanged(const char* refused, const char* ifDeleted) {
    Row& seen = m_slots[m_order[size_t(m_pos)]];
    std::string now;
    if (!readRowIfThere(seen.key, now)) {
        forgetSeen(seen.key);
        m_order.erase(m_order.begin() + m_pos);
        m_deletedCurrent = true;
        throw AppError(
            err::DeletedElsewhere, kSource,
            QCoreApplication::translate("kbs::store",
                                        "Another program deleted this record after it was read "
                                        "here. %1")
                .arg(QString::fromUtf8(ifDeleted)));
    }
    bool changed = std::string_view(now) != seen.bytes();
    // The picture and the columns after it are not in the snapshot: those this record set
    // showed are compared as first seen (a picture by its type and length only).
    for (auto it = m_seen.lower_bound({seen.key, 0});
         it != m_seen.end() && it->first.first == seen.key; ++it) {
        std::string current = signature(fetch(seen.key, it->first.second));
        if (current != it->second) {
            changed = true;
            it->second = std::move(current);
        }
    }
    if (changed) {
        seen = keep(seen.key, now);
        m_looked = Looked{};
        sqlite::fail(kSource,
                     QCoreApplication::translate("kbs::store",
                                                 "Another program changed this record after it was "
                                                 "read here. %1")
                         .arg(QString::fromUtf8(refused)));
    }
}

void RecordSet::forgetSeen(Bookmark key) {
    m_seen.erase(m_seen.lower_bound({key, 0}), m_seen.lower_bound({key + 1, 0}));
    m_looked = Looked{};
}

// ---------------------------------------------------------------- position

void RecordSet::requireOpen() const {
    if (!m_open)
        closedObject();
}

void RecordSet::requireField(int position) const {
    requireOpen();
    if (position < 0 || position >= fieldCount()) {
        throw AppError(
            err::ItemNotFound, kSource,
            QCoreApplication::translate("kbs::store",
                                        "Item cannot be found in the collection corresponding to "
                                        "the requested name or ordinal."));
    }
}

bool RecordSet::bof() const {
    requireOpen();
    if (m_addingNew)
        return false;
    if (m_order.empty())
        return true;
    return m_pos < 0;
}

bool RecordSet::eof() const {
    requireOpen();
    if (m_addingNew)
        return false;
    if (m_order.empty())
        return true;
    if (m_deletedCurrent)
        return false;
    return m_pos >= static_cast<long>(m_order.size());
}

bool RecordSet::hasCurrentRecord() const {
    if (!m_open)
        return false;
    if (m_addingNew)
        return true;
    return !m_deletedCurrent && m_pos >= 0 && m_pos < static_cast<long>(m_order.size());
}

void RecordSet::leaveRecord() {
    if (m_addingNew || m_editing) {
        const bool changed =
            std::any_of(m_pending.begin(), m_pending.end(), [](const Pending& p) { return p.set; });
        if (changed)
            update();
        else
            cancelUpdate();
    }
    resetChunk();
}

void RecordSet::moveFirst() {
    requireOpen();
    leaveRecord();
    m_deletedCurrent = false;
    m_pos = 0;
}

void RecordSet::moveLast() {
    requireOpen();
    leaveRecord();
    m_deletedCurrent = false;
    m_pos = m_order.empty() ? 0 : static_cast<long>(m_order.size()) - 1;
}

void RecordSet::moveNext() {
    requireOpen();
    if (!m_deletedCurrent && eof())
        noCurrentRecord();
    leaveRecord();
    if (m_deletedCurrent)
        m_deletedCurrent = false;  // the next row has moved into place
    else
        ++m_pos;
}

void RecordSet::movePrevious() {
    requireOpen();
    if (!m_deletedCurrent && bof())
        noCurrentRecord();
    leaveRecord();
    m_deletedCurrent = false;
    --m_pos;
    if (m_order.empty())
        m_pos = 0;
}

long RecordSet::recordCount() const {
    requireOpen();
    return static_cast<long>(m_order.size());
}

RecordSet::Bookmark RecordSet::bookmark() const {
    return currentRow().key;
}

void RecordSet::setBookmark(Bookmark b) {
    requireOpen();
    auto it =
        std::find_if(m_order.begin(), m_order.end(), [&](Slot s) { return m_slots[s].key == b; });
    if (it == m_order.end())
        noCurrentRecord();
    leaveRecord();
    m_deletedCurrent = false;
    m_pos = static_cast<long>(it - m_order.begin());
}

const RecordSet::Row& RecordSet::currentRow() const {
    requireOpen();
    if (m_addingNew || m_deletedCurrent || m_pos < 0 || m_pos >= static_cast<long>(m_order.size()))
        noCurrentRecord();
    return m_slots[m_order[size_t(m_pos)]];
}

// ---------------------------------------------------------------- fields

QString RecordSet::fieldName(int position) const {
    requireField(position);
    return QString::fromStdString(m_cols[size_t(position)].name);
}

int RecordSet::fieldIndex(const QString& name) const {
    requireOpen();
    const QByteArray wanted = name.toUtf8();
    for (size_t i = 0; i < m_cols.size(); ++i) {
        if (sqlite3_stricmp(m_cols[i].name.c_str(), wanted.constData()) == 0)
            return int(i);
    }
    throw AppError(
        err::ItemNotFound, kSource,
        QCoreApplication::translate("kbs::store",
                                    "Item cannot be found in the collection corresponding to the "
                                    "requested name or ordinal."));
}

Field RecordSet::fields(int position) {
    requireField(position);
    return Field(*this, position);
}

void RecordSet::touch(int position) const {
    if (m_chunkCol != position)
        resetChunk();
}

bool RecordSet::isNull(int position) const {
    requireField(position);
    const auto& p = m_pending[size_t(position)];
    if ((m_addingNew || m_editing) && p.set)
        return p.isNull;
    if (m_addingNew)
        return true;
    const Row& row = currentRow();
    const Cell c = cellOf(row, position);
    if (c.len == kLazy)
        return lookUp(row.key, position).type == SQLITE_NULL;
    return c.len == kNull;  // a value cut short in the snapshot is not Null
}

QVariant RecordSet::value(int position) const {
    requireField(position);
    touch(position);
    const auto& p = m_pending[size_t(position)];
    if ((m_addingNew || m_editing) && p.set) {
        if (p.isNull)
            return {};
        if (p.binary)
            return QByteArray(p.bytes.data(), qsizetype(p.bytes.size()));
        return QString::fromUtf8(p.bytes.data(), qsizetype(p.bytes.size()));
    }
    if (m_addingNew)
        return {};
    const Row& row = currentRow();
    const Cell c = cellOf(row, position);
    if (c.len == kNull)
        return {};
    if (c.len <= kLazy) {
        const Looked& v = lookUp(row.key, position);
        if (v.type == SQLITE_NULL)
            return {};
        if (v.type == SQLITE_BLOB)
            return readLazy(row.key, position);
        return QString::fromStdString(v.text);
    }
    return QString::fromUtf8(row.data + c.off, c.len);
}

std::string RecordSet::utf8(int position) const {
    const QVariant v = value(position);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray().toStdString();
    return v.toString().toStdString();
}

bool RecordSet::peekUtf8(int position, std::string_view& out) const {
    if (m_addingNew || m_editing || position < 0 || position >= fieldCount())
        return false;
    const Row& row = currentRow();
    const Cell c = cellOf(row, position);
    if (c.len < 0)
        return false;
    out = std::string_view(row.data + c.off, size_t(c.len));
    return true;
}

QVariant RecordSet::valueForShow(int position, qint64 maxBytes, qint64* notShown) const {
    *notShown = 0;
    if (m_addingNew || m_editing || !hasCurrentRecord())
        return value(position);
    requireField(position);
    const Row& row = currentRow();
    if (cellOf(row, position).len != kCut)
        return value(position);
    // A value too long to be shown whole gives the beginning the snapshot holds: nothing more
    // of it is read, only its length, from the record's header.
    sqlite3_blob* blob = nullptr;
    const int rc = sqlite3_blob_open(m_conn->handle(), "main", m_baseTable.c_str(),
                                     m_cols[size_t(position)].origin.c_str(), row.key, 0, &blob);
    const qint64 size = rc == SQLITE_OK ? sqlite3_blob_bytes(blob) : 0;
    sqlite3_blob_close(blob);
    if (rc != SQLITE_OK)
        sqlite::fail(m_conn->handle(), kSource, rc);
    if (size <= maxBytes)
        return value(position);
    const Cell c = cellOf(row, position);
    const std::int32_t keep = qint64(c.size) > maxBytes
                                  ? utf8Prefix(row.data + c.off, std::int32_t(maxBytes))
                                  : std::int32_t(c.size);
    *notShown = size - keep;
    return QString::fromUtf8(row.data + c.off, keep);
}

bool RecordSet::peekShownUtf8(int position, std::string_view& out) const {
    if (peekUtf8(position, out))
        return true;
    if (m_addingNew || m_editing || position < 0 || position >= fieldCount())
        return false;
    const Row& row = currentRow();
    const Cell c = cellOf(row, position);
    if (c.len != kCut)
        return false;
    out = std::string_view(row.data + c.off, c.size);
    return true;
}

QByteArray RecordSet::readLazy(Bookmark key, int position) const {
    const std::string sql = "SELECT " + sqlite::quoteName(m_cols[size_t(position)].origin) +
                            " FROM " + sqlite::quoteName(m_baseTable) + " WHERE rowid = ?";
    sqlite::Stmt stmt(m_conn->handle(), sql, kSource);
    sqlite3_bind_int64(stmt.get(), 1, key);
    if (!stmt.step(kSource))
        noCurrentRecord();
    const void* p = sqlite3_column_blob(stmt.get(), 0);
    const int n = sqlite3_column_bytes(stmt.get(), 0);
    return QByteArray(static_cast<const char*>(p), n);
}

// One value that is not in the snapshot, without the bytes of a long binary: SQLite takes
// the type and length of a blob from the record header.
const RecordSet::Looked& RecordSet::lookUp(Bookmark key, int position) const {
    if (m_looked.position == position && m_looked.key == key)
        return m_looked;
    m_looked = fetch(key, position);
    m_seen.try_emplace({key, position}, signature(m_looked));
    return m_looked;
}

// What a later write compares: a short text itself, a long one by its length and a hash, so
// that a very long value is not kept twice.
std::string RecordSet::signature(const Looked& v) {
    std::string s = std::to_string(v.type) + ' ' + std::to_string(v.size) + ' ';
    if (v.text.size() <= 256)
        return s + v.text;
    return s + '#' + std::to_string(std::hash<std::string>{}(v.text));
}

RecordSet::Looked RecordSet::fetch(Bookmark key, int position) const {
    const std::string q = sqlite::quoteName(m_cols[size_t(position)].origin);
    const std::string sql = "SELECT typeof(" + q + "), CASE WHEN typeof(" + q +
                            ")='blob' THEN length(" + q + ") END, CASE WHEN typeof(" + q +
                            ") <> 'blob' THEN " + q + " END FROM " +
                            sqlite::quoteName(m_baseTable) + " WHERE rowid = ?";
    sqlite::Stmt stmt(m_conn->handle(), sql, kSource);
    sqlite3_bind_int64(stmt.get(), 1, key);
    if (!stmt.step(kSource))
        noCurrentRecord();
    Looked v;
    v.type = sqlite3_column_type(stmt.get(), 2);
    if (sqlite3_column_type(stmt.get(), 1) != SQLITE_NULL) {
        v.type = SQLITE_BLOB;
        v.size = sqlite3_column_int64(stmt.get(), 1);
    } else if (v.type == SQLITE_FLOAT) {
        v.text = realText(sqlite3_column_double(stmt.get(), 2));
    } else if (v.type != SQLITE_NULL) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 2));
        v.text.assign(p ? p : "", size_t(sqlite3_column_bytes(stmt.get(), 2)));
    }
    if (v.type != SQLITE_BLOB)
        v.size = v.type == SQLITE_NULL ? -1 : qint64(v.text.size());
    v.key = key;
    v.position = position;
    return v;
}

void RecordSet::beginEdit() {
    if (m_addingNew || m_editing)
        return;
    currentRow();  // throws without a current record
    if (!m_updatable) {
        throw AppError(err::OperationNotAllowed, kSource,
                       QCoreApplication::translate("kbs::store",
                                                   "Current Recordset does not support updating."));
    }
    m_editing = true;
    for (auto& p : m_pending)
        p = Pending{};
}

void RecordSet::setValue(int position, const QString& text) {
    requireField(position);
    touch(position);
    if (position == m_rowidCol) {
        throw AppError(err::MultipleStepErrors, kSource,
                       QCoreApplication::translate("kbs::store", "Field '%1' cannot be updated.")
                           .arg(fieldName(position)));
    }
    // A number column takes a number, or nothing for a text of spaces (an empty box).
    const bool numeric = m_cols[size_t(position)].numeric;
    const bool blank = numeric && text.trimmed().isEmpty();
    if (numeric && !blank && !looksNumeric(text)) {
        throw AppError(err::MultipleStepErrors, kSource,
                       QCoreApplication::translate(
                           "kbs::store", "The column %1 of this catalogue holds numbers only.")
                           .arg(fieldName(position)));
    }
    beginEdit();
    Pending& p = m_pending[size_t(position)];
    p = Pending{};
    p.set = true;
    p.isNull = blank;
    if (!blank)
        p.bytes = text.toStdString();
}

qint64 RecordSet::actualSize(int position) const {
    requireField(position);
    const auto& p = m_pending[size_t(position)];
    if ((m_addingNew || m_editing) && p.set)
        return p.isNull ? -1 : qint64(p.bytes.size());
    if (m_addingNew)
        return -1;
    const Row& row = currentRow();
    const Cell c = cellOf(row, position);
    if (c.len == kNull)
        return -1;
    if (c.len <= kLazy)
        return lookUp(row.key, position).size;
    return c.len;
}

void RecordSet::resetChunk() const {
    if (m_blob) {
        sqlite3_blob_close(m_blob);
        m_blob = nullptr;
    }
    m_chunkCol = -1;
    m_chunkOffset = 0;
    m_chunkBuffer.clear();
    m_chunkBufferStart = 0;
    m_looked = Looked{};
}

QByteArray RecordSet::getChunk(int position, qint64 n) {
    requireField(position);
    if (n < 0) {
        throw AppError(
            err::InvalidPropertyValue, kSource,
            QCoreApplication::translate("kbs::store",
                                        "Arguments are of the wrong type, are out of acceptable "
                                        "range, or are in conflict with one another."));
    }
    touch(position);
    const qint64 size = actualSize(position);
    if (m_chunkCol != position) {
        resetChunk();
        m_chunkCol = position;
    }
    if (size <= 0 || m_chunkOffset >= size)
        return {};
    const qint64 take = std::min(n, size - m_chunkOffset);
    QByteArray out;

    const auto& p = m_pending[size_t(position)];
    if ((m_addingNew || m_editing) && p.set) {
        out = QByteArray(p.bytes.data() + m_chunkOffset, take);
    } else {
        const Row& row = currentRow();
        const Cell c = cellOf(row, position);
        const Looked* other = nullptr;
        if (c.len <= kLazy && lookUp(row.key, position).type != SQLITE_BLOB)
            other = &m_looked;
        if (c.len >= 0) {
            out = QByteArray(row.data + c.off + m_chunkOffset, take);
        } else if (other) {
            out = QByteArray(other->text.data() + m_chunkOffset, take);
        } else {
            // Read ahead in large blocks so that small chunks stay cheap.
            constexpr qint64 kBlock = 256 * 1024;
            if (!m_blob) {
                const int rc =
                    sqlite3_blob_open(m_conn->handle(), "main", m_baseTable.c_str(),
                                      m_cols[size_t(position)].origin.c_str(), row.key, 0, &m_blob);
                if (rc != SQLITE_OK) {
                    m_blob = nullptr;
                    sqlite::fail(m_conn->handle(), kSource, rc);
                }
            }
            out.reserve(take);
            qint64 want = take;
            qint64 at = m_chunkOffset;
            while (want > 0) {
                const qint64 bufEnd = m_chunkBufferStart + m_chunkBuffer.size();
                if (at >= m_chunkBufferStart && at < bufEnd) {
                    const qint64 k = std::min(want, bufEnd - at);
                    out.append(m_chunkBuffer.constData() + (at - m_chunkBufferStart), k);
                    at += k;
                    want -= k;
                    continue;
                }
                const qint64 blobSize = sqlite3_blob_bytes(m_blob);
                const qint64 len = std::min(kBlock, blobSize - at);
                if (len <= 0)
                    break;  // the value changed under us: end early
                m_chunkBuffer.resize(len);
                const int rc = sqlite3_blob_read(m_blob, m_chunkBuffer.data(), int(len), int(at));
                if (rc != SQLITE_OK) {
                    m_chunkBuffer.clear();
                    sqlite::fail(m_conn->handle(), kSource, rc);
                }
                m_chunkBufferStart = at;
            }
        }
    }
    m_chunkOffset += out.size();
    return out;
}

void RecordSet::appendChunk(int position, const QByteArray& bytes) {
    requireField(position);
    touch(position);
    beginEdit();
    Pending& p = m_pending[size_t(position)];
    if (!p.set || !p.appended) {
        p = Pending{};
        p.set = true;
        p.binary = true;
        p.appended = true;
    }
    p.bytes.append(bytes.constData(), size_t(bytes.size()));
}

// ---------------------------------------------------------------- changes

void RecordSet::runInTransaction(const std::function<void()>& body) {
    sqlite3* db = m_conn->handle();
    ++m_writes;  // also when it fails: what was made from the records is then made again
    sqlite::exec(db, "BEGIN IMMEDIATE", kSource);
    try {
        body();
        stopPoint("commit");
        sqlite::exec(db, "COMMIT", kSource);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void RecordSet::addNew() {
    requireOpen();
    if (!m_updatable) {
        throw AppError(err::OperationNotAllowed, kSource,
                       QCoreApplication::translate("kbs::store",
                                                   "Current Recordset does not support updating."));
    }
    if (m_addingNew || m_editing)
        update();  // the pending record is written first
    resetChunk();
    m_addingNew = true;
    m_deletedCurrent = false;
    for (auto& p : m_pending)
        p = Pending{};
}

void RecordSet::update() {
    requireOpen();
    if (!m_addingNew && !m_editing)
        return;  // nothing pending
    if (!m_conn || !m_conn->isOpen())
        closedObject();
    sqlite3* db = m_conn->handle();
    resetChunk();
    const CompanionWrite companion = std::move(m_companion);
    m_companion = nullptr;

    std::vector<int> changed;
    for (size_t i = 0; i < m_pending.size(); ++i) {
        if (m_pending[i].set)
            changed.push_back(int(i));
    }
    auto bindAll = [&](sqlite3_stmt* st) {
        int k = 1;
        for (int i : changed) {
            const Pending& p = m_pending[size_t(i)];
            if (p.isNull)
                sqlite3_bind_null(st, k);
            else if (p.binary)
                sqlite3_bind_blob64(st, k, p.bytes.data(), p.bytes.size(), SQLITE_STATIC);
            else
                sqlite3_bind_text64(st, k, p.bytes.data(), p.bytes.size(), SQLITE_STATIC,
                                    SQLITE_UTF8);
            ++k;
        }
        return k;
    };

    const std::string table = sqlite::quoteName(m_baseTable);
    Bookmark key = 0;
    if (m_addingNew) {
        std::string sql = "INSERT INTO " + table;
        if (changed.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (size_t j = 0; j < changed.size(); ++j) {
                if (j)
                    names += ", ", marks += ", ";
                names += sqlite::quoteName(m_cols[size_t(changed[j])].origin);
                marks += "?";
            }
            sql += " (" + names + ") VALUES (" + marks + ")";
        }
        try {
            runInTransaction([&] {
                sqlite::Stmt st(db, sql, kSource);
                bindAll(st.get());
                st.step(kSource);
                key = sqlite3_last_insert_rowid(db);
                if (companion)
                    companion(db, key);
            });
        } catch (const AppError&) {
            // The engine says "database or disk is full" when it has no key left to give.
            if (keysUsedUp())
                sqlite::fail(kSource, kNoKeyLeft);
            throw;
        }
        const Row row = readRow(key);
        m_order.push_back(Slot(m_slots.size()));
        m_slots.push_back(row);
        m_pos = static_cast<long>(m_order.size()) - 1;
        m_addingNew = false;
    } else {
        key = currentRow().key;
        if (!changed.empty() || companion) {
            std::string sql = "UPDATE " + table + " SET ";
            for (size_t j = 0; j < changed.size(); ++j) {
                if (j)
                    sql += ", ";
                sql += sqlite::quoteName(m_cols[size_t(changed[j])].origin) + " = ?";
            }
            sql += changed.empty() ? "rowid = rowid" : "";
            sql += " WHERE rowid = ?";
            try {
                runInTransaction([&] {
                    requireUnchanged(kNotOverwritten, kDeletedOnUpdate);
                    sqlite::Stmt st(db, sql, kSource);
                    const int k = bindAll(st.get());
                    sqlite3_bind_int64(st.get(), k, key);
                    st.step(kSource);
                    if (sqlite3_changes(db) != 1) {
                        sqlite::fail(kSource,
                                     QCoreApplication::translate(
                                         "kbs::store", "The record to update no longer exists."));
                    }
                    if (companion)
                        companion(db, key);
                });
            } catch (const AppError& e) {
                // A record that is gone has no edit pending.
                if (e.number() == err::DeletedElsewhere)
                    cancelUpdate();
                throw;
            }
            m_slots[m_order[size_t(m_pos)]] = readRow(key);
            forgetSeen(key);
        }
        m_editing = false;
    }
    for (auto& p : m_pending)
        p = Pending{};
}

// Whether the table has given out its highest possible key, directly or through the
// AUTOINCREMENT counter.
bool RecordSet::keysUsedUp() const {
    const std::string table = sqlite::quoteName(m_baseTable);
    const std::string probes[] = {
        "SELECT max(rowid) FROM " + table,
        "SELECT seq FROM sqlite_sequence WHERE name = '" + m_baseTable + "'"};
    for (const std::string& sql : probes) {
        sqlite3_stmt* st = nullptr;
        bool top = false;
        if (sqlite3_prepare_v2(m_conn->handle(), sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            top = sqlite3_column_int64(st, 0) == std::numeric_limits<sqlite3_int64>::max();
        sqlite3_finalize(st);
        if (top)
            return true;
    }
    return false;
}

void RecordSet::cancelUpdate() noexcept {
    if (!m_open)
        return;
    if (m_addingNew) {
        m_addingNew = false;
        // ADO leaves the set on the record that was current before AddNew.
    }
    m_editing = false;
    m_companion = nullptr;
    for (auto& p : m_pending)
        p = Pending{};
    resetChunk();
}

void RecordSet::deleteCurrent() {
    requireOpen();
    if (m_addingNew) {
        cancelUpdate();
        return;
    }
    const Row& row = currentRow();
    if (!m_updatable) {
        throw AppError(err::OperationNotAllowed, kSource,
                       QCoreApplication::translate("kbs::store",
                                                   "Current Recordset does not support updating."));
    }
    const Bookmark key = row.key;
    sqlite3* db = m_conn->handle();
    resetChunk();
    const std::string sql = "DELETE FROM " + sqlite::quoteName(m_baseTable) + " WHERE rowid = ?";
    runInTransaction([&] {
        requireUnchanged(kNotDeleted, kDeletedOnDelete);
        if (m_beforeDelete)
            m_beforeDelete(db, key);
        sqlite::Stmt st(db, sql, kSource);
        sqlite3_bind_int64(st.get(), 1, key);
        st.step(kSource);
        if (sqlite3_changes(db) != 1)
            sqlite::fail(kSource, QCoreApplication::translate(
                                      "kbs::store", "The record to delete no longer exists."));
        if (m_baseTable == schema::TableName)
            pictures::deleteOf(db, key);
    });
    m_editing = false;
    for (auto& p : m_pending)
        p = Pending{};
    forgetSeen(key);
    m_order.erase(m_order.begin() + m_pos);
    m_deletedCurrent = true;
}

RecordSet::Slot RecordSet::reinsert(Bookmark key) {
    requireOpen();
    if (m_addingNew || m_editing)
        update();
    resetChunk();
    ++m_writes;
    const Row row = readRow(key);
    const auto at = std::lower_bound(m_order.begin(), m_order.end(), key,
                                     [&](Slot s, Bookmark k) { return m_slots[s].key < k; });
    const long pos = long(at - m_order.begin());
    const Slot slot = Slot(m_slots.size());
    m_slots.push_back(row);
    m_order.insert(m_order.begin() + pos, slot);
    m_pos = pos;
    m_deletedCurrent = false;
    return slot;
}

void RecordSet::refresh(std::vector<Bookmark> keys) {
    requireOpen();
    ++m_writes;
    std::sort(keys.begin(), keys.end());
    const Bookmark editing = m_editing ? currentRow().key : 0;
    sqlite::Stmt reuse;
    for (const Slot s : m_order) {
        const Bookmark key = m_slots[s].key;
        if ((m_editing && key == editing) || !std::binary_search(keys.begin(), keys.end(), key))
            continue;
        m_slots[s] = readRow(key, &reuse);
        forgetSeen(key);
    }
    m_looked = Looked{};
}

}  // namespace kbs
