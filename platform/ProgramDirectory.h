#pragma once

#include <QString>
#include <functional>

namespace kbs::programdir {

// Where an installation keeps what a fresh program directory starts with (the value lists and
// tip.txt): <prefix>/share/kbsmgr/defaults for an executable in <prefix>/bin.
QString defaultsFor(const QString& executableDir);

// The per-user program directory: $XDG_DATA_HOME/kbsmgr, or ~/.local/share/kbsmgr when
// XDG_DATA_HOME is unset or not an absolute path.
QString perUser();

// Makes an empty catalogue where there is none; throws AppError when it cannot.
using CatalogueMaker = std::function<void(const QString& path)>;

// Chooses the program directory for this run. The executable's own directory when it holds a
// catalogue: a portable copy, such as the build's program directory. Otherwise the per-user
// directory; on the first start there it is created, the default value lists and tip.txt are
// copied in and then an empty catalogue is made. A file already there is never replaced.
// Returns the directory; throws AppError with the reason when it cannot be prepared.
QString choose(const QString& executableDir, const CatalogueMaker& makeCatalogue);

}  // namespace kbs::programdir
