#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct sqlite3;

namespace kbs::checklists {

// How a list's entries find their records: by Series and Nr. # (the list's series), or by the
// Description alone.
enum class Rule { SeriesAndNumber = 0, Description = 1 };

struct Entry {
    QString number;
    QString name;
    QString year;
    QString color;
    QString notes;
};

struct List {
    std::int64_t id = 0;
    QString name;
    QString series;
    Rule rule = Rule::SeriesAndNumber;
    int entries = 0;  // how many it holds, as listed
};

// Adds the tables to a catalogue that lacks them; a catalogue that cannot be written is left as
// it is. Returns whether they are there.
bool ensureTables(sqlite3* db);

// The lists by name.
std::vector<List> lists(sqlite3* db);
// A list's entries, in the order they were given.
std::vector<Entry> entriesOf(sqlite3* db, std::int64_t listId);
// A new list with its entries, in one transaction; returns its ID. Throws AppError.
std::int64_t add(sqlite3* db, const List& list, const std::vector<Entry>& entries);
// Replaces a list's entries, in one transaction. Throws AppError.
void setEntries(sqlite3* db, std::int64_t listId, const std::vector<Entry>& entries);
void setRule(sqlite3* db, std::int64_t listId, Rule rule);
void remove(sqlite3* db, std::int64_t listId);

// In one transaction: a record with status "Want" for each entry (its name, number, year and
// colour, the list's series, the notes on its variation); returns their IDs. Throws AppError.
std::vector<std::int64_t> addWanted(sqlite3* db, const List& list,
                                    const std::vector<Entry>& entries);

}  // namespace kbs::checklists
