#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Collection.h"
#include "ExportSummary.h"
#include "PictureSource.h"
#include "Sqlite.h"

struct sqlite3;

namespace kbs::exchange {

// A catalogue opened for reading only, as the exports read it while the program may have it
// open. Throws AppError naming the file when it is missing, of the older program, not a
// database or without its table; messages carry `source`.
class Catalogue {
public:
    Catalogue(const QString& path, QString source);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    sqlite3* db() const { return m_db; }
    const QString& path() const { return m_path; }
    const std::vector<std::string>& columns() const { return m_columns; }
    // The column of that name (in any case) as the file spells it, or nothing.
    std::optional<std::string> columnNamed(const QString& name) const;
    std::string idColumn() const;
    // The records to export: `wanted`, each once, in its order; without it every record in
    // ID order.
    std::vector<std::int64_t> recordIds(
        const std::optional<std::vector<std::int64_t>>& wanted) const;
    // The most pictures a record has: its own and its further ones; at least 1.
    int mostPictures() const;
    // Where the bytes of a linked picture may be read from (see PictureSource): the
    // catalogue's folder and `trees`. Throws AppError when one of them is not a folder.
    void setPictureTrees(const QStringList& trees);
    const PictureSource& pictureSource() const { return *m_pictures; }
    [[noreturn]] void failRead(int rc) const;
    void exec(const char* sql) const;

private:
    void open();

    QString m_path;
    QString m_source;
    sqlite3* m_db = nullptr;
    std::vector<std::string> m_columns;
    std::optional<PictureSource> m_pictures;
};

// A picture of a record as the exports see it: its bytes (embedded, or read from its linked
// file where PictureSource allows), the link it was stored as, and its caption.
struct ExportPicture {
    QByteArray bytes;
    QString link;
    std::optional<QString> caption;
    bool empty() const { return bytes.isEmpty() && link.isEmpty(); }
};

// One record as the spreadsheet and Tellico exports write it: the text of each column of the
// collection's table (empty where the catalogue lacks the column or the value is Null) and its
// pictures: the record's own first (empty() when it has none), then its further ones in order.
struct ExportRecord {
    std::int64_t id = 0;
    std::array<QString, collection::ColumnCount> text;
    std::array<bool, collection::ColumnCount> null{};  // Null, or no such column
    std::vector<ExportPicture> pictures;

    // A column's text as the panel shows it: without leading and trailing spaces, except the
    // notes, which keep theirs.
    QString shown(int position) const;
};

// Reads records one at a time with their pictures: the embedded bytes, or a linked picture's
// file when the catalogue's PictureSource allows it; further pictures (with their links and
// captions) from the record_pictures table when it is there.
class RecordReader {
public:
    explicit RecordReader(const Catalogue& catalogue);
    // False when the record is no longer there.
    bool read(std::int64_t id, ExportRecord& record, bool withPictures = true);

private:
    const Catalogue& m_cat;
    sqlite::Stmt m_select;
    sqlite::Stmt m_further;
    std::array<int, collection::ColumnCount> m_resultOf{};  // per position: its result, or -1
};

// Reads the records `ids` with their pictures a few at a time, each batch in one short read, and
// hands each to `write`. A record deleted meanwhile is counted in summary.skipped (with a
// note at the end). `progress` as exportCsv's: false throws the cancellation for `path`.
void forEachRecord(const Catalogue& catalogue, const std::vector<std::int64_t>& ids,
                   const std::function<void(const ExportRecord&)>& write,
                   const ExportProgressFn& progress, ExportSummary& summary, const QString& path);

}  // namespace kbs::exchange
