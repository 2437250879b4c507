#include "JetFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "AppError.h"
#include "LegacyFormat.h"
#include "RegularFile.h"

namespace kbs::legacy {

namespace {
const QString kSource = QStringLiteral("Conversion");

// The engine's own limit on the size of a database file.
constexpr qint64 kMaxJetBytes = 2LL * 1024 * 1024 * 1024;

[[noreturn]] void refuse(const QString& what) {
    throw AppError(err::LegacyCatalogue, kSource, what);
}
}  // namespace

JetFormat checkLegacyFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        refuse(QCoreApplication::translate("kbs::legacy", "%1 does not exist.").arg(path));
    if (!info.isFile())
        refuse(QCoreApplication::translate("kbs::legacy", "%1 is not a file.").arg(path));
    QFile file;
    try {
        regularfile::open(file, path, kMaxJetBytes);
    } catch (const AppError& e) {
        refuse(e.description());
    }
    const QByteArray head = file.read(0x15);
    if (head.size() < 0x15 || !isLegacyCatalogue(path)) {
        refuse(QCoreApplication::translate("kbs::legacy",
                                           "%1 is not a database of the older Windows program.")
                   .arg(path));
    }

    JetFormat format;
    format.version = static_cast<unsigned char>(head.at(0x14));
    if (format.version == 0) {
        format.pageSize = 2048;
        format.name = QStringLiteral("Jet 3");
    } else if (format.version == 1) {
        format.pageSize = 4096;
        format.name = QStringLiteral("Jet 4");
    } else if (format.version <= 6 && head.mid(4, 15) == "Standard ACE DB") {
        format.pageSize = 4096;
        format.name = QStringLiteral("ACE");
    } else {
        refuse(QCoreApplication::translate("kbs::legacy",
                                           "%1 is a database of an unknown version (%2).")
                   .arg(path, QString::number(format.version)));
    }

    const qint64 size = info.size();
    if (size % format.pageSize != 0) {
        refuse(
            QCoreApplication::translate(
                "kbs::legacy",
                "%1 is %2 bytes long, which is not a whole number of the "
                "%3-byte pages that a %4 file is made of: the file is incomplete "
                "(perhaps cut short while it was copied) or damaged.")
                .arg(path, QString::number(size), QString::number(format.pageSize), format.name));
    }
    if (size < 2 * format.pageSize) {
        refuse(QCoreApplication::translate("kbs::legacy",
                                           "%1 is only %2 bytes long: too short for a %3 database.")
                   .arg(path, QString::number(size), format.name));
    }
    return format;
}

}  // namespace kbs::legacy
