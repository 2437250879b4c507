#include "PartFiles.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>

namespace kbs::partfiles {

namespace {

const QString kMarker = QStringLiteral(".kbs-part-");

QByteArray patternFor(const QString& target) {
    return QFile::encodeName(target + kMarker + QString::number(::getpid()) +
                             QStringLiteral("-XXXXXX"));
}

// Locks what was just made; a made scratch that cannot be locked is not used.
Part locked(const QByteArray& path, int fd, bool folder) {
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return {QFile::decodeName(path), fd};
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    folder ? ::rmdir(path.constData()) : ::unlink(path.constData());
    errno = error;
    return {};
}

bool processAlive(long pid) {
    return pid == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

Part makeFile(const QString& target) {
    QByteArray path = patternFor(target);
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0)
        return {};
    return locked(path, fd, false);
}

Part makeFolder(const QString& target) {
    QByteArray path = patternFor(target);
    if (!::mkdtemp(path.data()))
        return {};
    return locked(path, ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), true);
}

QStringList removeLitter(const QString& target) {
    const QFileInfo info(target);
    const QRegularExpression own(
        QStringLiteral("^%1%2([0-9]{1,10})-[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(info.fileName()), QRegularExpression::escape(kMarker)));
    QStringList removed;
    const QDir dir = info.absoluteDir();
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const auto match = own.match(name);
        if (!match.hasMatch() || processAlive(match.captured(1).toLong()))
            continue;
        const QString path = dir.filePath(name);
        const QByteArray native = QFile::encodeName(path);
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0 || (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)))
            continue;
        const bool folder = S_ISDIR(st.st_mode);
        const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK |
                                                      (folder ? O_DIRECTORY : 0));
        if (fd < 0)
            continue;
        // Held while it is removed: a writer on another machine still holds it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            (folder ? QDir(path).removeRecursively() : ::unlink(native.constData()) == 0))
            removed << name;
        ::close(fd);
    }
    return removed;
}

}  // namespace kbs::partfiles
