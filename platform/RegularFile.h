#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kbs::regularfile {

// Every file the program reads goes through here: it must be a regular file (after following
// links) of at most `maxBytes` bytes. A pipe, a device, a socket or a folder in its place is
// refused before anything is opened, so that nothing waits for a writer or reads without end.

// What keeps `path` from being read, as a sentence naming the file; empty when nothing does.
// A missing file is a problem too ("File not found: ...").
QString problem(const QString& path, qint64 maxBytes);

// Opens `path` for reading without ever blocking on it, and checks again on the open file that
// it is regular and within `maxBytes`. Throws AppError: err::FileNotFound when there is no
// file, err::PathFileAccess with the reason otherwise.
void open(QFile& file, const QString& path, qint64 maxBytes);

// Reads the whole file, refusing one that grows past `maxBytes` while it is read.
// Throws AppError like open().
QByteArray read(const QString& path, qint64 maxBytes);

}  // namespace kbs::regularfile
