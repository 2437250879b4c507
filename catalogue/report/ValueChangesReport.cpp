#include "ValueChangesReport.h"

#include <QLocale>

#include "Amounts.h"

namespace kbs {

namespace {

constexpr double kGap = 240;  // above a table's title
constexpr double kTitleHeight = 420;
constexpr double kHeadsHeight = 300;
constexpr double kRowHeight = 250;  // as PagedReport::TableRowHeight

const std::vector<ReportTableColumn>& columns() {
    static const std::vector<ReportTableColumn> all = {
        {QT_TRANSLATE_NOOP("kbs::ValueChangesReport", "ID"), 0, 800, true},
        {QT_TRANSLATE_NOOP("kbs::ValueChangesReport", "Description"), 800, 3760, false},
        {"Then", 4560, 1600, true},  // headed by the dates
        {"Now", 6160, 1600, true},
        {QT_TRANSLATE_NOOP("kbs::ValueChangesReport", "Change"), 7760, 1600, true},
    };
    return all;
}
const char* const kTables[] = {"Rose", "Fell"};

QString amount(std::int64_t n) {
    return amounts::formatAmount({n, false});
}

}  // namespace

ValueChangesReport::ValueChangesReport(QObject* parent) : LinedReport(parent) {
    addCommonSections();
    setCaption(tr("Report -- Value changes"));
    setPageSize(QPageSize(QPageSize::Letter));
}

void ValueChangesReport::setChanges(const QString& catalogueFile, const QDate& from,
                                    const QDate& to,
                                    std::vector<values::ValueByDate::Change> changes) {
    m_from = from;
    m_to = to;
    m_rose.clear();
    m_fell.clear();
    for (const auto& c : changes) {
        if (c.to > c.from)
            m_rose.push_back(c);
    }
    for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
        if (it->to < it->from)
            m_fell.push_back(*it);
    }
    setCatalogueFile(catalogueFile);
    layOut();
}

std::optional<std::vector<std::int64_t>> ValueChangesReport::recordIds() const {
    std::vector<std::int64_t> ids;
    for (const auto* list : {&m_rose, &m_fell}) {
        for (const auto& c : *list)
            ids.push_back(c.id);
    }
    return ids;
}

void ValueChangesReport::release() {
    m_rose.clear();
    m_fell.clear();
    layOut();
}

// Both tables one after the other; a table that goes on over a page break gets its column
// heads again.
void ValueChangesReport::layOut() {
    Layout layout(*this);
    for (int table = 0; table < 2; ++table) {
        if (layout.pageUsed() && !layout.fits(kGap + kTitleHeight + kHeadsHeight + kRowHeight))
            layout.newPage();
        if (layout.pageUsed())
            layout.skip(kGap);
        layout.place(Line::Title, table, -1, kTitleHeight);
        layout.place(Line::Heads, table, -1, kHeadsHeight);
        const auto& rows = table == 0 ? m_rose : m_fell;
        for (int row = 0; row < int(rows.size()); ++row) {
            if (!layout.fits(kRowHeight)) {
                layout.newPage();
                layout.place(Line::Heads, table, -1, kHeadsHeight);
            }
            layout.place(Line::Row, table, row, kRowHeight);
        }
    }
    layout.end();
    Q_EMIT changed();
}

void ValueChangesReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    const QString section = QString::fromLatin1(kTables[line.table]);
    const auto& rows = line.table == 0 ? m_rose : m_fell;
    const QString from = QLocale().toString(m_from, QLocale::ShortFormat);
    const QString to = QLocale().toString(m_to, QLocale::ShortFormat);
    if (line.kind == Line::Title) {
        const QString title =
            (line.table == 0 ? tr("Rose most from %1 to %2") : tr("Fell most from %1 to %2"))
                .arg(from, to);
        addTitle(items, section, line, rows.empty() ? tr("%1: none").arg(title) : title);
        return;
    }
    const bool heads = line.kind == Line::Heads;
    QStringList texts;
    if (heads) {
        texts << tr("ID") << tr("Description") << from << to << tr("Change");
        addHeadsRule(items, section, line, kHeadsHeight);
    } else {
        const auto& c = rows[size_t(line.row)];
        const std::int64_t change = c.to - c.from;
        texts << QString::number(c.id) << singleLine(c.description) << amount(c.from)
              << amount(c.to) << (change > 0 ? QStringLiteral("+") : QString()) + amount(change);
        addStripe(items, section, line, kRowHeight);
    }
    addTableLine(items, section, heads ? -1 : line.row, line.top, columns(), texts, heads);
}

}  // namespace kbs
