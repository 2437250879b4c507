#include "ScratchFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kbs::scratchfiles {

QStringList removeLeftovers(const QString& dir, const QDateTime& start) {
    static const QRegularExpression own(QStringLiteral(
        R"(^(mydb\.mdb\.converting-[0-9a-f]{8}\.tmp(\.part(-journal)?)?|.+\.ini\.[A-Za-z0-9]{6})$)"));
    const QDateTime before = start.addSecs(-60);
    QStringList removed;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& info : entries) {
        if (!own.match(info.fileName()).hasMatch() || !info.isFile() || info.isSymLink() ||
            info.lastModified() >= before)
            continue;
        if (QFile::remove(info.absoluteFilePath()))
            removed << info.fileName();
    }
    return removed;
}

}  // namespace kbs::scratchfiles
