#include "Conversion.h"

#include <QCoreApplication>
#include <vector>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "JetReader.h"
#include "Schema.h"

namespace kbs::legacy {

ConversionSummary convertLegacyFile(const QString& source, const QString& target,
                                    const ProgressFn& progress) {
    JetReader reader(source);
    const long total = reader.declaredRows();
    if (progress)
        progress(0, total);

    std::vector<std::string> names;
    bool autonumberId = false;
    for (const SourceColumn& c : reader.columns()) {
        names.push_back(c.name);
        if (c.autonumber &&
            QString::fromStdString(c.name).compare(QStringLiteral("ID"), Qt::CaseInsensitive) == 0)
            autonumberId = true;
    }

    CatalogueWriter writer(target);
    writer.setSourceColumns(names);
    std::vector<SourceValue> values;
    while (reader.next(values)) {
        writer.addRecord(values);
        if (progress)
            progress(reader.rowsRead(), total);
    }
    if (reader.rowsRead() != total) {
        throw AppError(
            err::LegacyCatalogue, QStringLiteral("Conversion"),
            QCoreApplication::translate("kbs::legacy",
                                        "%1: the file says that %2 holds %3 records, but %4 "
                                        "could be read. The file is damaged.")
                .arg(source, QLatin1String(schema::TableName), QString::number(total),
                     QString::number(reader.rowsRead())));
    }
    writer.finish(autonumberId ? reader.autonumberCounter() : std::nullopt);

    ConversionSummary summary;
    summary.records = writer.recordsWritten();
    summary.format = reader.format().name;
    summary.notes = writer.notes();
    return summary;
}

}  // namespace kbs::legacy
