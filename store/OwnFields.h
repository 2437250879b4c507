#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kbs::ownfields {

// The fields a collector adds beside the described ones, and the tags on the records. They live
// in tables of their own beside table1, which stays as it is, so that a catalogue keeps opening
// in the program's earlier versions.

// What a field holds. The numbers are stored: never renumber.
enum class Kind { Text = 0, Number = 1, Amount = 2, Date = 3, YesNo = 4, Choice = 5 };
inline constexpr Kind Kinds[] = {Kind::Text, Kind::Number, Kind::Amount,
                                 Kind::Date, Kind::YesNo,  Kind::Choice};

// The kind's name as shown ("Text", "Number", ...), translated.
QString kindName(Kind kind);
// The kind's name as it is written into files ("text", "number", ...); and back.
const char* kindKey(Kind kind);
std::optional<Kind> kindOfKey(const QString& key);

// The longest name a field may have.
inline constexpr int MaxNameLength = 64;

struct Field {
    std::int64_t id = 0;
    QString name;
    Kind kind = Kind::Text;
    QString valueList;  // the value list a choice is made from (its name, without ".ini")
    int position = 0;   // 0 first
};

// A record's value in one field, as stored (see normalise()).
struct Value {
    std::int64_t fieldId = 0;
    QString text;
};

// A typed value checked against its field's kind: the text to store, or why it is refused.
struct Checked {
    bool ok = false;
    QString stored;   // empty for nothing typed
    QString message;  // translated; empty when ok
};

// Reads what a collector typed into a field of this kind. Stored forms: a number as written in
// the C locale ("12.5"); an amount with two or four decimals and a point ("1234.50"); a date as
// "yyyy-MM-dd"; yes/no as "1" or "0"; a text or a choice as typed, without the blanks around
// it. Letters in a number or an amount, an impossible date or a yes/no that is neither are
// refused. Blanks alone are nothing, which is always accepted.
Checked normalise(const Field& field, const QString& typed);
// A stored value as the window shows it ("Yes", a date in the short form of the locale).
QString display(const Field& field, const QString& stored);
// A stored number, amount (in whole units) or date (as its Julian day) for ranges and sorting;
// nothing for text, choice or an empty value.
std::optional<double> numberOf(Kind kind, const QString& stored);

// A tag as it is kept: blanks around it removed, runs of blanks inside made one space. Refused
// (an empty result and a message) when it is empty, longer than MaxTagLength or holds a comma.
inline constexpr int MaxTagLength = 40;
Checked normaliseTag(const QString& typed);

// A stored text as read from a statement's column, kept whole.
QString textOf(sqlite3_stmt* st, int col);

// ---- the tables
// Adds the tables (and the trigger that removes a record's values with it) to a catalogue that
// lacks them; a catalogue that cannot be written is left as it is. Returns whether they are
// there.
bool ensureTables(sqlite3* db);
bool present(sqlite3* db);

// ---- the fields, by position. Every change is a transaction of its own; throws AppError with a
// translated message when refused (an empty name, a name another field or a described field
// has, a name with a colon, no such field).
std::vector<Field> fields(sqlite3* db);
// Adds a field after the others; returns its ID.
std::int64_t addField(sqlite3* db, const Field& field);
void renameField(sqlite3* db, std::int64_t fieldId, const QString& name);
void setValueList(sqlite3* db, std::int64_t fieldId, const QString& valueList);
// Puts the fields in this order; fields not named keep their order after those named.
void reorderFields(sqlite3* db, const std::vector<std::int64_t>& fieldIds);

// A removed field with every value it held, for its undo.
struct Removed {
    Field field;
    std::vector<std::pair<std::int64_t, QString>> values;  // (record ID, stored text)
};
Removed removeField(sqlite3* db, std::int64_t fieldId);
// Puts a removed field back at its position, with the values of the records still there;
// returns its ID (the one it had when that is free).
std::int64_t restoreField(sqlite3* db, const Removed& removed);
// How many records hold a value in the field (to ask before removing it).
int valueCount(sqlite3* db, std::int64_t fieldId);

// ---- a record's values and tags
std::vector<Value> valuesOf(sqlite3* db, std::int64_t recordId);
// Stores the record's values in these fields (an empty text clears one; fields not named keep
// theirs). Every value is checked first: one refused throws AppError naming the field and why,
// and nothing is stored.
void setValues(sqlite3* db, std::int64_t recordId, const std::vector<Value>& values);
QStringList tagsOf(sqlite3* db, std::int64_t recordId);
// Replaces the record's tags (normalised, the same tag once, blank ones left out). A refused tag
// throws AppError.
void setTags(sqlite3* db, std::int64_t recordId, const QStringList& tags);
// Every tag in use with how many records carry it, by tag.
std::vector<std::pair<QString, int>> tagsInUse(sqlite3* db);

// Every record's values and tags at once, for the filter, sorting, grouping and exports. Kept
// compact: per field the distinct values once (with their numbers for the kinds that have one),
// and per record a small code into them; the distinct tags once, and per record the codes of
// its tags. A filter word is matched against the distinct values, then the codes are looked
// up, with no work on the text of each record.
struct AllValues {
    std::vector<Field> fields;                           // by position
    const Field* fieldNamed(const QString& name) const;  // case-insensitive
    // The record's stored value in the field at this position; empty when it has none.
    QString valueOf(std::int64_t recordId, std::size_t field) const;
    QStringList tagsOf(std::int64_t recordId) const;

    // The distinct texts of a field, or of the tags, each once. Code 0 is no value; code k is
    // text(k - 1). Texts no record holds any more may stay (a record changed its value).
    struct Pool {
        std::vector<QString> texts;
        std::vector<double> numbers;        // per text: numberOf(kind, text), NaN when it has none
        std::vector<std::uint32_t> sorted;  // the positions of texts, by text
        std::uint32_t codeOf(const QString& text, Kind kind);  // adds a text it lacks
    };
    // The records holding a value or a tag, ascending: a record's row is its place here.
    const std::vector<std::int64_t>& records() const { return m_records; }
    // Per row, the code of the record's value in the field at this position.
    const std::vector<std::uint32_t>& codes(std::size_t field) const { return m_codes[field]; }
    const Pool& pool(std::size_t field) const { return m_pools[field]; }
    const Pool& tagPool() const { return m_tags; }
    // The codes of a row's tags (minus one: positions in tagPool().texts), in their order.
    const std::uint32_t* tagsBegin(std::size_t row) const {
        return m_tagList.data() + m_tagAt[row];
    }
    const std::uint32_t* tagsEnd(std::size_t row) const {
        return m_tagList.data() + m_tagAt[row + 1];
    }
    // The row of a record; nothing when it holds no value and no tag.
    std::optional<std::size_t> rowOf(std::int64_t recordId) const;

    // Puts in a record's values and tags as they are stored now (after a save, a delete or its
    // undo): fields not named have none.
    void set(std::int64_t recordId, const std::vector<Value>& values, const QStringList& tags);

private:
    friend AllValues readAll(sqlite3* db);
    std::size_t rowFor(std::int64_t recordId);  // adds a row it lacks
    std::vector<std::int64_t> m_records;
    std::vector<std::vector<std::uint32_t>> m_codes;  // per field, per row
    std::vector<Pool> m_pools;                        // per field
    Pool m_tags;
    std::vector<std::uint32_t> m_tagAt{0};  // per row, where its tags begin in m_tagList; one more
    std::vector<std::uint32_t> m_tagList;   // tag positions in m_tags.texts
};
AllValues readAll(sqlite3* db);

// ---- imports
// Adds a field with the values of many records at once (record ID, as typed), for an import
// into a new catalogue: the field gets `kind` when every value is one of it, else it is a text
// field, so that no value is lost. A name the catalogue cannot take (one of a described field,
// one with a colon, one too long) gets " (2)", " (3)" ..., its colons made dots or is cut to
// MaxNameLength. Returns the field.
Field importField(sqlite3* db, const QString& name, Kind kind,
                  const std::vector<std::pair<std::int64_t, QString>>& values,
                  const QString& valueList = {});
// Gives many records their tags at once (record ID, tags), for an import into a new catalogue:
// each tag as setTags() keeps it; one that cannot be a tag is left out. Returns how many were.
int importTags(sqlite3* db, const std::vector<std::pair<std::int64_t, QStringList>>& tags);

// ---- deleted records: a record's values and tags move aside with it and come back with it.
void keepDeleted(sqlite3* db, std::int64_t recordId);
void bringBack(sqlite3* db, std::int64_t was, std::int64_t now);
void forgetDeleted(sqlite3* db);

}  // namespace kbs::ownfields
