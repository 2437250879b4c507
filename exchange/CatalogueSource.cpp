#include "CatalogueSource.h"

#include <sqlite3.h>
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <limits>
#include <unordered_set>

#include "AppError.h"
#include "LegacyFormat.h"
#include "PictureSource.h"
#include "RegularFile.h"
#include "Schema.h"

namespace kbs::exchange {

namespace {

// How long a read waits for a save of the program to end.
constexpr int kBusyTimeoutMs = 5000;
// The records read in one read transaction, so that the program's saves wait for at most so many.
constexpr int kRecordsPerRead = 256;
const QString kIdColumn = QLatin1String(collection::IdColumn);
const QString kTable = QLatin1String(schema::TableName);

}  // namespace

Catalogue::Catalogue(const QString& path, QString source)
    : m_path(path), m_source(std::move(source)) {
    try {
        open();
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

Catalogue::~Catalogue() {
    sqlite3_close_v2(m_db);
}

std::optional<std::string> Catalogue::columnNamed(const QString& name) const {
    for (const std::string& c : m_columns) {
        if (QString::fromStdString(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return std::nullopt;
}

std::string Catalogue::idColumn() const {
    return sqlite::quoteName(*columnNamed(kIdColumn));
}

std::vector<std::int64_t> Catalogue::recordIds(
    const std::optional<std::vector<std::int64_t>>& wanted) const {
    std::vector<std::int64_t> all;
    if (wanted) {
        std::unordered_set<std::int64_t> seen;
        for (const std::int64_t id : *wanted) {
            if (seen.insert(id).second)
                all.push_back(id);
        }
        return all;
    }
    const std::string sql = "SELECT " + idColumn() + " FROM " + schema::TableName + " ORDER BY 1";
    sqlite::Stmt st(m_db, sql, m_source);
    while (st.step(m_source))
        all.push_back(sqlite3_column_int64(st.get(), 0));
    return all;
}

int Catalogue::mostPictures() const {
    const std::string sql = std::string(
                                "SELECT 1 + coalesce(max(n), 0) FROM (SELECT count(*) AS n "
                                "FROM ") +
                            schema::PicturesTable + " GROUP BY record_id)";
    sqlite3_stmt* st = nullptr;
    int most = 1;  // without the table there are no further pictures
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        most = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return most;
}

void Catalogue::failRead(int rc) const {
    if (m_db && sqlite3_errcode(m_db) == SQLITE_NOTADB)
        throw AppError(err::EngineError, m_source,
                       QCoreApplication::translate(
                           "kbs::exchange", "%1 is not a catalogue: it is not a database file.")
                           .arg(m_path));
    throw AppError(
        err::EngineError, m_source,
        QCoreApplication::translate("kbs::exchange", "%1 cannot be read: %2.")
            .arg(m_path, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc))));
}

void Catalogue::exec(const char* sql) const {
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        failRead(rc);
}

void Catalogue::open() {
    const auto fail = [this](int number, const QString& message) {
        throw AppError(number, m_source, message);
    };
    const QString problem = regularfile::problem(m_path, std::numeric_limits<qint64>::max());
    if (!QFileInfo::exists(m_path))
        fail(err::FileNotFound,
             QCoreApplication::translate("kbs::exchange", "The catalogue %1 is not there.")
                 .arg(m_path));
    if (!problem.isEmpty())
        fail(err::PathFileAccess, problem);
    if (isLegacyCatalogue(m_path))
        fail(err::LegacyCatalogue,
             QCoreApplication::translate(
                 "kbs::exchange",
                 "%1 is a catalogue of the older Windows program, which has to be "
                 "converted before it can be exported.")
                 .arg(m_path));
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        failRead(rc);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // Reading the schema is what finds a file that is not a database.
    try {
        for (sqlite::TableColumn& c : sqlite::tableColumns(m_db, schema::TableName, m_source))
            m_columns.push_back(std::move(c.name));
    } catch (const AppError&) {
        failRead(SQLITE_ERROR);
    }
    if (m_columns.empty())
        fail(err::EngineError,
             QCoreApplication::translate("kbs::exchange", "%1 is not a catalogue: it has no %2.")
                 .arg(m_path, kTable));
    if (!columnNamed(kIdColumn))
        fail(err::EngineError,
             QCoreApplication::translate("kbs::exchange",
                                         "%1 is not a catalogue: its %2 has no ID column.")
                 .arg(m_path, kTable));
    setPictureTrees({});
}

void Catalogue::setPictureTrees(const QStringList& trees) {
    m_pictures.emplace(QFileInfo(m_path).absolutePath(), trees, m_source);
}

RecordReader::RecordReader(const Catalogue& catalogue) : m_cat(catalogue) {
    std::string select = "SELECT ";
    int result = 0;
    for (const collection::Column& c : collection::columns) {
        const auto name = m_cat.columnNamed(QLatin1String(c.name));
        m_resultOf[size_t(c.position)] = name ? result++ : -1;
        if (name)
            select += (result > 1 ? ", " : "") + sqlite::quoteName(*name);
    }
    select += " FROM " + std::string(schema::TableName) + " WHERE " + m_cat.idColumn() + " = ?";
    m_select = sqlite::Stmt(m_cat.db(), select, QStringLiteral("Export"));
    // A catalogue opened read-only cannot be given the table: without it there is none.
    sqlite3_stmt* probe = nullptr;
    const std::string further = std::string("SELECT bytes, path, caption FROM ") +
                                schema::PicturesTable + " WHERE record_id = ? ORDER BY position";
    if (sqlite3_prepare_v2(m_cat.db(), further.c_str(), -1, &probe, nullptr) == SQLITE_OK) {
        sqlite3_finalize(probe);
        m_further = sqlite::Stmt(m_cat.db(), further, QStringLiteral("Export"));
    }
}

bool RecordReader::read(std::int64_t id, ExportRecord& record, bool withPictures) {
    const QString source = QStringLiteral("Export");
    sqlite3_stmt* st = m_select.get();
    sqlite3_reset(st);
    sqlite3_bind_int64(st, 1, id);
    if (!m_select.step(source))
        return false;
    record.id = id;
    record.pictures.clear();
    // A linked picture: its path, and its file's bytes when the rule allows them.
    const auto linked = [this](const QString& path) {
        ExportPicture p;
        p.link = path;
        if (!path.trimmed().isEmpty())
            p.bytes = m_cat.pictureSource().read(path.trimmed()).value_or(QByteArray());
        return p;
    };
    ExportPicture own;
    for (const collection::Column& c : collection::columns) {
        const int r = m_resultOf[size_t(c.position)];
        QString& text = record.text[size_t(c.position)];
        text.clear();
        record.null[size_t(c.position)] = r < 0 || sqlite3_column_type(st, r) == SQLITE_NULL;
        if (r < 0)
            continue;
        if (c.kind == collection::Kind::Binary) {
            if (withPictures && sqlite3_column_bytes(st, r) > 0)
                own.bytes = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, r)),
                                       sqlite3_column_bytes(st, r));
            continue;
        }
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(st, r));
        text = QString::fromUtf8(utf8, sqlite3_column_bytes(st, r));
    }
    sqlite3_reset(st);
    if (!withPictures)
        return true;
    const QString& path = record.text[size_t(collection::at("picpath"))];
    if (own.bytes.isEmpty() && !path.isEmpty())
        own = linked(path);
    record.pictures.push_back(std::move(own));
    if (!m_further)
        return true;
    sqlite3_stmt* more = m_further.get();
    sqlite3_reset(more);
    sqlite3_bind_int64(more, 1, id);
    const auto textOf = [more](int c) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(more, c)),
                                 sqlite3_column_bytes(more, c));
    };
    while (m_further.step(source)) {
        ExportPicture p;
        p.bytes = QByteArray(static_cast<const char*>(sqlite3_column_blob(more, 0)),
                             sqlite3_column_bytes(more, 0));
        if (p.bytes.isEmpty())
            p = linked(textOf(1));
        if (sqlite3_column_type(more, 2) != SQLITE_NULL)
            p.caption = textOf(2);
        if (!p.empty())
            record.pictures.push_back(std::move(p));
    }
    sqlite3_reset(more);
    return true;
}

QString ExportRecord::shown(int position) const {
    const QString& value = text[size_t(position)];
    return position == collection::at("Notes") ? value : collection::trimSpaces(value);
}

void forEachRecord(const Catalogue& catalogue, const std::vector<std::int64_t>& ids,
                   const std::function<void(const ExportRecord&)>& write,
                   const ExportProgressFn& progress, ExportSummary& summary, const QString& path) {
    RecordReader reader(catalogue);
    ExportRecord record;
    for (size_t next = 0; next < ids.size();) {
        catalogue.exec("BEGIN");
        for (int n = 0; n < kRecordsPerRead && next < ids.size(); ++n, ++next) {
            if (reader.read(ids[next], record))
                write(record);
            else
                ++summary.skipped;
        }
        catalogue.exec("COMMIT");
        if (progress && !progress(long(next), long(ids.size())))
            throw AppError(
                err::CancelSelected, QStringLiteral("Export"),
                QCoreApplication::translate("kbs::exchange", "The export to %1 was cancelled.")
                    .arg(path));
    }
    if (summary.skipped > 0)
        summary.notes << QCoreApplication::translate(
                             "kbs::exchange",
                             "%1 record(s) deleted while the export ran were left out.")
                             .arg(summary.skipped);
}

}  // namespace kbs::exchange
