#include "ScratchFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>

#include "DiskSync.h"
#include "PartFiles.h"

namespace kbs::scratchfiles {

namespace {

const QRegularExpression kScratch(QStringLiteral(R"(^.+\.kbs-tmp-[A-Za-z0-9]{6}$)"));
const QRegularExpression kConverting(
    QStringLiteral(R"(^mydb\.mdb\.converting-[0-9a-f]{8}\.tmp(\.part(-journal)?)?$)"));

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

}  // namespace

bool isScratchName(const QString& fileName) {
    return kScratch.match(fileName).hasMatch();
}

int create(const QString& path, QString* name) {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString candidate = path + Marker;
        for (int i = 0; i < 6; ++i)
            candidate += QLatin1Char(kChars[QRandomGenerator::global()->bounded(62)]);
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) {
            *name = candidate;
            return fd;
        }
    }
    return -1;
}

bool replaceWhole(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return false;
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QByteArray native = QFile::encodeName(target);
    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(native.constData(), W_OK) != 0))
        return false;
    QString scratch;
    const int fd = create(target, &scratch);
    if (fd < 0)
        return false;
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    const QByteArray from = QFile::encodeName(scratch);
    if (!ok || ::rename(from.constData(), native.constData()) != 0) {
        ::unlink(from.constData());
        return false;
    }
    disk::syncPath(QFileInfo(target).absolutePath());
    return true;
}

QStringList removeLeftovers(const QString& dir, const QDateTime& start) {
    const QDateTime before = start.addSecs(-60);
    QStringList removed;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& info : entries) {
        const QString name = info.fileName();
        if (!(isScratchName(name) || kConverting.match(name).hasMatch()) || !info.isFile() ||
            info.isSymLink() || info.lastModified() >= before)
            continue;
        if (QFile::remove(info.absoluteFilePath()))
            removed << name;
    }
    // A command's scratch files ("<target>.kbs-part-<pid>-XXXXXX"), such as a stopped
    // conversion's: removed by their own rule, which leaves a live writer's alone.
    QStringList targets;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                   QDir::System | QDir::NoDotAndDotDot)) {
        const qsizetype at = name.indexOf(QLatin1String(".kbs-part-"));
        if (at > 0 && !targets.contains(name.left(at)))
            targets << name.left(at);
    }
    for (const QString& target : targets)
        removed << partfiles::removeLitter(QDir(dir).filePath(target));
    return removed;
}

}  // namespace kbs::scratchfiles
