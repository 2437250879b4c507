#include "Checklists.h"

#include <sqlite3.h>

#include "Collection.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs::checklists {

namespace {
const QString kSource = QStringLiteral("Checklists");

QString textAt(sqlite3_stmt* st, int col) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return t ? QString::fromUtf8(t, sqlite3_column_bytes(st, col)).trimmed() : QString();
}

void bindText(sqlite3_stmt* st, int at, const QString& text) {
    const QByteArray u = text.toUtf8();
    sqlite3_bind_text(st, at, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

bool present(sqlite3* db) {
    return sqlite::hasSchemaObjects(db, {"checklists", "checklist_entries"});
}

void insertEntries(sqlite3* db, std::int64_t listId, const std::vector<Entry>& entries) {
    sqlite::Stmt put(db,
                     "INSERT INTO checklist_entries (list_id, number, name, year, color, notes) "
                     "VALUES (?, ?, ?, ?, ?, ?)",
                     kSource);
    for (const Entry& e : entries) {
        sqlite3_bind_int64(put.get(), 1, listId);
        const QString* texts[] = {&e.number, &e.name, &e.year, &e.color, &e.notes};
        for (int i = 0; i < 5; ++i)
            bindText(put.get(), i + 2, texts[i]->trimmed());
        put.step(kSource);
        put.reset();
    }
}
}  // namespace

bool ensureTables(sqlite3* db) {
    return sqlite::addSchemaObjects(db, &present, schema::ChecklistTablesSql, kSource);
}

std::vector<List> lists(sqlite3* db) {
    std::vector<List> out;
    sqlite::Stmt st(db,
                    "SELECT l.list_id, l.name, l.series, l.rule, (SELECT count(*) FROM "
                    "checklist_entries AS e WHERE e.list_id = l.list_id) FROM checklists AS l "
                    "ORDER BY l.name COLLATE NOCASE, l.list_id",
                    kSource);
    while (st.step(kSource)) {
        List l;
        l.id = sqlite3_column_int64(st.get(), 0);
        l.name = textAt(st.get(), 1);
        l.series = textAt(st.get(), 2);
        l.rule = sqlite3_column_int(st.get(), 3) == 1 ? Rule::Description : Rule::SeriesAndNumber;
        l.entries = sqlite3_column_int(st.get(), 4);
        out.push_back(l);
    }
    return out;
}

std::vector<Entry> entriesOf(sqlite3* db, std::int64_t listId) {
    std::vector<Entry> out;
    sqlite::Stmt st(db,
                    "SELECT number, name, year, color, notes FROM checklist_entries WHERE "
                    "list_id = ? ORDER BY entry_id",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, listId);
    while (st.step(kSource))
        out.push_back({textAt(st.get(), 0), textAt(st.get(), 1), textAt(st.get(), 2),
                       textAt(st.get(), 3), textAt(st.get(), 4)});
    return out;
}

std::int64_t add(sqlite3* db, const List& list, const std::vector<Entry>& entries) {
    std::int64_t id = 0;
    sqlite::inTransaction(db, kSource, [&] {
        sqlite::Stmt put(db, "INSERT INTO checklists (name, series, rule) VALUES (?, ?, ?)",
                         kSource);
        bindText(put.get(), 1, list.name.trimmed());
        bindText(put.get(), 2, list.series.trimmed());
        sqlite3_bind_int(put.get(), 3, int(list.rule));
        put.step(kSource);
        id = sqlite3_last_insert_rowid(db);
        insertEntries(db, id, entries);
    });
    return id;
}

void setEntries(sqlite3* db, std::int64_t listId, const std::vector<Entry>& entries) {
    sqlite::inTransaction(db, kSource, [&] {
        sqlite::Stmt drop(db, "DELETE FROM checklist_entries WHERE list_id = ?", kSource);
        sqlite3_bind_int64(drop.get(), 1, listId);
        drop.step(kSource);
        insertEntries(db, listId, entries);
    });
}

void setRule(sqlite3* db, std::int64_t listId, Rule rule) {
    sqlite::Stmt st(db, "UPDATE checklists SET rule = ? WHERE list_id = ?", kSource);
    sqlite3_bind_int(st.get(), 1, int(rule));
    sqlite3_bind_int64(st.get(), 2, listId);
    st.step(kSource);
}

void remove(sqlite3* db, std::int64_t listId) {
    sqlite::inTransaction(db, kSource, [&] {
        for (const char* sql : {"DELETE FROM checklist_entries WHERE list_id = ?",
                                "DELETE FROM checklists WHERE list_id = ?"}) {
            sqlite::Stmt st(db, sql, kSource);
            sqlite3_bind_int64(st.get(), 1, listId);
            st.step(kSource);
        }
    });
}

std::vector<std::int64_t> addWanted(sqlite3* db, const List& list,
                                    const std::vector<Entry>& entries) {
    // Every text column gets a value, a single space where there is nothing, as a save writes.
    std::string names;
    std::string marks;
    std::vector<int> positions;
    for (const auto& c : collection::columns) {
        if (c.kind != collection::Kind::Text && c.kind != collection::Kind::Notes)
            continue;
        names += (names.empty() ? "" : ", ") + sqlite::quoteName(c.name);
        marks += marks.empty() ? "?" : ", ?";
        positions.push_back(c.position);
    }
    std::vector<std::int64_t> ids;
    sqlite::inTransaction(db, kSource, [&] {
        sqlite::Stmt put(db, "INSERT INTO table1 (" + names + ") VALUES (" + marks + ")", kSource);
        for (const Entry& e : entries) {
            for (size_t i = 0; i < positions.size(); ++i) {
                QString v;
                switch (positions[i]) {
                    case collection::at("Description"):
                        v = e.name;
                        break;
                    case collection::at("Year"):
                        v = e.year;
                        break;
                    case collection::at("Number"):
                        v = e.number;
                        break;
                    case collection::at("Series"):
                        v = list.series;
                        break;
                    case collection::at("Color"):
                        v = e.color;
                        break;
                    case collection::at("Status"):
                        v = QStringLiteral("Want");
                        break;
                    case collection::at("Notes"):
                        v = e.notes;
                        break;
                    default:
                        break;
                }
                bindText(put.get(), int(i) + 1,
                         positions[i] == collection::at("Notes") ? collection::storedNotesText(v)
                                                                 : collection::storedBoxText(v));
            }
            put.step(kSource);
            put.reset();
            ids.push_back(sqlite3_last_insert_rowid(db));
        }
    });
    return ids;
}

}  // namespace kbs::checklists
