#include "MissingReport.h"

#include <utility>

namespace kbs {

namespace {
constexpr double kTitleHeight = 420;
constexpr double kRowHeight = 250;  // as PagedReport::TableRowHeight

const std::vector<ReportTableColumn> kColumns = {
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Nr."), 0, 900, false},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Name"), 900, 3700, false},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Year"), 4600, 800, false},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Color"), 5400, 1500, false},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Notes"), 6900, 2460, false},
};
}  // namespace

MissingReport::MissingReport(QObject* parent) : LinedReport(parent) {
    addCommonSections();
    setCaption(tr("Report -- Missing"));
    setPageSize(QPageSize(QPageSize::Letter));
}

void MissingReport::open(const QString& catalogue, const checklists::List& list,
                         std::vector<checklists::Entry> missing) {
    m_list = list;
    m_missing = std::move(missing);
    setCatalogueFile(catalogue);
    layOut();
}

void MissingReport::release() {
    m_missing.clear();
    layOut();
}

// The list's title and the column heads, then as many rows as fit above the page footer; each
// further page starts with the title and the heads again.
void MissingReport::layOut() {
    Layout layout(*this);
    const auto top = [&](bool continued) {
        layout.place(Line::Title, 0, -1, kTitleHeight, continued);
        layout.place(Line::Heads, 0, -1, kRowHeight);
    };
    top(false);
    for (int row = 0; row < int(m_missing.size()); ++row) {
        if (!layout.fits(kRowHeight)) {
            layout.newPage();
            top(true);
        }
        layout.place(Line::Row, 0, row, kRowHeight);
    }
    if (!layout.fits(m_reportFooter->height())) {
        layout.newPage();
        top(true);
    }
    layout.end();
    Q_EMIT changed();
}

void MissingReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    const QString section = QStringLiteral("Missing");
    if (line.kind == Line::Title) {
        const QString series =
            tr("%1 (series %2): %n model(s) missing", nullptr, int(m_missing.size()))
                .arg(m_list.name, m_list.series);
        addTitle(items, section, line, line.continued ? tr("%1 (continued)").arg(series) : series);
        return;
    }
    const bool heads = line.kind == Line::Heads;
    QStringList texts;
    if (heads) {
        texts = headings("kbs::MissingReport", kColumns);
        addHeadsRule(items, section, line, kRowHeight);
    } else {
        const checklists::Entry& e = m_missing[size_t(line.row)];
        texts << e.number << e.name << e.year << e.color << singleLine(e.notes);
        addStripe(items, section, line, kRowHeight);
    }
    addTableLine(items, section, line.row, line.top, kColumns, texts, heads);
}

}  // namespace kbs
