#include "ValueCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

#include "AppError.h"
#include "CsvColumns.h"
#include "CsvExport.h"
#include "CsvReader.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("CSV");
enum Column { Id, Date, Value, Note, ColumnCount };
const char* const kHeadings[ColumnCount] = {"ID", "Date", "Value", "Note"};

[[noreturn]] void refuse(const QString& path, long line, const QString& why) {
    throw AppError(err::InvalidPropertyValue, kSource,
                   QCoreApplication::translate("kbs::exchange::ValueCsv",
                                               "The value history %1 cannot be read: line %2: %3.")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(line)
                       .arg(why));
}

}  // namespace

QString valuesFileFor(const QString& csvPath) {
    const QFileInfo info(csvPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_values.csv"));
}

QByteArray valuesCsv(sqlite3* db, const std::vector<std::int64_t>& ids) {
    values::Reader history(db);
    std::string out;
    for (const std::int64_t id : ids) {
        for (const values::Entry& e : history.of(id)) {
            std::string row = std::to_string(id);
            for (const QString& t : {e.date, e.value, e.note}) {
                row += ',';
                appendField(row, t.toStdString());
            }
            out += row + "\r\n";
        }
    }
    if (out.empty())
        return {};
    return QByteArray("ID,Date,Value,Note\r\n") + QByteArray::fromStdString(out);
}

std::vector<values::Carried> readValuesCsv(const QString& path) {
    CsvReader reader(path);
    CsvRecord record;
    if (!reader.next(record))
        refuse(path, 1, QCoreApplication::translate("kbs::exchange::ValueCsv", "it is empty"));
    std::array<int, ColumnCount> at;
    at.fill(-1);
    for (int i = 0; i < int(record.fields.size()); ++i) {
        const QString heading = QString::fromStdString(record.fields[size_t(i)].utf8).trimmed();
        for (int c = 0; c < ColumnCount; ++c) {
            if (at[size_t(c)] < 0 &&
                heading.compare(QLatin1String(kHeadings[c]), Qt::CaseInsensitive) == 0)
                at[size_t(c)] = i;
        }
    }
    if (at[Id] < 0 || at[Date] < 0 || at[Value] < 0)
        refuse(path, record.line,
               QCoreApplication::translate("kbs::exchange::ValueCsv",
                                           "the columns ID, Date and Value are needed"));
    std::vector<values::Carried> out;
    while (reader.next(record)) {
        if (!record.problem.isEmpty())
            refuse(path, record.line, record.problem);
        if (isBlankRow(record.fields))
            continue;
        const auto field = [&](Column c) {
            const int i = at[size_t(c)];
            return i >= 0 && i < int(record.fields.size())
                       ? QString::fromStdString(record.fields[size_t(i)].utf8)
                       : QString();
        };
        bool ok = false;
        const qint64 id = field(Id).trimmed().toLongLong(&ok);
        if (!ok)
            refuse(path, record.line,
                   QCoreApplication::translate("kbs::exchange::ValueCsv", "\"%1\" is no record ID")
                       .arg(field(Id)));
        out.push_back({id, {0, field(Date), field(Value), field(Note)}});
    }
    return out;
}

}  // namespace kbs::exchange
