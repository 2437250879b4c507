#include "ProgramDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "AppError.h"
#include "Version.h"

namespace kbs::programdir {

namespace {
const QString kCatalogue = QStringLiteral("mydb.mdb");
const QString kFolder = QStringLiteral("kbsmgr");
const QString kSource = QStringLiteral("Program directory");
}  // namespace

QString defaultsFor(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QLatin1Char('/') +
                           QString::fromUtf8(version::defaultsFromExecutable));
}

QString perUser() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QLatin1Char('/') + kFolder);
}

QString choose(const QString& executableDir, const CatalogueMaker& makeCatalogue) {
    const QFileInfo portable(executableDir + QLatin1Char('/') + kCatalogue);
    if (portable.exists() || portable.isSymLink())
        return executableDir;

    const QString dir = perUser();
    const QString catalogue = dir + QLatin1Char('/') + kCatalogue;
    if (QFileInfo::exists(catalogue) || QFileInfo(catalogue).isSymLink())
        return dir;
    // The collection is private: the folder is made for its owner alone.
    if (!QFileInfo(dir).isDir() &&
        !(QDir().mkpath(QFileInfo(dir).path()) &&
          QDir().mkdir(dir,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) &&
        !QFileInfo(dir).isDir())
        throw AppError(err::PathFileAccess, kSource,
                       QStringLiteral("the folder %1 cannot be made").arg(dir));

    // The lists and the tips first, the catalogue last: a first start that was interrupted is
    // completed by the next one. QFile::copy never replaces a file that exists.
    const QDir defaults(defaultsFor(executableDir));
    const QStringList names = defaults.entryList(
        {QStringLiteral("*.ini"), QStringLiteral("tip.txt")}, QDir::Files | QDir::Readable);
    for (const QString& name : names) {
        const QString to = dir + QLatin1Char('/') + name;
        // A copy keeps the source's permissions: a read-only installation's files become the
        // user's own, to edit.
        if (!QFileInfo::exists(to) && !QFileInfo(to).isSymLink() &&
            QFile::copy(defaults.filePath(name), to))
            QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    try {
        makeCatalogue(catalogue);
    } catch (const AppError&) {
        if (!QFileInfo::exists(catalogue))  // else another start made it meanwhile
            throw;
    }
    return dir;
}

}  // namespace kbs::programdir
