#pragma once

#include <QString>

namespace kbs {

// Every copy of the program that has a catalogue open holds a shared lock (flock) on its file
// for as long as it is open; a step that puts another file in the catalogue's place asks first
// whether any other copy holds one. The locks go with the process, however it ends.
class CatalogueLock {
public:
    // Takes the shared lock on the file now under `catalogue` (best effort: on a network file
    // system, or one without locks, none is taken, and nobody is then refused).
    explicit CatalogueLock(const QString& catalogue);
    ~CatalogueLock();
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

    // True when the file under the catalogue's name is no longer the one this lock was taken
    // on: another copy of the program put a restored catalogue in its place.
    bool replaced() const;

    // True when another process (another copy of the program, or a command) has the catalogue
    // open; this process's own locks do not count.
    static bool othersHold(const QString& catalogue);

private:
    QString m_path;
    int m_fd = -1;
    bool m_known = false;
    unsigned long long m_dev = 0;
    unsigned long long m_ino = 0;
};

}  // namespace kbs
