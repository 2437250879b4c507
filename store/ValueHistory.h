#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "Sqlite.h"

// Every valuation a record had: the table of them beside table1, kept by the catalogue itself.
//
// The history holds each valuation, the latest among them too: table1's Value and Value_Date
// are always its latest entry. Triggers of the catalogue add an entry whenever table1 gets a
// value, by a save, an import or any other program that writes the file (an earlier version
// of this one too), so no valuation a save replaces is lost. Entries added, changed or deleted
// here, and valuations imported, bring table1's pair up to date with the latest entry in the
// same transaction.
namespace kbs::values {

inline constexpr const char* HistoryTable = "value_history";
inline constexpr const char* DeletedHistoryTable = "deleted_values";

// A date as collectors type it: 2026-03-31, 2026/3/31, 3/31/2026 (month first, as the older
// program wrote dates), 31.3.2026; with blanks around it. Invalid when it is none of these.
QDate readDate(QStringView text);
// The date as the history stores what it is given: 2026-03-31.
QString writeDate(const QDate& date);

// Adds the history, its triggers and, for a catalogue that had none, each record's current
// valuation as its first entry, in one transaction. A catalogue that cannot be written is left
// as it is; returns whether the history is there.
bool ensureHistory(sqlite3* db);
bool hasHistory(sqlite3* db);

struct Entry {
    qint64 id = 0;  // 0 for one not stored yet
    QString date;
    QString value;
    QString note;
};
// A record's entries, oldest first (an entry whose date cannot be read counts as the oldest;
// of those on one day, the one entered later is the later).
std::vector<Entry> entriesOf(sqlite3* db, qint64 recordId);

// Each in one transaction that also brings the record's Value and Value_Date up to date with
// its latest entry (both empty when it has none left). Throw AppError.
qint64 add(sqlite3* db, qint64 recordId, const Entry& entry);  // stored with entry.id when set
void change(sqlite3* db, qint64 recordId, const Entry& entry);
void remove(sqlite3* db, qint64 recordId, qint64 entryId);

// Reads the entries of one record after another, as entriesOf orders them, its statement
// prepared once: for the exports. A catalogue without the history has none.
class Reader {
public:
    explicit Reader(sqlite3* db);
    std::vector<Entry> of(qint64 recordId);

private:
    sqlite::Stmt m_entries;
};

// An entry as an exchange file carries it, under the ID its record has in the file.
struct Carried {
    qint64 recordId = 0;
    Entry entry;
};
// For a catalogue being written by an import, inside its transaction, once its records are
// there: adds the history with the carried entries, in their order, and its triggers. A
// record's Value and Value_Date become an entry too, as ensureHistory makes them, unless one
// of its entries has that date and value already (so that a round trip doubles nothing).
// Entries of records the catalogue does not have are left out; returns how many. Throws
// AppError.
long restoreHistory(sqlite3* db, const std::vector<Carried>& entries);

// ---- with the deleted records, inside their transactions
// Moves the record's entries to the deleted ones.
void keepDeleted(sqlite3* db, qint64 recordId);
// The kept entries of deleted record `was` go back under the ID it has now.
void bringBack(sqlite3* db, qint64 was, qint64 now);
// Forgets the kept entries of records no longer kept.
void forgetDeleted(sqlite3* db);

// ---- valuations in bulk (a price guide)
struct Valuation {
    long line = 0;   // in the file, for messages
    qint64 id = -1;  // the record's ID when given, else -1
    QString description, number, version;
    Entry entry;
};
struct Applied {
    int added = 0;
    int alreadyThere = 0;
    QStringList matched;          // "line 4: Jaguar E-Type (ID 12)"
    QStringList notMatched;       // "line 5: ..."
    QStringList ambiguous;        // "line 6: ... (IDs 3, 9)"
    std::vector<qint64> updated;  // records whose Value and Value_Date changed
};
// Stores the valuations in one transaction: each one that names exactly one record and is not
// there yet (same date, value and note) becomes an entry of that record; a record's latest
// valuation becomes its Value and Value_Date. Throws AppError; then nothing is stored.
Applied apply(sqlite3* db, const std::vector<Valuation>& valuations);

}  // namespace kbs::values
