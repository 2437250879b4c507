#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

#include "Version.h"

namespace kbs {

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}
}  // namespace

QString ProgramInfo::directory() {
    QString dir = overrideDir();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

void ProgramInfo::setDirectoryOverride(const QString& dir) {
    overrideDir() = dir;
}

QString ProgramInfo::path(const QString& fileName) {
    return directory() + QLatin1Char('/') + fileName;
}

QString ProgramInfo::exeName() {
    return QStringLiteral("kbsmgr");
}
QString ProgramInfo::appId() {
    return QString::fromLatin1(version::appId);
}
int ProgramInfo::major() {
    return version::major;
}
int ProgramInfo::minor() {
    return version::minor;
}
int ProgramInfo::revision() {
    return version::revision;
}
QString ProgramInfo::releaseDate() {
    return QString::fromLatin1(version::releaseDate);
}

}  // namespace kbs
