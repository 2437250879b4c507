#include "CsvColumns.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "AppError.h"
#include "Collection.h"
#include "OwnCsv.h"

namespace kbs::exchange {

namespace {

constexpr std::array<const char*, 3> kMoreLists{MorePicturesColumn, MoreLinksColumn,
                                                MoreCaptionsColumn};

// What the sum row of a spreadsheet says, in the languages collectors write in; compared in
// any case, without a trailing colon.
constexpr const char* kSumWords[] = {
    "total",         "totals",        "grand total",  "sum",           "subtotal",
    "summe",         "gesamt",        "gesamtsumme",  "zwischensumme", "insgesamt",
    "total général", "total general", "somme",        "sous-total",    "totaal",
    "som",           "subtotaal",     "eindtotaal",   "suma",          "subtotal general",
    "totale",        "importe total", "montant total"};

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

QStringList mappableColumns() {
    QStringList out;
    for (const collection::Column& c : collection::columns) {
        if (c.kind != collection::Kind::Binary)
            out << QString::fromLatin1(c.name);
    }
    out << QString::fromLatin1(PictureFileColumn);
    for (const char* list : kMoreLists)
        out << QString::fromLatin1(list);
    out << QString::fromLatin1(TagsColumn) << QString::fromLatin1(OwnFieldChoice);
    return out;
}

int targetOf(const QString& heading, const Headings& headings) {
    if (heading.trimmed().compare(QLatin1String(PictureFileColumn), Qt::CaseInsensitive) == 0)
        return target::PictureFile;
    for (int l = 0; l < int(kMoreLists.size()); ++l) {
        if (heading.trimmed().compare(QLatin1String(kMoreLists[size_t(l)]), Qt::CaseInsensitive) ==
            0)
            return target::MorePictures - l;
    }
    if (heading.trimmed().compare(QLatin1String(TagsColumn), Qt::CaseInsensitive) == 0)
        return target::Tags;
    if (heading == QLatin1String(OwnFieldChoice))
        return target::Own;
    const int position = headings.positionOf(heading);
    // The picture's heading ("Picture", "Bild") names the picture's file.
    if (position == collection::at("binpicdata") &&
        collection::positionOf(heading.trimmed()) != position)
        return target::PictureFile;
    return position < 0 ? target::Unknown : position;
}

QString targetName(int target) {
    if (target >= 0)
        return QString::fromLatin1(collection::columns[size_t(target)].name);
    if (target == target::PictureFile)
        return QString::fromLatin1(PictureFileColumn);
    if (target <= target::MorePictures && target >= target::MoreCaptions)
        return QString::fromLatin1(kMoreLists[size_t(target::MorePictures - target)]);
    if (target == target::Tags)
        return QString::fromLatin1(TagsColumn);
    if (target == target::Own)
        return QString::fromLatin1(OwnFieldChoice);
    return {};
}

CsvPreview previewCsv(const QString& path, const Headings& headings, int rows) {
    CsvPreview preview;
    std::optional<CsvReader> reader;
    try {
        reader.emplace(path, TextEncoding::Utf8);
    } catch (const AppError&) {
        // Not UTF-8 throughout: what older spreadsheets save. A file that cannot be read at all
        // fails again here.
        reader.emplace(path, TextEncoding::Windows1252);
        preview.encoding = TextEncoding::Windows1252;
    }
    CsvRecord record;
    const auto texts = [&record] {
        QStringList out;
        for (const CsvField& f : record.fields)
            out << QString::fromStdString(f.utf8);
        return out;
    };
    if (!reader->next(record))
        return preview;
    preview.headings = texts();
    for (const QString& heading : std::as_const(preview.headings)) {
        const int t = targetOf(heading, headings);
        const bool binary =
            t >= 0 && collection::columns[size_t(t)].kind == collection::Kind::Binary;
        // A heading that names nothing is offered as a field of the collector's own.
        const QString name = binary ? QString()
                             : t == target::Unknown && !heading.trimmed().isEmpty()
                                 ? QString::fromLatin1(OwnFieldChoice)
                                 : targetName(t);
        const bool twice =
            name != QLatin1String(OwnFieldChoice) && preview.suggested.contains(name);
        preview.suggested << (twice ? QString() : name);
    }
    while (int(preview.rows.size()) < rows && reader->next(record))
        preview.rows.push_back(texts());
    return preview;
}

void readHeadedCsv(const QString& path, const std::vector<const char*>& headings, size_t needed,
                   const std::function<void(long, const QStringList&)>& row,
                   const std::function<void(long, const QString&)>& refuse) {
    CsvReader reader(path);
    CsvRecord record;
    std::vector<int> at(headings.size(), -1);
    const bool header = reader.next(record);
    for (size_t i = 0; header && i < record.fields.size(); ++i) {
        const QString heading = QString::fromStdString(record.fields[i].utf8).trimmed();
        for (size_t c = 0; c < headings.size(); ++c) {
            if (at[c] < 0 && heading.compare(QLatin1String(headings[c]), Qt::CaseInsensitive) == 0)
                at[c] = int(i);
        }
    }
    if (!header ||
        std::any_of(at.begin(), at.begin() + qsizetype(needed), [](int i) { return i < 0; }))
        refuse(header ? record.line : 1, QString());
    QStringList fields;
    while (reader.next(record)) {
        if (!record.problem.isEmpty())
            refuse(record.line, record.problem);
        if (isBlankRow(record.fields))
            continue;
        fields.clear();
        for (const int i : at)
            fields << (i >= 0 && i < int(record.fields.size())
                           ? QString::fromStdString(record.fields[size_t(i)].utf8)
                           : QString());
        row(record.line, fields);
    }
}

bool isBlankRow(const std::vector<CsvField>& fields) {
    for (const CsvField& f : fields) {
        if (!isBlank(f.utf8))
            return false;
    }
    return true;
}

bool isSumRow(const std::vector<CsvField>& fields) {
    // An amount as spreadsheets write one: digits with separators, a sign, a currency.
    static const QRegularExpression amount(
        QStringLiteral(R"(^[-+]?[$€£¥]?\s*[-+]?\d[\d.,' \x{00A0}\x{202F}]*\s*)"
                       R"([$€£¥%]?\s*(?:EUR|USD|GBP|CHF|DM|hfl|fl)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    bool worded = false;
    for (const CsvField& f : fields) {
        if (isBlank(f.utf8))
            continue;
        QString text = QString::fromStdString(f.utf8).trimmed();
        if (!worded) {
            if (text.endsWith(QLatin1Char(':')))
                text.chop(1);
            bool sum = false;
            for (const char* word : kSumWords)
                sum = sum || text.compare(QString::fromUtf8(word), Qt::CaseInsensitive) == 0;
            if (!sum)
                return false;
            worded = true;
        } else if (!amount.match(text).hasMatch()) {
            return false;
        }
    }
    return worded;
}

}  // namespace kbs::exchange
