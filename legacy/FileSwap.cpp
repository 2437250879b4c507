#include "FileSwap.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "AppError.h"
#include "DiskSync.h"

namespace kbs::legacy {

namespace {

const QString kSource = QStringLiteral("Conversion");
constexpr int kMaxBackups = 1000;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Copies the original where the file system has no hard links. The copy is written under
// the backup name itself, which did not exist; the original stays under dbPath throughout.
bool copyOriginal(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const int fd = ::open(native(to).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    if (!out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        QFile::remove(to);
        return false;
    }
    bool ok = true;
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        ok = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    ok = ok && out.flush() && ::fsync(out.handle()) == 0 && out.size() == in.size();
    out.close();
    if (!ok)
        QFile::remove(to);
    return ok;
}

}  // namespace

QString backupPathFor(const QString& dbPath, int n) {
    return n == 0 ? dbPath + QStringLiteral(".jet")
                  : QStringLiteral("%1.%2.jet").arg(dbPath).arg(n);
}

QString installConverted(const QString& dbPath, const QString& convertedPath) {
    auto fail = [&](const QString& why) {
        throw AppError(err::LegacyCatalogue, kSource,
                       QStringLiteral("The converted catalogue cannot be put in place of %1: %2")
                           .arg(dbPath, why));
    };
    struct stat original;
    if (::stat(native(dbPath).constData(), &original) != 0)
        fail(lastError());

    QString backup;
    bool made = false;
    for (int n = 0; n < kMaxBackups && backup.isEmpty(); ++n) {
        const QString candidate = backupPathFor(dbPath, n);
        struct stat existing;
        if (::lstat(native(candidate).constData(), &existing) == 0) {
            if (S_ISREG(existing.st_mode) && sameFile(existing, original))
                backup = candidate;  // already a second name of the original
            continue;
        }
        if (::link(native(dbPath).constData(), native(candidate).constData()) == 0) {
            backup = candidate;
            made = true;
        } else if (errno == EEXIST) {
            continue;  // appeared meanwhile: take the next name
        } else if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS) {
            if (!copyOriginal(dbPath, candidate))
                fail(QStringLiteral("the original cannot be copied to %1.").arg(candidate));
            backup = candidate;
            made = true;
        } else {
            fail(QStringLiteral("the original cannot be kept as %1: %2.")
                     .arg(candidate, lastError()));
        }
    }
    if (backup.isEmpty())
        fail(QStringLiteral("every name for keeping the original is taken."));
    disk::syncPath(QFileInfo(dbPath).absolutePath());

    if (::rename(native(convertedPath).constData(), native(dbPath).constData()) != 0) {
        const QString why = lastError();
        if (made)
            QFile::remove(backup);  // the original is still under dbPath
        fail(why + QLatin1Char('.'));
    }
    disk::syncPath(QFileInfo(dbPath).absolutePath());
    return backup;
}

}  // namespace kbs::legacy
