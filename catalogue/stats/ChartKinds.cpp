#include "ChartKinds.h"

#include <QCoreApplication>
#include <QLocale>

#include "Language.h"
#include "Text.h"

namespace kbs::stats {

namespace {

const collection::GroupField& statusField() {
    return collection::GroupFields[3];
}
const collection::GroupField& yearField() {
    return collection::GroupFields[1];
}

QString groupName(const Statistics::Group& g) {
    return g.name.isEmpty() ? emptyGroupName() : g.name;
}

amounts::Sum count(long n) {
    return {n, false};
}

// Records and models of each group.
ChartData countsOf(const std::vector<Statistics::Group>& groups, QString title,
                   QString rowHeading) {
    ChartData d;
    d.title = std::move(title);
    d.rowHeading = std::move(rowHeading);
    d.columns = {{QCoreApplication::translate("kbs::stats", "Records"), false, false, {}},
                 {QCoreApplication::translate("kbs::stats", "Models"), false, false, {}}};
    for (const auto& g : groups) {
        d.rows << groupName(g);
        d.columns[0].values.push_back(count(g.sums.records));
        d.columns[1].values.push_back(g.sums.models);
    }
    return d;
}

ChartData byField(const Statistics& s, const By& field) {
    return countsOf(
        s.groups(field),
        QCoreApplication::translate("kbs::stats", "Records and models by %1").arg(fieldName(field)),
        fieldName(field));
}

ChartData statusShares(const Statistics& s, const By&) {
    ChartData d = countsOf(s.byField(statusField()),
                           QCoreApplication::translate("kbs::stats", "Records by status"),
                           fieldName(statusField()));
    d.shape = ChartData::Shape::Pie;
    return d;
}

ChartData byYear(const Statistics& s, const By&) {
    return countsOf(s.byField(yearField()),
                    QCoreApplication::translate("kbs::stats", "Models by year of issue"),
                    fieldName(yearField()));
}

// The four amounts of each group: paid, list price, value and value minus paid.
void addMoney(ChartData& d, const QString& row, const Statistics::Sums& sums) {
    if (d.columns.empty()) {
        d.columns = {
            {QCoreApplication::translate("kbs::stats", "Paid"), true, false, {}},
            {QCoreApplication::translate("kbs::stats", "List price"), true, false, {}},
            {QCoreApplication::translate("kbs::stats", "Value"), true, false, {}},
            {QCoreApplication::translate("kbs::stats", "Value minus paid"), true, false, {}}};
    }
    d.rows << row;
    d.columns[0].values.push_back(sums.paid);
    d.columns[1].values.push_back(sums.listPrice);
    d.columns[2].values.push_back(sums.value);
    d.columns[3].values.push_back(sums.gain());
}

ChartData moneyOverall(const Statistics& s, const By&) {
    ChartData d;
    d.title = QCoreApplication::translate("kbs::stats", "Money: paid, list price and value");
    addMoney(d, QCoreApplication::translate("kbs::stats", "All records shown"), s.all());
    return d;
}

ChartData moneyByField(const Statistics& s, const By& field) {
    ChartData d;
    d.title = QCoreApplication::translate("kbs::stats", "Money by %1").arg(fieldName(field));
    d.rowHeading = fieldName(field);
    for (const auto& g : s.groups(field))
        addMoney(d, groupName(g), g.sums);
    if (d.rows.isEmpty())
        addMoney(d, emptyGroupName(), {});
    return d;
}

ChartData growth(const Statistics& s, const By&) {
    ChartData d;
    d.shape = ChartData::Shape::Lines;
    d.title =
        QCoreApplication::translate("kbs::stats", "Growth of the collection by purchase date");
    d.rowHeading = QCoreApplication::translate("kbs::stats", "Month");
    d.columns = {
        {QCoreApplication::translate("kbs::stats", "Records bought, in all"), false, false, {}},
        {QCoreApplication::translate("kbs::stats", "Money spent, in all"), true, true, {}}};
    for (const auto& m : s.growth()) {
        d.rows << m.month.toString(QStringLiteral("yyyy-MM"));
        d.columns[0].values.push_back(count(m.records));
        d.columns[1].values.push_back(m.spent);
    }
    return d;
}

ChartData worth(const Statistics& s, const By&) {
    const values::ValueByDate::Result& r = s.worth();
    ChartData d;
    d.shape = ChartData::Shape::Lines;
    d.title = QCoreApplication::translate("kbs::stats", "Value of the models held, by date");
    if (r.unreadable > 0)
        d.title += QLatin1Char(' ') +
                   QCoreApplication::translate("kbs::stats", "(valuations or dates not read: %1)")
                       .arg(language::number(r.unreadable));
    d.rowHeading = QCoreApplication::translate("kbs::stats", "Month");
    d.columns = {{QCoreApplication::translate("kbs::stats", "Value then"), true, false, {}},
                 {QCoreApplication::translate("kbs::stats", "Paid until then"), true, false, {}}};
    for (const auto& p : r.points) {
        d.rows << p.date.toString(QStringLiteral("yyyy-MM"));
        d.columns[0].values.push_back(p.value);
        d.columns[1].values.push_back(p.paid);
    }
    return d;
}

}  // namespace

QString ChartData::cell(size_t column, size_t row) const {
    const Column& c = columns[column];
    const amounts::Sum& v = c.values[row];
    if (v.overflow)
        return QCoreApplication::translate("kbs::stats", "too large");
    return c.money ? language::localized(amounts::formatAmount(v)) : language::number(v.total);
}

double ChartData::plotted(size_t column, size_t row) const {
    const Column& c = columns[column];
    const amounts::Sum& v = c.values[row];
    return c.money ? double(v.total) / double(amounts::UnitsPerWhole) : double(v.total);
}

const std::vector<ChartKind>& chartKinds() {
    static const std::vector<ChartKind> kinds = {
        {"by-field", QT_TRANSLATE_NOOP("kbs::stats", "Records and models by field"), true,
         &byField},
        {"status", QT_TRANSLATE_NOOP("kbs::stats", "Status shares"), false, &statusShares},
        {"years", QT_TRANSLATE_NOOP("kbs::stats", "Models by year of issue"), false, &byYear},
        {"money", QT_TRANSLATE_NOOP("kbs::stats", "Money in all"), false, &moneyOverall},
        {"money-by-field", QT_TRANSLATE_NOOP("kbs::stats", "Money by field"), true, &moneyByField},
        {"growth", QT_TRANSLATE_NOOP("kbs::stats", "Growth over time"), false, &growth},
        {"worth", QT_TRANSLATE_NOOP("kbs::stats", "Value over time"), false, &worth},
    };
    return kinds;
}

QString recordsNote(const Statistics& statistics) {
    const auto& u = statistics.unreadable();
    // One text for one, another for more, each with the number in the locale's form.
    const auto counted = [](long n, const char* one, const char* more) {
        return QCoreApplication::translate("kbs::stats", n == 1 ? one : more)
            .arg(language::number(n));
    };
    QStringList parts{counted(statistics.all().records,
                              QT_TRANSLATE_NOOP("kbs::stats", "%1 record shown"),
                              QT_TRANSLATE_NOOP("kbs::stats", "%1 records shown"))};
    if (u.amounts > 0)
        parts << counted(u.amounts,
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 value not read as an amount"),
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 values not read as amounts"));
    if (u.quantities > 0)
        parts << counted(u.quantities,
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 quantity not read as a number"),
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 quantities not read as numbers"));
    if (u.dates > 0)
        parts << counted(u.dates,
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 purchase date not read as a date"),
                         QT_TRANSLATE_NOOP("kbs::stats", "%1 purchase dates not read as dates"));
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString emptyGroupName() {
    return QCoreApplication::translate("kbs::stats", "(Empty)");
}

QString fieldName(const collection::GroupField& field) {
    return QCoreApplication::translate(field.context, field.caption);
}

QString fieldName(const By& by) {
    return by.described ? fieldName(*by.described) : by.name;
}

}  // namespace kbs::stats
