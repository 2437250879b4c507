#include "DiskSync.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>

namespace kbs::disk {

void syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace kbs::disk
