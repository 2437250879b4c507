#include "Settings.h"

#include <QSettings>

#include "ProgramInfo.h"

namespace kbs {

namespace {
QString keyOf(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, ProgramInfo::exeName(),
                     ProgramInfo::exeName());
}
}  // namespace

QString Settings::get(const QString& section, const QString& key, const QString& defaultValue) {
    return store().value(keyOf(section, key), defaultValue).toString();
}

void Settings::save(const QString& section, const QString& key, const QString& value) {
    QSettings s = store();
    s.setValue(keyOf(section, key), value);
    s.sync();
}

bool Settings::contains(const QString& section, const QString& key) {
    return store().contains(keyOf(section, key));
}

}  // namespace kbs
