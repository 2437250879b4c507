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

StatisticsReport::StatisticsReport(QObject* parent) : LinedReport(parent) {
    addCommonSections();
    setCaption(QCoreApplication::translate("kbs::stats", "Report -- Statistics"));
    setPageSize(QPageSize(QPageSize::Letter));
}

void StatisticsReport::open(const stats::Statistics& statistics, const stats::By& field,
                            const QString& catalogueFile) {
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
    Layout layout(*this);
    for (int chart = 0; chart < int(m_charts.size()); ++chart) {
        if (layout.pageUsed())
            layout.newPage();
        layout.place(Line::Title, chart, -1, kTitleHeight);
        layout.place(Line::Picture, chart, -1, kPictureHeight);
        layout.place(Line::Note, chart, -1, kNoteHeight);
        layout.place(Line::Heads, chart, -1, kHeadsHeight);
        const int rows = int(m_charts[size_t(chart)].data.rows.size());
        for (int row = 0; row < rows; ++row) {
            if (!layout.fits(kRowHeight)) {
                layout.newPage();
                layout.place(Line::Heads, chart, -1, kHeadsHeight);
            }
            layout.place(Line::Row, chart, row, kRowHeight);
        }
    }
    layout.end();
    Q_EMIT changed();
}

void StatisticsReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    const Chart& chart = m_charts[size_t(line.table)];
    const stats::ChartData& d = chart.data;
    auto add = [&](ReportItem::Kind kind, const QString& control, QRectF rect, const QString& text,
                   const QFont& font, int alignment, const QColor& color) -> ReportItem& {
        items.push_back(lineItem(kind, chart.key, control, line.row, rect, line.top, text, font,
                                 alignment, color));
        return items.back();
    };
    switch (line.kind) {
        case Line::Title:
            addTitle(items, chart.key, line, d.title);
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
        addHeadsRule(items, chart.key, line, kHeadsHeight);
    } else {
        texts << d.rows[line.row];
        for (size_t c = 0; c < d.columns.size(); ++c)
            texts << d.cell(c, size_t(line.row));
        addStripe(items, chart.key, line, kRowHeight);
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
