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

// Brings table1's Value and Value_Date up to date with a record's latest entry (both empty
// when it has none), its statements prepared once for many records.
class UpToDate {
public:
    explicit UpToDate(sqlite3* db)
        : m_entries(db,
                    "SELECT date, value FROM value_history WHERE record_id = ? ORDER BY "
                    "entry_id",
                    kSource),
          m_db(db) {}

    // Whether the record's Value or Value_Date changed.
    bool bring(qint64 recordId) {
        const auto [date, value] = latest(recordId);
        sqlite::Stmt update(m_db,
                            "UPDATE table1 SET Value = ?1, Value_Date = ?2 WHERE ID = ?3 AND "
                            "(Value IS NOT ?1 OR Value_Date IS NOT ?2)",
                            kSource);
        sqlite3_stmt* st = update.get();
        sqlite3_bind_text(st, 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(st, 3, recordId);
        update.step(kSource);
        return sqlite3_changes(m_db) > 0;
    }

    // The same for many records, in ID order; returns those whose Value or Value_Date changed.
    // table1 is written by one statement: one a record would have its triggers copy every page
    // they change once for each (the statement's own journal), which made a price guide's
    // import three times slower.
    std::vector<qint64> bringAll(const std::vector<qint64>& ids) {
        sqlite::exec(m_db,
                     "CREATE TEMP TABLE IF NOT EXISTS kbs_latest_values (id INTEGER PRIMARY KEY, "
                     "date TEXT, value TEXT); DELETE FROM temp.kbs_latest_values",
                     kSource);
        {
            sqlite::Stmt put(m_db, "INSERT INTO temp.kbs_latest_values VALUES (?, ?, ?)", kSource);
            for (const qint64 id : ids) {
                const auto [date, value] = latest(id);
                sqlite3_bind_int64(put.get(), 1, id);
                sqlite3_bind_text(put.get(), 2, date.constData(), int(date.size()),
                                  SQLITE_TRANSIENT);
                sqlite3_bind_text(put.get(), 3, value.constData(), int(value.size()),
                                  SQLITE_TRANSIENT);
                put.step(kSource);
                put.reset();
            }
        }
        sqlite::exec(m_db,
                     "DELETE FROM temp.kbs_latest_values WHERE id NOT IN (SELECT l.id FROM "
                     "temp.kbs_latest_values l JOIN table1 t ON t.ID = l.id WHERE t.Value IS NOT "
                     "l.value OR t.Value_Date IS NOT l.date)",
                     kSource);
        std::vector<qint64> changed;
        {
            sqlite::Stmt st(m_db, "SELECT id FROM temp.kbs_latest_values ORDER BY id", kSource);
            while (st.step(kSource))
                changed.push_back(sqlite3_column_int64(st.get(), 0));
        }
        sqlite::exec(m_db,
                     "UPDATE table1 SET Value = (SELECT value FROM temp.kbs_latest_values WHERE "
                     "id = table1.ID), Value_Date = (SELECT date FROM temp.kbs_latest_values "
                     "WHERE id = table1.ID) WHERE ID IN (SELECT id FROM temp.kbs_latest_values); "
                     "DELETE FROM temp.kbs_latest_values",
                     kSource);
        return changed;
    }

private:
    // The latest entry's date and value as table1 keeps them: by date, an unreadable one the
    // oldest; on one day the one entered last.
    std::pair<QByteArray, QByteArray> latest(qint64 recordId) {
        QDate latest;
        QByteArray date = " ", value = " ";  // how the catalogue stores an empty field
        bool any = false;
        sqlite3_bind_int64(m_entries.get(), 1, recordId);
        while (m_entries.step(kSource)) {
            const QByteArray d(
                reinterpret_cast<const char*>(sqlite3_column_text(m_entries.get(), 0)),
                sqlite3_column_bytes(m_entries.get(), 0));
            const QDate day = readDate(QString::fromUtf8(d));
            if (any && day < latest)
                continue;
            any = true;
            latest = day;
            date = d.isEmpty() ? QByteArray(" ") : d;
            value =
                QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(m_entries.get(), 1)),
                           sqlite3_column_bytes(m_entries.get(), 1));
        }
        m_entries.reset();
        return {date, value};
    }

    sqlite::Stmt m_entries;
    sqlite3* m_db;
};

bool bringUpToDate(sqlite3* db, qint64 recordId) {
    return UpToDate(db).bring(recordId);
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
    // Three runs of digits with one separator: -, / or .
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    QChar sep;
    const QStringView t = text.trimmed();
    for (const QChar c : t) {
        if (c.isDigit() && c.unicode() < 128) {
            if (++digits[part] > 4)
                return {};
            parts[part] = parts[part] * 10 + (c.unicode() - '0');
        } else if ((c == u'-' || c == u'/' || c == u'.') && part < 2 && digits[part] > 0 &&
                   (sep.isNull() || c == sep)) {
            sep = c;
            ++part;
        } else {
            return {};
        }
    }
    if (part != 2 || digits[2] == 0)
        return {};
    if (digits[0] == 4 && sep != u'.')  // 2026-03-31, 2026/3/31
        return digits[1] <= 2 && digits[2] <= 2 ? QDate(parts[0], parts[1], parts[2]) : QDate();
    if (digits[2] != 4 || digits[0] > 2 || digits[1] > 2 || sep == u'-')
        return {};
    return sep == u'/' ? QDate(parts[2], parts[0], parts[1])   // 3/31/2026
                       : QDate(parts[2], parts[1], parts[0]);  // 31.3.2026
}

QString writeDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

bool hasHistory(sqlite3* db) {
    return sqlite::hasSchemaObjects(db, {"value_history", "deleted_values", "value_history_insert",
                                         "value_history_update", "value_history_delete"});
}

bool ensureHistory(sqlite3* db) {
    if (hasHistory(db))
        return true;
    if (sqlite3_db_readonly(db, "main") != 0)
        return false;
    try {
        const sqlite::LargeCache room(db);
        sqlite::inTransaction(db, kSource, [db] {
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

Reader::Reader(sqlite3* db) {
    if (hasHistory(db))
        m_entries = sqlite::Stmt(db,
                                 "SELECT entry_id, date, value, note FROM value_history WHERE "
                                 "record_id = ? ORDER BY entry_id",
                                 kSource);
}

std::vector<Entry> Reader::of(qint64 recordId) {
    std::vector<Entry> all;
    if (!m_entries)
        return all;
    sqlite3_stmt* st = m_entries.get();
    sqlite3_bind_int64(st, 1, recordId);
    try {
        while (m_entries.step(kSource))
            all.push_back(
                {sqlite3_column_int64(st, 0), textAt(st, 1), textAt(st, 2), textAt(st, 3)});
    } catch (const AppError&) {
        m_entries.reset();
        throw;
    }
    m_entries.reset();
    std::vector<std::pair<QDate, size_t>> order;
    for (size_t i = 0; i < all.size(); ++i)
        order.emplace_back(readDate(all[i].date), i);  // an invalid date is the smallest
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Entry> sorted;
    for (const auto& [date, i] : order)
        sorted.push_back(std::move(all[i]));
    return sorted;
}

std::vector<Entry> entriesOf(sqlite3* db, qint64 recordId) {
    return Reader(db).of(recordId);
}

long restoreHistory(sqlite3* db, const std::vector<Carried>& entries) {
    sqlite::exec(db, kTablesSql, kSource);
    sqlite::Stmt put(db,
                     "INSERT INTO value_history (record_id, date, value, note) SELECT ?1, ?2, ?3, "
                     "?4 WHERE EXISTS (SELECT 1 FROM table1 WHERE ID = ?1)",
                     kSource);
    long leftOut = 0;
    for (const Carried& c : entries) {
        sqlite3_bind_int64(put.get(), 1, c.recordId);
        bindText(put.get(), 2, c.entry.date);
        bindText(put.get(), 3, c.entry.value);
        bindText(put.get(), 4, c.entry.note);
        put.step(kSource);
        put.reset();
        leftOut += sqlite3_changes(db) == 0 ? 1 : 0;
    }
    sqlite::exec(db,
                 "INSERT INTO value_history (record_id, date, value) SELECT ID, "
                 "trim(ifnull(Value_Date, '')), trim(Value) FROM table1 WHERE trim(ifnull(Value, "
                 "'')) <> '' AND NOT EXISTS (SELECT 1 FROM value_history WHERE record_id = "
                 "table1.ID AND date = trim(ifnull(table1.Value_Date, '')) AND value = "
                 "trim(table1.Value)) ORDER BY ID",
                 kSource);
    sqlite::exec(db, kTriggersSql, kSource);
    return leftOut;
}

qint64 add(sqlite3* db, qint64 recordId, const Entry& entry) {
    qint64 id = 0;
    sqlite::inTransaction(db, kSource, [&] {
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
    sqlite::inTransaction(db, kSource, [&] {
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
    sqlite::inTransaction(db, kSource, [&] {
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
    const sqlite::LargeCache room(db);
    sqlite::inTransaction(db, kSource, [&] {
        // The records by what describes them, when a row names one so; those named by their ID
        // are looked up one at a time (a price guide names a few of many records).
        QHash<QString, std::vector<qint64>> byKey;
        if (std::any_of(valuations.begin(), valuations.end(),
                        [](const Valuation& v) { return v.id < 0; })) {
            sqlite::Stmt st(db, "SELECT ID, Description, Number, Version_Number FROM table1",
                            kSource);
            while (st.step(kSource))
                byKey[keyOf(textAt(st.get(), 1), textAt(st.get(), 2), textAt(st.get(), 3))]
                    .push_back(sqlite3_column_int64(st.get(), 0));
        }
        sqlite::Stmt known(db, "SELECT 1 FROM table1 WHERE ID = ?", kSource);
        const auto isKnown = [&known](qint64 id) {
            sqlite3_bind_int64(known.get(), 1, id);
            const bool there = known.step(kSource);
            known.reset();
            return there;
        };
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
                if (isKnown(v.id))
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
        out.updated = UpToDate(db).bringAll(touched);
    });
    return out;
}

}  // namespace kbs::values
