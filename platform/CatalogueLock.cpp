#include "CatalogueLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <QFile>
#include <algorithm>
#include <mutex>
#include <vector>

namespace kbs {

namespace {

// This process's own locks: released for a moment while othersHold() asks.
std::mutex g_mutex;
struct Own {
    int fd;
    dev_t dev;
    ino_t ino;
};
std::vector<Own> g_own;

// A network file system emulates flock with the byte-range locks SQLite uses: a lock on the
// whole file there would hold up other programs' saves. No lock is taken on one.
bool onNetwork(int fd) {
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0)
        return true;
    switch (static_cast<unsigned long>(fs.f_type)) {
        case 0x6969UL:      // NFS
        case 0x517BUL:      // SMB
        case 0xFF534D42UL:  // CIFS
        case 0xFE534D42UL:  // SMB2
        case 0x65735546UL:  // FUSE (sshfs and the like)
            return true;
        default:
            return false;
    }
}

}  // namespace

CatalogueLock::CatalogueLock(const QString& catalogue) : m_path(catalogue) {
    struct stat st {};
    if (::stat(QFile::encodeName(catalogue).constData(), &st) != 0)
        return;
    m_known = true;
    m_dev = st.st_dev;
    m_ino = st.st_ino;
    m_fd = ::open(QFile::encodeName(catalogue).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0 && (onNetwork(m_fd) || ::flock(m_fd, LOCK_SH | LOCK_NB) != 0)) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_fd >= 0) {
        const std::lock_guard guard(g_mutex);
        g_own.push_back({m_fd, st.st_dev, st.st_ino});
    }
}

CatalogueLock::~CatalogueLock() {
    if (m_fd < 0)
        return;
    {
        const std::lock_guard guard(g_mutex);
        g_own.erase(std::remove_if(g_own.begin(), g_own.end(),
                                   [this](const Own& o) { return o.fd == m_fd; }),
                    g_own.end());
    }
    ::close(m_fd);
}

bool CatalogueLock::replaced() const {
    struct stat st {};
    if (!m_known || ::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return false;
    return st.st_dev != dev_t(m_dev) || st.st_ino != ino_t(m_ino);
}

bool CatalogueLock::othersHold(const QString& catalogue) {
    const int fd = ::open(QFile::encodeName(catalogue).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || onNetwork(fd)) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    const std::lock_guard guard(g_mutex);
    std::vector<int> mine;
    for (const Own& o : g_own) {
        if (o.dev == st.st_dev && o.ino == st.st_ino) {
            mine.push_back(o.fd);
            ::flock(o.fd, LOCK_UN);
        }
    }
    const bool others = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    for (const int own : mine)
        ::flock(own, LOCK_SH | LOCK_NB);
    return others;
}

}  // namespace kbs
