#include "ChecklistCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <array>
#include <optional>

#include "AppError.h"
#include "ChecklistMatcher.h"
#include "CsvColumns.h"
#include "CsvExport.h"
#include "CsvReader.h"

namespace kbs::exchange {

namespace {
const QString kSource = QStringLiteral("CSV");
using checklists::ChecklistMatcher;

enum Field { Number, Name, Year, Color, Notes, FieldCount };
// The headings taken for each field, as ChecklistMatcher::key() leaves them.
const std::array<QStringList, FieldCount> kHeadings = {{
    {"number", "nr", "no", "num", "nummer", "numero", "numéro", "número", "catalognumber"},
    {"name", "modelname", "description", "model", "modell", "modèle", "model", "naam", "nom",
     "nombre", "beschreibung", "bezeichnung", "omschrijving", "descripción", "modelo"},
    {"year", "jahr", "année", "annee", "jaar", "año", "ano"},
    {"color", "colour", "farbe", "couleur", "kleur", "bodycolor"},
    {"notes", "note", "variation", "variationnotes", "notizen", "bemerkungen", "remarques",
     "opmerkingen", "notas", "variante", "variatie"},
}};

std::optional<Field> fieldOf(const std::string& heading) {
    const QString raw = QString::fromUtf8(heading).trimmed();
    if (raw == QLatin1String("#"))
        return Number;
    const QString k = ChecklistMatcher::key(raw);
    for (int f = 0; f < FieldCount; ++f) {
        if (kHeadings[size_t(f)].contains(k))
            return Field(f);
    }
    return std::nullopt;
}
}  // namespace

std::vector<checklists::Entry> readChecklistCsv(const QString& path) {
    CsvReader reader(path);
    CsvRecord record;
    if (!reader.next(record))
        throw AppError(err::InvalidPropertyValue, kSource,
                       QCoreApplication::translate("kbs::exchange::ChecklistCsv", "%1 is empty.")
                           .arg(QDir::toNativeSeparators(path)));
    std::array<int, FieldCount> column;
    column.fill(-1);
    for (int i = 0; i < int(record.fields.size()); ++i) {
        if (const auto f = fieldOf(record.fields[size_t(i)].utf8); f && column[*f] < 0)
            column[*f] = i;
    }
    if (column[Number] < 0 || column[Name] < 0)
        throw AppError(err::InvalidPropertyValue, kSource,
                       QCoreApplication::translate(
                           "kbs::exchange::ChecklistCsv",
                           "Line 1 of %1 names no columns for the number and the name of the "
                           "models (for example \"Number\" and \"Name\").")
                           .arg(QDir::toNativeSeparators(path)));
    std::vector<checklists::Entry> entries;
    QStringList bad;
    int badRows = 0;
    QSet<QString> numbers;
    while (reader.next(record)) {
        const auto field = [&](Field f) {
            const int at = column[f];
            return at >= 0 && at < int(record.fields.size())
                       ? QString::fromUtf8(record.fields[size_t(at)].utf8).trimmed()
                       : QString();
        };
        QString why = record.problem;
        if (isBlankRow(record.fields))
            continue;
        checklists::Entry e{field(Number), field(Name), field(Year), field(Color), field(Notes)};
        if (why.isEmpty() && ChecklistMatcher::key(e.number).isEmpty())
            why = QCoreApplication::translate("kbs::exchange::ChecklistCsv", "no number");
        else if (why.isEmpty() && e.name.isEmpty())
            why = QCoreApplication::translate("kbs::exchange::ChecklistCsv", "no name");
        else if (why.isEmpty() && numbers.contains(ChecklistMatcher::numberKey(e.number)))
            why = QCoreApplication::translate("kbs::exchange::ChecklistCsv",
                                              "the number %1 was given before")
                      .arg(e.number);
        if (!why.isEmpty()) {
            if (++badRows <= 5)
                bad << QCoreApplication::translate("kbs::exchange::ChecklistCsv", "line %1: %2")
                           .arg(record.line)
                           .arg(why);
            continue;
        }
        numbers.insert(ChecklistMatcher::numberKey(e.number));
        entries.push_back(e);
    }
    if (badRows > 0) {
        QString text = QCoreApplication::translate(
                           "kbs::exchange::ChecklistCsv",
                           "%1 was not imported; nothing is stored. Correct these rows and "
                           "import it again:\n%2")
                           .arg(QDir::toNativeSeparators(path), bad.join(QLatin1Char('\n')));
        if (badRows > 5)
            text += QLatin1Char('\n') +
                    QCoreApplication::translate("kbs::exchange::ChecklistCsv", "and %1 more rows")
                        .arg(badRows - 5);
        throw AppError(err::InvalidPropertyValue, kSource, text);
    }
    if (entries.empty())
        throw AppError(
            err::InvalidPropertyValue, kSource,
            QCoreApplication::translate("kbs::exchange::ChecklistCsv", "%1 holds no models.")
                .arg(QDir::toNativeSeparators(path)));
    return entries;
}

QString checklistsFileFor(const QString& csvPath) {
    const QFileInfo info(csvPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_checklists.csv"));
}

QByteArray checklistsCsv(sqlite3* db) {
    std::vector<checklists::List> lists;
    try {
        lists = checklists::lists(db);
    } catch (const AppError&) {
        return {};  // a catalogue without the tables has no checklists
    }
    if (lists.empty())
        return {};
    std::string out = "Checklist,Series,Rule,Number,Name,Year,Color,Notes\r\n";
    for (const checklists::List& l : lists) {
        const char* rule = l.rule == checklists::Rule::Description ? "description" : "number";
        for (const checklists::Entry& e : checklists::entriesOf(db, l.id)) {
            std::string row;
            for (const QString& t : {l.name, l.series, QString::fromLatin1(rule), e.number, e.name,
                                     e.year, e.color, e.notes}) {
                if (!row.empty())
                    row += ',';
                appendField(row, t.toStdString());
            }
            out += row + "\r\n";
        }
    }
    return QByteArray::fromStdString(out);
}

}  // namespace kbs::exchange
