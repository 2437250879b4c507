#include "PlacedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "AppError.h"
#include "DiskSync.h"
#include "PartFiles.h"

namespace kbs::exchange {

namespace {

[[noreturn]] void cannotWrite(const QString& source, const QString& path, int error) {
    if (error == EEXIST)
        throw AppError(
            err::PathFileAccess, source,
            QCoreApplication::translate(
                "kbs::exchange", "%1 already exists, and an existing file is never replaced.")
                .arg(path));
    throw AppError(err::PathFileAccess, source,
                   QCoreApplication::translate("kbs::exchange", "%1 cannot be written: %2.")
                       .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

}  // namespace

PlacedFile::PlacedFile(const QString& target, QString source)
    : m_target(target), m_source(std::move(source)) {
    partfiles::removeLitter(target);
    struct stat st {};
    if (::lstat(QFile::encodeName(target).constData(), &st) == 0)
        cannotWrite(m_source, target, EEXIST);
    const partfiles::Part part = partfiles::makeFile(target);
    if (part.fd < 0)
        cannotWrite(m_source, target, errno);
    ::fchmod(part.fd, 0644);
    m_scratch = part.path;
    m_lock = part.fd;
}

PlacedFile::~PlacedFile() {
    if (!m_scratch.isEmpty())
        ::unlink(QFile::encodeName(m_scratch).constData());
    if (m_lock >= 0)
        ::close(m_lock);
}

void PlacedFile::place() {
    const int fd = ::open(QFile::encodeName(m_scratch).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int e = errno;
        if (fd >= 0)
            ::close(fd);
        cannotWrite(m_source, m_target, e);
    }
    ::close(fd);
    if (!disk::renameNoReplace(m_scratch, m_target))
        cannotWrite(m_source, m_target, errno);
    m_scratch.clear();
    disk::syncPath(QFileInfo(m_target).absolutePath());
}

}  // namespace kbs::exchange
