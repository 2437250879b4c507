#include "LegacyFormat.h"

#include <QFile>

namespace kbs {

bool isLegacyCatalogue(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(19);
    if (head.size() < 19)
        return false;
    const QByteArray sig = head.mid(4, 15);
    return sig == "Standard Jet DB" || sig == "Standard ACE DB";
}

}  // namespace kbs
