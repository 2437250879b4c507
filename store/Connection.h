#pragma once

#include <QString>
#include <memory>

struct sqlite3;

namespace kbs {

class CatalogueLock;

// The one connection to the collection database. The connection string names the file
// after "Data Source=", as the older program wrote it.
class Connection {
public:
    Connection();
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
    // True when the file under the catalogue's name is no longer the one opened: another copy
    // of the program restored a backup in its place. Close and open again to see it.
    bool replaced() const;

private:
    QString m_connectionString;
    sqlite3* m_db = nullptr;
    std::unique_ptr<CatalogueLock> m_lock;  // tells other copies that the file is open here
};

}  // namespace kbs
