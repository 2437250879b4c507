#include "CatalogueWriter.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "AppError.h"
#include "Collection.h"
#include "OwnFields.h"
#include "SafeFile.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs {

namespace {

const QString kSource = QStringLiteral("Conversion");

std::string table() {
    return schema::TableName;
}

// Records without an ID are stored under these until every kept ID is known; the old
// program's IDs are 32-bit and never reach them.
constexpr std::int64_t kTemporaryIdBase = std::int64_t(1) << 40;

enum StoreAs { AsId, AsText, AsAny, AsBinary };

StoreAs storeAsFor(collection::Kind kind) {
    switch (kind) {
        case collection::Kind::Id:
            return AsId;
        case collection::Kind::Any:
            return AsAny;
        case collection::Kind::Binary:
            return AsBinary;
        default:
            return AsText;
    }
}

std::optional<std::int64_t> idOf(const SourceValue& v) {
    switch (v.kind) {
        case SourceValue::Kind::Integer:
            return v.integer;
        case SourceValue::Kind::Real:
            if (std::isfinite(v.real) && v.real == std::trunc(v.real) && std::fabs(v.real) < 9e15)
                return std::int64_t(v.real);
            return std::nullopt;
        case SourceValue::Kind::Text: {
            bool ok = false;
            const qint64 n = QString::fromStdString(v.bytes).trimmed().toLongLong(&ok);
            return ok ? std::optional<std::int64_t>(n) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

[[noreturn]] void cannotWrite(const QString& target, const QString& what) {
    throw AppError(err::LegacyCatalogue, kSource,
                   QCoreApplication::translate("kbs::CatalogueWriter",
                                               "The new catalogue %1 cannot be written: %2")
                       .arg(target, what));
}

}  // namespace

void CatalogueWriter::refuseExisting(const QString& target) {
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        cannotWrite(target, QCoreApplication::translate(
                                "kbs::CatalogueWriter",
                                "it already exists, and an existing file is never replaced."));
}

CatalogueWriter::CatalogueWriter(const QString& target, bool sync)
    : m_target(target), m_sync(sync) {
    refuseExisting(target);
    safefile::removeLeftovers(target);
    try {
        m_part = safefile::Scratch::file(target);
    } catch (const AppError& e) {
        throw AppError(e.number(), kSource, e.description());
    }
    const QByteArray file = QFile::encodeName(m_part.path());
    const int rc = sqlite3_open_v2(file.constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        discard();
        fail(why);
    }
    sqlite3_extended_result_codes(m_db, 1);
    try {
        // The part file is thrown away on any failure, so it needs no journal while it is
        // being filled; finish() makes it durable before it takes the target's name. Nobody
        // else opens it, so its lock is taken once and kept.
        exec("PRAGMA locking_mode=EXCLUSIVE");
        exec("PRAGMA journal_mode=OFF");
        exec("PRAGMA synchronous=OFF");
        exec(schema::createTableSql().toUtf8().constData());
        exec("BEGIN");
    } catch (...) {
        discard();
        throw;
    }
}

CatalogueWriter::~CatalogueWriter() {
    if (!m_finished)
        discard();
}

void CatalogueWriter::fail(const QString& what) const {
    cannotWrite(m_target, what);
}

void CatalogueWriter::exec(const char* sql) const {
    char* msg = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        const QString why = QString::fromUtf8(msg ? msg : sqlite3_errmsg(m_db));
        sqlite3_free(msg);
        fail(why);
    }
}

void CatalogueWriter::discard() noexcept {
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    sqlite3_finalize(m_insertPicture);
    m_insertPicture = nullptr;
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    if (!m_part.isNull())
        QFile::remove(m_part.path() + QStringLiteral("-journal"));
    m_part = {};
}

void CatalogueWriter::setSourceColumns(const std::vector<std::string>& names) {
    std::vector<bool> used(names.size(), false);
    auto find = [&](const char* name) {
        const QString wanted = QString::fromLatin1(name);
        for (size_t i = 0; i < names.size(); ++i) {
            if (!used[i] &&
                QString::fromStdString(names[i]).compare(wanted, Qt::CaseInsensitive) == 0)
                return int(i);
        }
        return -1;
    };

    std::string columnList;
    auto addParam = [&](const std::string& quotedName, int source, StoreAs as) {
        if (!columnList.empty())
            columnList += ", ";
        columnList += quotedName;
        m_sourceOf.push_back(source);
        m_kindOf.push_back(as);
    };

    QStringList missing;
    for (const auto& column : collection::columns) {
        const int source = find(column.name);
        if (source < 0) {
            missing << QString::fromLatin1(column.name);
            continue;
        }
        used[size_t(source)] = true;
        if (column.kind == collection::Kind::Id)
            m_idParam = int(m_sourceOf.size());
        addParam(sqlite::quoteName(column.name), source, storeAsFor(column.kind));
    }
    QStringList extra;
    for (size_t i = 0; i < names.size(); ++i) {
        if (used[i])
            continue;
        const std::string quoted = sqlite::quoteName(names[i]);
        exec(("ALTER TABLE " + table() + " ADD COLUMN " + quoted).c_str());
        addParam(quoted, int(i), AsAny);
        extra << QString::fromStdString(names[i]);
    }
    if (!missing.isEmpty()) {
        m_notes << QCoreApplication::translate(
                       "kbs::CatalogueWriter",
                       "The old catalogue had no column %1; the new one leaves it "
                       "empty.")
                       .arg(missing.join(QStringLiteral(", ")));
    }
    if (!extra.isEmpty()) {
        m_notes << QCoreApplication::translate(
                       "kbs::CatalogueWriter",
                       "The old catalogue's column %1, which this version does not "
                       "use, was kept at the end of the table.")
                       .arg(extra.join(QStringLiteral(", ")));
    }
    if (m_sourceOf.empty())
        fail(QCoreApplication::translate("kbs::CatalogueWriter",
                                         "the old %1 has none of the catalogue's columns.")
                 .arg(QLatin1String(schema::TableName)));

    std::string marks;
    for (size_t i = 0; i < m_sourceOf.size(); ++i)
        marks += i ? ", ?" : "?";
    const std::string sql =
        "INSERT INTO " + table() + " (" + columnList + ") VALUES (" + marks + ")";
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
}

std::int64_t CatalogueWriter::addRecord(const std::vector<SourceValue>& values) {
    const long record = m_records + 1;
    std::int64_t id = 0;
    for (size_t p = 0; p < m_sourceOf.size(); ++p) {
        const int param = int(p) + 1;
        const SourceValue& v = values.at(size_t(m_sourceOf[p]));
        int rc = SQLITE_OK;
        if (m_kindOf[p] == AsId) {
            if (v.isNull()) {
                id = kTemporaryIdBase + m_withoutId++;
            } else {
                const auto n = idOf(v);
                if (!n) {
                    throw AppError(err::LegacyCatalogue, kSource,
                                   QCoreApplication::translate(
                                       "kbs::CatalogueWriter",
                                       "Record %1 has the ID \"%2\", which is not a whole number.")
                                       .arg(record)
                                       .arg(QString::fromStdString(v.bytes)));
                }
                id = *n;
                m_maxId = m_anyId ? std::max(m_maxId, id) : id;
                m_anyId = true;
            }
            rc = sqlite3_bind_int64(m_insert, param, id);
        } else if (v.isNull()) {
            rc = sqlite3_bind_null(m_insert, param);
        } else if (v.kind == SourceValue::Kind::Blob || m_kindOf[p] == AsBinary) {
            if (m_kindOf[p] == AsBinary)
                countPicture(v.bytes.data(), v.bytes.size());
            // An empty value stays an empty value, not Null.
            rc = v.bytes.empty() ? sqlite3_bind_zeroblob(m_insert, param, 0)
                                 : sqlite3_bind_blob64(m_insert, param, v.bytes.data(),
                                                       v.bytes.size(), SQLITE_STATIC);
        } else if (m_kindOf[p] == AsAny && v.kind == SourceValue::Kind::Integer) {
            rc = sqlite3_bind_int64(m_insert, param, v.integer);
        } else if (m_kindOf[p] == AsAny && v.kind == SourceValue::Kind::Real &&
                   std::isfinite(v.real)) {
            rc = sqlite3_bind_double(m_insert, param, v.real);
        } else {
            rc = sqlite3_bind_text64(m_insert, param, v.bytes.data(), v.bytes.size(), SQLITE_STATIC,
                                     SQLITE_UTF8);
        }
        if (rc != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    const int rc = sqlite3_step(m_insert);
    const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_insert);
    sqlite3_clear_bindings(m_insert);
    if (rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
        throw AppError(
            err::LegacyCatalogue, kSource,
            QCoreApplication::translate("kbs::CatalogueWriter",
                                        "Two records have the ID %1; the second is record %2.")
                .arg(id)
                .arg(record));
    }
    if (rc != SQLITE_DONE)
        fail(why);
    ++m_records;
    return id;
}

void CatalogueWriter::addFurtherPicture(std::int64_t recordId, int position,
                                        const std::string& bytes,
                                        const std::optional<std::string>& linkedPath,
                                        const std::optional<std::string>& caption) {
    if (!m_insertPicture) {
        exec(schema::PicturesTableSql);
        const std::string sql =
            std::string("INSERT INTO ") + schema::PicturesTable +
            " (record_id, position, bytes, path, caption) VALUES (?, ?, ?, ?, ?)";
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insertPicture, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    if (!linkedPath)
        countPicture(bytes.data(), bytes.size());
    sqlite3_reset(m_insertPicture);
    sqlite3_bind_int64(m_insertPicture, 1, recordId);
    sqlite3_bind_int(m_insertPicture, 2, position);
    if (linkedPath) {
        sqlite3_bind_null(m_insertPicture, 3);
        sqlite3_bind_text64(m_insertPicture, 4, linkedPath->data(), linkedPath->size(),
                            SQLITE_STATIC, SQLITE_UTF8);
    } else {
        sqlite3_bind_blob64(m_insertPicture, 3, bytes.data(), bytes.size(), SQLITE_STATIC);
        sqlite3_bind_null(m_insertPicture, 4);
    }
    if (caption)
        sqlite3_bind_text64(m_insertPicture, 5, caption->data(), caption->size(), SQLITE_STATIC,
                            SQLITE_UTF8);
    else
        sqlite3_bind_null(m_insertPicture, 5);
    if (sqlite3_step(m_insertPicture) != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    sqlite3_reset(m_insertPicture);
}

void CatalogueWriter::countPicture(const char* bytes, size_t size) {
    if (m_repeatLimit < 0 || size == 0)
        return;
    const QByteArray hash = QCryptographicHash::hash(QByteArrayView(bytes, qsizetype(size)),
                                                     QCryptographicHash::Sha256);
    if (m_pictureHashes.insert(hash.toStdString()).second)
        return;
    m_repeatedBytes += qint64(size);
    if (m_repeatedBytes > m_repeatLimit)
        throw AppError(
            err::LegacyCatalogue, kSource,
            QCoreApplication::translate(
                "kbs::CatalogueWriter",
                "The new catalogue %1 is not written: its source names the same pictures for "
                "many records, and as each record keeps a copy of its own, the copies would "
                "take more than %2 MB.")
                .arg(m_target)
                .arg(m_repeatLimit / (1024 * 1024)));
}

void CatalogueWriter::finish(std::optional<std::int64_t> autonumberCounter) {
    try {
        complete(autonumberCounter);
    } catch (const AppError& e) {
        if (e.number() == err::LegacyCatalogue)
            throw;
        fail(e.description());  // the engine's own words, said about the new catalogue
    }
}

void CatalogueWriter::complete(std::optional<std::int64_t> autonumberCounter) {
    std::int64_t last = m_anyId ? std::max<std::int64_t>(m_maxId, 0) : 0;
    if (autonumberCounter && *autonumberCounter > last)
        last = *autonumberCounter;
    // Before the records without ID are numbered, so that no entry meets one of them.
    const bool history = m_history.has_value();
    if (history) {
        m_historyLeftOut = values::restoreHistory(m_db, *m_history);
        m_history.reset();
    }
    if (m_withoutId > 0) {
        sqlite::Stmt renumber(m_db, "UPDATE " + table() + " SET ID = ? WHERE ID = ?", kSource);
        // The further pictures and the valuations follow their record's new ID.
        std::optional<sqlite::Stmt> pictures, valuations;
        if (m_insertPicture) {
            pictures.emplace(m_db,
                             std::string("UPDATE ") + schema::PicturesTable +
                                 " SET record_id = ? WHERE record_id = ?",
                             kSource);
        }
        if (history)
            valuations.emplace(m_db, "UPDATE value_history SET record_id = ? WHERE record_id = ?",
                               kSource);
        // And the collector's own values and tags, when an import gave any.
        std::optional<sqlite::Stmt> ownValues, tags;
        if (ownfields::present(m_db)) {
            ownValues.emplace(m_db, "UPDATE own_values SET record_id = ? WHERE record_id = ?",
                              kSource);
            tags.emplace(m_db, "UPDATE record_tags SET record_id = ? WHERE record_id = ?", kSource);
        }
        for (long i = 0; i < m_withoutId; ++i) {
            ++last;
            for (sqlite::Stmt* st :
                 {&renumber, pictures ? &*pictures : nullptr, valuations ? &*valuations : nullptr,
                  ownValues ? &*ownValues : nullptr, tags ? &*tags : nullptr}) {
                if (!st)
                    continue;
                sqlite3_bind_int64(st->get(), 1, last);
                sqlite3_bind_int64(st->get(), 2, kTemporaryIdBase + i);
                st->step(kSource);
                st->reset();
            }
        }
        m_notes << QCoreApplication::translate("kbs::CatalogueWriter",
                                               "%1 record(s) had no ID and were given new ones.")
                       .arg(m_withoutId);
    }
    {
        // New records continue after the largest ID the old catalogue ever gave.
        exec(("DELETE FROM sqlite_sequence WHERE name = '" + table() + "'").c_str());
        sqlite::Stmt seq(
            m_db, "INSERT INTO sqlite_sequence (name, seq) VALUES ('" + table() + "', ?)", kSource);
        sqlite3_bind_int64(seq.get(), 1, last);
        seq.step(kSource);
    }
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    sqlite3_finalize(m_insertPicture);
    m_insertPicture = nullptr;
    exec("COMMIT");

    // Check what was written before anything takes the target's name.
    {
        sqlite::Stmt count(m_db, "SELECT count(*) FROM " + table(), kSource);
        count.step(kSource);
        const long stored = long(sqlite3_column_int64(count.get(), 0));
        if (stored != m_records)
            fail(QCoreApplication::translate("kbs::CatalogueWriter",
                                             "it holds %1 records instead of %2.")
                     .arg(stored)
                     .arg(m_records));
        sqlite::Stmt check(m_db, "PRAGMA quick_check", kSource);
        check.step(kSource);
        const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
        if (!verdict || std::strcmp(verdict, "ok") != 0)
            fail(QString::fromUtf8(verdict ? verdict : "the check of the file failed"));
    }
    schema::verifyCatalogue(m_db);

    if (sqlite3_close(m_db) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    m_db = nullptr;
    try {
        if (m_sync) {
            m_part.placeNoReplace();
        } else {
            if (!safefile::renameNoReplace(m_part.path(), m_target))
                safefile::refuseExisting(m_target);
            m_part.keep();
        }
    } catch (const AppError& e) {
        throw AppError(e.number(), kSource, e.description());
    }
    m_finished = true;
}

}  // namespace kbs
