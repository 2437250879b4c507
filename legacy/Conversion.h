#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kbs::legacy {

struct ConversionSummary {
    long records = 0;
    QString format;     // the old file's format: "Jet 3", "Jet 4", "ACE"
    QStringList notes;  // what could not be carried over as it was
};

// Called with the number of records done and the number the old file holds.
using ProgressFn = std::function<void(long done, long total)>;

// Converts the catalogue of the older program at source into a new catalogue at target, which
// must not exist yet: every record of the records' table with every column, IDs kept. The source is
// only read. Throws AppError with a message naming the file and the fault; nothing is then left at
// target. libmdb may loop for ever on a damaged file: call this only in a process that can be
// stopped (kbsmgr-import).
ConversionSummary convertLegacyFile(const QString& source, const QString& target,
                                    const ProgressFn& progress = {});

}  // namespace kbs::legacy
