#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "AppError.h"

namespace kbs::regularfile {

namespace {

const QString kSource = QStringLiteral("File");

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

// The reason a file with this status cannot be read, or empty.
QString checkStatus(const QString& path, const struct stat& st, qint64 maxBytes) {
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("%1 is %2, not a file that can be read.")
            .arg(path, kindOf(st.st_mode));
    if (st.st_size > maxBytes) {
        return QStringLiteral("%1 is %2 bytes long, more than the %3 bytes such a file may have.")
            .arg(path)
            .arg(qint64(st.st_size))
            .arg(maxBytes);
    }
    return {};
}

QString unreadable(const QString& path, int error) {
    return QStringLiteral("%1 cannot be read: %2.")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

[[noreturn]] void fail(const QString& path, int error, const QString& why) {
    if (error == ENOENT || error == ENOTDIR)
        throw AppError(err::FileNotFound, kSource, QStringLiteral("File not found: %1").arg(path));
    throw AppError(err::PathFileAccess, kSource, why);
}

}  // namespace

QString problem(const QString& path, qint64 maxBytes) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const int error = path.isEmpty() ? ENOENT : errno;
        if (error == ENOENT || error == ENOTDIR)
            return QStringLiteral("File not found: %1").arg(path);
        return unreadable(path, error);
    }
    return checkStatus(path, st, maxBytes);
}

void open(QFile& file, const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (path.isEmpty() || ::stat(name.constData(), &st) != 0) {
        const int error = path.isEmpty() ? ENOENT : errno;
        fail(path, error, unreadable(path, error));
    }
    QString why = checkStatus(path, st, maxBytes);
    if (!why.isEmpty())
        fail(path, 0, why);
    // Non-blocking, so that a pipe put in its place since the check cannot make the open wait;
    // the open file is checked again.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        fail(path, error, unreadable(path, error));
    }
    if (::fstat(fd, &st) != 0)
        st.st_mode = 0;
    why = checkStatus(path, st, maxBytes);
    if (!why.isEmpty()) {
        ::close(fd);
        fail(path, 0, why);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(path, 0, unreadable(path, EIO));
    }
}

QByteArray read(const QString& path, qint64 maxBytes) {
    QFile file;
    open(file, path, maxBytes);
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min(file.size(), maxBytes)));
    char block[64 * 1024];
    for (;;) {
        const qint64 n = file.read(block, sizeof block);
        if (n < 0)
            fail(path, 0, QStringLiteral("%1 cannot be read: %2.").arg(path, file.errorString()));
        if (n == 0)
            return bytes;
        if (bytes.size() + n > maxBytes) {
            fail(
                path, 0,
                QStringLiteral("%1 grew past %2 bytes while it was read.").arg(path).arg(maxBytes));
        }
        bytes.append(block, qsizetype(n));
    }
}

}  // namespace kbs::regularfile
