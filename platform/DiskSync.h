#pragma once

#include <QString>

namespace kbs::disk {

// Asks the system to put what was written to a file, or the names in a folder, on the disk
// now. Best effort: a path that cannot be opened or synced is left as it is.
void syncPath(const QString& path);

}  // namespace kbs::disk
