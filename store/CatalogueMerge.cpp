#include "CatalogueMerge.h"

#include <sqlite3.h>

#include <QFile>
#include <algorithm>
#include <optional>
#include <string>

#include "Collection.h"
#include "OwnFields.h"
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

// The collector's own values and tags of the records added (old ID -> new ID): each field of
// `from` goes to the catalogue's field of its name, made with its kind and value list where
// there is none; where that field is of another kind and refuses a value, the values come as a
// field of their own beside it ("Scale (2)"), so that none is lost.
void addOwnValues(sqlite3* db, const ownfields::AllValues& from,
                  const std::vector<std::pair<qint64, qint64>>& added) {
    sqlite::Stmt put(db,
                     "INSERT OR REPLACE INTO main.own_values (record_id, field_id, value) VALUES "
                     "(?, ?, ?)",
                     kSource);
    for (size_t f = 0; f < from.fields.size(); ++f) {
        const ownfields::Field& field = from.fields[f];
        std::vector<std::pair<std::int64_t, QString>> values;
        for (const auto& [old, now] : added) {
            if (QString v = from.valueOf(old, f); !v.isEmpty())
                values.emplace_back(now, std::move(v));
        }
        std::optional<ownfields::Field> to;
        for (const ownfields::Field& f : ownfields::fields(db)) {
            if (f.name.compare(field.name, Qt::CaseInsensitive) == 0)
                to = f;
        }
        const bool fits = to && std::all_of(values.begin(), values.end(), [&](const auto& v) {
                              return ownfields::normalise(*to, v.second).ok;
                          });
        if (!fits) {
            ownfields::importField(db, field.name, field.kind, values, field.valueList);
            continue;
        }
        for (const auto& [record, text] : values) {
            const QByteArray stored = ownfields::normalise(*to, text).stored.toUtf8();
            put.reset();
            sqlite3_bind_int64(put.get(), 1, record);
            sqlite3_bind_int64(put.get(), 2, to->id);
            sqlite3_bind_text(put.get(), 3, stored.constData(), int(stored.size()),
                              SQLITE_TRANSIENT);
            put.step(kSource);
        }
    }
    std::vector<std::pair<std::int64_t, QStringList>> tags;
    for (const auto& [old, now] : added) {
        if (QStringList t = from.tagsOf(old); !t.isEmpty())
            tags.emplace_back(now, std::move(t));
    }
    ownfields::importTags(db, tags);
}

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
    // The collector's own values and tags of the records to add, read at once.
    ownfields::AllValues own;
    {
        Work source(from);
        own = ownfields::readAll(source.db());
    }
    const bool withOwn = ownfields::present(work.db()) || ownfields::ensureTables(work.db());
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
    std::vector<std::pair<qint64, qint64>> moved;  // old ID, new ID
    while (ids.step(kSource)) {
        const qint64 old = sqlite3_column_int64(ids.get(), 0);
        copy.reset();
        sqlite3_bind_int64(copy.get(), 1, old);
        copy.step(kSource);
        const qint64 now = sqlite3_last_insert_rowid(work.db());
        added.push_back(now);
        moved.emplace_back(old, now);
        if (pictures) {
            copyPictures.reset();
            sqlite3_bind_int64(copyPictures.get(), 1, now);
            sqlite3_bind_int64(copyPictures.get(), 2, old);
            copyPictures.step(kSource);
        }
    }
    if (withOwn)
        addOwnValues(work.db(), own, moved);
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
