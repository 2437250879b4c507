#include "CsvColumns.h"

#include <QRegularExpression>
#include <array>

#include "AppError.h"
#include "Collection.h"

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
        const QString name = binary ? QString() : targetName(t);
        preview.suggested << (preview.suggested.contains(name) ? QString() : name);
    }
    while (int(preview.rows.size()) < rows && reader->next(record))
        preview.rows.push_back(texts());
    return preview;
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
