#pragma once

#include <QString>

struct sqlite3;

namespace kbs::schema {

inline constexpr const char* DatabaseFileName = "mydb.mdb";
inline constexpr const char* TableName = "table1";

// The statement that makes table1 with the columns in table order.
QString createTableSql();

// Creates an empty catalogue at path. Refuses (throws AppError with the reason) when any file
// already exists there: a catalogue is never replaced.
void createEmptyCatalogue(const QString& path);

// Checks that the open database holds table1 with every column the program uses;
// throws AppError naming what is missing.
void verifyCatalogue(sqlite3* db);

// Keeps whole-table reads off the pictures' pages: an index over every column that table1
// stores before binpicdata, ID first, so that a scan of it delivers the rows in the table's
// own order; and a note in sqlite_stat1 that table1's rows are large, without which the query
// planner, which counts a BLOB as a few bytes, would rather scan the table. Added once, in
// one transaction, to a catalogue that lacks them; a catalogue that cannot be written is left
// as it is and reads as before. Returns whether both are in place.
// A catalogue holding a text longer than RecordSet::ShownBytes gets no such index: an index
// entry is read whole to give its key, so every scan would read that text. It is marked in the
// note instead, and the index is made once the catalogue holds no such text.
inline constexpr const char* TextIndexName = "table1_texts";
bool ensureTextIndex(sqlite3* db);
// The same after a read of every record of table1 that saw whether one holds such a text (so
// that nothing has to look again): drops the index when one does, makes it when none does.
void keepTextIndex(sqlite3* db, bool longTextSeen);

// A record's further pictures (its own picture in table1 is its first, main one) and the small
// images the gallery and the panel's strip draw, one per picture. Both tables are keyed by
// table1's ID; deleting a record deletes its rows here in the same transaction.
inline constexpr const char* PicturesTable = "record_pictures";
inline constexpr const char* ThumbsTable = "picture_thumbs";
inline constexpr const char* PicturesTableSql =
    "CREATE TABLE IF NOT EXISTS record_pictures ("
    "pic_id INTEGER PRIMARY KEY, "
    "record_id INTEGER NOT NULL, "  // table1.ID
    "position INTEGER NOT NULL, "   // 2, 3, ... in display order
    "bytes BLOB, "                  // the embedded picture, or NULL when linked
    "path TEXT, "                   // the linked picture's path, or NULL when embedded
    "caption TEXT); "
    "CREATE INDEX IF NOT EXISTS record_pictures_record ON record_pictures (record_id, position)";
inline constexpr const char* ThumbsTableSql =
    "CREATE TABLE IF NOT EXISTS picture_thumbs ("
    "record_id INTEGER NOT NULL, "
    "position INTEGER NOT NULL, "  // 1 = table1's picture, 2.. = record_pictures.position
    "source TEXT NOT NULL, "       // what it was made from: the bytes' hash, or path|size|mtime
    "jpeg BLOB NOT NULL, "
    "PRIMARY KEY (record_id, position))";

// The record of changes a backup reads: which rows of the tracked tables changed since the
// newest backup, and the token that tells this catalogue's backups from another's.
inline constexpr const char* ChangesTable = "backup_changes";
inline constexpr const char* TokenTable = "backup_token";
inline constexpr const char* ChangesTableSql[] = {
    ("CREATE TABLE IF NOT EXISTS backup_changes (tbl TEXT NOT NULL, row INTEGER NOT NULL, "
     "n INTEGER NOT NULL, PRIMARY KEY (tbl, row)) WITHOUT ROWID"),
    "CREATE INDEX IF NOT EXISTS backup_changes_n ON backup_changes (n)",
    "CREATE TABLE IF NOT EXISTS backup_token (token INTEGER NOT NULL)"};

// Deleted records, kept for their undo: the rows of table1 and of the further pictures as they
// were, the records' with the time of the delete in a column of its own.
inline constexpr const char* DeletedRecordsTable = "deleted_records";
inline constexpr const char* DeletedPicturesTable = "deleted_pictures";
inline constexpr const char* DeletedAtColumn = "kbs_deleted_at";
inline constexpr const char* DeletedTablesSql =
    "CREATE TABLE IF NOT EXISTS deleted_records AS SELECT *, '' AS kbs_deleted_at FROM table1 "
    "WHERE 0; "
    "CREATE TABLE IF NOT EXISTS deleted_pictures AS SELECT * FROM record_pictures WHERE 0";

// The tables of a backup beside the catalogue's own: what it is of, the SHA-256 of each picture
// it refers to, the catalogue's schema and its AUTOINCREMENT counters.
inline constexpr const char* BackupTablesSql =
    "CREATE TABLE kbs_backup_meta (key TEXT PRIMARY KEY, value) WITHOUT ROWID; "
    "CREATE TABLE kbs_backup_pictures (tbl TEXT NOT NULL, row INTEGER NOT NULL, "
    "sha256 TEXT NOT NULL, size INTEGER NOT NULL, PRIMARY KEY (tbl, row)) WITHOUT ROWID; "
    "CREATE TABLE kbs_backup_schema (sql TEXT NOT NULL); "
    "CREATE TABLE kbs_backup_sequence (name TEXT, seq INTEGER)";

// Series checklists: each list of the models a series holds, with the rule by which its entries
// are matched to the records, and its entries (number and name, optionally year, colour and
// notes on the variation). Deleting a list deletes its entries.
inline constexpr const char* ChecklistsTable = "checklists";
inline constexpr const char* ChecklistEntriesTable = "checklist_entries";
inline constexpr const char* ChecklistTablesSql =
    "CREATE TABLE IF NOT EXISTS checklists ("
    "list_id INTEGER PRIMARY KEY, "
    "name TEXT NOT NULL, "
    "series TEXT NOT NULL, "              // the Series its entries are matched in
    "rule INTEGER NOT NULL DEFAULT 0); "  // 0 series and number, 1 description
    "CREATE TABLE IF NOT EXISTS checklist_entries ("
    "entry_id INTEGER PRIMARY KEY, "
    "list_id INTEGER NOT NULL, "
    "number TEXT NOT NULL, "
    "name TEXT NOT NULL, "
    "year TEXT NOT NULL DEFAULT '', "
    "color TEXT NOT NULL DEFAULT '', "
    "notes TEXT NOT NULL DEFAULT ''); "
    "CREATE INDEX IF NOT EXISTS checklist_entries_list ON checklist_entries (list_id)";

// Adds both tables to a catalogue that lacks them. A catalogue that cannot be written is left as
// it is; returns whether the tables are there.
bool ensurePictureTables(sqlite3* db);

}  // namespace kbs::schema
