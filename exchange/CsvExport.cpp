#include "CsvExport.h"

#include <QDir>
#include <QFileInfo>

#include "AppError.h"

namespace kbs::exchange {

QString picturesFolderFor(const QString& csvPath) {
    const QFileInfo info(csvPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_pictures"));
}

ExportSummary exportCsv(const QString& catalogue, const QString& csvPath,
                        const std::optional<std::vector<std::int64_t>>& ids,
                        const ExportProgressFn& progress) {
    (void)catalogue;
    (void)ids;
    (void)progress;
    throw AppError(0, QStringLiteral("kbsmgr"),
                   QStringLiteral("Export to %1 is not available yet.").arg(csvPath));
}

}  // namespace kbs::exchange
