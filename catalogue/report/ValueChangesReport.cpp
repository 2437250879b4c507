#include "ValueChangesReport.h"

#include <QLocale>

#include "Amounts.h"

namespace kbs {

namespace {

constexpr double kGap = 240;  // above a table's title
constexpr double kTitleHeight = 420;
constexpr double kHeadsHeight = 300;
constexpr double kRowHeight = 250;  // as PagedReport::TableRowHeight
const QColor kRuleGrey(0x80, 0x80, 0x80);
const QColor kStripe(0xF0, 0xF0, 0xF0);

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

ValueChangesReport::ValueChangesReport(QObject* parent) : PagedReport(parent) {
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
    m_lines.clear();
    m_pages.clear();
    const double footerTop = m_bottom - m_pageFooter->height();
    size_t first = 0;
    double y = m_top + m_reportHeader->height() + m_pageHeader->height();
    const auto newPage = [&] {
        m_pages.emplace_back(first, m_lines.size() - first);
        first = m_lines.size();
        y = m_top + m_pageHeader->height();
    };
    const auto place = [&](Line::Kind kind, int table, int row, double height) {
        m_lines.push_back({kind, table, row, y});
        y += height;
    };
    for (int table = 0; table < 2; ++table) {
        if (m_lines.size() > first &&
            y + kGap + kTitleHeight + kHeadsHeight + kRowHeight > footerTop)
            newPage();
        if (m_lines.size() > first)
            y += kGap;
        place(Line::Title, table, -1, kTitleHeight);
        place(Line::Heads, table, -1, kHeadsHeight);
        const auto& rows = table == 0 ? m_rose : m_fell;
        for (int row = 0; row < int(rows.size()); ++row) {
            if (y + kRowHeight > footerTop) {
                newPage();
                place(Line::Heads, table, -1, kHeadsHeight);
            }
            place(Line::Row, table, row, kRowHeight);
        }
    }
    if (y + m_reportFooter->height() > footerTop)
        newPage();
    place(Line::End, -1, -1, m_reportFooter->height());
    newPage();
    Q_EMIT changed();
}

QVector<ReportItem> ValueChangesReport::pageItems(int page) const {
    QVector<ReportItem> items;
    if (page < 1 || page > pageCount())
        return items;
    const auto [first, count] = m_pages[size_t(page - 1)];
    double y = m_top;
    if (page == 1) {
        addBand(items, *m_reportHeader, y, -1, page);
        y += m_reportHeader->height();
    }
    addBand(items, *m_pageHeader, y, -1, page);
    for (size_t i = first; i < first + count; ++i) {
        if (m_lines[i].kind == Line::End)
            addBand(items, *m_reportFooter, m_lines[i].top, -1, page);
        else
            addLineItems(items, m_lines[i]);
    }
    addBand(items, *m_pageFooter, m_bottom - m_pageFooter->height(), -1, page);
    return items;
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
        items.push_back(lineItem(ReportItem::Kind::Text, section, QStringLiteral("Title"), -1,
                                 {0, 60, BandWidth, 330}, line.top,
                                 rows.empty() ? tr("%1: none").arg(title) : title,
                                 reportFont(11, true), Qt::AlignLeft, Qt::black));
        return;
    }
    const bool heads = line.kind == Line::Heads;
    QStringList texts;
    if (heads) {
        texts << tr("ID") << tr("Description") << from << to << tr("Change");
        items.push_back(lineItem(ReportItem::Kind::Line, section, QStringLiteral("Rule"), -1,
                                 {0, kHeadsHeight - 20, BandWidth, 0}, line.top, {},
                                 reportFont(9, false), 0, kRuleGrey));
    } else {
        const auto& c = rows[size_t(line.row)];
        const std::int64_t change = c.to - c.from;
        texts << QString::number(c.id) << singleLine(c.description) << amount(c.from)
              << amount(c.to) << (change > 0 ? QStringLiteral("+") : QString()) + amount(change);
        if (line.row % 2 == 1)
            items.push_back(lineItem(ReportItem::Kind::Box, section, QStringLiteral("Stripe"),
                                     line.row, {0, 0, BandWidth, kRowHeight}, line.top, {},
                                     reportFont(9, false), 0, kStripe));
    }
    addTableLine(items, section, heads ? -1 : line.row, line.top, columns(), texts, heads);
}

}  // namespace kbs
