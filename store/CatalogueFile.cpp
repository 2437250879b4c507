#include "CatalogueFile.h"

#include <QFileInfo>

#include "ProgramInfo.h"
#include "Schema.h"
#include "Settings.h"

namespace kbs::cataloguefile {

namespace {
QString& opened() {
    static QString path;
    return path;
}
const QString kSection = QStringLiteral("Catalogues");
const QString kRecentKey = QStringLiteral("Recent");
}  // namespace

QString own() {
    return ProgramInfo::path(QString::fromLatin1(schema::DatabaseFileName));
}

QString current() {
    return opened().isEmpty() ? own() : opened();
}

void setCurrent(const QString& path) {
    opened() = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

bool isOwn(const QString& path) {
    return QFileInfo(path).absoluteFilePath() == QFileInfo(own()).absoluteFilePath();
}

QString titleSuffix() {
    return isOwn(current()) ? QString()
                            : QStringLiteral(" - ") + QFileInfo(current()).completeBaseName();
}

QStringList recent() {
    QStringList out;
    const QStringList kept =
        Settings::get(kSection, kRecentKey, QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& path : kept) {
        if (QFileInfo(path).isFile() && !out.contains(path) && out.size() < MaxRecent)
            out << path;
    }
    return out;
}

void remember(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute.contains(QLatin1Char('\n')))
        return;
    QStringList list = recent();
    list.removeAll(absolute);
    list.prepend(absolute);
    Settings::save(kSection, kRecentKey, list.mid(0, MaxRecent).join(QLatin1Char('\n')));
}

}  // namespace kbs::cataloguefile
