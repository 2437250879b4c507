#pragma once

#include <QString>

namespace kbs::disk {

// Asks the system to put what was written to a file, or the names in a folder, on the disk
// now. Best effort: a path that cannot be opened or synced is left as it is.
void syncPath(const QString& path);

// Gives the file `from` the name `to` only when no file has that name: a name that is taken
// is never replaced. Where the file system cannot rename so, a second name is made and the
// first removed. False, with errno set, when `to` is taken or the rename fails.
bool renameNoReplace(const QString& from, const QString& to);

}  // namespace kbs::disk
