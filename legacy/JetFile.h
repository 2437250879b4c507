#pragma once

#include <QString>

namespace kbs::legacy {

// What the header of a catalogue of the older program says about its format.
struct JetFormat {
    int version = 0;   // 0 Jet 3, 1 Jet 4, 2 and up ACE
    int pageSize = 0;  // 2048 for Jet 3, 4096 for the others
    QString name;      // "Jet 3", "Jet 4", "ACE"
};

// Checks, before anything reads it, that the file at path is a Jet or ACE database whose
// length is a whole number of its pages. libmdb reads a shortened file without complaint and
// returns wrong bytes, so a file that fails this is refused. Throws AppError naming the file
// and the fault.
JetFormat checkLegacyFile(const QString& path);

}  // namespace kbs::legacy
