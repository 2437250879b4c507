#pragma once

#include <QString>

namespace kbs::exchange {

// A file an export writes: first under a locked scratch name beside the target, put in place
// by place() only when it is whole. An existing file is never replaced; the scratch file goes
// when the export fails. What killed exports to the same target left is removed first.
class PlacedFile {
public:
    // Throws AppError (with `source`) when the target exists or its folder cannot be written.
    PlacedFile(const QString& target, QString source);
    ~PlacedFile();
    PlacedFile(const PlacedFile&) = delete;
    PlacedFile& operator=(const PlacedFile&) = delete;

    const QString& scratchPath() const { return m_scratch; }
    // Syncs the scratch file and renames it to the target.
    void place();

private:
    QString m_target;
    QString m_source;
    QString m_scratch;
    int m_lock = -1;
};

}  // namespace kbs::exchange
