#include "Backup.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <chrono>
#include <utility>

namespace kbs::backup {

namespace {

const QRegularExpression kCopyName(QStringLiteral("^mydb-\\d{4}-\\d{2}-\\d{2}\\.mdb$"));
const QString kPartSuffix = QStringLiteral(".part");

Result outcome(Outcome o, const QString& message = {}, const QString& path = {}) {
    return {o, path, message};
}

Result failed(const QString& why) {
    return outcome(Outcome::Failed,
                   QStringLiteral("The catalogue could not be backed up: %1.").arg(why));
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

QString errorOf(sqlite3* db, int rc) {
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// Copies the catalogue page by page into part. Returns an empty string on success,
// "cancelled", or what went wrong.
QString copyPages(const QString& catalogue, const QString& part, int pagesPerStep,
                  const std::atomic<bool>* cancel, bool* cancelled) {
    sqlite3* src = nullptr;
    sqlite3* dst = nullptr;
    QString why;
    int rc = sqlite3_open_v2(QFile::encodeName(catalogue).constData(), &src, SQLITE_OPEN_READONLY,
                             nullptr);
    if (rc != SQLITE_OK)
        why = errorOf(src, rc);
    if (why.isEmpty()) {
        rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &dst,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK)
            why = errorOf(dst, rc);
    }
    // The part file is thrown away if anything goes wrong: no journal needed while it grows;
    // it is synced once, whole, before it gets its name.
    if (why.isEmpty())
        sqlite3_exec(dst, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr);
    sqlite3_backup* job = why.isEmpty() ? sqlite3_backup_init(dst, "main", src, "main") : nullptr;
    if (why.isEmpty() && !job)
        why = errorOf(dst, SQLITE_ERROR);
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
            why = errorOf(dst, rc);
            break;
        }
    }
    if (job && sqlite3_backup_finish(job) != SQLITE_OK && why.isEmpty() && !*cancelled)
        why = errorOf(dst, SQLITE_ERROR);
    if (why.isEmpty() && !*cancelled &&
        sqlite3_exec(dst, "PRAGMA quick_check(1)", nullptr, nullptr, nullptr) != SQLITE_OK)
        why = errorOf(dst, SQLITE_ERROR);
    sqlite3_close(dst);
    sqlite3_close(src);
    if (why.isEmpty() && !*cancelled) {
        const int fd = ::open(QFile::encodeName(part).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0)
            why = QStringLiteral("%1 cannot be written to the disk").arg(part);
        if (fd >= 0)
            ::close(fd);
    }
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
    // Left by a run that was stopped.
    for (const QString& n : dir.entryList({QStringLiteral("mydb-*.mdb.part")}, QDir::Files))
        dir.remove(n);

    const QString name =
        QStringLiteral("mydb-%1.mdb").arg(options.today.toString(QStringLiteral("yyyy-MM-dd")));
    const QStringList copies = copiesIn(folder);
    if (copies.contains(name))
        return outcome(Outcome::NotDue);
    // A copy's time is when its reading began; anything saved since then is a change.
    if (!copies.isEmpty() &&
        lastChange(catalogue) < QFileInfo(dir.filePath(copies.last())).lastModified())
        return outcome(Outcome::Unchanged);

    const qint64 size = catalogueBytes(catalogue);
    const qint64 free =
        options.freeSpace ? options.freeSpace(folder) : QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < 2 * size)
        return outcome(
            Outcome::NoSpace,
            QStringLiteral("No backup of the catalogue today: less than twice its size (%1 MB) "
                           "is free on the disk.")
                .arg(2 * size / (1024 * 1024)));

    const QDateTime began = QDateTime::currentDateTime();
    const QString part = dir.filePath(name + kPartSuffix);
    bool cancelled = false;
    const QString why = copyPages(catalogue, part, options.pagesPerStep, cancel, &cancelled);
    if (!why.isEmpty() || cancelled) {
        QFile::remove(part);
        return cancelled ? outcome(Outcome::Cancelled) : failed(why);
    }
    QFile copy(part);
    copy.open(QIODevice::ReadWrite);
    copy.setFileTime(began, QFileDevice::FileModificationTime);
    copy.close();
    const QString path = dir.filePath(name);
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        return failed(QStringLiteral("%1 cannot be made").arg(path));
    }
    const QStringList kept = copiesIn(folder);
    for (qsizetype i = 0; i + options.keep < kept.size(); ++i)
        dir.remove(kept[i]);
    return outcome(Outcome::Made, {}, path);
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
