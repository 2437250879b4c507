#include "PriceGuide.h"

#include <QCoreApplication>
#include <array>
#include <cstdio>

#include "Amounts.h"
#include "AppError.h"
#include "CatalogueSession.h"
#include "ColumnHeadings.h"
#include "CsvCommands.h"
#include "CsvReader.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Price guide");

// The columns read: the record's, then the valuation's own.
enum Col { Id, Description, Number, Version, Date, Value, Note, ColCount };
constexpr int OwnCount = ColCount - Date;
// The headings of the valuation's own columns, besides their translations.
const char* const kOwnHeadings[OwnCount][3] = {
    {QT_TRANSLATE_NOOP("kbs::values", "Date"), "Value_Date", "As of"},
    {QT_TRANSLATE_NOOP("kbs::values", "Value"), QT_TRANSLATE_NOOP("kbs::values", "Price"), "Worth"},
    {QT_TRANSLATE_NOOP("kbs::values", "Note"), QT_TRANSLATE_NOOP("kbs::values", "Source"),
     "Notes"}};

int ownColumnOf(const QString& heading) {
    const QString h = heading.trimmed();
    for (int own = 0; own < OwnCount; ++own) {
        for (const char* english : kOwnHeadings[own]) {
            QStringList names = translatedHeadings("kbs::values", english);
            names << QString::fromLatin1(english);
            for (const QString& n : names) {
                if (n.compare(h, Qt::CaseInsensitive) == 0)
                    return own;
            }
        }
    }
    return -1;
}

[[noreturn]] void refuse(const QString& path, long line, const QString& why) {
    throw AppError(err::InvalidPropertyValue, kSource,
                   line > 0 ? QCoreApplication::translate("kbs::values", "%1 line %2: %3.")
                                  .arg(path)
                                  .arg(line)
                                  .arg(why)
                            : QCoreApplication::translate("kbs::values", "%1: %2.").arg(path, why));
}

}  // namespace

std::vector<values::Valuation> readPriceGuide(const QString& path, const Headings& headings) {
    CsvReader reader(path);
    CsvRecord record;
    if (!reader.next(record))
        refuse(path, 0, QCoreApplication::translate("kbs::values", "the file is empty"));
    // Where each column is in the file.
    std::array<int, ColCount> at;
    at.fill(-1);
    const int positions[Date] = {0, 1, 3, 21};  // in table1
    for (int i = 0; i < int(record.fields.size()); ++i) {
        const QString heading = QString::fromUtf8(record.fields[size_t(i)].utf8);
        const int own = ownColumnOf(heading);
        if (own >= 0) {
            at[size_t(Date + own)] = i;
            continue;
        }
        const int position = headings.positionOf(heading);
        for (int k = 0; k < Date; ++k) {
            if (positions[k] == position)
                at[size_t(k)] = i;
        }
    }
    if (at[Date] < 0 || at[Value] < 0)
        refuse(path, record.line,
               QCoreApplication::translate("kbs::values",
                                           "a column for the date and one for the "
                                           "value are needed"));
    if (at[Id] < 0 && (at[Description] < 0 || at[Number] < 0 || at[Version] < 0))
        refuse(path, record.line,
               QCoreApplication::translate("kbs::values",
                                           "a column for the record's ID, or columns for its "
                                           "Description, Number and Version #, are needed"));
    std::vector<values::Valuation> out;
    while (reader.next(record)) {
        if (!record.problem.isEmpty())
            refuse(path, record.line, record.problem);
        const auto field = [&](int k) {
            const int i = at[size_t(k)];
            return i >= 0 && i < int(record.fields.size())
                       ? QString::fromUtf8(record.fields[size_t(i)].utf8).trimmed()
                       : QString();
        };
        values::Valuation v;
        v.line = record.line;
        const QString id = field(Id);
        if (!id.isEmpty()) {
            bool ok = false;
            v.id = id.toLongLong(&ok);
            if (!ok || v.id < 0)
                refuse(
                    path, record.line,
                    QCoreApplication::translate("kbs::values", "\"%1\" is no record ID").arg(id));
        } else if (field(Description).isEmpty()) {
            refuse(path, record.line,
                   QCoreApplication::translate("kbs::values", "the row names no record"));
        }
        v.description = field(Description);
        v.number = field(Number);
        v.version = field(Version);
        const QDate date = values::readDate(field(Date));
        if (!date.isValid())
            refuse(
                path, record.line,
                QCoreApplication::translate("kbs::values", "\"%1\" is no date").arg(field(Date)));
        const QString value = field(Value);
        if (amounts::readAmount(value.toStdString()).kind != amounts::Reading::Kind::Number)
            refuse(path, record.line,
                   QCoreApplication::translate("kbs::values", "\"%1\" is no amount").arg(value));
        v.entry = {0, values::writeDate(date), value, field(Note)};
        out.push_back(std::move(v));
    }
    return out;
}

QString describe(const values::Applied& applied) {
    QStringList lines;
    lines << QCoreApplication::translate("kbs::values", "%n valuation(s) added, %1 already there.",
                                         nullptr, applied.added)
                 .arg(applied.alreadyThere);
    if (!applied.notMatched.isEmpty())
        lines << QCoreApplication::translate("kbs::values", "Not matched:") +
                     QStringLiteral("\n  ") + applied.notMatched.join(QStringLiteral("\n  "));
    if (!applied.ambiguous.isEmpty())
        lines << QCoreApplication::translate("kbs::values",
                                             "Ambiguous (more than one record fits):") +
                     QStringLiteral("\n  ") + applied.ambiguous.join(QStringLiteral("\n  "));
    return lines.join(QLatin1Char('\n'));
}

int runValuesImport(const QString& source, const QString& catalogue, const Headings& headings) {
    try {
        const std::vector<values::Valuation> rows = readPriceGuide(source, headings);
        CatalogueSession session;
        session.open(catalogue, QStringLiteral("select * from table1"));
        const values::Applied applied = session.importValuations(rows);
        session.close();
        // Standard output is read by scripts: English, one line a row.
        for (const auto& [word, list] :
             {std::pair{"matched", &applied.matched}, std::pair{"not matched", &applied.notMatched},
              std::pair{"ambiguous", &applied.ambiguous}}) {
            for (const QString& l : *list)
                std::printf("%s: %s\n", word, l.toUtf8().constData());
        }
        std::printf("added %d valuations, %d already there\n", applied.added, applied.alreadyThere);
        return kExitDone;
    } catch (const AppError& e) {
        std::fprintf(stderr, "kbsmgr-import: %s\n", e.description().toUtf8().constData());
        return kExitFailed;
    }
}

}  // namespace kbs::exchange
