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
    std::vector<values::Carried> out;
    const auto refused = [&path](long line, const QString& why) {
        refuse(path, line,
               !why.isEmpty()
                   ? why
                   : QCoreApplication::translate("kbs::exchange::ValueCsv",
                                                 "the columns ID, Date and Value are needed"));
    };
    const auto row = [&](long line, const QStringList& field) {
        bool ok = false;
        const qint64 id = field[Id].trimmed().toLongLong(&ok);
        if (!ok)
            refuse(path, line,
                   QCoreApplication::translate("kbs::exchange::ValueCsv", "\"%1\" is no record ID")
                       .arg(field[Id]));
        out.push_back({id, {0, field[Date], field[Value], field[Note]}});
    };
    readHeadedCsv(path, {std::begin(kHeadings), std::end(kHeadings)}, Note, row, refused);
    return out;
}

}  // namespace kbs::exchange
