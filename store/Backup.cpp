#include "Backup.h"

#include <openssl/evp.h>
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "SafeFile.h"
#include "Schema.h"
#include "Sqlite.h"
#include "StopPoint.h"

namespace kbs::backup {

namespace {

// A whole copy "mydb-DATE.mdb", or a backup sharing its pictures "mydb-DATE.kbsbackup".
const QRegularExpression kCopyName(
    QStringLiteral(R"(^mydb-(\d{4}-\d{2}-\d{2})\.(mdb|kbsbackup)$)"));
const QString kSetSuffix = QStringLiteral(".kbsbackup");
const QString kSource = QStringLiteral("Backup");
// A scratch name (SafeFile.h) of this or an earlier version, or an earlier version's ".part".
const QString kInProgress =
    QStringLiteral(R"((\.part|\.kbs-tmp-[A-Za-z0-9]{6}|\.kbs-part-\d+-[A-Za-z0-9]{6}(-journal)?))");
// A backup in progress.
const QRegularExpression kCopyInProgress(
    QStringLiteral(R"(^mydb-\d{4}-\d{2}-\d{2}\.(mdb|kbsbackup)%1$)").arg(kInProgress));
const QRegularExpression kRecordName(
    QStringLiteral(R"(^\.(mydb-\d{4}-\d{2}-\d{2}\.(mdb|kbsbackup))\.checked$)"));
const QRegularExpression kPictureName(QStringLiteral(R"(^[0-9a-f]{64}$)"));
const QRegularExpression kPictureInProgress(QStringLiteral(R"(^[0-9a-f]{64}%1$)").arg(kInProgress));
const QString kLockName = QStringLiteral(".kbsmgr-backup.lock");

Result outcome(Outcome o, const QString& message = {}, const QString& path = {}) {
    return {o, path, message};
}

Result failed(const QString& why, const QString& note = {}) {
    QString text =
        QCoreApplication::translate("kbs::backup", "The catalogue could not be backed up: %1.")
            .arg(why);
    if (!note.isEmpty())
        text += QLatin1Char(' ') + note;
    return outcome(Outcome::Failed, text);
}

// What went wrong, in words the collector knows, from SQLite's (extended) result code and the
// system's error number.
QString inWords(int rc, int sysErrno) {
    if ((rc & 0xff) == SQLITE_FULL || sysErrno == ENOSPC || sysErrno == EDQUOT)
        return QCoreApplication::translate("kbs::backup",
                                           "the disk became full while copying the catalogue");
    switch (rc) {
        case SQLITE_IOERR_READ:
        case SQLITE_IOERR_SHORT_READ:
            return QCoreApplication::translate("kbs::backup",
                                               "the disk could not read the catalogue");
        case SQLITE_IOERR_WRITE:
        case SQLITE_IOERR_FSYNC:
        case SQLITE_IOERR_TRUNCATE:
            return sysErrno == EFBIG ? QCoreApplication::translate(
                                           "kbs::backup", "the copy grew larger than a file may be")
                                     : QCoreApplication::translate(
                                           "kbs::backup", "the disk could not write the copy");
        default:
            break;
    }
    switch (rc & 0xff) {
        case SQLITE_NOMEM:
            return QCoreApplication::translate("kbs::backup", "there was not enough memory");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return QCoreApplication::translate("kbs::backup", "the catalogue is damaged");
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
            return QCoreApplication::translate("kbs::backup", "a file could not be opened");
        case SQLITE_IOERR:
            return sysErrno
                       ? QCoreApplication::translate("kbs::backup",
                                                     "the disk reported an error (%1)")
                             .arg(QString::fromLocal8Bit(std::strerror(sysErrno)))
                       : QCoreApplication::translate("kbs::backup", "the disk reported an error");
        default:
            return QString::fromUtf8(sqlite3_errstr(rc));
    }
}

QString wordsOf(sqlite3* db, int rc) {
    return inWords(rc, db ? sqlite3_system_errno(db) : 0);
}

// When the catalogue last changed: the file, or its write-ahead log where there is one.
QDateTime lastChange(const QString& catalogue) {
    QDateTime t = QFileInfo(catalogue).lastModified();
    const QFileInfo wal(catalogue + QStringLiteral("-wal"));
    if (wal.exists() && wal.lastModified() > t)
        t = wal.lastModified();
    return t;
}

qint64 catalogueBytes(const QString& catalogue) {
    return QFileInfo(catalogue).size() + QFileInfo(catalogue + QStringLiteral("-wal")).size();
}

// The record of a checked copy, kept beside it: its size and its time, which change when
// anything else is written under its name.
QString recordOf(const QString& path) {
    const QFileInfo f(path);
    return f.dir().filePath(QLatin1Char('.') + f.fileName() + QStringLiteral(".checked"));
}

QByteArray stampOf(const QString& path) {
    const QFileInfo f(path);
    return QByteArray::number(f.size()) + ' ' +
           QByteArray::number(f.lastModified().toMSecsSinceEpoch());
}

void keepRecord(const QString& path) {
    QFile record(recordOf(path));
    if (record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        record.write(stampOf(path) + '\n');
}

int interrupted(void* cancel) {
    return cancel && static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

// SQLite's quick check of a catalogue file, which must hold the records' table; its pages
// are read, nothing is written. `mapped`: read through a mapping of the file, which costs less
// than copying every page, for a file this program has just written (a foreign file cut short
// while mapped would stop the program).
bool isWholeCatalogue(const QString& path, const std::atomic<bool>* cancel, bool mapped = false) {
    sqlite3* db = nullptr;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
    bool ok = sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                              nullptr) == SQLITE_OK;
    sqlite3_stmt* st = nullptr;
    const std::string probe = "SELECT 1 FROM " + std::string(schema::TableName) + " LIMIT 0";
    if (ok) {
        sqlite3_progress_handler(db, 1000, &interrupted, const_cast<std::atomic<bool>*>(cancel));
        if (mapped)
            sqlite3_exec(db, "PRAGMA mmap_size = 1099511627776", nullptr, nullptr, nullptr);
        ok = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK &&
             sqlite3_step(st) == SQLITE_ROW &&
             qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "ok") == 0 &&
             sqlite3_exec(db, probe.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return ok;
}

// A whole catalogue under a copy's name: checked before (the record matches), or it passes
// the check now: SQLite's header, the size the header gives, and the quick check.
bool isWholeCopy(const QString& path, const std::atomic<bool>* cancel) {
    QFile record(recordOf(path));
    if (record.open(QIODevice::ReadOnly) && record.read(64).trimmed() == stampOf(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(100);
    if (head.size() < 100 || !head.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    const auto* h = reinterpret_cast<const uchar*>(head.constData());
    const quint32 pageSize =
        qFromBigEndian<quint16>(h + 16) == 1 ? 65536u : qFromBigEndian<quint16>(h + 16);
    const quint32 pages = qFromBigEndian<quint32>(h + 28);
    // The page count is valid when it was written with the change counter.
    if (pages && qFromBigEndian<quint32>(h + 92) == qFromBigEndian<quint32>(h + 24) &&
        file.size() != qint64(pages) * pageSize)
        return false;
    if (!isWholeCatalogue(path, cancel))
        return false;
    keepRecord(path);
    return true;
}

// Copies the catalogue page by page into part. Returns an empty string on success,
// or what went wrong.
QString copyPages(const QString& catalogue, const QString& part, int pagesPerStep,
                  const std::atomic<bool>* cancel, bool* cancelled) {
    sqlite3* src = nullptr;
    sqlite3* dst = nullptr;
    QString why;
    int rc = sqlite3_open_v2(QFile::encodeName(catalogue).constData(), &src, SQLITE_OPEN_READONLY,
                             nullptr);
    if (rc != SQLITE_OK)
        why = QCoreApplication::translate("kbs::backup", "the catalogue cannot be opened (%1)")
                  .arg(wordsOf(src, rc));
    if (why.isEmpty()) {
        rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &dst, SQLITE_OPEN_READWRITE,
                             nullptr);
        if (rc != SQLITE_OK)
            why = wordsOf(dst, rc);
    }
    // The scratch file is thrown away if anything goes wrong: no journal needed while it
    // grows; it is synced once, whole, before it gets its name.
    if (why.isEmpty()) {
        sqlite3_extended_result_codes(src, 1);
        sqlite3_extended_result_codes(dst, 1);
        sqlite3_exec(dst, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr);
    }
    sqlite3_backup* job = why.isEmpty() ? sqlite3_backup_init(dst, "main", src, "main") : nullptr;
    if (why.isEmpty() && !job)
        why = wordsOf(dst, sqlite3_extended_errcode(dst));
    while (job) {
        if (cancel && cancel->load()) {
            *cancelled = true;
            break;
        }
        rc = sqlite3_backup_step(job, pagesPerStep);
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            // The program is saving: let it.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } else if (rc != SQLITE_OK) {
            const int sysErrno =
                sqlite3_system_errno(dst) ? sqlite3_system_errno(dst) : sqlite3_system_errno(src);
            why = inWords(rc, sysErrno);
            break;
        }
    }
    if (job && sqlite3_backup_finish(job) != SQLITE_OK && why.isEmpty() && !*cancelled)
        why = wordsOf(dst, sqlite3_extended_errcode(dst));
    sqlite3_close(dst);
    sqlite3_close(src);
    if (why.isEmpty() && !*cancelled && !isWholeCatalogue(part, cancel))
        why = cancel && cancel->load()
                  ? QString()
                  : QCoreApplication::translate("kbs::backup", "the copy did not read back whole");
    *cancelled = *cancelled || (cancel && cancel->load());
    return why;
}

// ---------------------------------------------------------------- backups sharing pictures

// The tables whose pictures the backups share, each with its picture column: the rows are read
// without it (and without the columns stored after it, which cost as much to reach), except
// where the record of changes says they changed.
struct Tracked {
    const char* table;
    const char* picture;
};
constexpr Tracked kTracked[] = {{"table1", "binpicdata"}, {"record_pictures", "bytes"}};

// Tables a backup leaves out: thumbnails are carried apart (kThumbsSql), the record of changes
// and the note of the thumbnails' last pass begin anew with each catalogue, and recently deleted
// records (with their pictures and valuations) are no part of the collection. The value history, a
// table without pictures, is copied whole into every backup.
bool leftOut(const QString& table) {
    static const QStringList kNames = {
        QStringLiteral("picture_thumbs"),   QStringLiteral("backup_changes"),
        QStringLiteral("backup_token"),     QStringLiteral("deleted_records"),
        QStringLiteral("deleted_pictures"), QStringLiteral("deleted_values"),
        QStringLiteral("thumbnail_pass")};
    return table.startsWith(QLatin1String("sqlite_")) ||
           table.startsWith(QLatin1String("kbs_backup_")) || kNames.contains(table);
}

// The thumbnails a backup carries, so that a restored catalogue need not make them again: each
// row of the catalogue's thumbnails without its image, which is a file of the pictures folder
// as the pictures are (kbs_backup_pictures under the table's name and this row). An image is
// read from the catalogue only when no earlier backup holds one of the same size made from the
// same source.
const char* const kThumbsSql =
    "CREATE TABLE kbs_backup_thumbs (row INTEGER PRIMARY KEY, record_id INTEGER, position "
    "INTEGER, source TEXT); CREATE INDEX kbs_backup_thumbs_source ON kbs_backup_thumbs (source)";
const char* const kThumbsName = "picture_thumbs";

const char* const kTrackingSql[] = {
    "INSERT INTO backup_token SELECT random() WHERE NOT EXISTS (SELECT 1 FROM backup_token)",
};

std::string trackingTrigger(const char* table, const char* when, const char* which) {
    std::string body;
    for (const char* row : {"NEW", "OLD"}) {
        if (!std::strstr(which, row))
            continue;
        body += std::string("INSERT OR REPLACE INTO backup_changes (tbl, row, n) VALUES ('") +
                table + "', " + row +
                ".rowid, (SELECT ifnull(max(n), 0) + 1 FROM backup_changes)); ";
    }
    return std::string("CREATE TRIGGER IF NOT EXISTS backup_") + table + "_" + when + " AFTER " +
           when + " ON " + table + " BEGIN " + body + "END";
}

std::vector<std::string> trackingStatements() {
    std::vector<std::string> all(std::begin(schema::ChangesTableSql),
                                 std::end(schema::ChangesTableSql));
    all.insert(all.end(), std::begin(kTrackingSql), std::end(kTrackingSql));
    for (const Tracked& t : kTracked) {
        all.push_back(trackingTrigger(t.table, "INSERT", "NEW"));
        all.push_back(trackingTrigger(t.table, "UPDATE", "NEW OLD"));
        all.push_back(trackingTrigger(t.table, "DELETE", "OLD"));
    }
    return all;
}

int countOf(sqlite3* db, const std::string& sql, qint64* value = nullptr) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW && value)
            *value = sqlite3_column_int64(st, 0);
    }
    sqlite3_finalize(st);
    return rc;
}

bool isTracked(sqlite3* db) {
    qint64 n = 0;
    countOf(db,
            "SELECT count(*) FROM sqlite_master WHERE (type = 'trigger' AND name LIKE "
            "'backup\\_%' ESCAPE '\\') OR (type = 'table' AND name IN ('backup_changes', "
            "'backup_token'))",
            &n);
    return n == qint64(std::size(kTracked)) * 3 + 2;
}

// OpenSSL's SHA-256 uses the processor's SHA instructions where there are some: many times
// Qt's own speed, which matters for a collection of gigabytes.
QString hexSha256(QByteArrayView bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(bytes.data(), size_t(bytes.size()), digest, &size, EVP_sha256(), nullptr) != 1)
        return QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), int(size)).toHex());
}

QString picturePath(const QDir& pictures, const QString& sha) {
    return pictures.filePath(sha);
}

// The columns of a table in table order, quoted, and where its picture column is.
struct Columns {
    std::vector<std::string> names;
    int picture = -1;  // the first of the columns read only where the row changed
    std::string list(int from, int to) const {
        std::string s;
        for (int i = from; i < to; ++i)
            s.append(s.empty() ? "" : ", ").append(sqlite::quoteName(names[size_t(i)]));
        return s;
    }
    std::string all() const { return list(0, int(names.size())); }
    std::string joined() const {
        std::string s;
        for (const auto& n : names)
            s += n + ',';
        return s;
    }
};

// A table's columns; none when they cannot be read (the caller then finds nothing to reuse).
Columns columnsOf(sqlite3* db, const std::string& schemaName, const std::string& table,
                  const char* picture) {
    Columns c;
    try {
        for (sqlite::TableColumn& col : sqlite::tableColumns(db, table, kSource, schemaName)) {
            if (picture && sqlite3_stricmp(col.name.c_str(), picture) == 0)
                c.picture = int(c.names.size());
            c.names.push_back(std::move(col.name));
        }
    } catch (const AppError&) {
        return {};
    }
    return c;
}

bool hasTable(sqlite3* db, const char* schemaName, const char* table) {
    qint64 n = 0;
    countOf(db,
            std::string("SELECT count(*) FROM ") + schemaName +
                ".sqlite_master WHERE type = 'table' AND name = '" + table + "'",
            &n);
    return n > 0;
}

// A step of a backup or a restore that went wrong, in words.
[[noreturn]] void stop(const QString& why) {
    throw AppError(err::PathFileAccess, kSource, why);
}

// The backup or restore was cancelled.
[[noreturn]] void cancelled() {
    throw AppError(err::CancelSelected, kSource, QString());
}

void run(sqlite3* db, const std::string& sql) {
    sqlite::exec(db, sql.c_str(), kSource);
}

QString text(const sqlite::Stmt& st, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), i)));
}

// What a failure thrown while `dbs` were used means, in words the collector knows: the
// engine's failure from the connection it happened on.
QString wordsFor(const AppError& e, std::initializer_list<sqlite3*> dbs) {
    if (e.number() != err::EngineError)
        return e.description();
    for (sqlite3* db : dbs) {
        const int rc = db ? sqlite3_extended_errcode(db) : SQLITE_OK;
        if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
            return wordsOf(db, rc);
    }
    return e.description();
}

// Writes a picture file of the pictures folder once: under a scratch name, put on the disk,
// then given its name, which is never replaced. A file under the name with another size is
// no whole picture and is written anew.
void keepPicture(const QDir& pictures, const QString& sha, QByteArrayView bytes) {
    const QString path = picturePath(pictures, sha);
    const QFileInfo there(path);
    if (there.exists() && there.size() == bytes.size())
        return;
    if (there.exists())
        QFile::remove(path);
    safefile::Scratch part;
    try {
        part = safefile::Scratch::file(path);
        part.write(bytes);
        part.sync();
    } catch (const AppError&) {
        stop(inWords(SQLITE_IOERR_WRITE, errno));
    }
    if (!safefile::renameNoReplace(part.path(), path))
        return;  // the same bytes are there already
    part.keep();
}

// Builds a backup sharing pictures from a catalogue that keeps a record of its changes.
class SetWriter {
public:
    SetWriter(sqlite3* src, sqlite3* out, const QDir& pictures, const std::atomic<bool>* cancel)
        : m_src(src), m_out(out), m_pictures(pictures), m_cancel(cancel) {}

    // prev: the newest earlier backup of this kind, or empty.
    void write(const QString& prev) {
        begin(prev);
        for (size_t t = 0; t < std::size(kTracked); ++t)
            copyTracked(t);
        copyThumbs();
        finish();
    }

private:
    struct Table {
        std::string name;
        Columns cols;
        std::unique_ptr<sqlite::Stmt> insert;
        std::unique_ptr<sqlite::Stmt> prevRow;
        std::unique_ptr<sqlite::Stmt> srcHeavy;
    };

    void checkCancel() const {
        if (m_cancel && m_cancel->load())
            cancelled();
    }

    void begin(const QString& prev) {
        run(m_src, "BEGIN");
        qint64 token = 0;
        countOf(m_src, "SELECT token FROM backup_token", &token);
        countOf(m_src, "SELECT ifnull(max(n), 0) FROM backup_changes", &m_startN);
        m_token = token;
        for (const Tracked& t : kTracked) {
            Table table;
            table.name = t.table;
            table.cols = columnsOf(m_src, "main", t.table, t.picture);
            m_tracked.push_back(std::move(table));
        }
        m_reuse = !prev.isEmpty() && attachPrevious(prev);
        // The tables, as the catalogue makes them, without their indexes and triggers.
        run(m_out, "BEGIN");
        {
            sqlite::Stmt tables(
                m_src,
                "SELECT name, sql FROM sqlite_master WHERE type = 'table' AND sql NOT "
                "NULL ORDER BY rowid",
                kSource);
            while (tables.step(kSource)) {
                const QString name = text(tables, 0);
                if (leftOut(name))
                    continue;
                run(m_out, text(tables, 1).toStdString());
                m_tables << name;
            }
        }
        run(m_out, schema::BackupTablesSql);
        run(m_src, "COMMIT");
    }

    // The earlier backup's rows stand for those that did not change since: when it is of this
    // catalogue (its token) and its tables have the same columns.
    bool attachPrevious(const QString& prev) {
        const QByteArray uri = QUrl::fromLocalFile(prev).toEncoded() + "?mode=ro";
        {
            sqlite::Stmt attach(m_out, "ATTACH DATABASE ? AS prev", kSource);
            sqlite3_bind_text(attach.get(), 1, uri.constData(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(attach.get()) != SQLITE_DONE)
                return false;
        }
        qint64 token = 0;
        qint64 seen = -1;
        if (countOf(m_out, "SELECT value FROM prev.kbs_backup_meta WHERE key = 'token'", &token) !=
                SQLITE_ROW ||
            countOf(m_out, "SELECT value FROM prev.kbs_backup_meta WHERE key = 'changes'", &seen) !=
                SQLITE_ROW ||
            token != m_token || seen > m_startN)
            return false;
        for (const Table& t : m_tracked) {
            if (columnsOf(m_out, "prev", t.name, nullptr).names != t.cols.names)
                return false;
        }
        sqlite::Stmt changed(m_src, "SELECT tbl, row FROM backup_changes WHERE n > ?", kSource);
        sqlite3_bind_int64(changed.get(), 1, seen);
        while (changed.step(kSource))
            m_changed.insert(
                {text(changed, 0).toStdString(), sqlite3_column_int64(changed.get(), 1)});
        return true;
    }

    // One table of pictures, a few rows at a time, each group in a read transaction of its own
    // so that the program's saves wait for one group at most.
    void copyTracked(size_t t) {
        Table& table = m_tracked[t];
        const Columns& c = table.cols;
        const int n = int(c.names.size());
        const int pic = c.picture < 0 ? n : c.picture;
        const std::string q = sqlite::quoteName(table.name);
        std::string marks;
        for (int i = 0; i < n; ++i)
            marks += i ? ", ?" : "?";
        table.insert = std::make_unique<sqlite::Stmt>(
            m_out, "INSERT OR REPLACE INTO main." + q + " (" + c.all() + ") VALUES (" + marks + ")",
            kSource);
        if (pic < n) {
            table.srcHeavy = std::make_unique<sqlite::Stmt>(
                m_src, "SELECT " + c.list(pic, n) + " FROM " + q + " WHERE rowid = ?", kSource);
            if (m_reuse)
                table.prevRow = std::make_unique<sqlite::Stmt>(
                    m_out,
                    "SELECT " + c.list(pic, n) +
                        ", (SELECT sha256 FROM prev.kbs_backup_pictures WHERE tbl = ?1 AND "
                        "row = ?2), (SELECT size FROM prev.kbs_backup_pictures WHERE tbl = "
                        "?1 AND row = ?2) FROM prev." +
                        q + " WHERE rowid = ?2",
                    kSource);
        }
        const std::string light = pic > 0 ? c.list(0, pic) : "NULL";
        sqlite::Stmt rows(
            m_src,
            "SELECT rowid, " + light + " FROM " + q + " WHERE rowid > ? ORDER BY rowid LIMIT 256",
            kSource);
        inSteps(rows, [&](qint64 rowid) { return copyRow(table, rows.get(), rowid); });
    }

    // Runs `copy` on each row of `rows` (which takes the rowid to begin after, and gives the
    // rowid first), a group of rows in a read transaction of its own, so that the program's
    // saves wait for one group at most. copy() returns the bytes it read.
    void inSteps(sqlite::Stmt& rows, const std::function<qint64(qint64 rowid)>& copy) {
        qint64 last = std::numeric_limits<qint64>::min();
        for (bool more = true; more;) {
            checkCancel();
            run(m_src, "BEGIN");
            sqlite3_bind_int64(rows.get(), 1, last);
            more = false;
            qint64 bytesRead = 0;
            while (bytesRead < (8 << 20) && rows.step(kSource)) {
                more = true;
                last = sqlite3_column_int64(rows.get(), 0);
                bytesRead += copy(last);
            }
            rows.reset();
            run(m_src, "COMMIT");
        }
    }

    // The thumbnails, a few rows at a time as the pictures. They are made from the pictures, so
    // a thumbnail changed meanwhile is at worst made again after a restore.
    void copyThumbs() {
        if (!hasTable(m_src, "main", kThumbsName))
            return;
        run(m_out, kThumbsSql);
        std::unique_ptr<sqlite::Stmt> prev;
        if (m_reuse && hasTable(m_out, "prev", "kbs_backup_thumbs"))
            prev = std::make_unique<sqlite::Stmt>(
                m_out,
                "SELECT p.sha256, p.size FROM prev.kbs_backup_thumbs AS t JOIN "
                "prev.kbs_backup_pictures AS p ON p.tbl = 'picture_thumbs' AND p.row = t.row "
                "WHERE t.source = ? AND p.size = ? LIMIT 1",
                kSource);
        sqlite::Stmt rows(m_src,
                          "SELECT rowid, record_id, position, source, length(jpeg) FROM "
                          "picture_thumbs WHERE rowid > ? ORDER BY rowid LIMIT 256",
                          kSource);
        sqlite::Stmt image(m_src, "SELECT jpeg FROM picture_thumbs WHERE rowid = ?", kSource);
        sqlite::Stmt put(m_out, "INSERT INTO kbs_backup_thumbs VALUES (?, ?, ?, ?)", kSource);
        inSteps(rows, [&](qint64 rowid) {
            QString sha;
            qint64 size = -1;
            if (prev) {
                sqlite3_bind_value(prev->get(), 1, sqlite3_column_value(rows.get(), 3));
                sqlite3_bind_value(prev->get(), 2, sqlite3_column_value(rows.get(), 4));
                if (prev->step(kSource)) {
                    sha = text(*prev, 0);
                    size = sqlite3_column_int64(prev->get(), 1);
                    if (QFileInfo(picturePath(m_pictures, sha)).size() != size)
                        size = -1;  // gone or cut short: read again
                }
                prev->reset();
            }
            qint64 read = 0;
            if (size < 0) {
                sqlite3_bind_int64(image.get(), 1, rowid);
                if (image.step(kSource)) {
                    const QByteArrayView bytes(
                        static_cast<const char*>(sqlite3_column_blob(image.get(), 0)),
                        sqlite3_column_bytes(image.get(), 0));
                    sha = hexSha256(bytes);
                    size = read = bytes.size();
                    keepPicture(m_pictures, sha, bytes);
                }
                image.reset();
            }
            if (size < 0)
                return read;
            for (int i = 0; i < 4; ++i)
                sqlite3_bind_value(put.get(), i + 1, sqlite3_column_value(rows.get(), i));
            put.step(kSource);
            put.reset();
            notePicture(kThumbsName, rowid, sha, size);
            return read;
        });
    }

    // Copies one row: its columns before the picture from `light`, the others from the earlier
    // backup or, where the row changed, from the catalogue. Returns the bytes read for it.
    qint64 copyRow(Table& table, sqlite3_stmt* light, qint64 rowid) {
        const Columns& c = table.cols;
        const int n = int(c.names.size());
        const int pic = c.picture < 0 ? n : c.picture;
        sqlite3_stmt* ins = table.insert->get();
        for (int i = 0; i < pic; ++i)
            sqlite3_bind_value(ins, i + 1, sqlite3_column_value(light, i + 1));
        qint64 read = 0;
        bool done = false;
        if (pic < n && table.prevRow && !m_changed.count({table.name, rowid})) {
            sqlite::Stmt& prev = *table.prevRow;
            sqlite3_bind_text(prev.get(), 1, table.name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(prev.get(), 2, rowid);
            if (prev.step(kSource)) {
                const bool hasPicture = sqlite3_column_type(prev.get(), n - pic) != SQLITE_NULL;
                const QString sha = text(prev, n - pic);
                const qint64 size = sqlite3_column_int64(prev.get(), n - pic + 1);
                // A picture file that is gone or cut short is read again from the catalogue.
                if (!hasPicture || QFileInfo(picturePath(m_pictures, sha)).size() == size) {
                    for (int i = pic; i < n; ++i)
                        sqlite3_bind_value(ins, i + 1, sqlite3_column_value(prev.get(), i - pic));
                    if (hasPicture)
                        notePicture(table.name, rowid, sha, size);
                    done = true;
                }
            }
            prev.reset();
        }
        if (!done && pic < n) {
            sqlite::Stmt& heavy = *table.srcHeavy;
            sqlite3_bind_int64(heavy.get(), 1, rowid);
            if (heavy.step(kSource)) {
                for (int i = pic; i < n; ++i)
                    sqlite3_bind_value(ins, i + 1, sqlite3_column_value(heavy.get(), i - pic));
                if (sqlite3_column_type(heavy.get(), 0) == SQLITE_BLOB) {
                    const QByteArrayView bytes(
                        static_cast<const char*>(sqlite3_column_blob(heavy.get(), 0)),
                        sqlite3_column_bytes(heavy.get(), 0));
                    const QString sha = hexSha256(bytes);
                    keepPicture(m_pictures, sha, bytes);
                    notePicture(table.name, rowid, sha, bytes.size());
                    sqlite3_bind_null(ins, pic + 1);
                    read = bytes.size();
                }
            }
            heavy.reset();
        }
        table.insert->step(kSource);
        table.insert->reset();
        return read;
    }

    void notePicture(const std::string& table, qint64 rowid, const QString& sha, qint64 size) {
        sqlite::Stmt note(m_out, "INSERT OR REPLACE INTO kbs_backup_pictures VALUES (?, ?, ?, ?)",
                          kSource);
        sqlite3_bind_text(note.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(note.get(), 2, rowid);
        const QByteArray s = sha.toLatin1();
        sqlite3_bind_text(note.get(), 3, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(note.get(), 4, size);
        note.step(kSource);
    }

    // In one read transaction: the rows changed while the others were read are read again, and
    // the other tables copied whole, so the backup is the catalogue as it was at this moment.
    void finish() {
        checkCancel();
        run(m_src, "BEGIN");
        qint64 endN = 0;
        countOf(m_src, "SELECT ifnull(max(n), 0) FROM backup_changes", &endN);
        m_changed.clear();
        {
            sqlite::Stmt changed(m_src, "SELECT tbl, row FROM backup_changes WHERE n > ?", kSource);
            sqlite3_bind_int64(changed.get(), 1, m_startN);
            while (changed.step(kSource)) {
                const std::string name = text(changed, 0).toStdString();
                const qint64 rowid = sqlite3_column_int64(changed.get(), 1);
                m_changed.insert({name, rowid});
            }
        }
        for (Table& table : m_tracked) {
            const int pic =
                table.cols.picture < 0 ? int(table.cols.names.size()) : table.cols.picture;
            const std::string q = sqlite::quoteName(table.name);
            sqlite::Stmt light(m_src,
                               "SELECT rowid, " +
                                   (pic > 0 ? table.cols.list(0, pic) : std::string("NULL")) +
                                   " FROM " + q + " WHERE rowid = ?",
                               kSource);
            for (const auto& [name, rowid] : m_changed) {
                if (name != table.name)
                    continue;
                sqlite::Stmt drop(m_out, "DELETE FROM main." + q + " WHERE rowid = ?", kSource);
                sqlite3_bind_int64(drop.get(), 1, rowid);
                drop.step(kSource);
                sqlite::Stmt forget(
                    m_out, "DELETE FROM kbs_backup_pictures WHERE tbl = ? AND row = ?", kSource);
                sqlite3_bind_text(forget.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(forget.get(), 2, rowid);
                forget.step(kSource);
                sqlite3_bind_int64(light.get(), 1, rowid);
                if (light.step(kSource))
                    copyRow(table, light.get(), rowid);
                light.reset();
            }
        }
        for (const QString& name : std::as_const(m_tables)) {
            if (std::any_of(std::begin(kTracked), std::end(kTracked),
                            [&](const Tracked& t) { return name == QLatin1String(t.table); }))
                continue;
            copyWhole(name.toStdString());
        }
        // A catalogue whose tables have no AUTOINCREMENT key has no key counters.
        if (hasTable(m_src, "main", "sqlite_sequence")) {
            sqlite::Stmt seq(m_src, "SELECT name, seq FROM sqlite_sequence", kSource);
            sqlite::Stmt put(m_out, "INSERT INTO kbs_backup_sequence VALUES (?, ?)", kSource);
            while (seq.step(kSource)) {
                sqlite3_bind_value(put.get(), 1, sqlite3_column_value(seq.get(), 0));
                sqlite3_bind_value(put.get(), 2, sqlite3_column_value(seq.get(), 1));
                put.step(kSource);
                put.reset();
            }
        }
        {
            sqlite::Stmt schema(
                m_src,
                "SELECT tbl_name, sql FROM sqlite_master WHERE type IN ('index', "
                "'trigger') AND sql NOT NULL AND name NOT LIKE 'backup\\_%' ESCAPE '\\'",
                kSource);
            sqlite::Stmt put(m_out, "INSERT INTO kbs_backup_schema VALUES (?)", kSource);
            while (schema.step(kSource)) {
                if (!m_tables.contains(text(schema, 0)))
                    continue;
                sqlite3_bind_value(put.get(), 1, sqlite3_column_value(schema.get(), 1));
                put.step(kSource);
                put.reset();
            }
        }
        run(m_src, "COMMIT");
        sqlite::Stmt meta(m_out,
                          "INSERT INTO kbs_backup_meta VALUES ('format', 1), ('token', ?1), "
                          "('changes', ?2), ('records', (SELECT count(*) FROM main.table1)), "
                          "('pictures', (SELECT count(*) FROM kbs_backup_pictures WHERE tbl <> "
                          "'picture_thumbs')), ('picture_bytes', (SELECT ifnull(sum(size), 0) FROM "
                          "kbs_backup_pictures))",
                          kSource);
        sqlite3_bind_int64(meta.get(), 1, m_token);
        sqlite3_bind_int64(meta.get(), 2, endN);
        meta.step(kSource);
        run(m_out, "COMMIT");
        if (m_reuse)
            run(m_out, "DETACH DATABASE prev");
    }

    void copyWhole(const std::string& table) {
        const Columns c = columnsOf(m_src, "main", table, nullptr);
        std::string marks;
        for (size_t i = 0; i < c.names.size(); ++i)
            marks += i ? ", ?" : "?";
        const std::string q = sqlite::quoteName(table);
        sqlite::Stmt rows(m_src, "SELECT " + c.all() + " FROM " + q, kSource);
        sqlite::Stmt put(
            m_out, "INSERT INTO main." + q + " (" + c.all() + ") VALUES (" + marks + ")", kSource);
        while (rows.step(kSource)) {
            for (int i = 0; i < int(c.names.size()); ++i)
                sqlite3_bind_value(put.get(), i + 1, sqlite3_column_value(rows.get(), i));
            put.step(kSource);
            put.reset();
        }
    }

    sqlite3* m_src;
    sqlite3* m_out;
    QDir m_pictures;
    const std::atomic<bool>* m_cancel;
    qint64 m_token = 0;
    qint64 m_startN = 0;
    bool m_reuse = false;
    QStringList m_tables;
    std::vector<Table> m_tracked;
    std::set<std::pair<std::string, qint64>> m_changed;
};

// Writes a backup sharing pictures into part. Returns what went wrong, or an empty string.
QString writeSet(const QString& catalogue, const QString& part, const QString& prev,
                 const QDir& pictures, const std::atomic<bool>* cancel, bool* cancelled) {
    sqlite3* src = nullptr;
    sqlite3* out = nullptr;
    QString why;
    int rc = sqlite3_open_v2(QFile::encodeName(catalogue).constData(), &src, SQLITE_OPEN_READONLY,
                             nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &out,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        why = QCoreApplication::translate("kbs::backup", "the catalogue cannot be opened (%1)")
                  .arg(inWords(rc, 0));
    } else {
        sqlite3_extended_result_codes(src, 1);
        sqlite3_extended_result_codes(out, 1);
        sqlite3_busy_timeout(src, 5000);
        sqlite3_exec(out, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr);
        try {
            SetWriter(src, out, pictures, cancel).write(prev);
        } catch (const AppError& e) {
            why = wordsFor(e, {out, src});
            sqlite3_exec(src, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    sqlite3_close(out);
    sqlite3_close(src);
    *cancelled = cancel && cancel->load();
    if (why.isEmpty() && !*cancelled && !isWholeCatalogue(part, cancel))
        why = QCoreApplication::translate("kbs::backup", "the backup did not read back whole");
    return *cancelled ? QString() : why;
}

QDate dateOf(const QString& name) {
    return QDate::fromString(kCopyName.match(name).captured(1), QStringLiteral("yyyy-MM-dd"));
}

bool isSet(const QString& name) {
    return name.endsWith(kSetSuffix);
}

// The picture files a backup refers to; false when it cannot be read.
bool picturesOf(const QString& path, QSet<QString>* into) {
    sqlite3* db = nullptr;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?mode=ro";
    bool ok = sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                              nullptr) == SQLITE_OK;
    sqlite3_stmt* st = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "SELECT sha256 FROM kbs_backup_pictures", -1, &st, nullptr) ==
                   SQLITE_OK;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(st)) == SQLITE_ROW)
        into->insert(
            QString::fromLatin1(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return ok && rc == SQLITE_DONE;
}

// Removes the picture files that no backup in the folder refers to, and those left half
// written. Nothing is removed when any backup cannot be read.
void removeUnusedPictures(const QDir& dir) {
    QDir pictures(dir.filePath(PicturesFolder));
    if (!pictures.exists())
        return;
    QSet<QString> used;
    for (const QString& n : copiesIn(dir.path())) {
        if (isSet(n) && !picturesOf(dir.filePath(n), &used))
            return;
    }
    for (const QString& n : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (kPictureInProgress.match(n).hasMatch() ||
            (kPictureName.match(n).hasMatch() && !used.contains(n)))
            pictures.remove(n);
    }
}

}  // namespace

FolderLock::FolderLock(const QString& folder) {
    m_fd = ::open(QFile::encodeName(QDir(folder).filePath(kLockName)).constData(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        m_busy = errno == EWOULDBLOCK;
        ::close(m_fd);
        m_fd = -1;
    }
}

FolderLock::~FolderLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool trackChanges(sqlite3* db) {
    if (isTracked(db))
        return true;
    if (sqlite3_db_readonly(db, "main") != 0 || !schema::ensurePictureTables(db))
        return false;
    bool ok = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const std::string& sql : trackingStatements())
        ok = ok && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return ok && isTracked(db);
}

QStringList copiesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList({QStringLiteral("mydb-*")}, QDir::Files);
    names.removeIf([](const QString& n) { return !kCopyName.match(n).hasMatch(); });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return std::pair(dateOf(a), a) < std::pair(dateOf(b), b);
    });
    return names;
}

Result make(const QString& catalogue, const QString& folder, const Options& options,
            const std::atomic<bool>* cancel) {
    if (!QFileInfo(catalogue).isFile())
        return failed(QCoreApplication::translate("kbs::backup", "%1 is not there").arg(catalogue));
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return failed(
            QCoreApplication::translate("kbs::backup", "the folder %1 cannot be made").arg(folder));
    QDir dir(folder);
    const FolderLock lock(folder);
    if (!lock.held())
        return lock.busy() ? outcome(Outcome::Busy)
                           : failed(QCoreApplication::translate(
                                        "kbs::backup", "the folder %1 cannot be written to")
                                        .arg(folder));
    // Every backup in progress is this one's now: what is there was left by a run that ended.
    for (const QString& n : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch record = kRecordName.match(n);
        if (kCopyInProgress.match(n).hasMatch() ||
            (record.hasMatch() && !dir.exists(record.captured(1))))  // its copy was removed
            dir.remove(n);
    }

    // The backups that count: whole ones, dated today or before.
    const QDate today = options.today;
    QStringList copies;
    QStringList later;
    QStringList notes;
    for (const QString& n : copiesIn(folder)) {
        if (dateOf(n) > today) {
            later << n;
        } else if (isWholeCopy(dir.filePath(n), cancel)) {
            copies << n;
        } else if (cancel && cancel->load()) {
            return outcome(Outcome::Cancelled);
        } else {
            const QString aside = n + QStringLiteral(".damaged");
            bool movedAside = false;
            try {
                movedAside = safefile::renameNoReplace(dir.filePath(n), dir.filePath(aside));
            } catch (const AppError&) {
            }
            if (!movedAside)
                return failed(QCoreApplication::translate(
                                  "kbs::backup",
                                  "%1 is no whole copy of the catalogue and cannot be moved "
                                  "aside")
                                  .arg(dir.filePath(n)));
            notes << QCoreApplication::translate(
                         "kbs::backup", "%1 was no whole copy of the catalogue; it is kept as %2.")
                         .arg(n, aside);
        }
    }
    if (!later.isEmpty())
        notes << QCoreApplication::translate(
                     "kbs::backup", "Backup copies dated after today are kept but not counted: %1.")
                     .arg(later.join(QStringLiteral(", ")));
    const QString note = notes.join(QLatin1Char(' '));
    // Picture files half written by a run that ended; whole ones stay for this run to use,
    // and go after this backup when no backup refers to them.
    QDir pictureDir(dir.filePath(PicturesFolder));
    for (const QString& n : pictureDir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (kPictureInProgress.match(n).hasMatch())
            pictureDir.remove(n);
    }

    if (!copies.isEmpty() && dateOf(copies.last()) == today)
        return outcome(Outcome::NotDue, note);
    // A backup's time is when its reading began; anything saved since then is a change.
    if (!copies.isEmpty() &&
        lastChange(catalogue) < QFileInfo(dir.filePath(copies.last())).lastModified())
        return outcome(Outcome::Unchanged, note);

    bool tracked = false;
    {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(catalogue).constData(), &db, SQLITE_OPEN_READONLY,
                            nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db, 2000);
            tracked = isTracked(db);
        }
        sqlite3_close(db);
    }
    QString prev;
    for (const QString& n : std::as_const(copies)) {
        if (isSet(n))
            prev = dir.filePath(n);
    }
    // A whole copy needs twice the catalogue's size; the first backup sharing pictures its
    // size, a later one what changed, which is taken as twice the texts and 64 MB.
    const qint64 size = catalogueBytes(catalogue);
    const qint64 needed = !tracked         ? 2 * size
                          : prev.isEmpty() ? size + size / 10
                                           : 2 * QFileInfo(prev).size() + (qint64(64) << 20);
    const qint64 free =
        options.freeSpace ? options.freeSpace(folder) : QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < needed)
        return outcome(
            Outcome::NoSpace,
            (QCoreApplication::translate("kbs::backup",
                                         "No backup of the catalogue today: less than %1 MB is "
                                         "free on the disk. ")
                 .arg(needed / (1024 * 1024)) +
             note)
                .trimmed());

    const QDateTime began = QDateTime::currentDateTime();
    const QString name = QStringLiteral("mydb-%1%2")
                             .arg(today.toString(QStringLiteral("yyyy-MM-dd")),
                                  tracked ? kSetSuffix : QStringLiteral(".mdb"));
    const QString path = dir.filePath(name);
    const QDir pictures(dir.filePath(PicturesFolder));
    safefile::Scratch scratch;
    try {
        if (tracked && !dir.mkpath(PicturesFolder))
            stop(QString());
        scratch = safefile::Scratch::file(path);
    } catch (const AppError&) {
        return failed(
            QCoreApplication::translate("kbs::backup", "the folder %1 cannot be written to")
                .arg(folder),
            note);
    }
    const QString part = scratch.path();
    bool cancelled = false;
    QString why = tracked ? writeSet(catalogue, part, prev, pictures, cancel, &cancelled)
                          : copyPages(catalogue, part, options.pagesPerStep, cancel, &cancelled);
    if (why.isEmpty() && !cancelled) {
        QFile copy(part);
        const bool timed = copy.open(QIODevice::ReadWrite) &&
                           copy.setFileTime(began, QFileDevice::FileModificationTime);
        if (!timed || ::fsync(copy.handle()) != 0)
            why = QCoreApplication::translate("kbs::backup", "the disk could not write the copy");
        if (tracked)
            safefile::syncPath(pictures.path());
    }
    if (!why.isEmpty() || cancelled)
        return cancelled ? outcome(Outcome::Cancelled) : failed(why, note);
    stopPoint("backup");
    try {
        if (!safefile::renameNoReplace(part, path))
            return outcome(Outcome::NotDue, note);
    } catch (const AppError&) {
        return failed(QCoreApplication::translate("kbs::backup", "%1 cannot be made").arg(path),
                      note);
    }
    scratch.keep();
    keepRecord(path);
    safefile::syncPath(folder);
    copies << name;
    for (qsizetype i = 0; i + options.keep < copies.size(); ++i) {
        dir.remove(copies[i]);
        QFile::remove(recordOf(dir.filePath(copies[i])));
    }
    removeUnusedPictures(dir);
    return outcome(Outcome::Made, note, path);
}

QList<Entry> entries(const QString& folder) {
    QList<Entry> all;
    const QDir dir(folder);
    for (const QString& n : copiesIn(folder)) {
        Entry e;
        e.path = dir.filePath(n);
        e.date = dateOf(n);
        e.bytes = QFileInfo(e.path).size();
        sqlite3* db = nullptr;
        const QByteArray uri = QUrl::fromLocalFile(e.path).toEncoded() + "?mode=ro";
        if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                            nullptr) == SQLITE_OK) {
            if (isSet(n)) {
                qint64 bytes = 0;
                countOf(db, "SELECT value FROM kbs_backup_meta WHERE key = 'records'", &e.records);
                countOf(db, "SELECT value FROM kbs_backup_meta WHERE key = 'pictures'",
                        &e.pictures);
                countOf(db, "SELECT value FROM kbs_backup_meta WHERE key = 'picture_bytes'",
                        &bytes);
                e.bytes += bytes;
            } else {
                countOf(db, "SELECT count(*) FROM table1", &e.records);
                qint64 more = 0;
                countOf(db, "SELECT count(*) FROM table1 WHERE typeof(binpicdata) = 'blob'",
                        &e.pictures);
                if (countOf(db, "SELECT count(*) FROM record_pictures WHERE bytes NOT NULL",
                            &more) == SQLITE_ROW)
                    e.pictures += more;
            }
        }
        sqlite3_close(db);
        all << e;
    }
    return all;
}

namespace {

// Reads picture files of the pictures folder on a thread of its own, in the order asked,
// each checked against its hash and size, a few dozen megabytes ahead of the one taking them:
// the disk reads and the processor hashes while the catalogue is written.
class PictureReader {
public:
    struct Picture {
        QByteArray bytes;
        bool missing = false;
        bool damaged = false;
    };

    PictureReader(QDir pictures, std::vector<std::pair<QString, qint64>> wanted)
        : m_pictures(std::move(pictures)), m_wanted(std::move(wanted)) {
        m_thread = std::thread([this] { run(); });
    }
    ~PictureReader() {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    PictureReader(const PictureReader&) = delete;
    PictureReader& operator=(const PictureReader&) = delete;

    // The next picture in the order asked.
    Picture next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_ready.empty() || m_done; });
        if (m_ready.empty())
            return {QByteArray(), true, false};  // asked for more than there are
        Picture p = std::move(m_ready.front());
        m_ready.pop_front();
        m_held -= p.bytes.size();
        m_changed.notify_all();
        return p;
    }

private:
    static constexpr qint64 kAhead = 48 << 20;  // bytes read and not yet taken
    static constexpr qint64 kAskAhead = 8
                                        << 20;  // bytes the disk is asked for before they are read

    void run() {
        // The disk is asked for the files a few megabytes ahead, so that it has several reads
        // at hand at a time, as it has when one large file is copied.
        size_t asked = 0;
        qint64 askedBytes = 0;
        for (size_t i = 0; i < m_wanted.size(); ++i) {
            const auto& [sha, size] = m_wanted[i];
            askedBytes -= size;
            for (; asked < m_wanted.size() && (asked <= i || askedBytes < kAskAhead); ++asked) {
                const int fd = ::open(
                    QFile::encodeName(picturePath(m_pictures, m_wanted[asked].first)).constData(),
                    O_RDONLY | O_CLOEXEC);
                if (fd >= 0) {
                    ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
                    ::close(fd);
                }
                askedBytes += m_wanted[asked].second;
            }
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_stop || m_held < kAhead; });
                if (m_stop)
                    return;
            }
            Picture p;
            QFile f(picturePath(m_pictures, sha));
            if (!f.open(QIODevice::ReadOnly)) {
                p.missing = true;
            } else {
                p.bytes = f.read(size + 1);  // one more shows a longer file
                p.damaged = p.bytes.size() != size || hexSha256(p.bytes) != sha;
            }
            std::lock_guard lock(m_mutex);
            m_held += p.bytes.size();
            m_ready.push_back(std::move(p));
            m_changed.notify_all();
        }
        std::lock_guard lock(m_mutex);
        m_done = true;
        m_changed.notify_all();
    }

    QDir m_pictures;
    std::vector<std::pair<QString, qint64>> m_wanted;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Picture> m_ready;  // guarded by m_mutex, as are the two below
    qint64 m_held = 0;
    bool m_stop = false;
    bool m_done = false;
    std::thread m_thread;
};

// Has the disk write what the restore wrote so far, every few dozen megabytes, while the next
// pictures are read: otherwise the system keeps it all until the last sync and the disk reads
// first and writes after.
class WriteBehind {
public:
    explicit WriteBehind(sqlite3* db)
        : m_fd(::open(sqlite3_db_filename(db, "main"), O_RDONLY | O_CLOEXEC)) {}
    ~WriteBehind() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;
    void wrote(qint64 bytes) {
        m_since += bytes;
        if (m_since < (64 << 20) || m_fd < 0)
            return;
        m_since = 0;
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);  // started, not waited for
    }

private:
    int m_fd;
    qint64 m_since = 0;
};

// The pictures a query gives (sha256, size), in its order, read ahead.
std::unique_ptr<PictureReader> readerFor(sqlite3* db, const std::string& sql,
                                         const QDir& pictures) {
    std::vector<std::pair<QString, qint64>> wanted;
    sqlite::Stmt st(db, sql, kSource);
    while (st.step(kSource))
        wanted.emplace_back(text(st, 0), sqlite3_column_int64(st.get(), 1));
    return std::make_unique<PictureReader>(pictures, std::move(wanted));
}

// The thumbnails a backup carries, into the restored catalogue. A thumbnail whose file is
// gone or damaged is left out: the program makes it again from its picture.
void thumbsFromSet(sqlite3* out, const QDir& pictures, const std::atomic<bool>* cancel) {
    if (!hasTable(out, "bk", "kbs_backup_thumbs"))
        return;
    run(out, schema::ThumbsTableSql);
    const std::string from =
        " FROM bk.kbs_backup_thumbs AS t JOIN bk.kbs_backup_pictures AS p ON p.tbl = "
        "'picture_thumbs' AND p.row = t.row ORDER BY t.row";
    const auto reader = readerFor(out, "SELECT p.sha256, p.size" + from, pictures);
    sqlite::Stmt rows(out, "SELECT t.record_id, t.position, t.source" + from, kSource);
    sqlite::Stmt put(out, "INSERT OR REPLACE INTO main.picture_thumbs VALUES (?, ?, ?, ?)",
                     kSource);
    while (rows.step(kSource)) {
        const PictureReader::Picture p = reader->next();
        if (cancel && cancel->load())
            cancelled();
        if (p.missing || p.damaged)
            continue;
        for (int i = 0; i < 3; ++i)
            sqlite3_bind_value(put.get(), i + 1, sqlite3_column_value(rows.get(), i));
        sqlite3_bind_blob64(put.get(), 4, p.bytes.constData(), sqlite3_uint64(p.bytes.size()),
                            SQLITE_STATIC);
        put.step(kSource);
        put.reset();
    }
}

// Fills a new catalogue from a backup sharing pictures: the tables, their rows with each
// picture read from its file and compared with its hash, the key counters, the indexes and
// triggers, and the thumbnails.
void fillFromSet(sqlite3* out, const QString& backup, const QDir& pictures,
                 const std::atomic<bool>* cancel, const std::function<void(int)>& progress) {
    const QByteArray uri = QUrl::fromLocalFile(backup).toEncoded() + "?mode=ro";
    {
        sqlite::Stmt attach(out, "ATTACH DATABASE ? AS bk", kSource);
        sqlite3_bind_text(attach.get(), 1, uri.constData(), -1, SQLITE_TRANSIENT);
        attach.step(kSource);
    }
    run(out, "BEGIN");
    qint64 total = 1;
    countOf(out, "SELECT max(count(*), 1) FROM bk.kbs_backup_pictures", &total);
    qint64 done = 0;
    sqlite::Stmt tables(
        out,
        "SELECT name, sql FROM bk.sqlite_master WHERE type = 'table' AND sql NOT NULL "
        "AND name NOT LIKE 'kbs\\_backup\\_%' ESCAPE '\\' AND name NOT LIKE 'sqlite\\_%' "
        "ESCAPE '\\' ORDER BY rowid",
        kSource);
    while (tables.step(kSource)) {
        const std::string name = text(tables, 0).toStdString();
        run(out, text(tables, 1).toStdString());
        const Columns c = columnsOf(out, "bk", name, nullptr);
        const std::string q = sqlite::quoteName(name);
        std::string marks;
        for (size_t i = 0; i < c.names.size(); ++i)
            marks += i ? ", ?" : "?";
        const char* picture = nullptr;
        for (const Tracked& t : kTracked) {
            if (name == t.table)
                picture = t.picture;
        }
        if (!picture) {
            run(out,
                "INSERT INTO main." + q + " (" + c.all() + ") SELECT " + c.all() + " FROM bk." + q);
            continue;
        }
        const int pic = columnsOf(out, "bk", name, picture).picture;
        const std::string joined = " FROM bk." + q +
                                   " AS t LEFT JOIN bk.kbs_backup_pictures AS p ON p.tbl = '" +
                                   name + "' AND p.row = t.rowid ORDER BY t.rowid";
        sqlite::Stmt rows(out, "SELECT " + c.all() + ", p.sha256" + joined, kSource);
        sqlite::Stmt put(out, "INSERT INTO main." + q + " (" + c.all() + ") VALUES (" + marks + ")",
                         kSource);
        const int n = int(c.names.size());
        const auto reader =
            readerFor(out,
                      "SELECT p.sha256, p.size" + joined.substr(0, joined.find(" ORDER BY")) +
                          " WHERE p.sha256 NOT NULL ORDER BY t.rowid",
                      pictures);
        WriteBehind behind(out);
        while (rows.step(kSource)) {
            for (int i = 0; i < n; ++i)
                sqlite3_bind_value(put.get(), i + 1, sqlite3_column_value(rows.get(), i));
            PictureReader::Picture p;
            if (pic >= 0 && sqlite3_column_type(rows.get(), n) != SQLITE_NULL) {
                p = reader->next();
                const QString sha = text(rows, n);
                if (p.missing)
                    stop(
                        QCoreApplication::translate("kbs::backup", "the picture file %1 is missing")
                            .arg(sha));
                if (p.damaged)
                    stop(
                        QCoreApplication::translate("kbs::backup", "the picture file %1 is damaged")
                            .arg(sha));
                sqlite3_bind_blob64(put.get(), pic + 1, p.bytes.constData(),
                                    sqlite3_uint64(p.bytes.size()), SQLITE_STATIC);
                behind.wrote(p.bytes.size());
                if (progress && ++done % 64 == 0)
                    progress(int(done * 1000 / total));
                if (cancel && cancel->load())
                    cancelled();
            }
            put.step(kSource);
            put.reset();
        }
    }
    thumbsFromSet(out, pictures, cancel);
    if (hasTable(out, "main", "sqlite_sequence"))
        run(out,
            "UPDATE sqlite_sequence SET seq = max(seq, ifnull((SELECT s.seq FROM "
            "bk.kbs_backup_sequence AS s WHERE s.name = sqlite_sequence.name), 0)); "
            "INSERT INTO sqlite_sequence SELECT name, seq FROM bk.kbs_backup_sequence WHERE name "
            "NOT IN (SELECT name FROM sqlite_sequence)");
    sqlite::Stmt schema(out, "SELECT sql FROM bk.kbs_backup_schema", kSource);
    while (schema.step(kSource))
        run(out, text(schema, 0).toStdString());
    run(out, "COMMIT");
    run(out, "DETACH DATABASE bk");
}

// restore(), which says what went wrong, or nothing.
QString restoreInto(const QString& backup, const QString& target, const std::atomic<bool>* cancel,
                    const std::function<void(int)>& progress) {
    if (QFileInfo::exists(target))
        return QCoreApplication::translate("kbs::backup", "%1 exists already").arg(target);
    if (!isWholeCatalogue(backup, cancel))
        return QCoreApplication::translate("kbs::backup", "%1 is no whole backup").arg(backup);
    QString why;
    if (!isSet(QFileInfo(backup).fileName())) {
        // A whole copy: the file as it is, with a token of its own, so that no backup of the
        // catalogue it replaces stands for its rows.
        sqlite3* out = nullptr;
        if (!QFile::copy(backup, target) ||
            sqlite3_open_v2(QFile::encodeName(target).constData(), &out, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK)
            why = QCoreApplication::translate("kbs::backup", "%1 cannot be written").arg(target);
        else
            sqlite3_exec(out, "UPDATE backup_token SET token = random()", nullptr, nullptr,
                         nullptr);
        sqlite3_close(out);
    } else {
        sqlite3* out = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(target).constData(), &out,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI,
                            nullptr) != SQLITE_OK) {
            why = QCoreApplication::translate("kbs::backup", "%1 cannot be written").arg(target);
        } else {
            sqlite3_extended_result_codes(out, 1);
            sqlite3_exec(out, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                         nullptr);
            try {
                fillFromSet(out, backup, QDir(QFileInfo(backup).dir().filePath(PicturesFolder)),
                            cancel, progress);
                schema::ensureTextIndex(out);
                trackChanges(out);
                run(out, "PRAGMA journal_mode=DELETE");
            } catch (const AppError& e) {
                why = e.number() == err::CancelSelected
                          ? QCoreApplication::translate("kbs::backup", "it was cancelled")
                          : wordsFor(e, {out});
            }
        }
        sqlite3_close(out);
    }
    if (why.isEmpty() && !isWholeCatalogue(target, cancel, true))
        why =
            cancel && cancel->load()
                ? QCoreApplication::translate("kbs::backup", "it was cancelled")
                : QCoreApplication::translate("kbs::backup", "the restored catalogue is not whole");
    if (why.isEmpty()) {
        QFile f(target);
        if (!f.open(QIODevice::ReadWrite) || ::fsync(f.handle()) != 0)
            why = QCoreApplication::translate("kbs::backup", "the disk could not write %1")
                      .arg(target);
    }
    if (!why.isEmpty()) {
        QFile::remove(target);
        return why;
    }
    if (progress)
        progress(1000);
    return {};
}

}  // namespace

void restore(const QString& backup, const QString& target, const std::atomic<bool>* cancel,
             const std::function<void(int)>& progress) {
    const QString why = restoreInto(backup, target, cancel, progress);
    if (!why.isEmpty())
        throw AppError(cancel && cancel->load() ? err::CancelSelected : err::PathFileAccess,
                       kSource, why);
}

namespace {
QString keptNameFor(const QString& catalogue, const QDateTime& now, int n) {
    const QFileInfo f(catalogue);
    QString name = f.completeBaseName() + QStringLiteral("-before-restore-") +
                   now.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    if (n > 1)
        name += QStringLiteral("-%1").arg(n);
    return f.dir().filePath(name + QLatin1Char('.') + f.suffix());
}

const QRegularExpression kKeptName(
    QStringLiteral(R"(-before-restore-\d{4}-\d{2}-\d{2}-\d{4}(-\d+)?\.)"));
}  // namespace

QString swapIn(const QString& restored, const QString& catalogue, const QDateTime& now) {
    // A journal left by a save that was cut short belongs to the old file: it is played back
    // into it first, and one that stays means another program is writing it now.
    const QString journal = catalogue + QStringLiteral("-journal");
    if (QFileInfo::exists(journal)) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(catalogue).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) == SQLITE_OK)
            sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    if (QFileInfo::exists(journal) || QFileInfo::exists(catalogue + QStringLiteral("-wal")))
        stop(QCoreApplication::translate("kbs::backup",
                                         "the catalogue is being written by another program"));
    // The kept name is made first as a second name of the catalogue (or a copy, where the file
    // system has no hard links), never replacing a file; then the restored file takes the
    // catalogue's name in one step.
    QStringList names;
    for (int n = 1; n <= 100; ++n)
        names << keptNameFor(catalogue, now, n);
    try {
        return safefile::putInPlace(restored, catalogue, names);
    } catch (const AppError& e) {
        stop(QCoreApplication::translate("kbs::backup", "%1 cannot be replaced (%2)")
                 .arg(catalogue, e.description()));
    }
}

void removeUnfinishedSwap(const QString& catalogue) {
    const QFileInfo f(catalogue);
    struct stat own {};
    if (::stat(QFile::encodeName(catalogue).constData(), &own) != 0)
        return;
    for (const QString& n : f.dir().entryList(
             {f.completeBaseName() + QStringLiteral("-before-restore-*")}, QDir::Files)) {
        struct stat other {};
        const QString path = f.dir().filePath(n);
        if (kKeptName.match(n).hasMatch() &&
            ::stat(QFile::encodeName(path).constData(), &other) == 0 &&
            other.st_ino == own.st_ino && other.st_dev == own.st_dev)
            QFile::remove(path);
    }
}

BackgroundBackup::BackgroundBackup(QString catalogue, QString folder, Options options,
                                   QObject* parent)
    : QObject(parent),
      m_catalogue(std::move(catalogue)),
      m_folder(std::move(folder)),
      m_options(std::move(options)) {}

BackgroundBackup::~BackgroundBackup() {
    stop();
}

void BackgroundBackup::stop() {
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundBackup::start() {
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this] {
        // The window comes first when the processor is busy.
        ::setpriority(PRIO_PROCESS, ::gettid(), 10);
        const Result r = make(m_catalogue, m_folder, m_options, &m_cancel);
        QMetaObject::invokeMethod(
            this, [this, r] { Q_EMIT finished(r); }, Qt::QueuedConnection);
    });
}

}  // namespace kbs::backup
