#include "MissingReport.h"

#include <QCoreApplication>
#include <utility>

namespace kbs {

namespace {
constexpr double kTitleHeight = 420;
constexpr double kRowHeight = 250;
const QColor kCaptionColour(0x40, 0x40, 0x40);
const QColor kRuleGrey(0x80, 0x80, 0x80);
const QColor kStripe(0xF0, 0xF0, 0xF0);

struct Column {
    const char* name;
    double x;
    double width;
};
constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Nr."), 0, 900},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Name"), 900, 3700},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Year"), 4600, 800},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Color"), 5400, 1500},
    {QT_TRANSLATE_NOOP("kbs::MissingReport", "Notes"), 6900, 2460},
};
}  // namespace

MissingReport::MissingReport(QObject* parent) : PagedReport(parent) {
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
// further page starts with the heads again.
void MissingReport::layOut() {
    m_pages.clear();
    const double footerTop = m_bottom - m_pageFooter->height();
    const int rows = int(m_missing.size());
    int next = 0;
    bool first = true;
    for (;;) {
        Page p;
        p.first = next;
        p.reportHeader = first;
        double y = m_top + (first ? m_reportHeader->height() : 0) + m_pageHeader->height() +
                   kTitleHeight + kRowHeight;
        while (next < rows && y + kRowHeight <= footerTop) {
            ++next;
            y += kRowHeight;
        }
        p.count = next - p.first;
        p.end = next == rows && y + m_reportFooter->height() <= footerTop;
        m_pages.push_back(p);
        first = false;
        if (p.end)
            break;
    }
    Q_EMIT changed();
}

QVector<ReportItem> MissingReport::pageItems(int page) const {
    QVector<ReportItem> items;
    if (page < 1 || page > pageCount())
        return items;
    const Page& p = m_pages[size_t(page - 1)];
    double y = addHeaders(items, page, p.reportHeader);
    ReportItem title;
    title.section = QStringLiteral("Missing");
    title.control = QStringLiteral("Title");
    title.rect = QRectF(m_left, y + 60, BandWidth, 330);
    title.font = reportFont(11, true);
    title.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    title.color = Qt::black;
    const QString series = tr("%1 (series %2): %n model(s) missing", nullptr, int(m_missing.size()))
                               .arg(m_list.name, m_list.series);
    title.text =
        fitted(page > 1 ? tr("%1 (continued)").arg(series) : series, title.font, BandWidth);
    items.push_back(title);
    y += kTitleHeight;
    addRow(items, -1, y, true);
    y += kRowHeight;
    for (int i = p.first; i < p.first + p.count; ++i, y += kRowHeight)
        addRow(items, i, y, false);
    if (p.end)
        addBand(items, *m_reportFooter, y, -1, page);
    addBand(items, *m_pageFooter, m_bottom - m_pageFooter->height(), -1, page);
    return items;
}

void MissingReport::addRow(QVector<ReportItem>& items, int row, double top, bool heads) const {
    auto add = [&](ReportItem::Kind kind, const QString& control, QRectF rect, const QString& text,
                   const QFont& font, const QColor& colour) {
        ReportItem item;
        item.kind = kind;
        item.section = QStringLiteral("Missing");
        item.control = control;
        item.record = row;
        item.rect = rect.translated(m_left, top);
        item.font = font;
        item.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        item.color = colour;
        item.text = fitted(text, font, rect.width());
        items.push_back(std::move(item));
    };
    QStringList texts;
    if (heads) {
        for (const Column& c : kColumns)
            texts << QCoreApplication::translate("kbs::MissingReport", c.name);
        add(ReportItem::Kind::Line, QStringLiteral("Rule"), {0, kRowHeight - 20, BandWidth, 0}, {},
            reportFont(9, false), kRuleGrey);
    } else {
        const checklists::Entry& e = m_missing[size_t(row)];
        texts << e.number << e.name << e.year << e.color << singleLine(e.notes);
        if (row % 2 == 1)
            add(ReportItem::Kind::Box, QStringLiteral("Stripe"), {0, 0, BandWidth, kRowHeight}, {},
                reportFont(9, false), kStripe);
    }
    for (size_t i = 0; i < std::size(kColumns); ++i) {
        const Column& c = kColumns[i];
        add(ReportItem::Kind::Text, QString::fromLatin1(c.name),
            {c.x + 60, 0, c.width - 60, kRowHeight}, texts[qsizetype(i)], reportFont(9, heads),
            heads ? kCaptionColour : QColor(Qt::black));
    }
}

}  // namespace kbs
