#pragma once

#include <sqlite3.h>

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "AppError.h"

namespace kbs::sqlite {

// Throws the engine's own message as an AppError.
[[noreturn]] void fail(sqlite3* db, const QString& source, int rc);
[[noreturn]] void fail(const QString& source, const QString& description);

// While another connection holds the file's lock, tries again every millisecond for up to
// `totalMs` (SQLite's own wait sleeps longer and longer, up to 100 ms between tries, so that a
// lock held for 30 ms may cost a window 80).
void waitForLock(sqlite3* db, int totalMs);

// A prepared statement that finalizes itself.
class Stmt {
public:
    Stmt() = default;
    Stmt(sqlite3* db, std::string_view sql, const QString& source);
    ~Stmt();
    Stmt(Stmt&& o) noexcept : m_db(o.m_db), m_stmt(o.m_stmt) { o.m_stmt = nullptr; }
    Stmt& operator=(Stmt&& o) noexcept;
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }
    // One step: true for a row, false when done; throws on failure.
    bool step(const QString& source);
    void reset();

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// Runs statements without results; throws on failure.
void exec(sqlite3* db, const char* sql, const QString& source);

// Room for the pages a long transaction changes, so that they are written once, at its end,
// rather than spilled on the way, and stay for what reads them next; as it was afterwards.
class LargeCache {
public:
    explicit LargeCache(sqlite3* db);
    ~LargeCache();
    LargeCache(const LargeCache&) = delete;
    LargeCache& operator=(const LargeCache&) = delete;

private:
    sqlite3* m_db;
    long long m_was = -2000;
};

// Runs `body` in a write transaction of its own: committed when it returns, rolled back when
// it throws (the exception goes on).
void inTransaction(sqlite3* db, const QString& source, const std::function<void()>& body);

// Runs one statement with one or two integer parameters (?1, ?2); throws on failure.
void runWithIds(sqlite3* db, std::string_view sql, const QString& source, std::int64_t a,
                std::int64_t b = 0);

// Adds tables (indexes, triggers) made by `sql` in a transaction of their own, unless `present`
// finds them there already. A catalogue that cannot be written is left as it is. Returns whether
// they are there.
bool addSchemaObjects(sqlite3* db, bool (*present)(sqlite3*), const char* sql,
                      const QString& source);

// Whether the schema has every one of these tables, indexes or triggers; false when it cannot
// be read.
bool hasSchemaObjects(sqlite3* db, std::initializer_list<std::string_view> names);

// A column of a table, as its schema declares it.
struct TableColumn {
    std::string name;
    std::string type;  // the declared type, as written
    bool key = false;  // part of the primary key
};
// The columns of `table` in the schema `schemaName` ("main", or one attached), in table order;
// none when there is no such table. Throws AppError when the schema cannot be read.
std::vector<TableColumn> tableColumns(sqlite3* db, std::string_view table, const QString& source,
                                      std::string_view schemaName = "main");

// Quotes a name for use in SQL ("name" with inner quotes doubled).
std::string quoteName(std::string_view name);

}  // namespace kbs::sqlite
