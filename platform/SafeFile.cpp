#include "SafeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "AppError.h"
#include "StopPoint.h"

namespace kbs {

void stopPoint([[maybe_unused]] const char* name) {
#ifdef KBS_STOP_POINTS
    const char* wanted = std::getenv("KBS_STOP_AT");
    if (wanted && std::strcmp(wanted, name) == 0)
        ::raise(SIGSTOP);
#endif
}

bool testFault([[maybe_unused]] const char* fault) {
#ifdef KBS_STOP_POINTS
    const char* set = std::getenv("KBS_FAULT");
    return set && std::strcmp(set, fault) == 0;
#else
    return false;
#endif
}

}  // namespace kbs

namespace kbs::safefile {

namespace {

const QString kSource = QStringLiteral("SafeFile");
const QString kMarker = QStringLiteral(".kbs-part-");
// This version's scratch names; what follows a '-' after them was made for the scratch.
const QRegularExpression kScratch(
    QStringLiteral(R"(^(.+)\.kbs-part-(\d{1,10})-[A-Za-z0-9]{6}(-.*)?$)"));
// Earlier versions' scratch names, removed by age only.
const QRegularExpression kOldScratch(QStringLiteral(
    R"(^(.+\.kbs-tmp-[A-Za-z0-9]{6}|mydb\.mdb\.converting-[0-9a-f]{8}\.tmp(\.part(-journal)?)?)$)"));

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Throws the failure; errno still holds `error` where it is caught.
[[noreturn]] void fail(const QString& path, int error) {
    QString text;
    if (error == EEXIST || error == ENOTEMPTY)
        text = QCoreApplication::translate("kbs::safefile",
                                           "%1 already exists, and an existing file or folder is "
                                           "never replaced.")
                   .arg(path);
    else if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        text =
            QCoreApplication::translate("kbs::safefile", "%1 cannot be written: the disk is full.")
                .arg(path);
    else
        text = QCoreApplication::translate("kbs::safefile", "%1 cannot be written: %2.")
                   .arg(path, QString::fromLocal8Bit(std::strerror(error)));
    AppError failure(err::PathFileAccess, kSource, text);
    errno = error;
    throw failure;
}

bool processAlive(long pid) {
    return pid == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int hardLink(const QString& from, const QString& to) {
    if (testFault("nolink")) {
        errno = EPERM;
        return -1;
    }
    return ::link(native(from).constData(), native(to).constData());
}

// Copies `from` to the new name `to`, synced, for a file system without hard links. `to` did
// not exist; the original stays where it is throughout.
void copyNew(const QString& from, const QString& to) {
    const int in = ::open(native(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        fail(from, errno);
    struct stat st {};
    ::fstat(in, &st);
    const int out =
        ::open(native(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        fail(to, e);
    }
    try {
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        for (;;) {
            const ssize_t n = ::read(in, chunk.data(), size_t(chunk.size()));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail(from, errno);
            if (n == 0)
                break;
            writeAll(out, chunk.constData(), n, to);
        }
        if (::fsync(out) != 0)
            fail(to, errno);
    } catch (...) {
        ::close(in);
        ::close(out);
        ::unlink(native(to).constData());
        throw;
    }
    ::close(in);
    ::close(out);
}

// True when another open file holds `path` locked.
bool heldLocked(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// Removes one leftover, held locked while it goes: a writer on another machine still holds it.
bool removeLocked(const QString& path) {
    const QByteArray p = native(path);
    struct stat st {};
    if (::lstat(p.constData(), &st) != 0 || (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)))
        return false;
    const bool folder = S_ISDIR(st.st_mode);
    const int fd = ::open(
        p.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                         (folder ? QDir(path).removeRecursively() : ::unlink(p.constData()) == 0);
    ::close(fd);
    return removed;
}

}  // namespace

bool isScratchName(const QString& fileName) {
    return kScratch.match(fileName).hasMatch() || kOldScratch.match(fileName).hasMatch();
}

void refuseExisting(const QString& path) {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) == 0)
        fail(path, EEXIST);
}

Scratch::Scratch(QString target, QString path, int fd, bool folder)
    : m_target(std::move(target)), m_path(std::move(path)), m_fd(fd), m_folder(folder) {}

Scratch::~Scratch() {
    reset();
}

Scratch::Scratch(Scratch&& other) noexcept {
    *this = std::move(other);
}

Scratch& Scratch::operator=(Scratch&& other) noexcept {
    if (this != &other) {
        reset();
        m_target = std::exchange(other.m_target, {});
        m_path = std::exchange(other.m_path, {});
        m_fd = std::exchange(other.m_fd, -1);
        m_folder = other.m_folder;
    }
    return *this;
}

void Scratch::reset() {
    if (!m_path.isEmpty())
        m_folder ? (void)QDir(m_path).removeRecursively()
                 : (void)::unlink(native(m_path).constData());
    if (m_fd >= 0)
        ::close(m_fd);
    m_path.clear();
    m_fd = -1;
}

// Makes a new file or folder under a scratch name for `target`, with the permissions of any
// new file or folder (the user's umask applies), and locks it.
Scratch Scratch::make(const QString& target, bool folder) {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QString stem = target + kMarker + QString::number(::getpid()) + QLatin1Char('-');
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = stem;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(kChars[QRandomGenerator::global()->bounded(62)]);
        const QByteArray path = native(name);
        const int fd = folder ? (::mkdir(path.constData(), 0777) == 0
                                     ? ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                     : -1)
                              : ::open(path.constData(),
                                       O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            fail(target, errno);
        Scratch s(target, name, fd, folder);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
            fail(target, errno);
        return s;
    }
    fail(target, EEXIST);
}

Scratch Scratch::file(const QString& target) {
    return make(target, false);
}

Scratch Scratch::folder(const QString& target) {
    return make(target, true);
}

void Scratch::write(QByteArrayView bytes) {
    writeAll(m_fd, bytes.data(), bytes.size(), m_target);
}

void Scratch::sync() {
    if ((m_folder ? ::syncfs(m_fd) : ::fsync(m_fd)) != 0)
        fail(m_target, errno);
}

void Scratch::placeNoReplace() {
    sync();
    stopPoint("place");
    if (!renameNoReplace(m_path, m_target))
        fail(m_target, EEXIST);
    m_path.clear();
    syncPath(QFileInfo(m_target).absolutePath());
    reset();
}

void Scratch::placeReplacing() {
    sync();
    stopPoint("place");
    if (::rename(native(m_path).constData(), native(m_target).constData()) != 0)
        fail(m_target, errno);
    m_path.clear();
    syncPath(QFileInfo(m_target).absolutePath());
    reset();
}

QString Scratch::keep() {
    const QString path = std::exchange(m_path, {});
    reset();
    return path;
}

QString freeScratchName(const QString& target) {
    Scratch s = Scratch::file(target);
    return s.path();  // removed again as s goes
}

void writeAll(int fd, const char* data, qint64 size, const QString& shownPath) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(shownPath, n < 0 ? errno : ENOSPC);
        data += n;
        size -= n;
    }
}

void syncPath(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool renameNoReplace(const QString& from, const QString& to) {
    const QByteArray f = native(from);
    const QByteArray t = native(to);
    if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST || errno == ENOTEMPTY)
        return false;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        fail(to, errno);
    // A file system without that rename: the name is first taken by a placeholder of our own,
    // made by an exclusive creation, which never takes an existing name; the rename then
    // replaces only that placeholder.
    struct stat st {};
    if (::lstat(f.constData(), &st) != 0)
        fail(from, errno);
    const bool folder = S_ISDIR(st.st_mode);
    const int made = folder ? ::mkdir(t.constData(), 0700)
                            : ::open(t.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made < 0) {
        if (errno == EEXIST)
            return false;
        fail(to, errno);
    }
    if (!folder)
        ::close(made);
    if (::rename(f.constData(), t.constData()) != 0) {
        const int e = errno;
        folder ? ::rmdir(t.constData()) : ::unlink(t.constData());
        fail(to, e);
    }
    return true;
}

void replaceWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    struct stat st {};
    const bool exists = ::stat(native(target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        fail(path, EISDIR);
    if (exists && ::access(native(target).constData(), W_OK) != 0)
        fail(path, errno);
    Scratch scratch = Scratch::file(target);
    if (exists)
        ::fchmod(scratch.fd(), st.st_mode & 07777);
    scratch.write(bytes);
    scratch.placeReplacing();
}

QString putInPlace(const QString& replacement, const QString& target,
                   const QStringList& keepNames) {
    struct stat original {};
    if (::stat(native(target).constData(), &original) != 0)
        fail(target, errno);
    QString kept;
    bool made = false;
    for (const QString& candidate : keepNames) {
        struct stat existing {};
        if (::lstat(native(candidate).constData(), &existing) == 0) {
            if (S_ISREG(existing.st_mode) && sameFile(existing, original)) {
                kept = candidate;  // already a second name of the target
                break;
            }
            continue;
        }
        if (hardLink(target, candidate) == 0) {
            kept = candidate;
        } else if (errno == EEXIST) {
            continue;  // appeared meanwhile: take the next name
        } else if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS ||
                   errno == EXDEV) {
            copyNew(target, candidate);
            kept = candidate;
        } else {
            fail(candidate, errno);
        }
        made = true;
        break;
    }
    if (kept.isEmpty())
        fail(target, EEXIST);
    syncPath(QFileInfo(target).absolutePath());
    stopPoint("swap");
    if (::rename(native(replacement).constData(), native(target).constData()) != 0) {
        const int e = errno;
        if (made)
            ::unlink(native(kept).constData());  // the old file is still under target
        fail(target, e);
    }
    syncPath(QFileInfo(target).absolutePath());
    return kept;
}

namespace {
QStringList removeFrom(const QFileInfo& given, bool wholeFolder, const QDateTime& now);
}  // namespace

QStringList removeLeftovers(const QString& target, const QDateTime& now) {
    return removeFrom(QFileInfo(target), false, now);
}

QStringList removeLeftoversIn(const QString& folder, const QDateTime& now) {
    return removeFrom(QFileInfo(folder), true, now);
}

namespace {
QStringList removeFrom(const QFileInfo& given, bool wholeFolder, const QDateTime& now) {
    const QDir dir = wholeFolder ? QDir(given.filePath()) : given.absoluteDir();
    QStringList removed;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                    QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entries) {
        const QString name = info.fileName();
        if (info.isSymLink() || (!wholeFolder && !name.startsWith(given.fileName())))
            continue;
        const QRegularExpressionMatch m = kScratch.match(name);
        bool litter = false;
        if (m.hasMatch()) {
            if (!wholeFolder && m.captured(1) != given.fileName())
                continue;
            // What was made for a scratch goes with it, once nobody holds the scratch itself.
            const qsizetype added = m.captured(3).size();
            litter = !processAlive(m.captured(2).toLong()) &&
                     (added == 0 || !heldLocked(dir.filePath(name.left(name.size() - added))));
        } else {
            litter = kOldScratch.match(name).hasMatch() && info.isFile() &&
                     info.lastModified() < now.addSecs(-60);
        }
        if (litter && removeLocked(info.absoluteFilePath()))
            removed << name;
    }
    return removed;
}
}  // namespace

}  // namespace kbs::safefile
