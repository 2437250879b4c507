#include "CatalogueSession.h"

#include <QCoreApplication>
#include <algorithm>

#include "Backup.h"
#include "ChecklistMatcher.h"
#include "Connection.h"
#include "RecordSet.h"
#include "Schema.h"
#include "Sqlite.h"
#include "ValueHistory.h"

namespace kbs {

namespace {
const QString kSource = QStringLiteral("CatalogueSession");
}  // namespace

// The gallery asks for one tile after another: its statement is prepared once.
struct CatalogueSession::Tiles {
    sqlite::Stmt read;
};

CatalogueSession::CatalogueSession()
    : m_cn(std::make_unique<Connection>()),
      m_rs(std::make_unique<RecordSet>()),
      m_tiles(std::make_unique<Tiles>()) {}

CatalogueSession::~CatalogueSession() {
    close();
}

void CatalogueSession::open(const QString& file, const QString& query) {
    close();
    m_file = file;
    try {
        m_cn->setConnectionString(Connection::connectionStringFor(file));
        m_cn->open(QString(), QString(), -1);
        schema::verifyCatalogue(db());
        // A read of the whole table tells whether it holds a text too long for the text
        // index; then the index is kept or made after it, without another look.
        const bool wholeTable = query.simplified().compare(QLatin1String("select * from table1"),
                                                           Qt::CaseInsensitive) == 0;
        if (!wholeTable)
            schema::ensureTextIndex(db());
        schema::ensurePictureTables(db());
        values::ensureHistory(db());
        backup::trackChanges(db());
        checklists::ensureTables(db());
        ownfields::ensureTables(db());
        deleted::forgetBefore(db(), QDateTime::currentDateTime().addDays(-deleted::KeepDays));
        m_rs->setBeforeDelete([](sqlite3* handle, RecordSet::Bookmark id) {
            deleted::keep(handle, id, QDateTime::currentDateTime());
        });
        m_rs->open(query, *m_cn, RecordSet::adOpenStatic, RecordSet::adLockOptimistic,
                   RecordSet::adCmdUnspecified);
        if (wholeTable)
            schema::keepTextIndex(db(), m_rs->metLongValue());
    } catch (...) {
        close();
        throw;
    }
}

void CatalogueSession::close() noexcept {
    m_held.reset();
    m_own.reset();
    m_ownFields.reset();
    ++m_ownStamp;
    m_tiles->read = sqlite::Stmt();
    m_rs->close();
    m_cn->close();
}

bool CatalogueSession::isOpen() const {
    return m_cn->isOpen();
}

sqlite3* CatalogueSession::db() const {
    if (!m_cn->isOpen())
        sqlite::fail(kSource,
                     QCoreApplication::translate("kbs::store", "The catalogue is not open."));
    return m_cn->handle();
}

std::vector<pictures::Further> CatalogueSession::furtherPictures(std::int64_t recordId) const {
    return pictures::furtherOf(db(), recordId);
}

QByteArray CatalogueSession::pictureBytes(std::int64_t recordId, int position) const {
    return pictures::bytesAt(db(), recordId, position);
}

QByteArray CatalogueSession::furtherPictureBytes(std::int64_t picId) const {
    return pictures::bytesOf(db(), picId);
}

std::vector<std::pair<int, QByteArray>> CatalogueSession::thumbnails(std::int64_t recordId) const {
    return pictures::thumbsOf(db(), recordId);
}

QByteArray CatalogueSession::tileThumbnail(std::int64_t recordId) {
    if (!m_cn->isOpen())
        return {};
    sqlite::Stmt& st = m_tiles->read;
    if (!st) {
        st = sqlite::Stmt(db(),
                          std::string("SELECT jpeg FROM ") + schema::ThumbsTable +
                              " WHERE record_id = ? AND length(jpeg) > 0 ORDER BY position LIMIT 1",
                          kSource);
    }
    sqlite3_bind_int64(st.get(), 1, recordId);
    QByteArray jpeg;
    try {
        if (st.step(kSource))
            jpeg = QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                              sqlite3_column_bytes(st.get(), 0));
    } catch (const AppError&) {
        st.reset();
        throw;
    }
    st.reset();
    return jpeg;
}

void CatalogueSession::keepPicturesWithNextSave(std::vector<pictures::Kept> kept) {
    m_rs->addCompanionWrite([kept = std::move(kept)](sqlite3* handle, RecordSet::Bookmark key) {
        pictures::writeKept(handle, key, kept);
    });
}

std::vector<deleted::Record> CatalogueSession::deletedRecords() const {
    return deleted::list(db());
}

std::int64_t CatalogueSession::bringBack(std::int64_t id) {
    const std::int64_t now = deleted::bringBack(db(), id);
    m_held.reset();
    updateOwnOf(now);
    return now;
}

std::vector<values::Entry> CatalogueSession::valueHistory(std::int64_t recordId) const {
    return values::hasHistory(db()) ? values::entriesOf(db(), recordId)
                                    : std::vector<values::Entry>{};
}

std::int64_t CatalogueSession::addValuation(std::int64_t recordId, const values::Entry& entry) {
    const std::int64_t id = values::add(db(), recordId, entry);
    m_rs->refresh({recordId});
    return id;
}

void CatalogueSession::changeValuation(std::int64_t recordId, const values::Entry& entry) {
    values::change(db(), recordId, entry);
    m_rs->refresh({recordId});
}

void CatalogueSession::removeValuation(std::int64_t recordId, std::int64_t entryId) {
    values::remove(db(), recordId, entryId);
    m_rs->refresh({recordId});
}

values::Applied CatalogueSession::importValuations(const std::vector<values::Valuation>& rows) {
    // The rows read again after the import find the pages it changed still in the cache.
    const sqlite::LargeCache room(db());
    values::Applied applied = values::apply(db(), rows);
    m_rs->refresh({applied.updated.begin(), applied.updated.end()});
    return applied;
}

values::ValueByDate CatalogueSession::valueByDate() const {
    return values::ValueByDate(db());
}

std::vector<checklists::List> CatalogueSession::checklists() const {
    return checklists::lists(db());
}

std::vector<checklists::Entry> CatalogueSession::checklistEntries(std::int64_t listId) const {
    return checklists::entriesOf(db(), listId);
}

std::int64_t CatalogueSession::addChecklist(const checklists::List& list,
                                            const std::vector<checklists::Entry>& entries) {
    m_held.reset();
    return checklists::add(db(), list, entries);
}

void CatalogueSession::setChecklistEntries(std::int64_t listId,
                                           const std::vector<checklists::Entry>& entries) {
    m_held.reset();
    checklists::setEntries(db(), listId, entries);
}

void CatalogueSession::setChecklistRule(std::int64_t listId, checklists::Rule rule) {
    m_held.reset();
    checklists::setRule(db(), listId, rule);
}

void CatalogueSession::removeChecklist(std::int64_t listId) {
    m_held.reset();
    checklists::remove(db(), listId);
}

checklists::ChecklistMatcher CatalogueSession::checklistMatcher() const {
    return checklists::ChecklistMatcher::ofCatalogue(db());
}

std::vector<std::int64_t> CatalogueSession::idsHeldByChecklist(std::int64_t listId) const {
    for (const checklists::List& l : checklists()) {
        if (l.id == listId)
            return checklistMatcher().heldIds(l, checklistEntries(listId));
    }
    return {};
}

checklists::ChecklistKeys CatalogueSession::checklistKeys() const {
    const std::vector<checklists::List> lists = checklists();
    std::vector<std::vector<checklists::Entry>> entries;
    for (const checklists::List& l : lists)
        entries.push_back(checklistEntries(l.id));
    return checklists::ChecklistKeys(lists, entries);
}

const std::vector<std::pair<QString, CatalogueSession::HeldIds>>&
CatalogueSession::heldByChecklists() const {
    if (m_held && m_heldStamp == m_rs->writeStamp())
        return *m_held;
    std::vector<std::pair<QString, HeldIds>> held;
    const checklists::ChecklistMatcher matcher = checklistMatcher();
    for (const checklists::List& l : checklists())
        held.emplace_back(l.name, std::make_shared<const std::vector<std::int64_t>>(
                                      matcher.heldIds(l, checklistEntries(l.id))));
    m_held = std::move(held);
    m_heldStamp = m_rs->writeStamp();
    return *m_held;
}

std::vector<std::int64_t> CatalogueSession::addWantedRecords(
    const checklists::List& list, const std::vector<checklists::Entry>& entries) {
    m_held.reset();
    return checklists::addWanted(db(), list, entries);
}

std::vector<ownfields::Field> CatalogueSession::ownFields() const {
    if (!m_ownFields)
        m_ownFields = ownfields::fields(db());
    return *m_ownFields;
}

std::int64_t CatalogueSession::addOwnField(const ownfields::Field& field) {
    const std::int64_t id = ownfields::addField(db(), field);
    ownValuesChanged();
    return id;
}

void CatalogueSession::renameOwnField(std::int64_t fieldId, const QString& name) {
    ownfields::renameField(db(), fieldId, name);
    ownValuesChanged();
}

void CatalogueSession::setOwnFieldValueList(std::int64_t fieldId, const QString& valueList) {
    ownfields::setValueList(db(), fieldId, valueList);
    ownValuesChanged();
}

void CatalogueSession::reorderOwnFields(const std::vector<std::int64_t>& fieldIds) {
    ownfields::reorderFields(db(), fieldIds);
    ownValuesChanged();
}

int CatalogueSession::ownFieldValueCount(std::int64_t fieldId) const {
    return ownfields::valueCount(db(), fieldId);
}

ownfields::Removed CatalogueSession::removeOwnField(std::int64_t fieldId) {
    ownfields::Removed removed = ownfields::removeField(db(), fieldId);
    ownValuesChanged();
    return removed;
}

std::int64_t CatalogueSession::restoreOwnField(const ownfields::Removed& removed) {
    const std::int64_t id = ownfields::restoreField(db(), removed);
    ownValuesChanged();
    return id;
}

std::vector<ownfields::Value> CatalogueSession::ownValues(std::int64_t recordId) const {
    return ownfields::valuesOf(db(), recordId);
}

void CatalogueSession::setOwnValues(std::int64_t recordId,
                                    const std::vector<ownfields::Value>& values) {
    ownfields::setValues(db(), recordId, values);
    updateOwnOf(recordId);
}

QStringList CatalogueSession::tags(std::int64_t recordId) const {
    return ownfields::tagsOf(db(), recordId);
}

void CatalogueSession::setTags(std::int64_t recordId, const QStringList& tags) {
    ownfields::setTags(db(), recordId, tags);
    updateOwnOf(recordId);
}

std::vector<std::pair<QString, int>> CatalogueSession::tagsInUse() const {
    return ownfields::tagsInUse(db());
}

void CatalogueSession::keepOwnValuesWithNextSave(const std::vector<ownfields::Value>& values,
                                                 const QStringList& tags) {
    // Checked now, so that the save itself is not refused for them.
    const std::vector<ownfields::Field> fields = ownFields();
    for (const ownfields::Value& v : values) {
        const auto f = std::find_if(fields.begin(), fields.end(),
                                    [&](const ownfields::Field& x) { return x.id == v.fieldId; });
        if (f != fields.end()) {
            const ownfields::Checked c = ownfields::normalise(*f, v.text);
            if (!c.ok)
                sqlite::fail(kSource, c.message);
        }
    }
    for (const QString& t : tags) {
        const ownfields::Checked c = ownfields::normaliseTag(t);
        if (!c.ok && !t.trimmed().isEmpty())
            sqlite::fail(kSource, c.message);
    }
    m_rs->addCompanionWrite([this, values, tags](sqlite3* handle, RecordSet::Bookmark key) {
        ownfields::setValues(handle, key, values);
        ownfields::setTags(handle, key, tags);
        updateOwnOf(key);
    });
}

const ownfields::AllValues& CatalogueSession::allOwnValues() {
    if (!m_own)
        m_own = std::make_unique<ownfields::AllValues>(ownfields::readAll(db()));
    return *m_own;
}

void CatalogueSession::ownValuesChanged() {
    m_own.reset();
    m_ownFields.reset();
    ++m_ownStamp;
}

void CatalogueSession::updateOwnOf(std::int64_t recordId) {
    ++m_ownStamp;
    if (!m_own)
        return;
    m_own->set(recordId, ownfields::valuesOf(db(), recordId), ownfields::tagsOf(db(), recordId));
}

QString CatalogueSession::swapIn(const QString& restored) {
    close();
    return backup::swapIn(restored, m_file, QDateTime::currentDateTime());
}

}  // namespace kbs
