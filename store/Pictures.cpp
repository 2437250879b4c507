#include "Pictures.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QSet>

#include "Schema.h"
#include "Sqlite.h"

namespace kbs::pictures {

namespace {
const QString kSource = QStringLiteral("Pictures");

bool hasTables(sqlite3* db) {
    sqlite::Stmt st(db,
                    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                    "('record_pictures', 'picture_thumbs')",
                    kSource);
    return st.step(kSource) && sqlite3_column_int(st.get(), 0) == 2;
}

QString text(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                             sqlite3_column_bytes(st, col));
}

void bindText(sqlite3_stmt* st, int i, const QString& s) {
    if (s.isNull()) {
        sqlite3_bind_null(st, i);
        return;
    }
    const QByteArray u = s.toUtf8();
    sqlite3_bind_text64(st, i, u.constData(), sqlite3_uint64(u.size()), SQLITE_TRANSIENT,
                        SQLITE_UTF8);
}

void bindBytes(sqlite3_stmt* st, int i, const QByteArray& b) {
    sqlite3_bind_blob64(st, i, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
}

void run(sqlite3* db, const char* sql, std::int64_t a, std::int64_t b = 0) {
    sqlite::runWithIds(db, sql, kSource, a, b);
}
}  // namespace

std::vector<Further> furtherOf(sqlite3* db, std::int64_t recordId) {
    std::vector<Further> out;
    if (!hasTables(db))
        return out;
    // The path is read only where there are no bytes: it is stored after them.
    sqlite::Stmt st(db,
                    "SELECT pic_id, position, length(bytes), CASE WHEN length(bytes) > 0 THEN "
                    "NULL ELSE path END, caption FROM record_pictures WHERE record_id = ? "
                    "ORDER BY position, pic_id",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    while (st.step(kSource)) {
        Further f;
        f.picId = sqlite3_column_int64(st.get(), 0);
        f.position = sqlite3_column_int(st.get(), 1);
        f.size = sqlite3_column_int64(st.get(), 2);
        f.embedded = f.size > 0;
        f.path = text(st.get(), 3);
        f.caption = text(st.get(), 4);
        out.push_back(std::move(f));
    }
    return out;
}

QByteArray bytesOf(sqlite3* db, std::int64_t picId) {
    sqlite::Stmt st(db, "SELECT bytes FROM record_pictures WHERE pic_id = ?", kSource);
    sqlite3_bind_int64(st.get(), 1, picId);
    if (!st.step(kSource))
        return {};
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                      sqlite3_column_bytes(st.get(), 0));
}

QByteArray bytesAt(sqlite3* db, std::int64_t recordId, int position) {
    sqlite::Stmt st(db,
                    position == 1 ? "SELECT binpicdata FROM table1 WHERE ID = ?"
                                  : "SELECT bytes FROM record_pictures WHERE record_id = ? AND "
                                    "position = ? ORDER BY pic_id LIMIT 1",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    if (position != 1)
        sqlite3_bind_int(st.get(), 2, position);
    if (!st.step(kSource))
        return {};
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                      sqlite3_column_bytes(st.get(), 0));
}

void writeKept(sqlite3* db, std::int64_t recordId, const std::vector<Kept>& given) {
    std::vector<Kept> kept = given;
    if (!hasTables(db))
        sqlite::fail(kSource, QCoreApplication::translate(
                                  "kbs::store", "The catalogue cannot hold further pictures."));
    if (kept.empty()) {
        run(db, "UPDATE table1 SET binpicdata = x'', picpath = '' WHERE ID = ?", recordId);
    } else if (kept.front().from != Kept::From::Main) {
        // The main picture as stored goes among the further pictures, where it was put.
        for (Kept& k : kept) {
            if (k.from != Kept::From::Main)
                continue;
            sqlite::Stmt st(db,
                            "INSERT INTO record_pictures (record_id, position, bytes, path, "
                            "caption) SELECT ID, 0, CASE WHEN length(binpicdata) > 0 THEN "
                            "binpicdata END, CASE WHEN length(binpicdata) > 0 THEN NULL ELSE "
                            "NULLIF(trim(picpath), '') END, ? FROM table1 WHERE ID = ?",
                            kSource);
            bindText(st.get(), 1, k.caption);
            sqlite3_bind_int64(st.get(), 2, recordId);
            st.step(kSource);
            k.from = Kept::From::Stored;
            k.picId = sqlite3_last_insert_rowid(db);
        }
        const Kept& first = kept.front();
        if (first.from == Kept::From::Stored) {
            run(db,
                "UPDATE table1 SET binpicdata = coalesce((SELECT bytes FROM record_pictures "
                "WHERE pic_id = ?1), x''), picpath = coalesce((SELECT path FROM record_pictures "
                "WHERE pic_id = ?1), '') WHERE ID = ?2",
                first.picId, recordId);
        } else {
            sqlite::Stmt st(db, "UPDATE table1 SET binpicdata = ?, picpath = ? WHERE ID = ?",
                            kSource);
            bindBytes(st.get(), 1, first.path.isEmpty() ? first.bytes : QByteArray(""));
            bindText(st.get(), 2, first.path.isEmpty() ? QStringLiteral("") : first.path);
            sqlite3_bind_int64(st.get(), 3, recordId);
            st.step(kSource);
        }
    }
    // The further pictures: those not kept go, the others take their places.
    QSet<std::int64_t> stay;
    for (size_t i = 1; i < kept.size(); ++i) {
        if (kept[i].from == Kept::From::Stored)
            stay.insert(kept[i].picId);
    }
    {
        sqlite::Stmt ids(db, "SELECT pic_id FROM record_pictures WHERE record_id = ?", kSource);
        sqlite3_bind_int64(ids.get(), 1, recordId);
        std::vector<std::int64_t> gone;
        while (ids.step(kSource)) {
            if (!stay.contains(sqlite3_column_int64(ids.get(), 0)))
                gone.push_back(sqlite3_column_int64(ids.get(), 0));
        }
        for (std::int64_t id : gone)
            run(db, "DELETE FROM record_pictures WHERE pic_id = ?", id);
    }
    for (size_t i = 1; i < kept.size(); ++i) {
        const Kept& k = kept[i];
        const int position = int(i) + 1;
        if (k.from == Kept::From::Stored) {
            sqlite::Stmt st(db,
                            "UPDATE record_pictures SET position = ?, caption = ? WHERE pic_id "
                            "= ? AND record_id = ?",
                            kSource);
            sqlite3_bind_int(st.get(), 1, position);
            bindText(st.get(), 2, k.caption);
            sqlite3_bind_int64(st.get(), 3, k.picId);
            sqlite3_bind_int64(st.get(), 4, recordId);
            st.step(kSource);
            continue;
        }
        sqlite::Stmt st(db,
                        "INSERT INTO record_pictures (record_id, position, bytes, path, caption) "
                        "VALUES (?, ?, ?, ?, ?)",
                        kSource);
        sqlite3_bind_int64(st.get(), 1, recordId);
        sqlite3_bind_int(st.get(), 2, position);
        if (k.path.isEmpty()) {
            bindBytes(st.get(), 3, k.bytes);
            sqlite3_bind_null(st.get(), 4);
        } else {
            sqlite3_bind_null(st.get(), 3);
            bindText(st.get(), 4, k.path);
        }
        bindText(st.get(), 5, k.caption);
        st.step(kSource);
    }
    run(db, "DELETE FROM picture_thumbs WHERE record_id = ?", recordId);
}

void deleteOf(sqlite3* db, std::int64_t recordId) {
    if (!hasTables(db))
        return;
    run(db, "DELETE FROM record_pictures WHERE record_id = ?", recordId);
    run(db, "DELETE FROM picture_thumbs WHERE record_id = ?", recordId);
}

std::vector<std::pair<int, QByteArray>> thumbsOf(sqlite3* db, std::int64_t recordId) {
    std::vector<std::pair<int, QByteArray>> out;
    if (!hasTables(db))
        return out;
    sqlite::Stmt st(db,
                    "SELECT position, jpeg FROM picture_thumbs WHERE record_id = ? ORDER BY "
                    "position",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    while (st.step(kSource)) {
        out.emplace_back(sqlite3_column_int(st.get(), 0),
                         QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 1)),
                                    sqlite3_column_bytes(st.get(), 1)));
    }
    return out;
}

}  // namespace kbs::pictures
