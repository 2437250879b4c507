#include "OwnCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "AppError.h"
#include "CsvColumns.h"
#include "CsvExport.h"
#include "CsvReader.h"

namespace kbs::exchange {

namespace {

enum Column { NameAt, KindAt, ListAt, ColumnCount };
const char* const kHeadings[ColumnCount] = {"Name", "Kind", "Value list"};

[[noreturn]] void refuse(const QString& path, long line, const QString& why) {
    throw AppError(err::InvalidPropertyValue, QStringLiteral("CSV"),
                   QCoreApplication::translate("kbs::exchange::OwnCsv",
                                               "The fields' list %1 cannot be read: line %2: %3.")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(line)
                       .arg(why));
}

}  // namespace

QString fieldsFileFor(const QString& csvPath) {
    const QFileInfo info(csvPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_fields.csv"));
}

QByteArray fieldsCsv(const std::vector<ownfields::Field>& fields) {
    if (fields.empty())
        return {};
    std::string out = "Name,Kind,Value list\r\n";
    for (const ownfields::Field& f : fields) {
        appendField(out, f.name.toStdString());
        out += ',';
        out += ownfields::kindKey(f.kind);
        out += ',';
        if (!f.valueList.isEmpty())
            appendField(out, f.valueList.toStdString());
        out += "\r\n";
    }
    return QByteArray::fromStdString(out);
}

std::vector<ownfields::Field> readFieldsCsv(const QString& path) {
    std::vector<ownfields::Field> out;
    const auto refused = [&path](long line, const QString& why) {
        refuse(path, line,
               !why.isEmpty()
                   ? why
                   : QCoreApplication::translate("kbs::exchange::OwnCsv",
                                                 "the columns Name and Kind are needed"));
    };
    const auto row = [&out](long, const QStringList& field) {
        ownfields::Field f;
        f.name = field[NameAt].trimmed();
        f.kind = ownfields::kindOfKey(field[KindAt].trimmed()).value_or(ownfields::Kind::Text);
        f.valueList = field[ListAt].trimmed();
        out.push_back(f);
    };
    readHeadedCsv(path, {std::begin(kHeadings), std::end(kHeadings)}, ListAt, row, refused);
    return out;
}

QString joinTags(const QStringList& tags) {
    return tags.join(QStringLiteral(", "));
}

QStringList splitTags(const QString& text, QStringList* refused) {
    QStringList out;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        if (piece.trimmed().isEmpty())
            continue;
        const ownfields::Checked c = ownfields::normaliseTag(piece);
        if (c.ok)
            out << c.stored;
        else if (refused)
            *refused << c.message;
    }
    return out;
}

ownfields::Kind guessKind(const std::vector<std::pair<std::int64_t, QString>>& values) {
    using ownfields::Kind;
    for (const Kind kind : {Kind::Date, Kind::Number, Kind::Amount}) {
        const ownfields::Field f{0, QString(), kind, {}, 0};
        bool all = !values.empty();
        for (const auto& [record, text] : values) {
            const ownfields::Checked c = ownfields::normalise(f, text);
            if (!c.ok || c.stored != text.trimmed()) {
                all = false;
                break;
            }
        }
        if (all)
            return kind;
    }
    return Kind::Text;
}

}  // namespace kbs::exchange
