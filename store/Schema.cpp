#include "Schema.h"

#include <sqlite3.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "AppError.h"
#include "Collection.h"
#include "RecordSet.h"
#include "SafeFile.h"
#include "Sqlite.h"

namespace kbs::schema {

namespace {
const QString kSource = QStringLiteral("Catalogue");

[[noreturn]] void cannotCreate(const QString& why) {
    throw AppError(
        err::PathFileAccess, kSource,
        QCoreApplication::translate("kbs::store", "The catalogue cannot be created: %1.").arg(why));
}

const char* typeOf(collection::Kind k) {
    switch (k) {
        case collection::Kind::Id:
            return "INTEGER PRIMARY KEY AUTOINCREMENT";
        case collection::Kind::Binary:
            return "BLOB";
        case collection::Kind::Any:
            return "";
        default:
            return "TEXT";
    }
}

bool hasRow(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    const bool found = sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK &&
                       sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return found;
}

bool hasTextIndex(sqlite3* db) {
    return hasRow(db,
                  "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = "
                  "'table1_texts'") &&
           hasRow(db,
                  "SELECT 1 FROM sqlite_stat1 WHERE tbl = 'table1' AND idx IS NULL AND "
                  "stat LIKE '% sz=%'");
}
}  // namespace

QString createTableSql() {
    QStringList cols;
    for (const auto& c : collection::columns) {
        QString def = QString::fromLatin1(c.name);
        const QString type = QString::fromLatin1(typeOf(c.kind));
        if (!type.isEmpty())
            def += QLatin1Char(' ') + type;
        cols << def;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QString::fromLatin1(TableName), cols.join(QStringLiteral(", ")));
}

void createEmptyCatalogue(const QString& path) {
    if (QFileInfo::exists(path))
        cannotCreate(QCoreApplication::translate("kbs::store", "%1 already exists").arg(path));
    // Build beside the target, under a scratch name of its own, and move into place only when
    // complete.
    safefile::Scratch temp;
    try {
        temp = safefile::Scratch::file(path);
    } catch (const AppError&) {
        cannotCreate(QCoreApplication::translate("kbs::store", "cannot create %1").arg(path));
    }
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(temp.path());
    int rc =
        sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString why;
    if (rc == SQLITE_OK) {
        // The scratch file is thrown away on any failure: it needs no journal.
        const QByteArray sql = "PRAGMA journal_mode=OFF; " + createTableSql().toUtf8();
        char* msg = nullptr;
        rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &msg);
        if (rc != SQLITE_OK)
            why = QString::fromUtf8(msg ? msg : sqlite3_errstr(rc));
        sqlite3_free(msg);
    } else {
        why = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    }
    sqlite3_close(db);
    if (!why.isEmpty())
        cannotCreate(why);
    // An existing catalogue, even one that appeared meanwhile, is never overwritten.
    try {
        temp.placeNoReplace();
    } catch (const AppError&) {
        cannotCreate(QCoreApplication::translate("kbs::store", "cannot create %1").arg(path));
    }
}

void verifyCatalogue(sqlite3* db) {
    QStringList present;
    QStringList keys;
    QString idType;
    for (const sqlite::TableColumn& c : sqlite::tableColumns(db, TableName, kSource)) {
        const QString name = QString::fromStdString(c.name);
        present << name;
        if (c.key)
            keys << name;
        if (name.compare(QLatin1String(collection::IdColumn), Qt::CaseInsensitive) == 0)
            idType = QString::fromStdString(c.type);
    }
    if (present.isEmpty()) {
        throw AppError(err::EngineError, kSource,
                       QCoreApplication::translate("kbs::store", "no such table: table1"));
    }
    QStringList missing;
    for (const auto& c : collection::columns) {
        if (!present.contains(QString::fromLatin1(c.name), Qt::CaseInsensitive))
            missing << QString::fromLatin1(c.name);
    }
    if (!missing.isEmpty()) {
        throw AppError(
            err::EngineError, kSource,
            (missing.size() > 1
                 ? QCoreApplication::translate("kbs::store", "table1 lacks the columns %1")
                 : QCoreApplication::translate("kbs::store", "table1 lacks the column %1"))
                .arg(missing.join(QStringLiteral(", "))));
    }
    // Saving and deleting find a record by its ID, which must therefore be the table's own key.
    const QString id = QString::fromLatin1(collection::IdColumn);
    QString why;
    if (keys.isEmpty())
        why = QCoreApplication::translate("kbs::store", "the table has no primary key");
    else if (keys.size() > 1 || keys.first().compare(id, Qt::CaseInsensitive) != 0)
        why = QCoreApplication::translate("kbs::store", "its primary key is %1")
                  .arg(keys.join(QStringLiteral(", ")));
    else if (idType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0)
        why =
            QCoreApplication::translate("kbs::store", "ID is declared %1")
                .arg(idType.isEmpty() ? QCoreApplication::translate("kbs::store", "without a type")
                                      : idType);
    if (!why.isEmpty()) {
        throw AppError(err::EngineError, kSource,
                       QCoreApplication::translate(
                           "kbs::store",
                           "Records of table1 cannot be saved or deleted: its column ID "
                           "must be its INTEGER PRIMARY KEY, but %1.")
                           .arg(why));
    }
    // The grid and the search go by position.
    for (const auto& c : collection::columns) {
        const QString name = QString::fromLatin1(c.name);
        if (present.at(c.position).compare(name, Qt::CaseInsensitive) != 0) {
            const qsizetype at = present.indexOf(QRegularExpression(
                QRegularExpression::anchoredPattern(QRegularExpression::escape(name)),
                QRegularExpression::CaseInsensitiveOption));
            throw AppError(
                err::EngineError, kSource,
                QCoreApplication::translate("kbs::store",
                                            "The columns of table1 are in the wrong order: %1 is "
                                            "column %2 but must be column %3.")
                    .arg(name)
                    .arg(at + 1)
                    .arg(c.position + 1));
        }
    }
}

namespace {
// The columns table1 stores before binpicdata, in table order.
std::string textColumns() {
    std::string columns;
    for (const auto& c : collection::columns) {
        if (c.kind == collection::Kind::Binary)
            break;
        columns += (columns.empty() ? "" : ", ") + sqlite::quoteName(c.name);
    }
    return columns;
}

constexpr const char* kLongMark = " long-texts";

bool markedLong(sqlite3* db) {
    return hasRow(db,
                  "SELECT 1 FROM sqlite_stat1 WHERE tbl = 'table1' AND idx IS NULL AND stat LIKE "
                  "'% long-texts%'");
}

// Whether a value of table1 is longer than a scan of the records reads: SQLite stops at its
// length, before reading it.
bool holdsLongText(sqlite3* db) {
    const int was = sqlite3_limit(db, SQLITE_LIMIT_LENGTH, RecordSet::LongBytes);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(
        db, ("SELECT " + textColumns() + " FROM " + TableName + " NOT INDEXED").c_str(), -1, &st,
        nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW)
        rc = SQLITE_OK;
    sqlite3_finalize(st);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, was);
    return rc == SQLITE_TOOBIG;
}

// The note that table1's rows are large, with the mark of a long text or without it.
void writeNote(sqlite3* db, bool longText) {
    // Analysing sqlite_master makes sqlite_stat1 where it is missing, and later loads the
    // note; it gathers nothing about table1.
    sqlite::exec(db, "ANALYZE sqlite_master", kSource);
    sqlite::exec(db, "DELETE FROM sqlite_stat1 WHERE tbl = 'table1' AND idx IS NULL", kSource);
    sqlite::exec(db,
                 (std::string("INSERT INTO sqlite_stat1 (tbl, idx, stat) SELECT 'table1', NULL, "
                              "max(count(*), 1) || ' sz=65536") +
                  (longText ? kLongMark : "") + "' FROM table1")
                     .c_str(),
                 kSource);
    sqlite::exec(db, "ANALYZE sqlite_master", kSource);
}

bool makeTextIndex(sqlite3* db, bool longText) {
    const std::string create = "CREATE INDEX IF NOT EXISTS " + sqlite::quoteName(TextIndexName) +
                               " ON " + sqlite::quoteName(TableName) + " (" + textColumns() + ")";
    try {
        sqlite::inTransaction(db, kSource, [&] {
            if (longText)
                sqlite::exec(db,
                             ("DROP INDEX IF EXISTS " + sqlite::quoteName(TextIndexName)).c_str(),
                             kSource);
            else
                sqlite::exec(db, create.c_str(), kSource);
            writeNote(db, longText);
        });
    } catch (const AppError&) {
        return false;
    }
    return !longText && hasTextIndex(db);
}
}  // namespace

void keepTextIndex(sqlite3* db, bool longTextSeen) {
    if (sqlite3_db_readonly(db, "main") != 0)
        return;
    const bool indexed = hasRow(db,
                                "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = "
                                "'table1_texts'");
    if (longTextSeen ? indexed || !markedLong(db) : markedLong(db) || !hasTextIndex(db))
        makeTextIndex(db, longTextSeen);
}

bool ensureTextIndex(sqlite3* db) {
    if (hasTextIndex(db))
        return true;
    if (sqlite3_db_readonly(db, "main") != 0 || markedLong(db))
        return false;
    if (holdsLongText(db)) {
        makeTextIndex(db, true);
        return false;
    }
    return makeTextIndex(db, false);
}

// The last whole pass of the thumbnail maker over the catalogue (ThumbnailMaker): the
// catalogue's token and number of changes it began at (those of the backups' record of
// changes) and when it began to look at the linked files, in seconds since the epoch. One row
// at most; a catalogue that cannot be written goes without it.
constexpr const char* kThumbPassTableSql =
    "CREATE TABLE IF NOT EXISTS thumbnail_pass (token INTEGER NOT NULL, changes INTEGER NOT "
    "NULL, links_checked_at INTEGER NOT NULL)";

bool ensurePictureTables(sqlite3* db) {
    if (sqlite::hasSchemaObjects(db, {PicturesTable, ThumbsTable, "thumbnail_pass"}))
        return true;
    if (sqlite3_db_readonly(db, "main") == 0) {
        try {
            sqlite::exec(db, "BEGIN IMMEDIATE", kSource);
            sqlite::exec(db, PicturesTableSql, kSource);
            sqlite::exec(db, ThumbsTableSql, kSource);
            sqlite::exec(db, kThumbPassTableSql, kSource);
            sqlite::exec(db, "COMMIT", kSource);
        } catch (const AppError&) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    // The note of the thumbnails' last pass may be missing (a read-only catalogue goes without).
    return sqlite::hasSchemaObjects(db, {PicturesTable, ThumbsTable});
}

}  // namespace kbs::schema
