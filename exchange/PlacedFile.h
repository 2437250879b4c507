#pragma once

#include <QString>

#include "SafeFile.h"

namespace kbs::exchange {

// A file an export writes: first under a locked scratch name beside the target, put in place
// by place() only when it is whole. An existing file is never replaced; the scratch file goes
// when the export fails. What killed exports to the same target left is removed first.
class PlacedFile {
public:
    // Throws AppError (with `source`) when the target exists or its folder cannot be written.
    PlacedFile(const QString& target, QString source);

    const QString& scratchPath() const { return m_scratch.path(); }
    // Appends to the scratch file; throws AppError.
    void write(QByteArrayView bytes);
    // Syncs the scratch file and renames it to the target.
    void place();

private:
    QString m_source;
    safefile::Scratch m_scratch;
};

}  // namespace kbs::exchange
