#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kbs::legacy {

struct ConversionResult {
    enum class Outcome {
        NotLegacy,  // nothing to do: the file is not the older program's (or is missing)
        Converted,  // the new catalogue is in place, the original kept beside it
        Failed,     // nothing changed; the collector was told why
        Cancelled,  // nothing changed; the collector cancelled
    };
    Outcome outcome = Outcome::NotLegacy;
    long records = 0;
    QString backupPath;  // where the original now is (Converted)
    QString message;     // the message shown (empty for NotLegacy)

    // Whether the program may go on to open the catalogue.
    bool mayOpen() const { return outcome == Outcome::NotLegacy || outcome == Outcome::Converted; }
};

struct ConversionOptions {
    QString converter;            // empty: kbsmgr-import beside the executable
    int timeLimitSeconds = 0;     // 0: from the file's size
    qint64 memoryLimitBytes = 0;  // 0: from the file's size
};

// The start-up conversion: call before the catalogue window opens the catalogue.
//
// When dbPath is a catalogue of the older Windows program (Jet/ACE), converts it in a child
// process (kbsmgr-import) while a cancellable progress window shows, keeps the original
// unchanged beside it as "mydb.mdb.jet" (or "mydb.mdb.1.jet", ... when that name is taken),
// puts the converted catalogue in place under dbPath and tells the collector in one message
// how many records were converted and where the original is. On failure or cancel it says
// so, naming the file and what went wrong; the original is then still at dbPath, unchanged,
// and nothing is left behind. For any other file it does nothing and shows nothing.
ConversionResult convertLegacyCatalogue(const QString& dbPath, QWidget* parent,
                                        const ConversionOptions& options = {});

// The name under which the original of a converted catalogue is kept beside it:
// "mydb.mdb.jet" for n == 0, "mydb.mdb.1.jet", "mydb.mdb.2.jet", ... after it.
QString backupPathFor(const QString& dbPath, int n);

// Puts the converted catalogue (a complete file in the same folder) in place of the original
// at dbPath and keeps the original, unchanged, under the first free backup name; returns that
// name (safefile::putInPlace: at no moment is there no complete catalogue under dbPath).
// Throws AppError when the moves cannot be made; dbPath is then still the original.
QString installConverted(const QString& dbPath, const QString& convertedPath);

}  // namespace kbs::legacy
