#include "PartFiles.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <optional>

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

// The writer's process id when `name` is exactly a scratch name for the target named `base`.
std::optional<long> scratchOwner(const QString& name, const QString& base) {
    const QString prefix = base + kMarker;
    if (!name.startsWith(prefix))
        return std::nullopt;
    const QStringView rest = QStringView(name).mid(prefix.size());
    const qsizetype dash = rest.indexOf(QLatin1Char('-'));
    if (dash < 1 || dash > 10 || rest.size() != dash + 7)
        return std::nullopt;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const char16_t c = rest[i].unicode();
        const bool digit = c >= u'0' && c <= u'9';
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (i < dash ? !digit : i > dash && !digit && !letter)
            return std::nullopt;
    }
    return rest.left(dash).toLong();
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
    QStringList removed;
    const QDir dir = info.absoluteDir();
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const std::optional<long> owner = scratchOwner(name, info.fileName());
        if (!owner || processAlive(*owner))
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
