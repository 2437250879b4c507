#pragma once

#include <QString>

namespace kbs::legacy {

// The name under which the original of a converted catalogue is kept beside it:
// "mydb.mdb.jet" for n == 0, "mydb.mdb.1.jet", "mydb.mdb.2.jet", ... after it.
QString backupPathFor(const QString& dbPath, int n);

// Puts the converted catalogue (a complete file in the same folder) in place of the original
// at dbPath and keeps the original, unchanged, under the first free backup name; returns that
// name. The order makes it safe against a crash at any moment: the original first gets its
// second name (a hard link: the same file, not a copy), then the converted catalogue replaces
// the first name in one atomic rename. At no moment is there no complete catalogue under
// dbPath. A backup name that already is the original (left by an interrupted earlier run) is
// used again.
//
// Throws AppError when the moves cannot be made; dbPath is then still the original and no
// backup name made by this call remains.
QString installConverted(const QString& dbPath, const QString& convertedPath);

}  // namespace kbs::legacy
