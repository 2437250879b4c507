#include "CsvImport.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Collection.h"
#include "CsvReader.h"
#include "LegacyFormat.h"
#include "RegularFile.h"

namespace kbs::exchange {

namespace {

using legacy::LegacyValue;

constexpr int kUnknown = -1;
constexpr int kPictureFile = -2;

// IDs are those an autonumber of the older program can hold.
constexpr std::int64_t kMinId = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxId = std::numeric_limits<std::int32_t>::max();

// A whole number, spaces around it allowed.
std::optional<std::int64_t> wholeNumber(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ') + 1;
    if (begin == std::string::npos)
        return std::nullopt;
    if (text[begin] == '+')
        ++begin;
    std::int64_t n = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + end, n);
    if (ec != std::errc() || ptr != text.data() + end)
        return std::nullopt;
    return n;
}

// "twenty" keeps numbers as numbers: a text that is exactly how a number is written (as the
// export writes it) becomes that number, anything else stays text.
LegacyValue anyValue(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    std::int64_t n = 0;
    const auto integer = std::from_chars(first, last, n);
    if (integer.ec == std::errc() && integer.ptr == last && std::to_string(n) == text)
        return LegacyValue::ofInteger(n);
    double d = 0;
    const auto real = std::from_chars(first, last, d);
    if (real.ec == std::errc() && real.ptr == last && std::isfinite(d)) {
        std::array<char, 32> buffer{};
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), d).ptr;
        const std::string shortest(buffer.data(), written);
        if (shortest == text || (d == std::trunc(d) && shortest + ".0" == text))
            return LegacyValue::ofReal(d, text);
    }
    return LegacyValue::ofText(text);
}

// A value from the file as a message shows it: quoted, on one line, cut when long.
QString quoted(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    if (text.size() > 60)
        text = text.left(60) + QStringLiteral("...");
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("\"%1\"").arg(text);
}

}  // namespace

bool isCsvSource(const QString& path) {
    return !isLegacyCatalogue(path) &&
           !path.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive) &&
           !path.endsWith(QStringLiteral(".accdb"), Qt::CaseInsensitive);
}

ImportResult importCsv(const QString& csvPath, const QString& target, bool skipBadRows) {
    ImportResult result;
    auto addProblem = [&](long line, const QStringList& why) {
        ++result.badRows;
        if (result.problems.size() < size_t(MaxListedProblems))
            result.problems.push_back({line, why.join(QStringLiteral("; "))});
    };

    // Refuses an existing target before anything is read.
    legacy::CatalogueWriter writer(target);
    CsvReader reader(csvPath);

    CsvRecord record;
    if (!reader.next(record)) {
        addProblem(1, {QStringLiteral("the file is empty: it has no header row")});
        return result;
    }
    // What each field of a row holds: a column's position, or kPictureFile.
    std::vector<int> positions;
    std::vector<std::string> names;
    QStringList why;
    if (!record.problem.isEmpty())
        why << record.problem;
    std::array<bool, collection::ColumnCount + 2> named{};
    int idField = -1;
    int pictureField = -1;
    for (const CsvField& field : record.fields) {
        const QString name = QString::fromStdString(field.utf8);
        const QString shown = quoted(field.utf8);
        const int index = int(positions.size());
        int position = collection::positionOf(name);
        if (name.compare(QLatin1String(PictureFileColumn), Qt::CaseInsensitive) == 0) {
            position = kPictureFile;
            pictureField = index;
        } else if (name.isEmpty()) {
            why << QStringLiteral("column %1 has no name").arg(index + 1);
        } else if (position < 0) {
            why << QStringLiteral("the column %1 is not a column of the catalogue").arg(shown);
        } else if (collection::columns[size_t(position)].kind == collection::Kind::Binary) {
            why << QStringLiteral(
                       "the column %1 cannot be read from a CSV file; picture "
                       "files are named in %2")
                       .arg(shown, QLatin1String(PictureFileColumn));
        } else if (collection::columns[size_t(position)].kind == collection::Kind::Id) {
            idField = index;
        }
        if (position != kUnknown) {
            bool& seen = named[size_t(position + 2)];
            if (seen)
                why << QStringLiteral("the column %1 is named twice").arg(shown);
            seen = true;
        }
        positions.push_back(position);
        names.emplace_back(position == kPictureFile ? collection::PictureColumn
                           : position >= 0          ? collection::columns[size_t(position)].name
                                                    : "");
    }
    if (!why.isEmpty()) {
        addProblem(record.line, why);
        return result;
    }
    // Without an ID column the records are numbered here, in row order.
    if (idField < 0)
        names.emplace_back(collection::IdColumn);
    writer.setSourceColumns(names);

    const QDir csvFolder = QFileInfo(csvPath).absoluteDir();
    auto picturePath = [&](const std::string& utf8) {
        return csvFolder.absoluteFilePath(QString::fromStdString(utf8));
    };
    auto pictureProblem = [](const std::string& file, QString problem) {
        if (problem.endsWith(QLatin1Char('.')))
            problem.chop(1);
        return QStringLiteral("%1 %2: %3")
            .arg(QLatin1String(PictureFileColumn), quoted(file), problem);
    };
    std::unordered_map<std::int64_t, long> idLines;
    std::vector<LegacyValue> values(names.size());
    long withoutId = 0;
    bool writing = true;
    while (reader.next(record)) {
        why.clear();
        if (!record.problem.isEmpty())
            why << record.problem;
        std::optional<std::int64_t> id;
        if (record.fields.size() != positions.size()) {
            why << QStringLiteral("the row has %1 field%2 where the header has %3")
                       .arg(record.fields.size())
                       .arg(record.fields.size() == 1 ? "" : "s")
                       .arg(positions.size());
        } else {
            if (idField >= 0 && !record.fields[size_t(idField)].null) {
                const std::string& text = record.fields[size_t(idField)].utf8;
                id = wholeNumber(text);
                if (!id || *id < kMinId || *id > kMaxId) {
                    why << QStringLiteral("the ID %1 is not a whole number from %2 to %3")
                               .arg(quoted(text))
                               .arg(kMinId)
                               .arg(kMaxId);
                    id.reset();
                } else if (const auto it = idLines.find(*id); it != idLines.end()) {
                    why << QStringLiteral("the ID %1 is already that of line %2")
                               .arg(*id)
                               .arg(it->second);
                    id.reset();
                }
            }
            if (pictureField >= 0) {
                const CsvField& picture = record.fields[size_t(pictureField)];
                if (!picture.utf8.empty()) {
                    const QString problem = regularfile::problem(picturePath(picture.utf8),
                                                                 collection::MaxPictureBytes);
                    if (!problem.isEmpty())
                        why << pictureProblem(picture.utf8, problem);
                }
            }
        }
        if (id && (why.isEmpty() || !skipBadRows))
            idLines.emplace(*id, record.line);
        if (!why.isEmpty()) {
            addProblem(record.line, why);
            writing = writing && skipBadRows;
            continue;
        }
        if (!writing)
            continue;

        for (size_t i = 0; i < positions.size(); ++i) {
            const CsvField& field = record.fields[i];
            LegacyValue& value = values[i];
            if (field.null) {
                value = LegacyValue::null();
                withoutId += int(i) == idField ? 1 : 0;
            } else if (int(i) == idField) {
                value = LegacyValue::ofInteger(*id);
            } else if (positions[i] == kPictureFile) {
                // One picture at a time: read, written into the record, let go.
                value = LegacyValue::ofBlob({});
                if (!field.utf8.empty()) {
                    try {
                        const QByteArray bytes =
                            regularfile::read(picturePath(field.utf8), collection::MaxPictureBytes);
                        value.bytes.assign(bytes.constData(), size_t(bytes.size()));
                    } catch (const AppError& e) {
                        // Changed since it was checked.
                        why << pictureProblem(field.utf8, e.description());
                    }
                }
            } else if (collection::columns[size_t(positions[i])].kind == collection::Kind::Any) {
                value = anyValue(field.utf8);
            } else {
                value = LegacyValue::ofText(field.utf8);
            }
        }
        if (!why.isEmpty()) {
            addProblem(record.line, why);
            writing = skipBadRows;
            continue;
        }
        if (idField < 0)
            values.back() = LegacyValue::ofInteger(result.records + 1);
        writer.addRecord(values);
        ++result.records;
    }
    if (!writing)
        return result;
    writer.finish(std::nullopt);
    result.written = true;
    if (withoutId > 0) {
        result.notes << QStringLiteral(
                            "%1 record(s) had no ID and were given new ones after the "
                            "largest.")
                            .arg(withoutId);
    }
    return result;
}

}  // namespace kbs::exchange
