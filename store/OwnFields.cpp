#include "OwnFields.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>

#include "Amounts.h"
#include "Collection.h"
#include "Sqlite.h"
#include "TextCodec.h"
#include "TypedDate.h"

namespace kbs::ownfields {

namespace {

const QString kSource = QStringLiteral("Own fields");

// The fields, their values and the records' tags; the values and tags of deleted records kept
// aside for their undo; and the trigger that takes a record's values and tags with it.
const char* const kTablesSql =
    "CREATE TABLE IF NOT EXISTS own_fields ("
    "field_id INTEGER PRIMARY KEY, "
    "name TEXT NOT NULL, "
    "kind INTEGER NOT NULL, "  // Kind
    "value_list TEXT NOT NULL DEFAULT '', "
    "position INTEGER NOT NULL); "
    "CREATE TABLE IF NOT EXISTS own_values ("
    "value_id INTEGER PRIMARY KEY, "
    "record_id INTEGER NOT NULL, "  // table1.ID
    "field_id INTEGER NOT NULL, "   // own_fields.field_id
    "value TEXT NOT NULL, "
    "UNIQUE (record_id, field_id)); "
    "CREATE INDEX IF NOT EXISTS own_values_field ON own_values (field_id); "
    "CREATE TABLE IF NOT EXISTS record_tags ("
    "tag_id INTEGER PRIMARY KEY, "
    "record_id INTEGER NOT NULL, "  // table1.ID
    "tag TEXT NOT NULL, "
    "UNIQUE (record_id, tag)); "
    "CREATE INDEX IF NOT EXISTS record_tags_tag ON record_tags (tag); "
    "CREATE TABLE IF NOT EXISTS deleted_own_values AS SELECT * FROM own_values WHERE 0; "
    "CREATE TABLE IF NOT EXISTS deleted_tags AS SELECT * FROM record_tags WHERE 0; "
    "CREATE TRIGGER IF NOT EXISTS own_values_delete AFTER DELETE ON table1 BEGIN "
    "DELETE FROM own_values WHERE record_id = old.ID; "
    "DELETE FROM record_tags WHERE record_id = old.ID; END";

QString translated(const char* text) {
    return QCoreApplication::translate("kbs::ownfields", text);
}

[[noreturn]] void refuse(const QString& why) {
    sqlite::fail(kSource, why);
}

QString textAt(sqlite3_stmt* st, int col) {
    return textOf(st, col);
}

void bindText(sqlite3_stmt* st, int at, const QString& text) {
    const QByteArray u = text.toUtf8();
    sqlite3_bind_text(st, at, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

void runWithIds(sqlite3* db, const char* sql, std::int64_t a, std::int64_t b = 0) {
    sqlite::runWithIds(db, sql, kSource, a, b);
}

// A change of its own, or a part of the one under way (a record's save stores its values in the
// transaction that stores the record).
void inTransaction(sqlite3* db, const std::function<void()>& body) {
    if (sqlite3_get_autocommit(db) != 0) {
        sqlite::inTransaction(db, kSource, body);
        return;
    }
    sqlite::exec(db, "SAVEPOINT own_fields", kSource);
    try {
        body();
        sqlite::exec(db, "RELEASE own_fields", kSource);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK TO own_fields; RELEASE own_fields", nullptr, nullptr, nullptr);
        throw;
    }
}

Field fieldAt(sqlite3_stmt* st) {
    Field f;
    f.id = sqlite3_column_int64(st, 0);
    f.name = textAt(st, 1);
    const int kind = sqlite3_column_int(st, 2);
    f.kind = kind >= 0 && kind < int(std::size(Kinds)) ? Kinds[kind] : Kind::Text;
    f.valueList = textAt(st, 3);
    f.position = sqlite3_column_int(st, 4);
    return f;
}

const char* const kFieldsSql =
    "SELECT field_id, name, kind, value_list, position FROM own_fields ORDER BY position, "
    "field_id";

std::optional<Field> fieldById(sqlite3* db, std::int64_t id) {
    for (const Field& f : fields(db)) {
        if (f.id == id)
            return f;
    }
    return std::nullopt;
}

Field requireField(sqlite3* db, std::int64_t id) {
    if (auto f = fieldById(db, id))
        return *f;
    refuse(QCoreApplication::translate(
        "kbs::ownfields", "There is no such field (it may have been removed meanwhile)."));
}

// A field's name: trimmed, not empty, no colon (the filter bar reads "name:value"), and not the
// name of another field or of a described column.
QString checkedName(sqlite3* db, const QString& typed, std::int64_t self) {
    const QString name = typed.simplified();
    if (name.isEmpty())
        refuse(QCoreApplication::translate("kbs::ownfields", "A field needs a name."));
    if (name.contains(QLatin1Char(':')))
        refuse(QCoreApplication::translate("kbs::ownfields",
                                           "The name of a field cannot hold a colon: %1")
                   .arg(name));
    if (name.size() > MaxNameLength)
        refuse(QCoreApplication::translate(
            "kbs::ownfields", "The name of a field can be at most 64 characters long."));
    const bool described = std::any_of(
        collection::columns.begin(), collection::columns.end(), [&](const collection::Column& c) {
            return name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0;
        });
    // "tag" is the filter's word for a tag, "Tags" the heading of the tags' column in CSV files.
    if (described || name.compare(QLatin1String("tag"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("tags"), Qt::CaseInsensitive) == 0)
        refuse(QCoreApplication::translate("kbs::ownfields",
                                           "%1 is the name of a field the catalogue has already.")
                   .arg(name));
    for (const Field& f : fields(db)) {
        if (f.id != self && f.name.compare(name, Qt::CaseInsensitive) == 0)
            refuse(
                QCoreApplication::translate("kbs::ownfields", "There is a field named %1 already.")
                    .arg(name));
    }
    return name;
}

// Puts the fields' positions in the order given.
void renumber(sqlite3* db, const std::vector<std::int64_t>& ids) {
    sqlite::Stmt put(db, "UPDATE own_fields SET position = ? WHERE field_id = ?", kSource);
    int at = 0;
    for (std::int64_t id : ids) {
        sqlite3_bind_int(put.get(), 1, at++);
        sqlite3_bind_int64(put.get(), 2, id);
        put.step(kSource);
        put.reset();
    }
}

std::vector<std::int64_t> idsOf(const std::vector<Field>& fs) {
    std::vector<std::int64_t> ids;
    for (const Field& f : fs)
        ids.push_back(f.id);
    return ids;
}

QString plainAmount(std::int64_t units) {
    const bool negative = units < 0;
    const std::uint64_t u = negative ? 0 - std::uint64_t(units) : std::uint64_t(units);
    const std::uint64_t whole = u / amounts::UnitsPerWhole;
    const std::uint64_t part = u % amounts::UnitsPerWhole;
    QString out = QString::number(whole) + QLatin1Char('.');
    if (part % 100 == 0)
        out += QStringLiteral("%1").arg(part / 100, 2, 10, QLatin1Char('0'));
    else
        out += QStringLiteral("%1").arg(part, 4, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + out : out;
}

bool dayFirst() {
    const QString f = QLocale().dateFormat(QLocale::ShortFormat);
    return f.indexOf(QLatin1Char('d')) < f.indexOf(QLatin1Char('M'));
}

std::optional<double> readNumber(const QString& t) {
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale().toDouble(t, &ok);
    if (!ok) {
        QString comma = t;
        comma.replace(QLatin1Char(','), QLatin1Char('.'));
        v = QLocale::c().toDouble(comma, &ok);
    }
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<bool> readYesNo(const QString& t) {
    const std::pair<QString, bool> words[] = {
        {QStringLiteral("1"), true},
        {QStringLiteral("yes"), true},
        {QStringLiteral("y"), true},
        {QStringLiteral("true"), true},
        {QStringLiteral("x"), true},
        {QCoreApplication::translate("kbs::ownfields", "Yes"), true},
        {QStringLiteral("0"), false},
        {QStringLiteral("no"), false},
        {QStringLiteral("n"), false},
        {QStringLiteral("false"), false},
        {QCoreApplication::translate("kbs::ownfields", "No"), false}};
    for (const auto& [word, yes] : words) {
        if (t.compare(word, Qt::CaseInsensitive) == 0)
            return yes;
    }
    return std::nullopt;
}

}  // namespace

QString textOf(sqlite3_stmt* st, int col) {
    const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    // Not QString::fromUtf8(), which drops a U+FEFF the text begins with.
    return textcodec::decode(QByteArrayView(p, sqlite3_column_bytes(st, col)), TextEncoding::Utf8);
}

namespace {
// Each kind's name in files and as shown, by its number.
struct KindNames {
    const char* key;
    const char* shown;
};
constexpr KindNames kKindNames[] = {
    {"text", QT_TRANSLATE_NOOP("kbs::ownfields", "Text")},
    {"number", QT_TRANSLATE_NOOP("kbs::ownfields", "Number")},
    {"amount", QT_TRANSLATE_NOOP("kbs::ownfields", "Amount")},
    {"date", QT_TRANSLATE_NOOP("kbs::ownfields", "Date")},
    {"yesno", QT_TRANSLATE_NOOP("kbs::ownfields", "Yes/No")},
    {"choice", QT_TRANSLATE_NOOP("kbs::ownfields", "Choice from a value list")}};
static_assert(std::size(kKindNames) == std::size(Kinds));
}  // namespace

QString kindName(Kind kind) {
    return translated(kKindNames[int(kind)].shown);
}

const char* kindKey(Kind kind) {
    return kKindNames[int(kind)].key;
}

std::optional<Kind> kindOfKey(const QString& key) {
    for (Kind k : Kinds) {
        if (key.compare(QLatin1String(kindKey(k)), Qt::CaseInsensitive) == 0)
            return k;
    }
    return std::nullopt;
}

Checked normalise(const Field& field, const QString& typed) {
    Checked c;
    const QString t = typed.trimmed();
    if (t.isEmpty()) {
        c.ok = true;
        return c;
    }
    switch (field.kind) {
        case Kind::Text:
        case Kind::Choice:
            c.ok = true;
            c.stored = t;
            break;
        case Kind::Number:
            if (const auto v = readNumber(t)) {
                c.ok = true;
                c.stored = QString::number(*v, 'g', 15);
            } else {
                c.message =
                    QCoreApplication::translate("kbs::ownfields", "%1 takes a number, not \"%2\".")
                        .arg(field.name, t);
            }
            break;
        case Kind::Amount: {
            const QByteArray u = t.toUtf8();
            const amounts::Reading r =
                amounts::readAmount(std::string_view(u.constData(), u.size()));
            if (r.kind == amounts::Reading::Kind::Number) {
                c.ok = true;
                c.stored = plainAmount(r.number);
            } else {
                c.message =
                    QCoreApplication::translate("kbs::ownfields", "%1 takes an amount, not \"%2\".")
                        .arg(field.name, t);
            }
            break;
        }
        case Kind::Date: {
            const QByteArray u = t.toUtf8();
            const QDate d = readTypedDate(std::string_view(u.constData(), u.size()), dayFirst());
            if (d.isValid()) {
                c.ok = true;
                c.stored = d.toString(Qt::ISODate);
            } else {
                c.message = QCoreApplication::translate("kbs::ownfields",
                                                        "%1 takes a date, and \"%2\" is not one.")
                                .arg(field.name, t);
            }
            break;
        }
        case Kind::YesNo:
            if (const auto b = readYesNo(t)) {
                c.ok = true;
                c.stored = *b ? QStringLiteral("1") : QStringLiteral("0");
            } else {
                c.message =
                    QCoreApplication::translate("kbs::ownfields", "%1 takes yes or no, not \"%2\".")
                        .arg(field.name, t);
            }
            break;
    }
    return c;
}

QString display(const Field& field, const QString& stored) {
    if (stored.isEmpty())
        return stored;
    switch (field.kind) {
        case Kind::YesNo:
            return stored == QLatin1String("1")
                       ? QCoreApplication::translate("kbs::ownfields", "Yes")
                       : QCoreApplication::translate("kbs::ownfields", "No");
        case Kind::Date: {
            const QDate d = QDate::fromString(stored, Qt::ISODate);
            return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : stored;
        }
        default:
            return stored;
    }
}

std::optional<double> numberOf(Kind kind, const QString& stored) {
    if (stored.isEmpty())
        return std::nullopt;
    switch (kind) {
        case Kind::Number:
        case Kind::Amount:
        case Kind::YesNo: {
            bool ok = false;
            const double v = stored.toDouble(&ok);
            return ok ? std::optional<double>(v) : std::nullopt;
        }
        case Kind::Date: {
            const QDate d = QDate::fromString(stored, Qt::ISODate);
            return d.isValid() ? std::optional<double>(double(d.toJulianDay())) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

Checked normaliseTag(const QString& typed) {
    Checked c;
    const QString t = typed.simplified();
    if (t.isEmpty())
        c.message = QCoreApplication::translate("kbs::ownfields", "A tag cannot be empty.");
    else if (t.contains(QLatin1Char(',')))
        c.message =
            QCoreApplication::translate("kbs::ownfields", "A tag cannot hold a comma: %1").arg(t);
    else if (t.size() > MaxTagLength)
        c.message = QCoreApplication::translate("kbs::ownfields",
                                                "A tag can be at most %1 characters long: %2")
                        .arg(MaxTagLength)
                        .arg(t);
    else {
        c.ok = true;
        c.stored = t;
    }
    return c;
}

bool present(sqlite3* db) {
    return sqlite::hasSchemaObjects(
        db, {"own_fields", "own_values", "record_tags", "deleted_own_values", "deleted_tags",
             "own_values_delete"});
}

bool ensureTables(sqlite3* db) {
    return sqlite::addSchemaObjects(db, &present, kTablesSql, kSource);
}

std::vector<Field> fields(sqlite3* db) {
    std::vector<Field> out;
    if (!present(db))
        return out;
    sqlite::Stmt st(db, kFieldsSql, kSource);
    while (st.step(kSource))
        out.push_back(fieldAt(st.get()));
    return out;
}

std::int64_t addField(sqlite3* db, const Field& field) {
    std::int64_t id = 0;
    inTransaction(db, [&] {
        const QString name = checkedName(db, field.name, 0);
        // A new ID, never one a removed field had that deleted records' values still name: an
        // undone delete would bring them into the new field.
        sqlite::Stmt put(db,
                         "INSERT INTO own_fields (field_id, name, kind, value_list, position) "
                         "VALUES (max(ifnull((SELECT max(field_id) FROM own_fields), 0), "
                         "ifnull((SELECT max(field_id) FROM deleted_own_values), 0)) + 1, ?, ?, ?, "
                         "(SELECT ifnull(max(position) + 1, 0) FROM own_fields))",
                         kSource);
        bindText(put.get(), 1, name);
        sqlite3_bind_int(put.get(), 2, int(field.kind));
        bindText(put.get(), 3, field.valueList.trimmed());
        put.step(kSource);
        id = sqlite3_last_insert_rowid(db);
    });
    return id;
}

void renameField(sqlite3* db, std::int64_t fieldId, const QString& name) {
    inTransaction(db, [&] {
        requireField(db, fieldId);
        sqlite::Stmt put(db, "UPDATE own_fields SET name = ? WHERE field_id = ?", kSource);
        bindText(put.get(), 1, checkedName(db, name, fieldId));
        sqlite3_bind_int64(put.get(), 2, fieldId);
        put.step(kSource);
    });
}

void setValueList(sqlite3* db, std::int64_t fieldId, const QString& valueList) {
    inTransaction(db, [&] {
        requireField(db, fieldId);
        sqlite::Stmt put(db, "UPDATE own_fields SET value_list = ? WHERE field_id = ?", kSource);
        bindText(put.get(), 1, valueList.trimmed());
        sqlite3_bind_int64(put.get(), 2, fieldId);
        put.step(kSource);
    });
}

void reorderFields(sqlite3* db, const std::vector<std::int64_t>& fieldIds) {
    inTransaction(db, [&] {
        std::vector<std::int64_t> order;
        const std::vector<std::int64_t> all = idsOf(fields(db));
        for (std::int64_t id : fieldIds) {
            if (std::find(all.begin(), all.end(), id) != all.end() &&
                std::find(order.begin(), order.end(), id) == order.end())
                order.push_back(id);
        }
        for (std::int64_t id : all) {
            if (std::find(order.begin(), order.end(), id) == order.end())
                order.push_back(id);
        }
        renumber(db, order);
    });
}

Removed removeField(sqlite3* db, std::int64_t fieldId) {
    Removed r;
    inTransaction(db, [&] {
        r.field = requireField(db, fieldId);
        sqlite::Stmt st(db, "SELECT record_id, value FROM own_values WHERE field_id = ?", kSource);
        sqlite3_bind_int64(st.get(), 1, fieldId);
        while (st.step(kSource))
            r.values.emplace_back(sqlite3_column_int64(st.get(), 0), textAt(st.get(), 1));
        runWithIds(db, "DELETE FROM own_values WHERE field_id = ?", fieldId);
        runWithIds(db, "DELETE FROM own_fields WHERE field_id = ?", fieldId);
        renumber(db, idsOf(fields(db)));
    });
    return r;
}

std::int64_t restoreField(sqlite3* db, const Removed& removed) {
    std::int64_t id = 0;
    inTransaction(db, [&] {
        const QString name = checkedName(db, removed.field.name, 0);
        sqlite::Stmt taken(db, "SELECT 1 FROM own_fields WHERE field_id = ?", kSource);
        sqlite3_bind_int64(taken.get(), 1, removed.field.id);
        const bool keepId = removed.field.id > 0 && !taken.step(kSource);
        sqlite::Stmt put(db,
                         "INSERT INTO own_fields (field_id, name, kind, value_list, position) "
                         "VALUES (?, ?, ?, ?, 0)",
                         kSource);
        if (keepId)
            sqlite3_bind_int64(put.get(), 1, removed.field.id);
        bindText(put.get(), 2, name);
        sqlite3_bind_int(put.get(), 3, int(removed.field.kind));
        bindText(put.get(), 4, removed.field.valueList);
        put.step(kSource);
        id = sqlite3_last_insert_rowid(db);
        std::vector<std::int64_t> order = idsOf(fields(db));
        order.erase(std::find(order.begin(), order.end(), id));
        order.insert(order.begin() + std::clamp<std::ptrdiff_t>(removed.field.position, 0,
                                                                std::ptrdiff_t(order.size())),
                     id);
        renumber(db, order);
        sqlite::Stmt value(db,
                           "INSERT INTO own_values (record_id, field_id, value) SELECT ?1, ?2, ?3 "
                           "WHERE EXISTS (SELECT 1 FROM table1 WHERE ID = ?1)",
                           kSource);
        for (const auto& [record, text] : removed.values) {
            sqlite3_bind_int64(value.get(), 1, record);
            sqlite3_bind_int64(value.get(), 2, id);
            bindText(value.get(), 3, text);
            value.step(kSource);
            value.reset();
        }
    });
    return id;
}

int valueCount(sqlite3* db, std::int64_t fieldId) {
    if (!present(db))
        return 0;
    sqlite::Stmt st(db, "SELECT count(*) FROM own_values WHERE field_id = ?", kSource);
    sqlite3_bind_int64(st.get(), 1, fieldId);
    return st.step(kSource) ? sqlite3_column_int(st.get(), 0) : 0;
}

std::vector<Value> valuesOf(sqlite3* db, std::int64_t recordId) {
    std::vector<Value> out;
    if (!present(db))
        return out;
    sqlite::Stmt st(db,
                    "SELECT v.field_id, v.value FROM own_values AS v JOIN own_fields AS f ON "
                    "f.field_id = v.field_id WHERE v.record_id = ? ORDER BY f.position",
                    kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    while (st.step(kSource))
        out.push_back({sqlite3_column_int64(st.get(), 0), textAt(st.get(), 1)});
    return out;
}

void setValues(sqlite3* db, std::int64_t recordId, const std::vector<Value>& values) {
    const std::vector<Field> all = fields(db);
    std::vector<Value> checked;
    for (const Value& v : values) {
        const auto f =
            std::find_if(all.begin(), all.end(), [&](const Field& x) { return x.id == v.fieldId; });
        if (f == all.end())
            refuse(QCoreApplication::translate(
                "kbs::ownfields", "There is no such field (it may have been removed meanwhile)."));
        const Checked c = normalise(*f, v.text);
        if (!c.ok)
            refuse(c.message);
        checked.push_back({v.fieldId, c.stored});
    }
    inTransaction(db, [&] {
        sqlite::Stmt put(db,
                         "INSERT INTO own_values (record_id, field_id, value) VALUES (?, ?, ?) "
                         "ON CONFLICT (record_id, field_id) DO UPDATE SET value = excluded.value "
                         "WHERE value IS NOT excluded.value",
                         kSource);
        sqlite::Stmt clear(db, "DELETE FROM own_values WHERE record_id = ? AND field_id = ?",
                           kSource);
        for (const Value& v : checked) {
            sqlite::Stmt& st = v.text.isEmpty() ? clear : put;
            sqlite3_bind_int64(st.get(), 1, recordId);
            sqlite3_bind_int64(st.get(), 2, v.fieldId);
            if (!v.text.isEmpty())
                bindText(st.get(), 3, v.text);
            st.step(kSource);
            st.reset();
        }
    });
}

QStringList tagsOf(sqlite3* db, std::int64_t recordId) {
    QStringList out;
    if (!present(db))
        return out;
    sqlite::Stmt st(db, "SELECT tag FROM record_tags WHERE record_id = ? ORDER BY tag_id", kSource);
    sqlite3_bind_int64(st.get(), 1, recordId);
    while (st.step(kSource))
        out << textAt(st.get(), 0);
    return out;
}

void setTags(sqlite3* db, std::int64_t recordId, const QStringList& tags) {
    QStringList kept;
    for (const QString& t : tags) {
        if (t.trimmed().isEmpty())
            continue;
        const Checked c = normaliseTag(t);
        if (!c.ok)
            refuse(c.message);
        if (!kept.contains(c.stored, Qt::CaseInsensitive))
            kept << c.stored;
    }
    inTransaction(db, [&] {
        if (tagsOf(db, recordId) == kept)
            return;
        runWithIds(db, "DELETE FROM record_tags WHERE record_id = ?", recordId);
        sqlite::Stmt put(db, "INSERT INTO record_tags (record_id, tag) VALUES (?, ?)", kSource);
        for (const QString& t : kept) {
            sqlite3_bind_int64(put.get(), 1, recordId);
            bindText(put.get(), 2, t);
            put.step(kSource);
            put.reset();
        }
    });
}

std::vector<std::pair<QString, int>> tagsInUse(sqlite3* db) {
    std::vector<std::pair<QString, int>> out;
    if (!present(db))
        return out;
    sqlite::Stmt st(db,
                    "SELECT tag, count(*) FROM record_tags GROUP BY tag ORDER BY tag COLLATE "
                    "NOCASE, tag",
                    kSource);
    while (st.step(kSource))
        out.emplace_back(textAt(st.get(), 0), sqlite3_column_int(st.get(), 1));
    return out;
}

namespace {
// A name cut to at most `length` characters, never inside a character.
QString cutName(const QString& name, qsizetype length) {
    if (name.size() <= length)
        return name;
    QString cut = name.left(length);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut.trimmed();
}
}  // namespace

Field importField(sqlite3* db, const QString& name, Kind kind,
                  const std::vector<std::pair<std::int64_t, QString>>& values,
                  const QString& valueList) {
    Field f{0, QString(name).replace(QLatin1Char(':'), QLatin1Char('.')).simplified(), kind,
            valueList, 0};
    if (f.name.isEmpty())
        f.name = QCoreApplication::translate("kbs::ownfields", "Field");
    f.name = cutName(f.name, MaxNameLength);
    const bool all = std::all_of(values.begin(), values.end(),
                                 [&](const auto& v) { return normalise(f, v.second).ok; });
    if (!all)
        f.kind = Kind::Text;
    inTransaction(db, [&] {
        if (!present(db))  // a new catalogue, being written in a transaction of its own
            sqlite::exec(db, kTablesSql, kSource);
        const QString base = f.name;
        for (int n = 2;; ++n) {
            try {
                f.id = addField(db, f);
                break;
            } catch (const AppError&) {
                if (n > 99)
                    throw;
                const QString suffix = QStringLiteral(" (%1)").arg(n);
                f.name = cutName(base, MaxNameLength - suffix.size()) + suffix;
            }
        }
        sqlite::Stmt put(db,
                         "INSERT OR REPLACE INTO own_values (record_id, field_id, value) VALUES "
                         "(?, ?, ?)",
                         kSource);
        for (const auto& [record, typed] : values) {
            const QString stored = normalise(f, typed).stored;
            if (stored.isEmpty())
                continue;
            sqlite3_bind_int64(put.get(), 1, record);
            sqlite3_bind_int64(put.get(), 2, f.id);
            bindText(put.get(), 3, stored);
            put.step(kSource);
            put.reset();
        }
    });
    return f;
}

int importTags(sqlite3* db, const std::vector<std::pair<std::int64_t, QStringList>>& tags) {
    int refused = 0;
    inTransaction(db, [&] {
        if (!present(db))  // a new catalogue, being written in a transaction of its own
            sqlite::exec(db, kTablesSql, kSource);
        sqlite::Stmt put(db, "INSERT OR IGNORE INTO record_tags (record_id, tag) VALUES (?, ?)",
                         kSource);
        for (const auto& [record, list] : tags) {
            QSet<QString> kept;  // a tag once whatever its case, as setTags() keeps them
            for (const QString& t : list) {
                const Checked c = normaliseTag(t);
                refused += c.ok ? 0 : 1;
                if (!c.ok || kept.contains(c.stored.toCaseFolded()))
                    continue;
                kept.insert(c.stored.toCaseFolded());
                sqlite3_bind_int64(put.get(), 1, record);
                bindText(put.get(), 2, c.stored);
                put.step(kSource);
                put.reset();
            }
        }
    });
    return refused;
}

void keepDeleted(sqlite3* db, std::int64_t recordId) {
    if (!present(db))
        return;
    runWithIds(db, "DELETE FROM deleted_own_values WHERE record_id = ?", recordId);
    runWithIds(db, "DELETE FROM deleted_tags WHERE record_id = ?", recordId);
    runWithIds(db, "INSERT INTO deleted_own_values SELECT * FROM own_values WHERE record_id = ?",
               recordId);
    runWithIds(db, "INSERT INTO deleted_tags SELECT * FROM record_tags WHERE record_id = ?",
               recordId);
}

void bringBack(sqlite3* db, std::int64_t was, std::int64_t now) {
    if (!present(db))
        return;
    runWithIds(db,
               "INSERT OR REPLACE INTO own_values (record_id, field_id, value) SELECT ?2, "
               "field_id, value FROM deleted_own_values WHERE record_id = ?1 AND field_id IN "
               "(SELECT field_id FROM own_fields) ORDER BY value_id",
               was, now);
    runWithIds(db,
               "INSERT OR IGNORE INTO record_tags (record_id, tag) SELECT ?2, tag FROM "
               "deleted_tags WHERE record_id = ?1 ORDER BY tag_id",
               was, now);
    runWithIds(db, "DELETE FROM deleted_own_values WHERE record_id = ?", was);
    runWithIds(db, "DELETE FROM deleted_tags WHERE record_id = ?", was);
}

void forgetDeleted(sqlite3* db) {
    if (!present(db))
        return;
    sqlite::exec(db,
                 "DELETE FROM deleted_own_values WHERE record_id NOT IN (SELECT ID FROM "
                 "deleted_records); DELETE FROM deleted_tags WHERE record_id NOT IN (SELECT ID "
                 "FROM deleted_records)",
                 kSource);
}

}  // namespace kbs::ownfields
