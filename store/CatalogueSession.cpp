#include "CatalogueSession.h"

#include <QCoreApplication>

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
        schema::ensureTextIndex(db());
        schema::ensurePictureTables(db());
        values::ensureHistory(db());
        backup::trackChanges(db());
        checklists::ensureTables(db());
        deleted::forgetBefore(db(), QDateTime::currentDateTime().addDays(-deleted::KeepDays));
        m_rs->setBeforeDelete([](sqlite3* handle, RecordSet::Bookmark id) {
            deleted::keep(handle, id, QDateTime::currentDateTime());
        });
        m_rs->open(query, *m_cn, RecordSet::adOpenStatic, RecordSet::adLockOptimistic,
                   RecordSet::adCmdUnspecified);
    } catch (...) {
        close();
        throw;
    }
}

void CatalogueSession::close() noexcept {
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
    m_rs->setCompanionWrite([kept = std::move(kept)](sqlite3* handle, RecordSet::Bookmark key) {
        pictures::writeKept(handle, key, kept);
    });
}

std::vector<deleted::Record> CatalogueSession::deletedRecords() const {
    return deleted::list(db());
}

std::int64_t CatalogueSession::bringBack(std::int64_t id) {
    return deleted::bringBack(db(), id);
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
    return checklists::add(db(), list, entries);
}

void CatalogueSession::setChecklistEntries(std::int64_t listId,
                                           const std::vector<checklists::Entry>& entries) {
    checklists::setEntries(db(), listId, entries);
}

void CatalogueSession::setChecklistRule(std::int64_t listId, checklists::Rule rule) {
    checklists::setRule(db(), listId, rule);
}

void CatalogueSession::removeChecklist(std::int64_t listId) {
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

std::vector<std::pair<QString, std::vector<std::int64_t>>> CatalogueSession::heldByChecklists()
    const {
    std::vector<std::pair<QString, std::vector<std::int64_t>>> out;
    const checklists::ChecklistMatcher matcher = checklistMatcher();
    for (const checklists::List& l : checklists())
        out.emplace_back(l.name, matcher.heldIds(l, checklistEntries(l.id)));
    return out;
}

std::vector<std::int64_t> CatalogueSession::addWantedRecords(
    const checklists::List& list, const std::vector<checklists::Entry>& entries) {
    return checklists::addWanted(db(), list, entries);
}

QString CatalogueSession::swapIn(const QString& restored) {
    close();
    return backup::swapIn(restored, m_file, QDateTime::currentDateTime());
}

}  // namespace kbs
