#include "TotalsReport.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>

#include "AppError.h"
#include "Collection.h"
#include "Connection.h"
#include "ReportTexts.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs {

namespace {

const QString kSource = QStringLiteral("TotalsReport");
using collection::at;

// The columns the totals read, in the query's order: the record's ID, the two it groups by,
// the number of models and the two amounts.
constexpr int kReadColumns[] = {at("ID"),       at("Status"),   at("Series"),
                                at("Quantity"), at("Purchase"), at("Value")};
constexpr int kStatusColumn = 1;
constexpr int kSeriesColumn = 2;
constexpr int kQuantityColumn = 3;
constexpr int kFirstAmountColumn = 4;

const char* nameOf(int column) {
    return collection::columns[size_t(kReadColumns[column])].name;
}

std::string totalsQuery() {
    std::string columns;
    for (int column = 0; column < int(std::size(kReadColumns)); ++column)
        columns += (column > 0 ? ", " : "") + std::string(nameOf(column));
    return "select " + columns + " from " + schema::TableName + " order by " + nameOf(0);
}

// The longest stored text the list of unreadable values shows.
constexpr qsizetype kShownText = 60;

constexpr double kGap = 240;  // above a table's title
constexpr double kTitleHeight = 420;
constexpr double kHeadsHeight = 300;
constexpr double kRowHeight = 250;
constexpr double kPad = 80;  // between a number and the edge of its column (addTableLine)

// The columns' names are the items' control names, and the headings.
using Column = ReportTableColumn;
// The headings and titles are translated where they are printed (heading()).
constexpr Column kTotalsColumns[] = {
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Name"), 0, 2960, false},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Records"), 2960, 950, true},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Models"), 3910, 950, true},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Purchase"), 4860, 1700, true},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Value"), 6560, 1700, true},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Unreadable"), 8260, 1100, true},
};
constexpr Column kListColumns[] = {
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "ID"), 0, 1000, true},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Column"), 1300, 1400, false},
    {QT_TRANSLATE_NOOP("kbs::TotalsReport", "Text as stored"), 2800, 6560, false},
};
const char* const kTables[] = {"All", "Status", "Series", "Unreadable"};
const char* const kTitles[] = {
    QT_TRANSLATE_NOOP("kbs::TotalsReport", "In all"),
    QT_TRANSLATE_NOOP("kbs::TotalsReport", "By status"),
    QT_TRANSLATE_NOOP("kbs::TotalsReport", "By series"),
    QT_TRANSLATE_NOOP("kbs::TotalsReport", "Values that could not be read")};

QString heading(const char* source) {
    return translated("kbs::TotalsReport", source);
}

// The columns as designed, each widened where its heading in the program's language needs
// more room (`whole` gives the width a text needs); the widest text column gives that room up.
std::vector<Column> headedColumns(const Column* begin, const Column* end,
                                  const std::function<double(const QString&)>& whole) {
    std::vector<Column> columns(begin, end);
    std::vector<double> wider(columns.size(), 0);
    size_t giver = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        const double room = c.number ? c.width - kPad : c.width - 60;
        wider[i] = std::max(0.0, whole(heading(c.name)) - room);
        if (!c.number && c.width > columns[giver].width)
            giver = i;
    }
    double shift = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        columns[i].x += shift;
        columns[i].width += wider[i];
        shift += wider[i];
    }
    // The giver keeps at least half its width; what it cannot give stays cut.
    const double take = std::min(shift, columns[giver].width / 2);
    columns[giver].width -= take;
    for (size_t i = giver + 1; i < columns.size(); ++i)
        columns[i].x -= take;
    return columns;
}

std::string_view textOf(sqlite3_stmt* s, int column) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return p ? std::string_view(p, size_t(sqlite3_column_bytes(s, column))) : std::string_view();
}

// A group's key: the text as stored without blanks around it.
std::string groupKey(sqlite3_stmt* s, int column) {
    std::string_view t = textOf(s, column);
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && blank(t.back()))
        t.remove_suffix(1);
    return std::string(t);
}

amounts::Reading readColumn(sqlite3_stmt* s, int column) {
    const bool quantity = column == kQuantityColumn;
    switch (sqlite3_column_type(s, column)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER: {
            const std::int64_t v = sqlite3_column_int64(s, column);
            return quantity ? amounts::Reading{amounts::Reading::Kind::Number, v}
                            : amounts::amountOfInteger(v);
        }
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(s, column);
            return quantity ? amounts::quantityOfReal(v) : amounts::amountOfReal(v);
        }
        default:
            return quantity ? amounts::readQuantity(textOf(s, column))
                            : amounts::readAmount(textOf(s, column));
    }
}

std::vector<TotalsReport::Group> sortedGroups(
    const std::unordered_map<std::string, TotalsReport::Totals>& map) {
    std::vector<TotalsReport::Group> groups;
    groups.reserve(map.size());
    for (const auto& [key, totals] : map)
        groups.push_back({QString::fromUtf8(key.data(), qsizetype(key.size())), totals});
    // By name, regardless of case; no status or series first.
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return groups;
}

}  // namespace

const Text<"kbs::TotalsReport"> TotalsReport::NoneGroup{
    QT_TRANSLATE_NOOP("kbs::TotalsReport", "(none)")};

TotalsReport::TotalsReport(QObject* parent) : LinedReport(parent) {
    addCommonSections();
    setCaption(reportText::TotalsCaption);
    setPageSize(QPageSize(QPageSize::Letter));
}

void TotalsReport::open(Connection& connection) {
    if (!connection.isOpen()) {
        throw AppError(err::ObjectClosed, kSource,
                       QStringLiteral("Operation is not allowed when the object is closed."));
    }
    sqlite::Stmt st(connection.handle(), totalsQuery(), kSource);
    Totals all;
    std::unordered_map<std::string, Totals> byStatus;
    std::unordered_map<std::string, Totals> bySeries;
    std::vector<Unreadable> unreadable;
    while (st.step(kSource)) {
        sqlite3_stmt* s = st.get();
        Totals* groups[] = {&all, &byStatus[groupKey(s, kStatusColumn)],
                            &bySeries[groupKey(s, kSeriesColumn)]};
        for (Totals* g : groups)
            ++g->records;
        for (int column = kQuantityColumn; column <= kFirstAmountColumn + 1; ++column) {
            const amounts::Reading r = readColumn(s, column);
            if (r.kind == amounts::Reading::Kind::Unreadable) {
                for (Totals* g : groups)
                    ++g->unreadable;
                const std::string_view t = textOf(s, column);
                unreadable.push_back({sqlite3_column_int64(s, 0),
                                      QString::fromLatin1(nameOf(column)),
                                      QString::fromUtf8(t.data(), qsizetype(t.size()))});
            } else if (r.kind == amounts::Reading::Kind::Number) {
                for (Totals* g : groups) {
                    amounts::Sum& sum = column == kQuantityColumn      ? g->models
                                        : column == kFirstAmountColumn ? g->purchase
                                                                       : g->value;
                    sum.add(r.number);
                }
            }
        }
    }
    m_all = all;
    m_byStatus = sortedGroups(byStatus);
    m_bySeries = sortedGroups(bySeries);
    m_unreadable = std::move(unreadable);
    m_read = true;
    setCatalogueFile(connection.dataSource());
    layOut();
}

void TotalsReport::release() {
    m_all = {};
    m_byStatus.clear();
    m_bySeries.clear();
    m_unreadable.clear();
    m_read = false;
    layOut();
}

int TotalsReport::rowsOf(int table) const {
    switch (table) {
        case 0:
            return 1;
        case 1:
            return int(m_byStatus.size());
        case 2:
            return int(m_bySeries.size());
        default:
            return int(m_unreadable.size());
    }
}

// The tables one after the other, each row whole above the page footer; a table that goes on
// over a page break gets its title and column heads again. The unreadable values start a page
// of their own.
void TotalsReport::layOut() {
    Layout layout(*this);
    const int tables = !m_read ? 0 : m_unreadable.empty() ? 3 : 4;
    for (int table = 0; table < tables; ++table) {
        if (layout.pageUsed() &&
            (table == 3 || !layout.fits(kGap + kTitleHeight + kHeadsHeight + kRowHeight)))
            layout.newPage();
        if (layout.pageUsed())
            layout.skip(kGap);
        layout.place(Line::Title, table, -1, kTitleHeight);
        layout.place(Line::Heads, table, -1, kHeadsHeight);
        for (int row = 0, rows = rowsOf(table); row < rows; ++row) {
            if (!layout.fits(kRowHeight)) {
                layout.newPage();
                layout.place(Line::Title, table, -1, kTitleHeight, true);
                layout.place(Line::Heads, table, -1, kHeadsHeight);
            }
            layout.place(Line::Row, table, row, kRowHeight);
        }
    }
    layout.end();
    Q_EMIT changed();
}

void TotalsReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    const QString table = QString::fromLatin1(kTables[line.table]);
    if (line.kind == Line::Title) {
        QString title = heading(kTitles[line.table]);
        if (line.continued)
            title = tr("%1 (continued)").arg(title);
        addTitle(items, table, line, title);
        return;
    }
    const bool list = line.table == 3;
    const ReportTableColumn* begin = list ? std::begin(kListColumns) : std::begin(kTotalsColumns);
    const ReportTableColumn* end = list ? std::end(kListColumns) : std::end(kTotalsColumns);
    QStringList texts;
    if (line.kind == Line::Heads) {
        for (const ReportTableColumn* c = begin; c != end; ++c)
            texts << heading(c->name);
        if (!list)
            texts[0] = line.table == 1 ? tr("Status") : line.table == 2 ? tr("Series") : QString();
        addHeadsRule(items, table, line, kHeadsHeight);
    } else if (list) {
        const Unreadable& u = m_unreadable[size_t(line.row)];
        QString text = singleLine(u.text);
        if (text.size() > kShownText)
            text = text.left(kShownText) + QChar(0x2026);
        texts << QString::number(u.id) << u.column << QLatin1Char('"') + text + QLatin1Char('"');
    } else {
        const Group* g = line.table == 1   ? &m_byStatus[size_t(line.row)]
                         : line.table == 2 ? &m_bySeries[size_t(line.row)]
                                           : nullptr;
        const Totals& t = g ? g->totals : m_all;
        texts << (!g                  ? tr("All records")
                  : g->name.isEmpty() ? NoneGroup
                                      : g->name)
              << amounts::formatCount({t.records, false}) << amounts::formatCount(t.models)
              << amounts::formatAmount(t.purchase) << amounts::formatAmount(t.value)
              << amounts::formatCount({t.unreadable, false});
        addStripe(items, table, line, kRowHeight);
    }
    const bool heads = line.kind == Line::Heads;
    const QFont headsFont = reportFont(9, true);
    addTableLine(
        items, table, line.row, line.top,
        headedColumns(begin, end, [&](const QString& t) { return wholeWidth(t, headsFont); }),
        texts, heads);
}

}  // namespace kbs
