#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Sqlite.h"

struct sqlite3_blob;

namespace kbs {

class Connection;
class RecordSet;

// One field of the current record, addressed by position.
class Field {
public:
    Field(RecordSet& rs, int position) : m_rs(&rs), m_pos(position) {}
    QString name() const;
    QVariant value() const;  // a null QVariant for Null
    bool isNull() const;
    void setValue(const QString& text);
    qint64 actualSize() const;
    QByteArray getChunk(qint64 n);
    void appendChunk(const QByteArray& bytes);
    int position() const { return m_pos; }

private:
    RecordSet* m_rs;
    int m_pos;
};

// A static, updatable record set over one query: a snapshot of the rows taken at Open, with
// the current-record semantics the catalogue window relies on. Long binary values, and every
// column the base table stores after one, are not held in the snapshot: the snapshot never
// passes a picture's pages, and such values are read from the database, for one record,
// when asked for.
//
// Every failing operation throws AppError. Update and Delete are each one transaction.
class RecordSet {
public:
    using Bookmark = std::int64_t;

    // The older program's open options; the record set is always static and optimistic.
    static constexpr int adOpenStatic = 3;
    static constexpr int adLockOptimistic = 3;
    static constexpr int adCmdUnspecified = -1;

    RecordSet() = default;
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    void open(const QString& source, Connection& connection, int cursorType = adOpenStatic,
              int lockType = adLockOptimistic, int options = adCmdUnspecified);
    void close() noexcept;
    bool isOpen() const { return m_open; }
    const QString& source() const { return m_source; }

    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    long recordCount() const;

    // Position: the current row's key, to come back to it later.
    Bookmark bookmark() const;
    void setBookmark(Bookmark b);
    bool hasCurrentRecord() const;  // on a stored record or a pending new one

    void addNew();
    void update();
    void cancelUpdate() noexcept;
    void deleteCurrent();  // removes the current record, and in table1 its pictures' rows
    // A write of rows that belong to the record (its pictures), run by the next update() inside
    // the transaction that stores the record, after its row, with the record's key: the record
    // and its rows are stored together or not at all. Dropped by that update and by a cancel.
    using CompanionWrite = std::function<void(sqlite3*, Bookmark)>;
    void setCompanionWrite(CompanionWrite write) { m_companion = std::move(write); }
    // One more such write, after those set already.
    void addCompanionWrite(CompanionWrite write) {
        if (!m_companion) {
            m_companion = std::move(write);
            return;
        }
        m_companion = [first = std::move(m_companion), then = std::move(write)](sqlite3* db,
                                                                                Bookmark key) {
            first(db, key);
            then(db, key);
        };
    }
    // Runs in the delete's transaction, before the record with this key is deleted.
    void setBeforeDelete(std::function<void(sqlite3* db, Bookmark key)> f) {
        m_beforeDelete = std::move(f);
    }
    // A record stored again under `key` (a deleted one brought back) takes its place among the
    // rows in key order, with a new slot, and becomes the current record.
    std::uint32_t reinsert(Bookmark key);  // its slot
    // Reads the stored records with these keys again, after a write of their own beside the
    // record set (not those it does not hold, nor one with an edit pending).
    void refresh(std::vector<Bookmark> keys);
    // Grows with every record stored, deleted, brought back or read again after a write beside
    // the set: what was made from the records knows when to make itself again.
    std::uint64_t writeStamp() const { return m_writes; }
    bool isAddingNew() const { return m_addingNew; }
    bool isEditing() const { return m_editing; }
    bool isUpdatable() const { return m_updatable; }
    // Whether the last open met a value longer than LongBytes (not read at all by its scan).
    bool metLongValue() const { return m_metLongValue; }

    int fieldCount() const { return static_cast<int>(m_cols.size()); }
    QString fieldName(int position) const;
    int fieldIndex(const QString& name) const;  // throws when there is no such field
    Field fields(int position);
    Field fields(const QString& name) { return fields(fieldIndex(name)); }

    QVariant value(int position) const;
    bool isNull(int position) const;
    // The stored UTF-8 text of a field, without conversion (empty for Null). Long binary
    // fields are read from the database.
    std::string utf8(int position) const;
    // Fast path for text fields of a stored record; false for Null or a long binary field.
    bool peekUtf8(int position, std::string_view& out) const;
    // The same for showing the value in a list: a very long text gives its first
    // ShownBytes bytes only.
    bool peekShownUtf8(int position, std::string_view& out) const;
    static constexpr std::int32_t ShownBytes = 16 * 1024;
    // A value longer than this is not read at all by a scan of the records: its row is read a
    // value at a time, taking the beginning of the long one. Shorter ones are read and cut to
    // ShownBytes; reading a megabyte costs about a millisecond.
    static constexpr std::int32_t LongBytes = 1024 * 1024;
    // A field's value for showing it: a text longer than maxBytes gives its beginning only
    // (whole characters, at most the ShownBytes the snapshot holds, so that nothing more is
    // read), and *notShown the bytes left out; other values as value() has them.
    QVariant valueForShow(int position, qint64 maxBytes, qint64* notShown) const;
    void setValue(int position, const QString& text);

    qint64 actualSize(int position) const;
    QByteArray getChunk(int position, qint64 n);
    void appendChunk(int position, const QByteArray& bytes);
    // Ends a GetChunk read at once, with its hold on the database, so that another
    // connection's writes need not wait for it.
    void endChunkRead() const { resetChunk(); }

    // The snapshot's rows for a list that shows them, without a copy. Each row has a slot for
    // as long as the record set stays open: a save changes its slot's texts in place, a new
    // record gets a new slot, and a deleted record's slot keeps its last texts but leaves the
    // record order.
    using Slot = std::uint32_t;
    const std::vector<Slot>& slotsInOrder() const { return m_order; }
    Slot currentSlot() const;  // throws without a stored current record
    // The text of a field of a row as a list shows it (empty for Null, the beginning of a very
    // long value); a value not in the snapshot is read into scratch.
    std::string_view shownUtf8At(Slot slot, int position, std::string& scratch) const;

    // A row of the snapshot as a search reads it, without a copy: the texts of its cells lie
    // one after another, each cell's where the one before it ends. A Null cell is empty; a
    // partial one holds less than its value (its beginning, or nothing when the value is kept
    // in the database only), which wholeUtf8At reads.
    class RowTexts {
    public:
        RowTexts(const char* data, int cells) : m_data(data), m_cells(cells) {}
        // Where a cell's text begins and ends, in bytes from the row's start.
        std::uint32_t begin(int position) const {
            return position == 0 ? std::uint32_t(m_cells * sizeof(std::uint32_t))
                                 : end(position - 1);
        }
        std::uint32_t end(int position) const { return word(position) & kEndMask; }
        const char* data() const { return m_data; }
        std::string_view cell(int position) const {
            return {m_data + begin(position), end(position) - begin(position)};
        }
        // The texts of the cells first to last, as one piece.
        std::string_view span(int first, int last) const {
            return {m_data + begin(first), end(last) - begin(first)};
        }
        bool partial(int position) const { return (word(position) >> (kKindShift + 1)) != 0; }
        bool anyPartial(int first, int last) const {
            std::uint32_t all = 0;
            for (int i = first; i <= last; ++i)
                all |= word(i);
            return (all >> (kKindShift + 1)) != 0;
        }

    private:
        std::uint32_t word(int position) const {
            std::uint32_t w;
            std::memcpy(&w, m_data + size_t(position) * sizeof w, sizeof w);
            return w;
        }
        const char* m_data;
        int m_cells;
    };
    RowTexts rowTextsAt(Slot slot) const { return {m_slots[slot].data, fieldCount()}; }
    // The key (ID) of the record in a slot.
    Bookmark keyAt(Slot slot) const { return m_slots[slot].key; }
    // The whole text of a field of a row (empty for Null or a long binary value); a value the
    // snapshot holds only in part is read from the database.
    std::string wholeUtf8At(Slot slot, int position) const;
    // A number that changes whenever the row of a slot is read anew (a save, a refresh): what
    // was learnt of its values holds while it stays the same. No two rows read in this program
    // share one.
    std::uint32_t rowStampAt(Slot slot) const { return m_slots[slot].stamp; }
    // Where the catalogue keeps a value the snapshot holds only in part, for reading it apart
    // from this record set (on a connection of its own); nothing for a value held whole.
    struct Stored {
        QString file;
        std::string table;
        std::string column;
        Bookmark key = 0;  // the rowid
    };
    std::optional<Stored> storedAt(Slot slot, int position) const;

private:
    struct Column {
        std::string name;
        std::string origin;  // column name in the base table, empty when computed
        bool lazy = false;   // long binary or stored after one: read when asked
        bool numeric = false;
    };
    // A cell of a row: its bytes at off, and what they are.
    struct Cell {
        std::uint32_t off = 0;
        std::uint32_t size = 0;  // the bytes at off
        std::int32_t len = 0;    // >= 0: a text of size bytes; kNull; kLazy: not in the snapshot;
                                 // kCut: the beginning of a longer value
    };
    static constexpr std::int32_t kNull = -1;
    static constexpr std::int32_t kLazy = -2;
    // A value longer than ShownBytes: the snapshot holds its beginning and reads the whole of
    // it like a value not in the snapshot.
    static constexpr std::int32_t kCut = -3;
    static constexpr std::int32_t kShownBytes = ShownBytes;
    // A row's header holds one word per cell: where the cell's bytes end, in the low bits, and
    // whether it is a text, Null, not in the snapshot or cut, in the top two. A cell's bytes
    // begin where those of the cell before it end, the first cell's right after the header.
    using CellWord = std::uint32_t;
    static constexpr int kKindShift = 30;
    static constexpr CellWord kEndMask = (CellWord(1) << kKindShift) - 1;
    // A row of the snapshot: its header, then its texts, in the arena.
    struct Row {
        Bookmark key = 0;
        const char* data = nullptr;
        std::uint32_t size = 0;
        std::uint32_t stamp = 0;
        std::string_view bytes() const { return {data, size}; }
    };
    // The snapshot's bytes: few large blocks, each row in one piece, never moved.
    class Arena {
    public:
        char* place(std::size_t n);  // room for n bytes
        const char* keep(std::string_view bytes);
        void clear() noexcept;

    private:
        std::vector<std::unique_ptr<char[]>> m_blocks;
        std::size_t m_used = 0;
        std::size_t m_size = 0;
    };
    // A value that is not in the snapshot, as last looked up: its type, and its size (long
    // binary) or its text (anything else).
    struct Looked {
        Bookmark key = 0;
        int position = -1;
        int type = 0;
        qint64 size = -1;
        std::string text;
    };
    struct Pending {
        bool set = false;
        bool isNull = false;
        bool binary = false;
        bool appended = false;
        std::string bytes;
    };

    void requireOpen() const;
    void requireField(int position) const;
    const Row& currentRow() const;  // throws without a stored current record
    Cell cellOf(const Row& row, int position) const;
    // Writes the statement's row where place(size) says; returns its bytes.
    std::string_view buildRow(sqlite3_stmt* stmt, const std::function<char*(size_t)>& place) const;
    struct CellSource;
    static std::string_view assembleRow(const CellSource* srcs, size_t n,
                                        const std::function<char*(size_t)>& place);
    std::vector<Bookmark> sourceKeys(const QByteArray& sql) const;
    bool readLongRow(Bookmark key, std::string& out) const;
    std::string selectList(bool useOrigin) const;
    Row keep(Bookmark key, std::string_view bytes);
    static std::uint32_t nextStamp();
    // `reuse`, when given, keeps the statement for the next row: for many rows read in turn.
    Row readRow(Bookmark key, sqlite::Stmt* reuse = nullptr);
    bool readRowIfThere(Bookmark key, std::string& out, sqlite::Stmt* reuse = nullptr) const;
    void requireUnchanged(const char* refused, const char* ifDeleted);
    bool keysUsedUp() const;
    void beginEdit();
    void leaveRecord();  // before a move: writes or drops pending changes, resets chunk reads
    void resetChunk() const;
    void touch(int position) const;
    QByteArray readLazy(Bookmark key, int position) const;
    const Looked& lookUp(Bookmark key, int position) const;
    Looked fetch(Bookmark key, int position) const;
    static std::string signature(const Looked& v);
    void forgetSeen(Bookmark key);
    void runInTransaction(const std::function<void()>& body);

    Connection* m_conn = nullptr;
    bool m_open = false;
    QString m_source;
    std::vector<Column> m_cols;
    Arena m_arena;
    std::vector<Row> m_slots;   // every row read, by slot
    std::vector<Slot> m_order;  // the records, in order: m_pos indexes this
    std::string m_baseTable;
    int m_rowidCol = -1;
    int m_rowidStmtCol = -1;  // where the snapshot's statement delivers the key
    bool m_updatable = false;
    bool m_hasLazy = false;
    bool m_metLongValue = false;
    Bookmark m_nextSerial = 1;

    long m_pos = -1;  // -1 BOF, size() EOF
    bool m_deletedCurrent = false;
    std::uint64_t m_writes = 0;
    bool m_addingNew = false;
    bool m_editing = false;
    std::vector<Pending> m_pending;
    CompanionWrite m_companion;
    std::function<void(sqlite3*, Bookmark)> m_beforeDelete;

    // GetChunk continues on one field of one record until another field is touched.
    mutable int m_chunkCol = -1;
    mutable qint64 m_chunkOffset = 0;
    mutable sqlite3_blob* m_blob = nullptr;
    mutable QByteArray m_chunkBuffer;
    mutable qint64 m_chunkBufferStart = 0;
    mutable Looked m_looked;
    // The values not in the snapshot as first looked up, per record and column, so that a
    // write can tell whether another program changed them since.
    mutable std::map<std::pair<Bookmark, int>, std::string> m_seen;
};

}  // namespace kbs
