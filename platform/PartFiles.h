#pragma once

#include <QString>
#include <QStringList>

namespace kbs::partfiles {

// What a command writes is first written beside its target under a scratch name, which only
// this program makes: "<target>.kbs-part-<pid>-XXXXXX", the writer's process id and six random
// letters or digits. The writer holds an exclusive flock on it for as long as it writes.

// A scratch file or folder made for `target`, locked, and the descriptor that holds the lock:
// closing it lets the scratch count as litter once the writer is gone.
struct Part {
    QString path;
    int fd = -1;
};

// Makes a new empty scratch file (or folder) for `target` and locks it. Returns fd -1 with
// errno set when it cannot be made.
Part makeFile(const QString& target);
Part makeFolder(const QString& target);

// Removes what writers for `target` that were killed left beside it: files and folders under
// exactly the scratch name, not symlinks, whose process is gone and which nobody holds locked.
// A name a person gives a copy, and the scratch of a live writer, are never touched. Returns
// the names removed.
QStringList removeLitter(const QString& target);

}  // namespace kbs::partfiles
