#include "ValueHistory.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <string>

#include "Sqlite.h"

namespace kbs::values {

namespace {

const QString kSource = QStringLiteral("Value history");

// The table, the deleted records' entries, and the triggers that keep every value table1 gets.
// An entry is added only when the record has no such one yet, so that bringing table1 up to
// date with the latest entry adds nothing.
const char* const kTablesSql =
    "CREATE TABLE IF NOT EXISTS value_history ("
    "entry_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "record_id INTEGER NOT NULL, "  // table1.ID
    "date TEXT NOT NULL, "
    "value TEXT NOT NULL, "
    "note TEXT NOT NULL DEFAULT ''); "
    "CREATE INDEX IF NOT EXISTS value_history_record ON value_history (record_id); "
    "CREATE TABLE IF NOT EXISTS deleted_values AS SELECT * FROM value_history WHERE 0";

const char* const kTriggersSql =
    "CREATE TRIGGER IF NOT EXISTS value_history_insert AFTER INSERT ON table1 "
    "WHEN trim(ifnull(new.Value, '')) <> '' BEGIN "
    "INSERT INTO value_history (record_id, date, value) SELECT new.ID, "
    "trim(ifnull(new.Value_Date, '')), trim(new.Value) WHERE NOT EXISTS (SELECT 1 FROM "
    "value_history WHERE record_id = new.ID AND date = trim(ifnull(new.Value_Date, '')) AND "
    "value = trim(new.Value)); END; "
    "CREATE TRIGGER IF NOT EXISTS value_history_update AFTER UPDATE OF Value, Value_Date ON "
    "table1 WHEN trim(ifnull(new.Value, '')) <> '' BEGIN "
    "INSERT INTO value_history (record_id, date, value) SELECT new.ID, "
    "trim(ifnull(new.Value_Date, '')), trim(new.Value) WHERE NOT EXISTS (SELECT 1 FROM "
    "value_history WHERE record_id = new.ID AND date = trim(ifnull(new.Value_Date, '')) AND "
    "value = trim(new.Value)); END; "
    "CREATE TRIGGER IF NOT EXISTS value_history_delete AFTER DELETE ON table1 BEGIN "
    "DELETE FROM value_history WHERE record_id = old.ID; END";

const char* const kFirstEntriesSql =
    "INSERT INTO value_history (record_id, date, value) SELECT ID, trim(ifnull(Value_Date, '')), "
    "trim(Value) FROM table1 WHERE trim(ifnull(Value, '')) <> '' ORDER BY ID";

QString textAt(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                             sqlite3_column_bytes(st, col));
}

void bindText(sqlite3_stmt* st, int at, const QString& text) {
    const QByteArray u = text.trimmed().toUtf8();
    sqlite3_bind_text(st, at, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

void runWithId(sqlite3* db, const std::string& sql, qint64 a, qint64 b = 0) {
    sqlite::Stmt st(db, sql, kSource);
    sqlite3_bind_int64(st.get(), 1, a);
    if (sqlite3_bind_parameter_count(st.get()) > 1)
        sqlite3_bind_int64(st.get(), 2, b);
    st.step(kSource);
}

// The latest entry goes into table1 (both fields empty when there is none); returns whether
// its Value or Value_Date changed.
bool bringUpToDate(sqlite3* db, qint64 recordId) {
    const std::vector<Entry> all = entriesOf(db, recordId);
    // How the catalogue stores an empty field.
    const auto stored = [](const QString& t) { return t.isEmpty() ? QStringLiteral(" ") : t; };
    const QString value = stored(all.empty() ? QString() : all.back().value);
    const QString date = stored(all.empty() ? QString() : all.back().date);
    sqlite::Stmt st(db,
                    "UPDATE table1 SET Value = ?1, Value_Date = ?2 WHERE ID = ?3 AND (Value IS "
                    "NOT ?1 OR Value_Date IS NOT ?2)",
                    kSource);
    for (int i : {1, 2}) {
        const QByteArray u = (i == 1 ? value : date).toUtf8();
        sqlite3_bind_text(st.get(), i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
    }
    sqlite3_bind_int64(st.get(), 3, recordId);
    st.step(kSource);
    return sqlite3_changes(db) > 0;
}

template <typename F>
void inTransaction(sqlite3* db, F body) {
    sqlite::exec(db, "BEGIN IMMEDIATE", kSource);
    try {
        body();
        sqlite::exec(db, "COMMIT", kSource);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void requireEntry(sqlite3* db, qint64 recordId, qint64 entryId) {
    sqlite::Stmt st(db, "SELECT 1 FROM value_history WHERE entry_id = ? AND record_id = ?",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, entryId);
    sqlite3_bind_int64(st.get(), 2, recordId);
    if (!st.step(kSource))
        sqlite::fail(kSource, QCoreApplication::translate(
                                  "kbs::values", "The valuation is no longer in the catalogue."));
}

QString keyOf(const QString& description, const QString& number, const QString& version) {
    return description.trimmed().toCaseFolded() + QChar(0x1f) + number.trimmed().toCaseFolded() +
           QChar(0x1f) + version.trimmed().toCaseFolded();
}

}  // namespace

QDate readDate(QStringView text) {
    const QString t = text.trimmed().toString();
    static const QString kFormats[] = {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"),
                                       QStringLiteral("M/d/yyyy"), QStringLiteral("d.M.yyyy")};
    for (const QString& f : kFormats) {
        const QDate d = QDate::fromString(t, f);
        if (d.isValid())
            return d;
    }
    return {};
}

QString writeDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

bool hasHistory(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    int n = 0;
    if (sqlite3_prepare_v2(db,
                           "SELECT count(*) FROM sqlite_master WHERE name IN ('value_history', "
                           "'deleted_values', 'value_history_insert', 'value_history_update', "
                           "'value_history_delete')",
                           -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return n == 5;
}

bool ensureHistory(sqlite3* db) {
    if (hasHistory(db))
        return true;
    if (sqlite3_db_readonly(db, "main") != 0)
        return false;
    try {
        inTransaction(db, [db] {
            sqlite::Stmt had(
                db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'value_history'",
                kSource);
            const bool first = !had.step(kSource);
            sqlite::exec(db, kTablesSql, kSource);
            if (first)
                sqlite::exec(db, kFirstEntriesSql, kSource);
            sqlite::exec(db, kTriggersSql, kSource);
        });
    } catch (const AppError&) {
        return false;
    }
    return hasHistory(db);
}

std::vector<Entry> entriesOf(sqlite3* db, qint64 recordId) {
    std::vector<Entry> all;
    sqlite::Stmt st(db,
                    "SELECT entry_id, date, value, note FROM value_history WHERE record_id = ? "
                    "ORDER BY entry_id",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    while (st.step(kSource)) {
        all.push_back({sqlite3_column_int64(st.get(), 0), textAt(st.get(), 1), textAt(st.get(), 2),
                       textAt(st.get(), 3)});
    }
    std::stable_sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) {
        return readDate(a.date) < readDate(b.date);  // an invalid date is the smallest
    });
    return all;
}

qint64 add(sqlite3* db, qint64 recordId, const Entry& entry) {
    qint64 id = 0;
    inTransaction(db, [&] {
        sqlite::Stmt st(db,
                        "INSERT INTO value_history (entry_id, record_id, date, value, note) "
                        "VALUES (?, ?, ?, ?, ?)",
                        kSource);
        if (entry.id > 0)
            sqlite3_bind_int64(st.get(), 1, entry.id);
        sqlite3_bind_int64(st.get(), 2, recordId);
        bindText(st.get(), 3, entry.date);
        bindText(st.get(), 4, entry.value);
        bindText(st.get(), 5, entry.note);
        st.step(kSource);
        id = sqlite3_last_insert_rowid(db);
        bringUpToDate(db, recordId);
    });
    return id;
}

void change(sqlite3* db, qint64 recordId, const Entry& entry) {
    inTransaction(db, [&] {
        requireEntry(db, recordId, entry.id);
        sqlite::Stmt st(db,
                        "UPDATE value_history SET date = ?, value = ?, note = ? WHERE entry_id = ?",
                        kSource);
        bindText(st.get(), 1, entry.date);
        bindText(st.get(), 2, entry.value);
        bindText(st.get(), 3, entry.note);
        sqlite3_bind_int64(st.get(), 4, entry.id);
        st.step(kSource);
        bringUpToDate(db, recordId);
    });
}

void remove(sqlite3* db, qint64 recordId, qint64 entryId) {
    inTransaction(db, [&] {
        requireEntry(db, recordId, entryId);
        runWithId(db, "DELETE FROM value_history WHERE entry_id = ?", entryId);
        bringUpToDate(db, recordId);
    });
}

void keepDeleted(sqlite3* db, qint64 recordId) {
    if (!hasHistory(db))
        return;
    runWithId(db, "DELETE FROM deleted_values WHERE record_id = ?", recordId);
    runWithId(db, "INSERT INTO deleted_values SELECT * FROM value_history WHERE record_id = ?",
              recordId);
    runWithId(db, "DELETE FROM value_history WHERE record_id = ?", recordId);
}

void bringBack(sqlite3* db, qint64 was, qint64 now) {
    if (!hasHistory(db))
        return;
    // The record's return added its current valuation; the kept entries hold it already.
    runWithId(db, "DELETE FROM value_history WHERE record_id = ?", now);
    runWithId(db,
              "INSERT INTO value_history (record_id, date, value, note) SELECT ?2, date, value, "
              "note FROM deleted_values WHERE record_id = ?1 ORDER BY entry_id",
              was, now);
    runWithId(db, "DELETE FROM deleted_values WHERE record_id = ?", was);
    // A record deleted before the history was kept brings its valuation only.
    runWithId(db,
              "INSERT INTO value_history (record_id, date, value) SELECT ID, "
              "trim(ifnull(Value_Date, '')), trim(Value) FROM table1 WHERE ID = ? AND "
              "trim(ifnull(Value, '')) <> '' AND NOT EXISTS (SELECT 1 FROM value_history WHERE "
              "record_id = table1.ID)",
              now);
}

void forgetDeleted(sqlite3* db) {
    if (!hasHistory(db))
        return;
    sqlite::exec(db,
                 "DELETE FROM deleted_values WHERE record_id NOT IN (SELECT ID FROM "
                 "deleted_records)",
                 kSource);
}

Applied apply(sqlite3* db, const std::vector<Valuation>& valuations) {
    Applied out;
    inTransaction(db, [&] {
        // The records by ID and by what describes them.
        QHash<qint64, QString> names;
        QHash<QString, std::vector<qint64>> byKey;
        {
            sqlite::Stmt st(db, "SELECT ID, Description, Number, Version_Number FROM table1",
                            kSource);
            while (st.step(kSource)) {
                const qint64 id = sqlite3_column_int64(st.get(), 0);
                names.insert(id, textAt(st.get(), 1).trimmed());
                byKey[keyOf(textAt(st.get(), 1), textAt(st.get(), 2), textAt(st.get(), 3))]
                    .push_back(id);
            }
        }
        sqlite::Stmt there(db,
                           "SELECT 1 FROM value_history WHERE record_id = ? AND date = ? AND "
                           "value = ? AND note = ?",
                           kSource);
        sqlite::Stmt put(db,
                         "INSERT INTO value_history (record_id, date, value, note) VALUES (?, ?, "
                         "?, ?)",
                         kSource);
        std::vector<qint64> touched;
        for (const Valuation& v : valuations) {
            const QString line =
                QCoreApplication::translate("kbs::values", "line %1: %2")
                    .arg(v.line)
                    .arg(v.id >= 0 ? QCoreApplication::translate("kbs::values", "ID %1").arg(v.id)
                                   : QStringList{v.description.trimmed(), v.number.trimmed(),
                                                 v.version.trimmed()}
                                         .join(QStringLiteral(" / ")));
            std::vector<qint64> ids;
            if (v.id >= 0) {
                if (names.contains(v.id))
                    ids.push_back(v.id);
            } else {
                ids = byKey.value(keyOf(v.description, v.number, v.version));
            }
            if (ids.empty()) {
                out.notMatched << line;
                continue;
            }
            if (ids.size() > 1) {
                QStringList list;
                for (qint64 id : ids)
                    list << QString::number(id);
                out.ambiguous << QCoreApplication::translate("kbs::values", "%1 (IDs %2)")
                                     .arg(line, list.join(QStringLiteral(", ")));
                continue;
            }
            const qint64 id = ids.front();
            out.matched << (v.id >= 0 ? line
                                      : QCoreApplication::translate("kbs::values", "%1 (ID %2)")
                                            .arg(line)
                                            .arg(id));
            for (sqlite::Stmt* st : {&there, &put}) {
                sqlite3_bind_int64(st->get(), 1, id);
                bindText(st->get(), 2, v.entry.date);
                bindText(st->get(), 3, v.entry.value);
                bindText(st->get(), 4, v.entry.note);
            }
            const bool found = there.step(kSource);
            there.reset();
            if (found) {
                ++out.alreadyThere;
            } else {
                put.step(kSource);
                ++out.added;
                touched.push_back(id);
            }
            put.reset();
        }
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        for (qint64 id : touched) {
            if (bringUpToDate(db, id))
                out.updated.push_back(id);
        }
    });
    return out;
}

}  // namespace kbs::values
