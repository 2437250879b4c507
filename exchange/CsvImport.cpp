#include "CsvImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <unordered_map>

#include "AppError.h"
#include "CatalogueWriter.h"
#include "Collection.h"
#include "CsvColumns.h"
#include "CsvReader.h"
#include "LegacyFormat.h"
#include "OwnCsv.h"
#include "OwnFields.h"
#include "PictureLoader.h"
#include "PictureSource.h"
#include "RegularFile.h"
#include "TextCodec.h"
#include "ValueCsv.h"

namespace kbs::exchange {

namespace {

constexpr int kUnknown = target::Unknown;
constexpr int kPictureFile = target::PictureFile;
constexpr int kMorePictures = target::MorePictures;  // the first list of further pictures
constexpr int kSkipped = target::Skipped;
constexpr int kTags = target::Tags;
constexpr int kOwn = target::Own;
constexpr int kSpecialColumns = target::Specials;

// IDs are those an autonumber of the older program can hold.
// The headings a message names before it points to the full list.
constexpr int kShownHeadings = 6;

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

// A value from the file as a message shows it: quoted, on one line, cut when long.
QString quoted(const std::string& utf8) {
    constexpr qsizetype kShown = 80;
    QString text = QString::fromStdString(utf8);
    if (text.size() > kShown)
        text = text.left(kShown) + QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(escapeControls(text));
}

// A further picture of a row, checked and ready to be written. A row keeps the bytes of its
// further pictures up to collection::MaxPictureBytes in all; the files beyond are read again
// when the row is written, so that a row naming many large files costs no more memory.
struct FurtherPicture {
    std::string file;
    std::string bytes;
    bool readAgain = false;
    std::optional<std::string> link;
    std::optional<std::string> caption;
};

ImportResult importRecords(CsvReader& reader, const QString& csvPath, const QString& target,
                           const ImportOptions& options);

// A field's text whole (QString::fromUtf8() drops a U+FEFF it begins with).
QString fieldText(const CsvField& field) {
    return textcodec::decode(QByteArrayView(field.utf8.data(), qsizetype(field.utf8.size())),
                             TextEncoding::Utf8);
}

// A column going to a field of the collector's own: its kind and value list when the fields'
// list beside the file declares it, and its values as the rows are written.
struct OwnColumn {
    int index = 0;
    ownfields::Field field;
    bool declared = false;
    std::vector<std::pair<std::int64_t, QString>> values;  // record ID, text
};

}  // namespace

SourceValue anyValue(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    std::int64_t n = 0;
    const auto integer = std::from_chars(first, last, n);
    if (integer.ec == std::errc() && integer.ptr == last && std::to_string(n) == text)
        return SourceValue::ofInteger(n);
    double d = 0;
    const auto real = std::from_chars(first, last, d);
    if (real.ec == std::errc() && real.ptr == last && std::isfinite(d)) {
        std::array<char, 32> buffer{};
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), d).ptr;
        const std::string shortest(buffer.data(), written);
        if (shortest == text || (d == std::trunc(d) && shortest + ".0" == text))
            return SourceValue::ofReal(d, text);
    }
    return SourceValue::ofText(text);
}

QString escapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto category = c.category();
        if (category != QChar::Other_Control && category != QChar::Other_Format) {
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QStringLiteral("\\t");
        } else if (c.unicode() < 0x100) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\u{%1}").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return out;
}

ImportResult importCsv(const QString& csvPath, const QString& target,
                       const ImportOptions& options) {
    CatalogueWriter::refuseExisting(target);  // before anything is read
    CsvReader reader(csvPath, options.encoding);
    return importRecords(reader, csvPath, target, options);
}

ImportResult importCsvData(const QByteArray& csv, const QString& csvPath, const QString& target,
                           const ImportOptions& options) {
    CatalogueWriter::refuseExisting(target);
    CsvReader reader(csv, csvPath, options.encoding);
    return importRecords(reader, csvPath, target, options);
}

namespace {

// The value history beside the CSV file, when it is there: read before the records, so that a
// file that cannot be read refuses the import at once.
std::optional<std::vector<values::Carried>> historyBeside(const QString& csvPath) {
    const QString file = valuesFileFor(csvPath);
    if (!QFileInfo(file).isFile())
        return std::nullopt;
    return readValuesCsv(file);
}

// The fields' list beside the CSV file, when it is there.
std::vector<ownfields::Field> fieldsBeside(const QString& csvPath) {
    const QString file = fieldsFileFor(csvPath);
    return QFileInfo(file).isFile() ? readFieldsCsv(file) : std::vector<ownfields::Field>();
}

void noteHistory(QStringList& notes, long carried, long leftOut, const QString& csvPath) {
    if (carried < 0)
        return;
    const QString file = QDir::toNativeSeparators(valuesFileFor(csvPath));
    notes << QCoreApplication::translate("kbs::exchange::CsvImport",
                                         "%n valuation(s) of the value history came from %1.",
                                         nullptr, int(carried - leftOut))
                 .arg(file);
    if (leftOut > 0)
        notes << QCoreApplication::translate(
                     "kbs::exchange::CsvImport",
                     "%n valuation(s) in %1 name a record the catalogue does not have and were "
                     "left out.",
                     nullptr, int(leftOut))
                     .arg(file);
}

ImportResult importRecords(CsvReader& reader, const QString& csvPath, const QString& target,
                           const ImportOptions& options) {
    const bool skipBadRows = options.skipBadRows;
    ImportResult result;
    auto addProblem = [&](long line, const QStringList& why) {
        ++result.badRows;
        if (result.problems.size() >= size_t(MaxListedProblems))
            return;
        QString what = why.mid(0, MaxReasonsPerRow).join(QStringLiteral("; "));
        if (why.size() > MaxReasonsPerRow)
            what += QCoreApplication::translate("kbs::exchange::CsvImport", "; and %1 more")
                        .arg(why.size() - MaxReasonsPerRow);
        result.problems.push_back({line, what});
    };

    // Made when the first record is written: a file refused at once costs no catalogue.
    std::optional<CatalogueWriter> writer;
    CsvRecord record;
    if (!reader.next(record)) {
        addProblem(1, {QCoreApplication::translate("kbs::exchange::CsvImport",
                                                   "the file is empty: it has no header row")});
        return result;
    }
    // What each field of a row holds: a column's position, kPictureFile or a list of further
    // pictures; names holds the catalogue's columns among them, in their order.
    std::vector<int> positions;
    std::vector<std::string> names;
    QStringList why;
    if (!record.problem.isEmpty())
        why << record.problem;
    const Headings headings = options.headings.value_or(Headings{});
    QStringList unknown;
    std::array<bool, collection::ColumnCount + kSpecialColumns> named{};
    int idField = -1;
    int pictureField = -1;
    std::array<int, 3> moreFields{-1, -1, -1};  // pictures, links, captions
    int tagsField = -1;
    std::vector<OwnColumn> own;
    const std::vector<ownfields::Field> declared = fieldsBeside(csvPath);
    const auto declaredAs = [&declared](const QString& heading) -> const ownfields::Field* {
        for (const ownfields::Field& f : declared) {
            if (f.name.compare(heading.trimmed(), Qt::CaseInsensitive) == 0)
                return &f;
        }
        return nullptr;
    };
    if (options.mapping && options.mapping->size() != qsizetype(record.fields.size())) {
        why << QCoreApplication::translate(
                   "kbs::exchange::CsvImport",
                   "the file has %1 columns where %2 were matched to fields")
                   .arg(record.fields.size())
                   .arg(options.mapping->size());
    }
    QHash<QString, int> lastOf;  // the last column of each heading
    for (size_t i = 0; i < record.fields.size(); ++i)
        lastOf.insert(QString::fromStdString(record.fields[i].utf8).trimmed().toCaseFolded(),
                      int(i));
    for (const CsvField& field : record.fields) {
        const QString name = QString::fromStdString(field.utf8);
        const QString shown = quoted(field.utf8);
        const int index = int(positions.size());
        int position = kUnknown;
        if (options.mapping && index < options.mapping->size()) {
            const QString& to = options.mapping->at(index);
            position = to.isEmpty() ? kSkipped : targetOf(to, Headings{});
        } else if (declaredAs(name) && collection::positionOf(name.trimmed()) < 0 &&
                   (lastOf.value(name.trimmed().toCaseFolded()) == index ||
                    targetOf(name, headings) == kUnknown)) {
            // Before the headings, which may take a field's name for a column ("Worth"). A
            // column's heading that comes again later is that column (an own field named
            // "picture_file"): the own fields' columns are written last.
            position = kOwn;
        } else {
            position = targetOf(name, headings);
        }
        if (position == kUnknown && options.ownUnknown)
            position = kOwn;
        if (position == kUnknown && options.skipUnknown)
            position = kSkipped;
        if (position == kSkipped) {
            result.skippedColumns << name;
        } else if (position == kTags) {
            tagsField = index;
        } else if (position == kOwn && name.isEmpty() && !options.mapping) {
            why << QCoreApplication::translate("kbs::exchange::CsvImport", "column %1 has no name")
                       .arg(index + 1);
        } else if (position == kOwn) {
            OwnColumn& c = own.emplace_back();
            c.index = index;
            c.field.name = name.simplified();
            if (const ownfields::Field* d = declaredAs(name)) {
                c.field = *d;
                c.declared = true;
            }
            for (size_t o = 0; o + 1 < own.size(); ++o) {
                if (own[o].field.name.compare(c.field.name, Qt::CaseInsensitive) == 0)
                    why << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                       "the column %1 is named twice")
                               .arg(shown);
            }
        } else if (position == kPictureFile) {
            pictureField = index;
        } else if (position <= kMorePictures) {
            moreFields[size_t(kMorePictures - position)] = index;
        } else if (name.isEmpty() && !options.mapping) {
            why << QCoreApplication::translate("kbs::exchange::CsvImport", "column %1 has no name")
                       .arg(index + 1);
        } else if (position < 0) {
            unknown << shown;
        } else if (collection::columns[size_t(position)].kind == collection::Kind::Binary) {
            why << QStringLiteral(
                       "the column %1 cannot be read from a CSV file; picture "
                       "files are named in %2")
                       .arg(shown, QLatin1String(PictureFileColumn));
        } else if (collection::columns[size_t(position)].kind == collection::Kind::Id) {
            idField = index;
        }
        if (position != kUnknown && position != kSkipped && position != kOwn) {
            bool& seen = named[size_t(position + kSpecialColumns)];
            if (seen)
                why << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                   "the column %1 is named twice")
                           .arg(shown);
            seen = true;
        }
        positions.push_back(position);
        if (position > kMorePictures) {
            names.emplace_back(position == kPictureFile ? collection::PictureColumn
                               : position >= 0          ? collection::columns[size_t(position)].name
                                                        : "");
        }
    }
    if (!unknown.isEmpty()) {
        // Told once, after the other reasons: a few of the headings taken, and where the rest
        // are listed.
        QString names = unknown.mid(0, MaxReasonsPerRow).join(QStringLiteral(", "));
        if (unknown.size() > MaxReasonsPerRow)
            names += QCoreApplication::translate("kbs::exchange::CsvImport", " and %1 more")
                         .arg(unknown.size() - MaxReasonsPerRow);
        why << QCoreApplication::translate(
                   "kbs::exchange::CsvImport",
                   "no column of the catalogue has the heading %1; the headings taken include %2 "
                   "(kbsmgr-import --list-headings lists them all, --skip-unknown leaves such "
                   "columns out, --own-fields makes them fields of the collector's own)")
                   .arg(names, headings.firstFew(kShownHeadings));
        if (why.size() > MaxReasonsPerRow)
            why.swapItemsAt(MaxReasonsPerRow - 1, why.size() - 1);
    }
    if (!result.skippedColumns.isEmpty() && !options.mapping) {
        QStringList quotedNames;
        for (const QString& n : std::as_const(result.skippedColumns))
            quotedNames << quoted(n.toStdString());
        result.notes << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                    "Columns left out, as their headings name no "
                                                    "column of the catalogue: %1.")
                            .arg(quotedNames.join(QStringLiteral(", ")));
    }
    if (!why.isEmpty()) {
        addProblem(record.line, why);
        return result;
    }
    std::optional<std::vector<values::Carried>> history = historyBeside(csvPath);
    // Without an ID column the records are numbered here, in row order.
    if (idField < 0)
        names.emplace_back(collection::IdColumn);
    auto startWriting = [&] {
        if (!writer) {
            writer.emplace(target, options.sync);
            writer->setSourceColumns(names);
            writer->limitRepeatedPictures(MaxRepeatedPictureBytes);
        }
    };

    std::optional<PictureSource> pictureFiles;
    if (pictureField >= 0 || moreFields[0] >= 0)
        pictureFiles.emplace(
            QFileInfo(csvPath).absolutePath(),
            options.picturesFrom.isEmpty() ? QStringList() : QStringList{options.picturesFrom},
            QStringLiteral("CSV"));
    std::optional<QByteArray> picture;
    std::vector<FurtherPicture> further;
    auto pictureProblem = [](const char* column, const std::string& file, QString problem) {
        if (problem.endsWith(QLatin1Char('.')))
            problem.chop(1);
        return QStringLiteral("%1 %2: %3").arg(QLatin1String(column), quoted(file), problem);
    };
    std::unordered_map<std::int64_t, long> idLines;
    std::vector<SourceValue> values(names.size());
    std::vector<std::pair<std::int64_t, QStringList>> tags;
    long withoutId = 0;
    bool writing = true;
    while (reader.next(record)) {
        why.clear();
        if (record.problem.isEmpty() && isBlankRow(record.fields)) {
            ++result.blankRows;
            continue;
        }
        if (record.problem.isEmpty() && !options.keepSumRows && isSumRow(record.fields)) {
            if (result.sumRows.size() < size_t(MaxListedProblems))
                result.sumRows.push_back(record.line);
            continue;
        }
        if (!record.problem.isEmpty())
            why << record.problem;
        std::optional<std::int64_t> id;
        if (record.fields.size() != positions.size()) {
            why << (record.fields.size() == 1
                        ? QCoreApplication::translate(
                              "kbs::exchange::CsvImport",
                              "the row has %1 field where the header has %2")
                        : QCoreApplication::translate(
                              "kbs::exchange::CsvImport",
                              "the row has %1 fields where the header has %2"))
                       .arg(record.fields.size())
                       .arg(positions.size());
        } else {
            if (idField >= 0 && !record.fields[size_t(idField)].null) {
                const std::string& text = record.fields[size_t(idField)].utf8;
                id = wholeNumber(text);
                if (!id || *id < kMinId || *id > kMaxId) {
                    why << QCoreApplication::translate(
                               "kbs::exchange::CsvImport",
                               "the ID %1 is not a whole number from %2 to %3")
                               .arg(quoted(text), QString::number(kMinId), QString::number(kMaxId));
                    id.reset();
                } else if (const auto it = idLines.find(*id); it != idLines.end()) {
                    why << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                       "the ID %1 is already that of line %2")
                               .arg(*id)
                               .arg(it->second);
                    id.reset();
                }
            }
            picture.reset();
            if (pictureField >= 0) {
                const std::string& file = record.fields[size_t(pictureField)].utf8;
                QString problem;
                if (!file.empty() &&
                    !(picture = pictureFiles->read(QString::fromStdString(file), problem)))
                    why << pictureProblem(PictureFileColumn, file, problem);
            }
            further.clear();
            qint64 kept = 0;
            std::array<std::vector<std::string>, 3> lists;
            size_t count = 0;
            for (size_t l = 0; l < lists.size(); ++l) {
                if (moreFields[l] >= 0)
                    lists[l] = splitList(record.fields[size_t(moreFields[l])].utf8);
                count = std::max(count, lists[l].size());
            }
            for (auto& list : lists)
                list.resize(count);
            for (size_t k = 0; k < count; ++k) {
                FurtherPicture& p = further.emplace_back();
                const std::string& file = lists[0][k];
                const std::string& link = lists[1][k];
                if (!lists[2][k].empty())
                    p.caption = lists[2][k];
                if (file.empty() == link.empty()) {
                    why << QCoreApplication::translate(
                               "kbs::exchange::CsvImport",
                               "further picture %1 must name either a file in %2 or "
                               "a link in %3")
                               .arg(k + 2)
                               .arg(QLatin1String(MorePicturesColumn),
                                    QLatin1String(MoreLinksColumn));
                } else if (!link.empty()) {
                    p.link = link;
                } else {
                    QString problem;
                    p.file = file;
                    if (auto bytes = pictureFiles->read(QString::fromStdString(file), problem)) {
                        p.readAgain = kept + bytes->size() > collection::MaxPictureBytes;
                        if (!p.readAgain) {
                            kept += bytes->size();
                            p.bytes.assign(bytes->constData(), size_t(bytes->size()));
                        }
                    } else {
                        why << pictureProblem(MorePicturesColumn, file, problem);
                    }
                }
            }
            for (const OwnColumn& c : own) {
                const QString text = fieldText(record.fields[size_t(c.index)]);
                if (const ownfields::Checked checked = ownfields::normalise(c.field, text);
                    c.declared && !checked.ok)
                    why << (checked.message.endsWith(QLatin1Char('.')) ? checked.message.chopped(1)
                                                                       : checked.message);
            }
            if (tagsField >= 0)
                splitTags(fieldText(record.fields[size_t(tagsField)]), &why);
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

        for (size_t i = 0, v = 0; i < positions.size(); ++i) {
            if (positions[i] <= kMorePictures)
                continue;
            const CsvField& field = record.fields[i];
            SourceValue& value = values[v++];
            if (field.null) {
                value = SourceValue::null();
                withoutId += int(i) == idField ? 1 : 0;
            } else if (int(i) == idField) {
                value = SourceValue::ofInteger(*id);
            } else if (positions[i] == kPictureFile) {
                // One picture at a time: read when its row was checked, then let go.
                value = SourceValue::ofBlob({});
                if (picture)
                    value.bytes.assign(picture->constData(), size_t(picture->size()));
            } else if (collection::columns[size_t(positions[i])].kind == collection::Kind::Any) {
                value = anyValue(field.utf8);
            } else {
                value = SourceValue::ofText(field.utf8);
            }
        }
        if (idField < 0)
            values.back() = SourceValue::ofInteger(result.records + 1);
        startWriting();
        const std::int64_t written = writer->addRecord(values);
        for (OwnColumn& c : own) {
            const QString text = fieldText(record.fields[size_t(c.index)]);
            if (!text.trimmed().isEmpty())
                c.values.emplace_back(written, text);
        }
        if (tagsField >= 0) {
            if (QStringList t = splitTags(fieldText(record.fields[size_t(tagsField)]));
                !t.isEmpty())
                tags.emplace_back(written, std::move(t));
        }
        for (size_t k = 0; k < further.size(); ++k) {
            FurtherPicture& p = further[k];
            if (p.readAgain) {
                QString problem;
                const auto bytes = pictureFiles->read(QString::fromStdString(p.file), problem);
                if (!bytes) {
                    throw AppError(
                        err::PathFileAccess, QStringLiteral("CSV"),
                        QCoreApplication::translate("kbs::exchange::CsvImport",
                                                    "Line %1: %2, which changed while the file "
                                                    "was imported.")
                            .arg(record.line)
                            .arg(pictureProblem(MorePicturesColumn, p.file, problem)));
                }
                p.bytes.assign(bytes->constData(), size_t(bytes->size()));
            }
            writer->addFurtherPicture(written, int(k) + 2, p.bytes, p.link, p.caption);
            p.bytes = {};  // let go of the bytes at once
        }
        ++result.records;
    }
    if (result.blankRows > 0) {
        result.notes << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                    "%n row(s) without any text were skipped.",
                                                    nullptr, int(result.blankRows));
    }
    if (!writing)
        return result;
    startWriting();
    const long carried = history ? long(history->size()) : -1;
    if (history)
        writer->setHistory(std::move(*history));
    QStringList made;
    for (OwnColumn& c : own) {
        const ownfields::Kind kind = c.declared ? c.field.kind : guessKind(c.values);
        const ownfields::Field f = ownfields::importField(writer->handle(), c.field.name, kind,
                                                          c.values, c.field.valueList);
        if (!c.declared)
            made << QStringLiteral("%1 (%2)").arg(f.name, ownfields::kindName(f.kind));
        c.values = {};
    }
    if (tagsField >= 0)
        ownfields::importTags(writer->handle(), tags);
    writer->finish(std::nullopt);
    if (!made.isEmpty())
        result.notes << QCoreApplication::translate("kbs::exchange::CsvImport",
                                                    "Columns that became fields of the "
                                                    "collector's own: %1.")
                            .arg(made.join(QStringLiteral(", ")));
    result.written = true;
    noteHistory(result.notes, carried, writer->historyLeftOut(), csvPath);
    if (withoutId > 0) {
        result.notes << QCoreApplication::translate(
                            "kbs::exchange::CsvImport",
                            "%1 record(s) had no ID and were given new ones after the "
                            "largest.")
                            .arg(withoutId);
    }
    return result;
}

}  // namespace

bool isCsvSource(const QString& path) {
    return !isLegacyCatalogue(path) &&
           !path.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive) &&
           !path.endsWith(QStringLiteral(".accdb"), Qt::CaseInsensitive);
}

}  // namespace kbs::exchange
