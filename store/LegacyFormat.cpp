#include "LegacyFormat.h"

#include <QFile>
#include <limits>

#include "AppError.h"
#include "RegularFile.h"

namespace kbs {

bool isLegacyCatalogue(const QString& path) {
    QFile f;
    try {
        // Only its head is read, so any length will do.
        regularfile::open(f, path, std::numeric_limits<qint64>::max());
    } catch (const AppError&) {
        return false;
    }
    const QByteArray head = f.read(19);
    if (head.size() < 19)
        return false;
    const QByteArray sig = head.mid(4, 15);
    return sig == "Standard Jet DB" || sig == "Standard ACE DB";
}

}  // namespace kbs
