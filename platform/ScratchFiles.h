#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace kbs::scratchfiles {

// Every scratch file the program writes beside a file is named after it, followed by this
// mark and six random letters or digits: "series.ini.kbs-tmp-a8Zq0x". No name a person gives
// a copy of their own looks like that.
inline const QString Marker = QStringLiteral(".kbs-tmp-");

// True for a name of that form.
bool isScratchName(const QString& fileName);

// Makes a new, empty scratch file beside `path`, which no other file had, and opens it for
// writing (permissions as for any new file). Returns the descriptor and sets *name, or -1
// with errno set.
int create(const QString& path, QString* name);

// Replaces the file at `path` (the target, where it is a link) by `bytes`: they are written
// to a scratch file beside it, put on the disk, and that takes the file's name, so that a
// crash or a full disk leaves the old file whole. An existing file keeps its permissions; one
// that may not be written to is refused. False, with nothing changed, when any step fails.
bool replaceWhole(const QString& path, const QByteArray& bytes);

// Removes from `dir` the scratch files of this program that a run killed midway left behind:
// a catalogue conversion's "mydb.mdb.converting-XXXXXXXX.tmp" with its ".part" and
// ".part-journal", any name of the form above, and the scratch files of commands whose
// process is gone (PartFiles.h). Only regular files with exactly these
// names are touched, and only those last written more than a minute before `start`, so that
// a save or a conversion that another copy of the program is running now is left alone.
// Returns the names removed.
QStringList removeLeftovers(const QString& dir, const QDateTime& start);

}  // namespace kbs::scratchfiles
