#include "Backup.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QUrl>
#include <QtEndian>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "DiskSync.h"
#include "Schema.h"
#include "ScratchFiles.h"

namespace kbs::backup {

namespace {

const QRegularExpression kCopyName(QStringLiteral(R"(^mydb-(\d{4}-\d{2}-\d{2})\.mdb$)"));
// A copy in progress: this version's scratch name, or an earlier version's ".part".
const QRegularExpression kCopyInProgress(
    QStringLiteral(R"(^mydb-\d{4}-\d{2}-\d{2}\.mdb(\.part|%1[A-Za-z0-9]{6})$)")
        .arg(QRegularExpression::escape(scratchfiles::Marker)));
const QRegularExpression kRecordName(
    QStringLiteral(R"(^\.(mydb-\d{4}-\d{2}-\d{2}\.mdb)\.checked$)"));
const QString kLockName = QStringLiteral(".kbsmgr-backup.lock");

Result outcome(Outcome o, const QString& message = {}, const QString& path = {}) {
    return {o, path, message};
}

Result failed(const QString& why, const QString& note = {}) {
    QString text = QStringLiteral("The catalogue could not be backed up: %1.").arg(why);
    if (!note.isEmpty())
        text += QLatin1Char(' ') + note;
    return outcome(Outcome::Failed, text);
}

// What went wrong, in words the collector knows, from SQLite's (extended) result code and the
// system's error number.
QString inWords(int rc, int sysErrno) {
    if ((rc & 0xff) == SQLITE_FULL || sysErrno == ENOSPC || sysErrno == EDQUOT)
        return QStringLiteral("the disk became full while copying the catalogue");
    switch (rc) {
        case SQLITE_IOERR_READ:
        case SQLITE_IOERR_SHORT_READ:
            return QStringLiteral("the disk could not read the catalogue");
        case SQLITE_IOERR_WRITE:
        case SQLITE_IOERR_FSYNC:
        case SQLITE_IOERR_TRUNCATE:
            return sysErrno == EFBIG ? QStringLiteral("the copy grew larger than a file may be")
                                     : QStringLiteral("the disk could not write the copy");
        default:
            break;
    }
    switch (rc & 0xff) {
        case SQLITE_NOMEM:
            return QStringLiteral("there was not enough memory");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return QStringLiteral("the catalogue is damaged");
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
            return QStringLiteral("a file could not be opened");
        case SQLITE_IOERR:
            return sysErrno ? QStringLiteral("the disk reported an error (%1)")
                                  .arg(QString::fromLocal8Bit(std::strerror(sysErrno)))
                            : QStringLiteral("the disk reported an error");
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

// Held while this copy of the program works in the backups folder; closing the descriptor,
// or the end of the process, lets it go.
class FolderLock {
public:
    explicit FolderLock(const QDir& dir) {
        m_fd = ::open(QFile::encodeName(dir.filePath(kLockName)).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            m_busy = errno == EWOULDBLOCK;
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_fd >= 0; }
    bool busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
};

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
// are read, nothing is written.
bool isWholeCatalogue(const QString& path, const std::atomic<bool>* cancel) {
    sqlite3* db = nullptr;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
    bool ok = sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                              nullptr) == SQLITE_OK;
    sqlite3_stmt* st = nullptr;
    const std::string probe = "SELECT 1 FROM " + std::string(schema::TableName) + " LIMIT 0";
    if (ok) {
        sqlite3_progress_handler(db, 1000, &interrupted, const_cast<std::atomic<bool>*>(cancel));
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
        why = QStringLiteral("the catalogue cannot be opened (%1)").arg(wordsOf(src, rc));
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
        why = cancel && cancel->load() ? QString()
                                       : QStringLiteral("the copy did not read back whole");
    *cancelled = *cancelled || (cancel && cancel->load());
    return why;
}

}  // namespace

QStringList copiesIn(const QString& folder) {
    QStringList names =
        QDir(folder).entryList({QStringLiteral("mydb-*.mdb")}, QDir::Files, QDir::Name);
    names.removeIf([](const QString& n) { return !kCopyName.match(n).hasMatch(); });
    return names;
}

Result make(const QString& catalogue, const QString& folder, const Options& options,
            const std::atomic<bool>* cancel) {
    if (!QFileInfo(catalogue).isFile())
        return failed(QStringLiteral("%1 is not there").arg(catalogue));
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return failed(QStringLiteral("the folder %1 cannot be made").arg(folder));
    QDir dir(folder);
    const FolderLock lock(dir);
    if (!lock.held())
        return lock.busy()
                   ? outcome(Outcome::Busy)
                   : failed(QStringLiteral("the folder %1 cannot be written to").arg(folder));
    // Every copy in progress is this one's now: what is there was left by a run that ended.
    for (const QString& n : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch record = kRecordName.match(n);
        if (kCopyInProgress.match(n).hasMatch() ||
            (record.hasMatch() && !dir.exists(record.captured(1))))  // its copy was removed
            dir.remove(n);
    }

    // The copies that count: whole ones, dated today or before.
    const QString today = options.today.toString(QStringLiteral("yyyy-MM-dd"));
    QStringList copies;
    QStringList later;
    QStringList notes;
    for (const QString& n : copiesIn(folder)) {
        if (kCopyName.match(n).captured(1) > today) {
            later << n;
        } else if (isWholeCopy(dir.filePath(n), cancel)) {
            copies << n;
        } else if (cancel && cancel->load()) {
            return outcome(Outcome::Cancelled);
        } else {
            const QString aside = n + QStringLiteral(".damaged");
            if (!disk::renameNoReplace(dir.filePath(n), dir.filePath(aside)))
                return failed(
                    QStringLiteral("%1 is no whole copy of the catalogue and cannot be moved "
                                   "aside")
                        .arg(dir.filePath(n)));
            notes << QStringLiteral("%1 was no whole copy of the catalogue; it is kept as %2.")
                         .arg(n, aside);
        }
    }
    if (!later.isEmpty())
        notes << QStringLiteral("Backup copies dated after today are kept but not counted: %1.")
                     .arg(later.join(QStringLiteral(", ")));
    const QString note = notes.join(QLatin1Char(' '));

    const QString name = QStringLiteral("mydb-%1.mdb").arg(today);
    if (copies.contains(name))
        return outcome(Outcome::NotDue, note);
    // A copy's time is when its reading began; anything saved since then is a change.
    if (!copies.isEmpty() &&
        lastChange(catalogue) < QFileInfo(dir.filePath(copies.last())).lastModified())
        return outcome(Outcome::Unchanged, note);

    const qint64 size = catalogueBytes(catalogue);
    const qint64 free =
        options.freeSpace ? options.freeSpace(folder) : QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < 2 * size)
        return outcome(
            Outcome::NoSpace,
            (QStringLiteral("No backup of the catalogue today: less than twice its size (%1 MB) "
                            "is free on the disk. ")
                 .arg(2 * size / (1024 * 1024)) +
             note)
                .trimmed());

    const QDateTime began = QDateTime::currentDateTime();
    const QString path = dir.filePath(name);
    QString part;
    const int fd = scratchfiles::create(path, &part);
    if (fd < 0)
        return failed(QStringLiteral("the folder %1 cannot be written to").arg(folder), note);
    ::close(fd);
    bool cancelled = false;
    QString why = copyPages(catalogue, part, options.pagesPerStep, cancel, &cancelled);
    if (why.isEmpty() && !cancelled) {
        QFile copy(part);
        const bool timed = copy.open(QIODevice::ReadWrite) &&
                           copy.setFileTime(began, QFileDevice::FileModificationTime);
        if (!timed || ::fsync(copy.handle()) != 0)
            why = QStringLiteral("the disk could not write the copy");
    }
    if (!why.isEmpty() || cancelled) {
        QFile::remove(part);
        return cancelled ? outcome(Outcome::Cancelled) : failed(why, note);
    }
    if (!disk::renameNoReplace(part, path)) {
        const bool taken = errno == EEXIST;
        QFile::remove(part);
        return taken ? outcome(Outcome::NotDue, note)
                     : failed(QStringLiteral("%1 cannot be made").arg(path), note);
    }
    keepRecord(path);
    disk::syncPath(folder);
    copies << name;
    copies.sort();
    for (qsizetype i = 0; i + options.keep < copies.size(); ++i) {
        dir.remove(copies[i]);
        QFile::remove(recordOf(dir.filePath(copies[i])));
    }
    return outcome(Outcome::Made, note, path);
}

BackgroundBackup::BackgroundBackup(QString catalogue, QString folder, Options options,
                                   QObject* parent)
    : QObject(parent),
      m_catalogue(std::move(catalogue)),
      m_folder(std::move(folder)),
      m_options(std::move(options)) {}

BackgroundBackup::~BackgroundBackup() {
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundBackup::start() {
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this] {
        const Result r = make(m_catalogue, m_folder, m_options, &m_cancel);
        QMetaObject::invokeMethod(
            this, [this, r] { Q_EMIT finished(r); }, Qt::QueuedConnection);
    });
}

}  // namespace kbs::backup
