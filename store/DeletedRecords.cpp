#include "DeletedRecords.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <string>

#include "AppError.h"
#include "Collection.h"
#include "OwnFields.h"
#include "Schema.h"
#include "Sqlite.h"
#include "StopPoint.h"
#include "ValueHistory.h"

namespace kbs::deleted {

namespace {

const QString kSource = QStringLiteral("Deleted records");
const char* const kStamp = schema::DeletedAtColumn;

std::vector<std::string> columnsOf(sqlite3* db, const char* table) {
    std::vector<std::string> names;
    for (sqlite::TableColumn& c : sqlite::tableColumns(db, table, kSource))
        names.push_back(std::move(c.name));
    return names;
}

std::string joined(const std::vector<std::string>& names, const std::string& except = {}) {
    std::string s;
    for (const auto& n : names) {
        if (except.empty() || sqlite3_stricmp(n.c_str(), except.c_str()) != 0)
            s.append(s.empty() ? "" : ", ").append(sqlite::quoteName(n));
    }
    return s;
}

bool exists(sqlite3* db, const char* table) {
    sqlite::Stmt st(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?", kSource);
    sqlite3_bind_text(st.get(), 1, table, -1, SQLITE_STATIC);
    return st.step(kSource);
}

void run(sqlite3* db, const std::string& sql, qint64 id = 0) {
    sqlite::Stmt st(db, sql, kSource);
    if (sqlite3_bind_parameter_count(st.get()) > 0)
        sqlite3_bind_int64(st.get(), 1, id);
    while (st.step(kSource)) {
    }
}

// The tables of deleted records take the columns of the tables they keep rows of, and a
// column of their own for when the record was deleted; a column added to table1 later is
// added to them too.
void prepareTables(sqlite3* db) {
    sqlite::exec(db, schema::DeletedTablesSql, kSource);
    const auto kept = columnsOf(db, RecordsTable);
    for (const auto& c : columnsOf(db, schema::TableName)) {
        if (std::none_of(kept.begin(), kept.end(), [&](const std::string& k) {
                return sqlite3_stricmp(k.c_str(), c.c_str()) == 0;
            }))
            run(db,
                std::string("ALTER TABLE ") + RecordsTable + " ADD COLUMN " + sqlite::quoteName(c));
    }
}

}  // namespace

void keep(sqlite3* db, qint64 id, const QDateTime& when) {
    schema::ensurePictureTables(db);
    prepareTables(db);
    const std::string idName = sqlite::quoteName(collection::IdColumn);
    const auto cols = columnsOf(db, schema::TableName);
    run(db, std::string("DELETE FROM ") + RecordsTable + " WHERE " + idName + " = ?", id);
    run(db, std::string("DELETE FROM ") + PicturesTable + " WHERE record_id = ?", id);
    std::string stamp(1, '\'');
    stamp.append(when.toUTC().toString(Qt::ISODate).toStdString()).push_back('\'');
    run(db,
        std::string("INSERT INTO ") + RecordsTable + " (" + joined(cols) + ", " + kStamp +
            ") SELECT " + joined(cols) + ", " + stamp + " FROM " + schema::TableName +
            " WHERE rowid = ?",
        id);
    const std::string pics = joined(columnsOf(db, schema::PicturesTable));
    run(db,
        std::string("INSERT INTO ") + PicturesTable + " (" + pics + ") SELECT " + pics + " FROM " +
            schema::PicturesTable + " WHERE record_id = ?",
        id);
    run(db, std::string("DELETE FROM ") + schema::PicturesTable + " WHERE record_id = ?", id);
    run(db, std::string("DELETE FROM ") + schema::ThumbsTable + " WHERE record_id = ?", id);
    values::keepDeleted(db, id);
    ownfields::keepDeleted(db, id);
}

std::vector<Record> list(sqlite3* db) {
    std::vector<Record> all;
    if (!exists(db, RecordsTable))
        return all;
    const std::string idName = sqlite::quoteName(collection::IdColumn);
    sqlite::Stmt st(db,
                    std::string("SELECT d.") + idName + ", d.Description, d." + kStamp +
                        ", (typeof(d.binpicdata) = 'blob') + (SELECT count(*) FROM " +
                        PicturesTable + " AS p WHERE p.record_id = d." + idName + ") FROM " +
                        RecordsTable + " AS d ORDER BY d." + kStamp + " DESC, d." + idName +
                        " DESC",
                    kSource);
    while (st.step(kSource)) {
        Record r;
        r.id = sqlite3_column_int64(st.get(), 0);
        r.description =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 1)))
                .trimmed();
        r.deletedAt = QDateTime::fromString(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 2))),
            Qt::ISODate);
        r.pictures = sqlite3_column_int(st.get(), 3);
        all.push_back(r);
    }
    return all;
}

qint64 bringBack(sqlite3* db, qint64 id) {
    const std::string idName = sqlite::quoteName(collection::IdColumn);
    sqlite::exec(db, "BEGIN IMMEDIATE", kSource);
    try {
        prepareTables(db);
        const auto cols = columnsOf(db, schema::TableName);
        sqlite::Stmt taken(
            db, "SELECT 1 FROM " + std::string(schema::TableName) + " WHERE rowid = ?", kSource);
        sqlite3_bind_int64(taken.get(), 1, id);
        // Another record has the ID now (one imported with its IDs): this one gets a new ID.
        const std::string kept =
            taken.step(kSource) ? joined(cols, collection::IdColumn) : joined(cols);
        run(db,
            std::string("INSERT INTO ") + schema::TableName + " (" + kept + ") SELECT " + kept +
                " FROM " + RecordsTable + " WHERE " + idName + " = ? ORDER BY " + kStamp +
                " DESC LIMIT 1",
            id);
        if (sqlite3_changes(db) != 1)
            sqlite::fail(kSource, QCoreApplication::translate(
                                      "kbs::store", "The deleted record %1 is no longer kept.")
                                      .arg(id));
        const qint64 now = sqlite3_last_insert_rowid(db);
        // Its further pictures, under the record's ID now and keys of their own.
        std::string into;
        std::string from;
        for (const auto& c : columnsOf(db, schema::PicturesTable)) {
            if (c == "pic_id")
                continue;
            into.append(into.empty() ? "" : ", ").append(sqlite::quoteName(c));
            from.append(from.empty() ? "" : ", ")
                .append(c == "record_id" ? std::to_string(now) : sqlite::quoteName(c));
        }
        run(db,
            std::string("INSERT INTO ") + schema::PicturesTable + " (" + into + ") SELECT " + from +
                " FROM " + PicturesTable + " WHERE record_id = ? ORDER BY position",
            id);
        run(db, std::string("DELETE FROM ") + RecordsTable + " WHERE " + idName + " = ?", id);
        run(db, std::string("DELETE FROM ") + PicturesTable + " WHERE record_id = ?", id);
        values::bringBack(db, id, now);
        ownfields::bringBack(db, id, now);
        stopPoint("undo");
        sqlite::exec(db, "COMMIT", kSource);
        return now;
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void forgetBefore(sqlite3* db, const QDateTime& limit) {
    if (sqlite3_db_readonly(db, "main") != 0 || !exists(db, RecordsTable))
        return;
    const QByteArray stamp = limit.toUTC().toString(Qt::ISODate).toUtf8();
    const std::string idName = sqlite::quoteName(collection::IdColumn);
    try {
        sqlite::exec(db, "BEGIN IMMEDIATE", kSource);
        for (const std::string& sql :
             {std::string("DELETE FROM ") + PicturesTable + " WHERE record_id IN (SELECT " +
                  idName + " FROM " + RecordsTable + " WHERE " + kStamp + " < ?)",
              std::string("DELETE FROM ") + RecordsTable + " WHERE " + kStamp + " < ?"}) {
            sqlite::Stmt st(db, sql, kSource);
            sqlite3_bind_text(st.get(), 1, stamp.constData(), int(stamp.size()), SQLITE_STATIC);
            st.step(kSource);
        }
        values::forgetDeleted(db);
        ownfields::forgetDeleted(db);
        sqlite::exec(db, "COMMIT", kSource);
    } catch (const AppError&) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

}  // namespace kbs::deleted
