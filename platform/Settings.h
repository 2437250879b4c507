#pragma once

#include <QString>

namespace kbs {

// The per-user settings store, kept under the executable's name.
class Settings {
public:
    // The stored text of section/key, or defaultValue when it is absent.
    static QString get(const QString& section, const QString& key, const QString& defaultValue);
    static void save(const QString& section, const QString& key, const QString& value);
    static bool contains(const QString& section, const QString& key);
};

}  // namespace kbs
