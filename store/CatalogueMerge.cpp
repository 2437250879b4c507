#include "CatalogueMerge.h"

#include <sqlite3.h>

#include <QFile>
#include <string>

#include "Collection.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs::merge {

namespace {

const QString kSource = QStringLiteral("Import");

// A connection to a catalogue file that exists, closed when it goes; every statement of its
// work runs in one transaction, rolled back unless commit() is reached.
class Work {
public:
    explicit Work(const QString& path) {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                                       SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) {
            const QString why = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
            sqlite3_close(m_db);
            sqlite::fail(kSource, QStringLiteral("%1: %2").arg(path, why));
        }
        sqlite3_busy_timeout(m_db, 5000);
        sqlite3_exec(m_db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    }
    ~Work() {
        if (m_begun)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (m_attached)
            sqlite3_exec(m_db, "DETACH DATABASE src", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }
    Work(const Work&) = delete;
    Work& operator=(const Work&) = delete;

    sqlite3* db() const { return m_db; }
    void attach(const QString& path) {
        sqlite::Stmt st(m_db, "ATTACH DATABASE ? AS src", kSource);
        const QByteArray name = QFile::encodeName(path);
        sqlite3_bind_text(st.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        st.step(kSource);
        m_attached = true;
    }
    void begin() {
        sqlite::exec(m_db, "BEGIN IMMEDIATE", kSource);
        m_begun = true;
    }
    void commit() {
        sqlite::exec(m_db, "COMMIT", kSource);
        m_begun = false;
    }
    bool hasTable(const char* schemaName, const char* table) const {
        sqlite::Stmt st(m_db,
                        std::string("SELECT 1 FROM ") + schemaName +
                            ".sqlite_master WHERE type = 'table' AND name = ?",
                        kSource);
        sqlite3_bind_text(st.get(), 1, table, -1, SQLITE_STATIC);
        return st.step(kSource);
    }

private:
    sqlite3* m_db = nullptr;
    bool m_attached = false;
    bool m_begun = false;
};

}  // namespace

std::vector<qint64> addRecords(const QString& catalogue, const QString& from) {
    Work work(catalogue);
    schema::ensurePictureTables(work.db());
    work.attach(from);
    std::string columns;
    for (const collection::Column& c : collection::columns) {
        if (c.kind != collection::Kind::Id)
            columns.append(columns.empty() ? "" : ", ").append(sqlite::quoteName(c.name));
    }
    const bool pictures = work.hasTable("src", schema::PicturesTable);
    work.begin();
    sqlite::Stmt ids(work.db(), "SELECT ID FROM src.table1 ORDER BY ID", kSource);
    sqlite::Stmt copy(work.db(),
                      "INSERT INTO main.table1 (" + columns + ") SELECT " + columns +
                          " FROM src.table1 WHERE ID = ?",
                      kSource);
    sqlite::Stmt copyPictures;
    if (pictures) {
        copyPictures = sqlite::Stmt(work.db(),
                                    "INSERT INTO main.record_pictures (record_id, position, bytes, "
                                    "path, caption) SELECT ?, position, bytes, path, caption FROM "
                                    "src.record_pictures WHERE record_id = ? ORDER BY position",
                                    kSource);
    }
    std::vector<qint64> added;
    while (ids.step(kSource)) {
        const qint64 old = sqlite3_column_int64(ids.get(), 0);
        copy.reset();
        sqlite3_bind_int64(copy.get(), 1, old);
        copy.step(kSource);
        const qint64 now = sqlite3_last_insert_rowid(work.db());
        added.push_back(now);
        if (pictures) {
            copyPictures.reset();
            sqlite3_bind_int64(copyPictures.get(), 1, now);
            sqlite3_bind_int64(copyPictures.get(), 2, old);
            copyPictures.step(kSource);
        }
    }
    work.commit();
    return added;
}

void removeRecords(const QString& catalogue, const std::vector<qint64>& ids) {
    Work work(catalogue);
    const bool pictures = work.hasTable("main", schema::PicturesTable);
    const bool thumbs = work.hasTable("main", schema::ThumbsTable);
    work.begin();
    std::vector<sqlite::Stmt> statements;
    statements.emplace_back(work.db(), "DELETE FROM table1 WHERE ID = ?", kSource);
    if (pictures)
        statements.emplace_back(work.db(), "DELETE FROM record_pictures WHERE record_id = ?",
                                kSource);
    if (thumbs)
        statements.emplace_back(work.db(), "DELETE FROM picture_thumbs WHERE record_id = ?",
                                kSource);
    for (const qint64 id : ids) {
        for (sqlite::Stmt& st : statements) {
            st.reset();
            sqlite3_bind_int64(st.get(), 1, id);
            st.step(kSource);
        }
    }
    work.commit();
}

}  // namespace kbs::merge
