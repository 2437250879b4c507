#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "ChecklistMatcher.h"
#include "Checklists.h"
#include "DeletedRecords.h"
#include "OwnFields.h"
#include "Pictures.h"
#include "ValueByDate.h"
#include "ValueHistory.h"

struct sqlite3;

namespace kbs {

class Connection;
class RecordSet;

// The open catalogue: the one connection, brought up to date when it opens, the Record set
// over it, and everything the windows ask of the catalogue beyond the records' columns (their
// pictures and thumbnails, the deleted records, the backup's record of changes). The windows
// run no SQL of their own: they ask the session.
class CatalogueSession {
public:
    CatalogueSession();
    ~CatalogueSession();
    CatalogueSession(const CatalogueSession&) = delete;
    CatalogueSession& operator=(const CatalogueSession&) = delete;

    // Opens the catalogue file and upgrades it: checks its table, adds the text index, the
    // picture tables and the record of changes the backups read, and forgets the records deleted
    // longer ago than they are kept; then opens the Record set over `query`. A deleted record
    // is kept, with its pictures, for its undo. Throws AppError; the session is closed then.
    void open(const QString& file, const QString& query);
    // The Record set, then the connection.
    void close() noexcept;
    bool isOpen() const;
    const QString& file() const { return m_file; }

    Connection& connection() const { return *m_cn; }
    RecordSet& records() const { return *m_rs; }

    // ---- a record's pictures: its first (main) one in table1, the others beside it
    // The pictures after the first, in display order.
    std::vector<pictures::Further> furtherPictures(std::int64_t recordId) const;
    // The embedded bytes of the picture at `position` (1: the main one); empty when linked.
    QByteArray pictureBytes(std::int64_t recordId, int position) const;
    // The embedded bytes of a further picture by its row; empty when linked or gone.
    QByteArray furtherPictureBytes(std::int64_t picId) const;
    // (position, JPEG) of each thumbnail the record has.
    std::vector<std::pair<int, QByteArray>> thumbnails(std::int64_t recordId) const;
    // The first thumbnail that has bytes, for a tile of the gallery; empty when there is none.
    QByteArray tileThumbnail(std::int64_t recordId);
    // The pictures as the panel leaves them are written by the Record set's next update, in the
    // transaction that stores the record.
    void keepPicturesWithNextSave(std::vector<pictures::Kept> kept);

    // ---- deleted records
    std::vector<deleted::Record> deletedRecords() const;
    // Brings a deleted record back; returns the ID it has now. Throws AppError.
    std::int64_t bringBack(std::int64_t id);

    // ---- the records' valuations (the Record set shows a changed Value and Value_Date at once)
    std::vector<values::Entry> valueHistory(std::int64_t recordId) const;
    std::int64_t addValuation(std::int64_t recordId, const values::Entry& entry);
    void changeValuation(std::int64_t recordId, const values::Entry& entry);
    void removeValuation(std::int64_t recordId, std::int64_t entryId);
    values::Applied importValuations(const std::vector<values::Valuation>& rows);
    values::ValueByDate valueByDate() const;
    // ---- series checklists (Checklists.h)
    std::vector<checklists::List> checklists() const;
    std::vector<checklists::Entry> checklistEntries(std::int64_t listId) const;
    std::int64_t addChecklist(const checklists::List& list,
                              const std::vector<checklists::Entry>& entries);
    void setChecklistEntries(std::int64_t listId, const std::vector<checklists::Entry>& entries);
    void setChecklistRule(std::int64_t listId, checklists::Rule rule);
    void removeChecklist(std::int64_t listId);
    // The catalogue's records as checklists are matched against them.
    checklists::ChecklistMatcher checklistMatcher() const;
    // The IDs of the records checklist `listId` holds, ascending.
    std::vector<std::int64_t> idsHeldByChecklist(std::int64_t listId) const;
    // Which checklists hold a record, told from its texts.
    checklists::ChecklistKeys checklistKeys() const;
    // (name, IDs held, ascending) of every checklist: matched once, and again only after a
    // record was written or a checklist changed (the filter asks at every key).
    using HeldIds = std::shared_ptr<const std::vector<std::int64_t>>;
    const std::vector<std::pair<QString, HeldIds>>& heldByChecklists() const;
    // Stores a record with status "Want" for each entry; returns their IDs. The Record set
    // learns of them by reinsert().
    std::vector<std::int64_t> addWantedRecords(const checklists::List& list,
                                               const std::vector<checklists::Entry>& entries);

    // ---- the collector's own fields and the records' tags (OwnFields.h). Each change is stored
    // at once; the Record set's rows are not touched by them.
    std::vector<ownfields::Field> ownFields() const;
    std::int64_t addOwnField(const ownfields::Field& field);
    void renameOwnField(std::int64_t fieldId, const QString& name);
    void setOwnFieldValueList(std::int64_t fieldId, const QString& valueList);
    void reorderOwnFields(const std::vector<std::int64_t>& fieldIds);
    // How many records hold a value in the field, to ask before it is removed.
    int ownFieldValueCount(std::int64_t fieldId) const;
    // Removes a field with its values; what it returns puts them back (its undo).
    ownfields::Removed removeOwnField(std::int64_t fieldId);
    std::int64_t restoreOwnField(const ownfields::Removed& removed);
    std::vector<ownfields::Value> ownValues(std::int64_t recordId) const;
    // Checks and stores a record's values; a refused one throws AppError and stores nothing.
    void setOwnValues(std::int64_t recordId, const std::vector<ownfields::Value>& values);
    QStringList tags(std::int64_t recordId) const;
    void setTags(std::int64_t recordId, const QStringList& tags);
    // (tag, records carrying it), by tag: the completion of the tag editor.
    std::vector<std::pair<QString, int>> tagsInUse() const;
    // The values and tags the panel leaves, stored by the Record set's next update in the
    // transaction that stores the record (a new record's too). Every value is checked here:
    // a refused one throws AppError and nothing is kept for the save.
    void keepOwnValuesWithNextSave(const std::vector<ownfields::Value>& values,
                                   const QStringList& tags);
    // Every record's values and tags, read when first asked for (start-up reads none) and
    // kept up to date by the changes above; ownValuesStamp() grows with each change, so that
    // what was made from them (a filter, a sort) knows when to make itself again.
    const ownfields::AllValues& allOwnValues();
    std::uint64_t ownValuesStamp() const { return m_ownStamp; }
    // Tells the session that records' own values changed beside it (an import).
    void ownValuesChanged();

    // ---- a restored backup: closes the session and puts `restored` in the catalogue's place,
    // keeping the catalogue as it was; returns the name it is kept under. Throws AppError.
    // open() shows the catalogue again.
    QString swapIn(const QString& restored);

private:
    sqlite3* db() const;

    QString m_file;
    std::unique_ptr<Connection> m_cn;
    std::unique_ptr<RecordSet> m_rs;
    struct Tiles;
    std::unique_ptr<Tiles> m_tiles;               // the gallery's prepared read
    std::unique_ptr<ownfields::AllValues> m_own;  // read when first asked for
    // The fields, read when first asked for: the filter asks at every key.
    mutable std::optional<std::vector<ownfields::Field>> m_ownFields;
    std::uint64_t m_ownStamp = 1;
    // The records each checklist holds, made at this write stamp of the Record set.
    mutable std::optional<std::vector<std::pair<QString, HeldIds>>> m_held;
    mutable std::uint64_t m_heldStamp = 0;
    void updateOwnOf(std::int64_t recordId);
};

}  // namespace kbs
