#include "StatisticsReport.h"

#include <QCoreApplication>
#include <algorithm>

#include "ChartDrawing.h"

namespace kbs {

namespace {

constexpr double kTitleHeight = 420;
constexpr double kPictureHeight = 5300;  // twips; the width is the band's
constexpr double kHeadsHeight = 300;
constexpr double kRowHeight = 250;
constexpr double kNoteHeight = 300;
constexpr double kNumberWidth = 1700;
constexpr double kPad = 80;

}  // namespace

StatisticsReport::StatisticsReport(QObject* parent) : PagedReport(parent) {
    addCommonSections();
    setCaption(QCoreApplication::translate("kbs::stats", "Report -- Statistics"));
    setPageSize(QPageSize(QPageSize::Letter));
}

void StatisticsReport::open(const stats::Statistics& statistics,
                            const collection::GroupField& field, const QString& catalogueFile) {
    m_charts.clear();
    const QString note = stats::recordsNote(statistics);
    for (const auto& kind : stats::chartKinds()) {
        Chart c{QString::fromLatin1(kind.key), note, kind.data(statistics, field), {}};
        c.picture = stats::chartImage(c.data, QSize(PictureWidth, PictureHeight), 2);
        m_charts.push_back(std::move(c));
    }
    m_ids = statistics.ids();
    setCatalogueFile(catalogueFile);
    layOut();
}

void StatisticsReport::release() {
    m_charts.clear();
    m_ids.clear();
    layOut();
}

// Each chart begins a page: its title, its picture, what the numbers are of, then its table,
// whose column heads come again on every page it goes on to.
void StatisticsReport::layOut() {
    m_lines.clear();
    m_pages.clear();
    const double footerTop = m_bottom - m_pageFooter->height();
    Page page;
    page.reportHeader = true;
    double y = m_top + m_reportHeader->height() + m_pageHeader->height();
    auto newPage = [&] {
        page.count = m_lines.size() - page.first;
        m_pages.push_back(page);
        page = Page{};
        page.first = m_lines.size();
        y = m_top + m_pageHeader->height();
    };
    auto place = [&](Line::Kind kind, int chart, int row, double height) {
        m_lines.push_back({kind, chart, row, y});
        y += height;
    };
    for (int chart = 0; chart < int(m_charts.size()); ++chart) {
        if (m_lines.size() > page.first)
            newPage();
        place(Line::Title, chart, -1, kTitleHeight);
        place(Line::Picture, chart, -1, kPictureHeight);
        place(Line::Note, chart, -1, kNoteHeight);
        place(Line::Heads, chart, -1, kHeadsHeight);
        const int rows = int(m_charts[size_t(chart)].data.rows.size());
        for (int row = 0; row < rows; ++row) {
            if (y + kRowHeight > footerTop) {
                newPage();
                place(Line::Heads, chart, -1, kHeadsHeight);
            }
            place(Line::Row, chart, row, kRowHeight);
        }
    }
    if (m_lines.size() > page.first && y + m_reportFooter->height() > footerTop)
        newPage();
    place(Line::End, -1, -1, m_reportFooter->height());
    newPage();
    Q_EMIT changed();
}

QVector<ReportItem> StatisticsReport::pageItems(int page) const {
    if (page < 1 || page > pageCount())
        return {};
    const Page& p = m_pages[size_t(page - 1)];
    return framedPage(page, p.reportHeader, [&](QVector<ReportItem>& items) {
        for (size_t i = p.first; i < p.first + p.count; ++i) {
            const Line& line = m_lines[i];
            if (line.kind == Line::End)
                addBand(items, *m_reportFooter, line.top, -1, page);
            else
                addLineItems(items, line);
        }
    });
}

void StatisticsReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    const Chart& chart = m_charts[size_t(line.chart)];
    const stats::ChartData& d = chart.data;
    auto add = [&](ReportItem::Kind kind, const QString& control, QRectF rect, const QString& text,
                   const QFont& font, int alignment, const QColor& color) -> ReportItem& {
        ReportItem item;
        item.kind = kind;
        item.section = chart.key;
        item.control = control;
        item.record = line.row;
        item.rect = rect.translated(m_left, line.top);
        item.font = font;
        item.alignment = alignment | Qt::AlignVCenter;
        item.color = color;
        item.text = text.isEmpty() ? text : fitted(text, font, rect.width());
        items.push_back(std::move(item));
        return items.back();
    };
    switch (line.kind) {
        case Line::Title:
            add(ReportItem::Kind::Text, QStringLiteral("Title"), {0, 60, BandWidth, 330}, d.title,
                reportFont(11, true), Qt::AlignLeft, Qt::black);
            return;
        case Line::Picture:
            add(ReportItem::Kind::Picture, QStringLiteral("Chart"),
                {0, 0, BandWidth, BandWidth * PictureHeight / PictureWidth}, {},
                reportFont(9, false), 0, Qt::black)
                .picture = chart.picture;
            return;
        case Line::Note:
            add(ReportItem::Kind::Text, QStringLiteral("Note"), {0, 0, BandWidth, kNoteHeight},
                chart.note, reportFont(9, false), Qt::AlignLeft, CaptionColour);
            return;
        default:
            break;
    }
    const bool heads = line.kind == Line::Heads;
    const double numbers = kNumberWidth * double(d.columns.size());
    const double nameWidth = BandWidth - numbers;
    QStringList texts;
    if (heads) {
        texts << d.rowHeading;
        for (const auto& c : d.columns)
            texts << c.name;
        add(ReportItem::Kind::Line, QStringLiteral("Rule"), {0, kHeadsHeight - 20, BandWidth, 0},
            {}, reportFont(9, false), 0, RuleGrey);
    } else {
        texts << d.rows[line.row];
        for (size_t c = 0; c < d.columns.size(); ++c)
            texts << d.cell(c, size_t(line.row));
        if (line.row % 2 == 1)
            add(ReportItem::Kind::Box, QStringLiteral("Stripe"), {0, 0, BandWidth, kRowHeight}, {},
                reportFont(9, false), 0, Stripe);
    }
    const QFont font = reportFont(9, heads);
    const QColor colour = heads ? CaptionColour : QColor(Qt::black);
    add(ReportItem::Kind::Text, QStringLiteral("Name"), {60, 0, nameWidth - 60, kRowHeight},
        texts[0], font, Qt::AlignLeft, colour);
    for (size_t c = 0; c < d.columns.size(); ++c) {
        const double x = nameWidth + kNumberWidth * double(c);
        add(ReportItem::Kind::Text, QStringLiteral("Column%1").arg(c + 1),
            {x, 0, kNumberWidth - kPad, kRowHeight}, texts[qsizetype(c) + 1], font, Qt::AlignRight,
            colour);
    }
}

}  // namespace kbs
