#pragma once

#include <QString>

struct sqlite3;

namespace kbs {

// The one connection to the collection database. The connection string names the file
// after "Data Source=", as the older program wrote it.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    static QString connectionStringFor(const QString& databasePath);

    void setConnectionString(const QString& s) { m_connectionString = s; }
    const QString& connectionString() const { return m_connectionString; }
    // The file named by the connection string.
    QString dataSource() const;

    // Opens the file for reading and writing. Never creates a file: a missing file, a file
    // that is not a database or a catalogue of the older program fail with an AppError.
    void open(const QString& user = {}, const QString& password = {}, int options = -1);
    void close() noexcept;
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }

private:
    QString m_connectionString;
    sqlite3* m_db = nullptr;
};

}  // namespace kbs
