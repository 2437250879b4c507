#pragma once

#include <QString>

namespace kbs {

// What the program knows about itself: where it lives, its name and its version.
class ProgramInfo {
public:
    // The directory of the executable, without a trailing separator. Tests point it elsewhere.
    static QString directory();
    static void setDirectoryOverride(const QString& dir);  // empty restores the default

    // A file name joined to the program directory with the platform's separator.
    static QString path(const QString& fileName);

    static QString exeName();  // "kbsmgr"
    static QString appId();    // the desktop entry's name, without ".desktop"
    static int major();
    static int minor();
    static int revision();
    static QString releaseDate();  // YYYY-MM-DD
};

}  // namespace kbs
