#include "StoredValueReader.h"

#include <sqlite3.h>

#include "Sqlite.h"

namespace kbs {

StoredValueReader::~StoredValueReader() {
    close();
    sqlite3_close(m_db);
}

bool StoredValueReader::connect(const QString& file) {
    if (m_db && m_file == file)
        return true;
    sqlite3_close(m_db);
    m_db = nullptr;
    m_file = file;
    if (sqlite3_open_v2(file.toUtf8().constData(), &m_db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite::waitForLock(m_db, 2000);
    return true;
}

StoredValueReader::Kind StoredValueReader::open(const RecordSet::Stored& where) {
    close();
    if (!connect(where.file))
        return Kind::Unreadable;
    std::string type;
    const std::string sql = "SELECT typeof(" + sqlite::quoteName(where.column) + ") FROM " +
                            sqlite::quoteName(where.table) + " WHERE rowid = ?";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_int64(st, 1, where.key);
        if (sqlite3_step(st) == SQLITE_ROW)
            type = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    }
    sqlite3_finalize(st);
    if (type.empty())
        return Kind::Unreadable;
    if (type != "text")
        return Kind::Other;
    if (sqlite3_blob_open(m_db, "main", where.table.c_str(), where.column.c_str(), where.key, 0,
                          &m_blob) != SQLITE_OK) {
        close();
        return Kind::Unreadable;
    }
    return Kind::Text;
}

int StoredValueReader::size() const {
    return m_blob ? sqlite3_blob_bytes(m_blob) : 0;
}

bool StoredValueReader::read(char* into, int n, int offset) {
    return m_blob && sqlite3_blob_read(m_blob, into, n, offset) == SQLITE_OK;
}

void StoredValueReader::close() {
    sqlite3_blob_close(m_blob);
    m_blob = nullptr;
}

}  // namespace kbs
