#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Files written so that a crash, a kill or a full disk at any moment leaves either the old
// file or the new one whole, and nothing of the program's own lying about for long.
//
// What the program writes is first written beside its target under a scratch name that only
// this program makes: "<target>.kbs-part-<pid>-XXXXXX", the writer's process id and six random
// letters or digits. Files and folders made for a scratch file (SQLite's journal, an export's
// picture folder) add "-<anything>" to its name. The writer holds an exclusive flock on the
// scratch file for as long as it writes. Such a name whose process is gone and which nobody
// holds locked is a leftover of a killed run, and removeLeftovers() takes it away.
//
// Failures throw AppError (err::PathFileAccess) naming the file and the reason.
namespace kbs::safefile {

// True for a name of the scratch form above (with or without a "-<anything>" after it), or of
// a scratch form earlier versions made (".kbs-tmp-XXXXXX", "mydb.mdb.converting-XXXXXXXX.tmp").
bool isScratchName(const QString& fileName);

// Throws when a file, folder or link has the name `path`: an existing one is never replaced.
void refuseExisting(const QString& path);

// A scratch file or folder beside a target, made new and locked. Destroying it removes it,
// unless it was put in place or kept.
class Scratch {
public:
    Scratch() = default;
    ~Scratch();
    Scratch(Scratch&& other) noexcept;
    Scratch& operator=(Scratch&& other) noexcept;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // An empty scratch file or folder for `target`, with the permissions of any new one.
    static Scratch file(const QString& target);
    static Scratch folder(const QString& target);

    bool isNull() const { return m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    const QString& target() const { return m_target; }
    // The descriptor that holds the lock; for a file, open for reading and writing.
    int fd() const { return m_fd; }

    // Writes all of `bytes` at the end of the file.
    void write(QByteArrayView bytes);
    // Puts what was written on the disk (for a folder: the whole file system's).
    void sync();
    // Syncs, then gives it the target's name, which must not be taken: an existing file or
    // folder is never replaced.
    void placeNoReplace();
    // Syncs, then gives it the target's name, replacing the file there.
    void placeReplacing();
    // Leaves the scratch where it is (its process id in its name still marks it as this
    // run's) and returns its path; the lock is let go.
    QString keep();

private:
    Scratch(QString target, QString path, int fd, bool folder);
    static Scratch make(const QString& target, bool folder);
    void reset();

    QString m_target;
    QString m_path;
    int m_fd = -1;
    bool m_folder = false;
};

// A name of the scratch form for `target` that no file has now, made by this process: for a
// file another step (SQLite, a child process) creates.
QString freeScratchName(const QString& target);

// Writes all of `size` bytes, going on after interruptions. Throws, naming `shownPath`.
void writeAll(int fd, const char* data, qint64 size, const QString& shownPath);

// Asks the system to put a file, or the names in a folder, on the disk now. Best effort.
void syncPath(const QString& path);

// Gives `from` the name `to` only when no file or folder has that name: a name that is taken
// is never replaced, even one that appeared a moment ago. Returns false when `to` is taken;
// throws when the rename fails otherwise.
bool renameNoReplace(const QString& from, const QString& to);

// Replaces the file at `path` (the target, where it is a link) by `bytes`, through a scratch
// file, so that the old file stays whole until the new one is. An existing file keeps its
// permissions; one that may not be written to is refused.
void replaceWhole(const QString& path, const QByteArray& bytes);

// Puts the complete file `replacement` (in the same folder) in the place of `target` and
// keeps the old file under the first of `keepNames` (tried in order) that is free; returns
// that name. The old file first gets its second name (a hard link, or where the file system
// has none, a synced copy), then the replacement takes the target's name in one rename: at no
// moment is there no whole file under `target`. A name that already is the target (left by an
// interrupted earlier run) is used again. On failure nothing is changed and no kept name made
// by this call remains.
QString putInPlace(const QString& replacement, const QString& target, const QStringList& keepNames);

// Removes the leftovers of killed runs made for the file `target`, or for any file of
// `folder`: files and folders under exactly a scratch name (never a symlink, never a name the
// program does not make), whose process is gone and which nobody holds locked; an earlier
// version's scratch names only when last written more than a minute before `now`. Returns the
// names removed.
QStringList removeLeftovers(const QString& target,
                            const QDateTime& now = QDateTime::currentDateTime());
QStringList removeLeftoversIn(const QString& folder,
                              const QDateTime& now = QDateTime::currentDateTime());

}  // namespace kbs::safefile
