#include "Connection.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "AppError.h"
#include "CatalogueLock.h"
#include "LegacyFormat.h"
#include "Sqlite.h"

namespace kbs {

namespace {
const QString kSource = QStringLiteral("Connection");
const QString kProvider = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;");
const QString kDataSource = QStringLiteral("Data Source=");
}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
    close();
}

QString Connection::connectionStringFor(const QString& databasePath) {
    return kProvider + kDataSource + databasePath;
}

QString Connection::dataSource() const {
    const qsizetype at = m_connectionString.indexOf(kDataSource, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    QString rest = m_connectionString.mid(at + kDataSource.size());
    const qsizetype semi = rest.indexOf(QLatin1Char(';'));
    return semi < 0 ? rest : rest.left(semi);
}

void Connection::open(const QString&, const QString&, int) {
    if (m_db)
        throw AppError(err::OperationNotAllowed, kSource,
                       QCoreApplication::translate(
                           "kbs::store", "Operation is not allowed when the object is open."));
    const QString path = dataSource();
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        throw AppError(
            err::FileNotFound, kSource,
            QCoreApplication::translate("kbs::store", "Could not find file '%1'.").arg(path));
    }
    if (!info.isFile()) {
        throw AppError(err::PathFileAccess, kSource,
                       QCoreApplication::translate("kbs::store", "'%1' is not a file.").arg(path));
    }
    if (isLegacyCatalogue(path)) {
        throw AppError(err::LegacyCatalogue, kSource,
                       QCoreApplication::translate(
                           "kbs::store", "'%1' is a catalogue of the older Windows program.")
                           .arg(path));
    }
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        const QString msg =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw AppError(err::EngineError, kSource, msg);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite::waitForLock(db, 2000);
    // Reading the schema is what finds a file that is not a database.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        // SQLite's own words, in the program's language for the case a person meets most.
        const QString msg =
            (rc & 0xff) == SQLITE_NOTADB
                ? QCoreApplication::translate("kbs::store", "file is not a database")
                : QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw AppError(err::EngineError, kSource, msg);
    }
    m_db = db;
    m_lock = std::make_unique<CatalogueLock>(path);
}

bool Connection::replaced() const {
    return m_lock && m_lock->replaced();
}

void Connection::close() noexcept {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_lock.reset();
}

}  // namespace kbs
