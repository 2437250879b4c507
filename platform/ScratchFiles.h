#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace kbs::scratchfiles {

// Removes from `dir` the scratch files of this program that a run killed midway left behind:
// a catalogue conversion's "mydb.mdb.converting-XXXXXXXX.tmp" with its ".part" and
// ".part-journal", and a value list's save in progress, "name.ini.XXXXXX". Only regular files
// with exactly these names are touched, and only those last written more than a minute before
// `start`, so that a save or a conversion that another copy of the program is running now is
// left alone. Returns the names removed.
QStringList removeLeftovers(const QString& dir, const QDateTime& start);

}  // namespace kbs::scratchfiles
