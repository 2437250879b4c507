#include "Settings.h"

#include <QFileInfo>
#include <QSettings>

#include "ProgramInfo.h"
#include "Prompts.h"
#include "RegularFile.h"

namespace kbs {

namespace {
QString keyOf(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;
const QString kSettingsUnusable = QStringLiteral(
    "The settings cannot be used:\r\n\r\n%1\r\n\r\nThe program goes on with its "
    "default settings and saves none.");

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, ProgramInfo::exeName(),
                     ProgramInfo::exeName());
}

// The store reads its files as soon as it is made, so they are checked first: a pipe or a
// device in place of one would hang the program or fill its memory. While one cannot be read,
// the settings are neither read nor written, and the person is told once why.
bool usable() {
    static QString told;
    const QString name = ProgramInfo::exeName();
    // Where the store keeps its files, learnt from a store of a name that has none.
    const QString dir = QFileInfo(QSettings(QSettings::IniFormat, QSettings::UserScope,
                                            name + QStringLiteral("-where"))
                                      .fileName())
                            .absolutePath();
    for (const QString& file :
         {dir + QLatin1Char('/') + name + QLatin1Char('/') + name, dir + QLatin1Char('/') + name}) {
        const QString path = file + QStringLiteral(".ini");
        if (!QFileInfo::exists(path))
            continue;
        const QString why = regularfile::problem(path, kMaxSettingsBytes);
        if (why.isEmpty())
            continue;
        if (why != told) {
            told = why;
            prompts().msgBox(kSettingsUnusable.arg(why), mb::OKOnly | mb::Exclamation, name);
        }
        return false;
    }
    return true;
}
}  // namespace

QString Settings::get(const QString& section, const QString& key, const QString& defaultValue) {
    if (!usable())
        return defaultValue;
    return store().value(keyOf(section, key), defaultValue).toString();
}

void Settings::save(const QString& section, const QString& key, const QString& value) {
    if (!usable())
        return;
    QSettings s = store();
    s.setValue(keyOf(section, key), value);
    s.sync();
}

bool Settings::contains(const QString& section, const QString& key) {
    if (!usable())
        return false;
    return store().contains(keyOf(section, key));
}

}  // namespace kbs
