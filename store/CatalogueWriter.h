#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "SafeFile.h"
#include "SourceValue.h"

struct sqlite3;
struct sqlite3_stmt;

namespace kbs {

// What an import from a file may store of pictures repeated for several records (see
// CatalogueWriter::limitRepeatedPictures).
inline constexpr qint64 MaxRepeatedPictureBytes = 256LL * 1024 * 1024;

// Writes a new catalogue from the records of another source: a catalogue of the older program
// (legacy/Conversion.h) or a CSV file (exchange/CsvImport.h).
//
// The catalogue is built in a scratch file beside the target, locked while it is written (see
// SafeFile.h), and put in place under the target's name only by finish(), after every record
// was written and checked; an existing target is never replaced. Until then nothing appears
// under the target's name, and a writer destroyed before finish() removes its scratch file. The
// scratch files that killed writers left for the same target are removed first.
class CatalogueWriter {
public:
    // sync false leaves out syncing the new catalogue and its folder to the disk: for checks
    // that throw the catalogue away, never for one a person keeps.
    explicit CatalogueWriter(const QString& target, bool sync = true);
    ~CatalogueWriter();
    CatalogueWriter(const CatalogueWriter&) = delete;
    CatalogueWriter& operator=(const CatalogueWriter&) = delete;

    // Throws the writer's AppError when something is already under the target's name.
    static void refuseExisting(const QString& target);

    const QString& partPath() const { return m_part.path(); }
    // The new catalogue as it is being written, for the tables beside the records (the
    // collector's own fields) before finish().
    sqlite3* handle() const { return m_db; }

    // The old table's columns, in its order. Columns are matched to the catalogue's by name
    // (ignoring case); a column the catalogue does not have is kept as an extra column after
    // the catalogue's own; a catalogue column the old table lacks stays Null.
    void setSourceColumns(const std::vector<std::string>& names);

    // Adds one record; values are in the order given to setSourceColumns. A record without an
    // ID gets a new one after the largest kept ID when the catalogue is finished. Returns the
    // ID the record was written with, which addFurtherPicture takes (for a record without an
    // ID a stand-in, whose pictures follow the record when it is numbered).
    std::int64_t addRecord(const std::vector<SourceValue>& values);

    // Adds a further picture of the record with ID recordId (its own picture is its first) at
    // `position` (2, 3, ...) in the table of further pictures: embedded `bytes`, or, when
    // linkedPath is given, a link to that file; with an optional caption.
    void addFurtherPicture(std::int64_t recordId, int position, const std::string& bytes,
                           const std::optional<std::string>& linkedPath = std::nullopt,
                           const std::optional<std::string>& caption = std::nullopt);

    // Numbers the records that had no ID, makes the autonumber continue after the largest ID
    // (and after autonumberCounter, the old file's counter, when given), checks the
    // catalogue and puts it in place. Throws AppError when anything is wrong.
    void finish(std::optional<std::int64_t> autonumberCounter);

    // Refuses pictures stored again for another record once those copies total more than
    // `bytes`: the table keeps a picture per record, so a file that names one picture for many
    // records would otherwise grow the catalogue far beyond its own size. Pictures are told
    // apart by their content. Off until set; an import from a file sets it, a conversion of an
    // old catalogue, whose pictures are the collector's own, does not.
    void limitRepeatedPictures(qint64 bytes) { m_repeatLimit = bytes; }

    long recordsWritten() const { return m_records; }
    // What the conversion could not carry over as it was (columns missing or added).
    const QStringList& notes() const { return m_notes; }

private:
    void complete(std::optional<std::int64_t> autonumberCounter);
    [[noreturn]] void fail(const QString& what) const;
    void exec(const char* sql) const;
    void discard() noexcept;
    void countPicture(const char* bytes, size_t size);

    QString m_target;
    safefile::Scratch m_part;
    bool m_sync = true;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_insertPicture = nullptr;
    std::vector<int> m_sourceOf;  // per insert parameter: the source column it takes
    std::vector<int> m_kindOf;    // per insert parameter: how it is stored
    int m_idParam = -1;
    long m_records = 0;
    long m_withoutId = 0;
    std::int64_t m_maxId = 0;
    bool m_anyId = false;
    bool m_finished = false;
    qint64 m_repeatLimit = -1;
    qint64 m_repeatedBytes = 0;
    std::unordered_set<std::string> m_pictureHashes;
    QStringList m_notes;
};

}  // namespace kbs
