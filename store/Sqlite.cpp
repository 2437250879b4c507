#include "Sqlite.h"

#include <chrono>

namespace kbs::sqlite {

void fail(sqlite3* db, const QString& source, int rc) {
    QString msg =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    throw AppError(err::EngineError, source, msg);
}

void fail(const QString& source, const QString& description) {
    throw AppError(err::EngineError, source, description);
}

Stmt::Stmt(sqlite3* db, std::string_view sql, const QString& source) : m_db(db) {
    int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        fail(db, source, rc);
    }
}

Stmt::~Stmt() {
    sqlite3_finalize(m_stmt);
}

Stmt& Stmt::operator=(Stmt&& o) noexcept {
    if (this != &o) {
        sqlite3_finalize(m_stmt);
        m_db = o.m_db;
        m_stmt = o.m_stmt;
        o.m_stmt = nullptr;
    }
    return *this;
}

bool Stmt::step(const QString& source) {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(m_db, source, rc);
}

void Stmt::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void waitForLock(sqlite3* db, int totalMs) {
    // Counted by the clock, not by the tries: on a busy machine a sleep of one millisecond lasts
    // several, and the wait would grow with it. A wait starts with try 0, on the thread that
    // steps the statement.
    sqlite3_busy_handler(
        db,
        [](void* total, int tries) {
            thread_local std::chrono::steady_clock::time_point started;
            const auto now = std::chrono::steady_clock::now();
            if (tries == 0)
                started = now;
            if (now - started >= std::chrono::milliseconds(reinterpret_cast<std::intptr_t>(total)))
                return 0;
            sqlite3_sleep(1);
            return 1;
        },
        reinterpret_cast<void*>(std::intptr_t(totalMs)));
}

void exec(sqlite3* db, const char* sql, const QString& source) {
    char* errmsg = nullptr;
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, &errmsg);
    if (rc != SQLITE_OK) {
        QString msg = errmsg ? QString::fromUtf8(errmsg) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(errmsg);
        fail(source, msg);
    }
}

LargeCache::LargeCache(sqlite3* db) : m_db(db) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA cache_size", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        m_was = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    sqlite3_exec(db, "PRAGMA cache_size = -262144", nullptr, nullptr, nullptr);
}

LargeCache::~LargeCache() {
    const std::string sql = "PRAGMA cache_size = " + std::to_string(m_was);
    sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
}

void inTransaction(sqlite3* db, const QString& source, const std::function<void()>& body) {
    exec(db, "BEGIN IMMEDIATE", source);
    try {
        body();
        exec(db, "COMMIT", source);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

bool hasSchemaObjects(sqlite3* db, std::initializer_list<std::string_view> names) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = ?", -1, &st, nullptr) !=
        SQLITE_OK)
        return false;
    bool all = true;
    for (std::string_view name : names) {
        sqlite3_bind_text(st, 1, name.data(), int(name.size()), SQLITE_STATIC);
        all = all && sqlite3_step(st) == SQLITE_ROW;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    return all;
}

std::vector<TableColumn> tableColumns(sqlite3* db, std::string_view table, const QString& source,
                                      std::string_view schemaName) {
    Stmt st(db, "SELECT name, type, pk FROM " + quoteName(schemaName) + ".pragma_table_info(?1)",
            source);
    sqlite3_bind_text(st.get(), 1, table.data(), int(table.size()), SQLITE_TRANSIENT);
    const auto text = [&](int i) {
        const unsigned char* t = sqlite3_column_text(st.get(), i);
        return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
    };
    std::vector<TableColumn> columns;
    while (st.step(source))
        columns.push_back({text(0), text(1), sqlite3_column_int(st.get(), 2) > 0});
    return columns;
}

std::string quoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace kbs::sqlite

namespace kbs::sqlite {

void runWithIds(sqlite3* db, std::string_view sql, const QString& source, std::int64_t a,
                std::int64_t b) {
    Stmt st(db, sql, source);
    sqlite3_bind_int64(st.get(), 1, a);
    if (sqlite3_bind_parameter_count(st.get()) > 1)
        sqlite3_bind_int64(st.get(), 2, b);
    st.step(source);
}

bool addSchemaObjects(sqlite3* db, bool (*present)(sqlite3*), const char* sql,
                      const QString& source) {
    if (present(db))
        return true;
    if (sqlite3_db_readonly(db, "main") != 0)
        return false;
    try {
        inTransaction(db, source, [&] { exec(db, sql, source); });
    } catch (const AppError&) {
        return false;
    }
    return present(db);
}

}  // namespace kbs::sqlite
