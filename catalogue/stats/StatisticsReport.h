#pragma once

#include <vector>

#include "ChartKinds.h"
#include "GroupFields.h"
#include "PagedReport.h"

namespace kbs {

// The "Statistics" report: every chart of the statistics window, each on a page of its own
// with its table of numbers below it, for the records the window counted.
class StatisticsReport : public PagedReport {
    Q_OBJECT
public:
    explicit StatisticsReport(QObject* parent = nullptr);

    // Takes the charts of these statistics, grouped by `field` where a chart is by field.
    void open(const stats::Statistics& statistics, const collection::GroupField& field,
              const QString& catalogueFile);

    std::optional<std::vector<std::int64_t>> recordIds() const override { return m_ids; }
    int pageCount() const override { return static_cast<int>(m_pages.size()); }
    // A chart's items name its kind's key as their section; a table row's record is its row.
    QVector<ReportItem> pageItems(int page) const override;

    // The chart's picture on the page, in the points it is drawn in (at two pixels each).
    static constexpr int PictureWidth = 640;
    static constexpr int PictureHeight = 360;

protected:
    void layOut() override;
    void release() override;

private:
    struct Chart {
        QString key;
        QString note;
        stats::ChartData data;
        QImage picture;
    };
    struct Line {
        enum Kind { Title, Picture, Heads, Row, Note, End };
        Kind kind;
        int chart;
        int row;
        double top;
    };
    struct Page {
        size_t first = 0;
        size_t count = 0;
        bool reportHeader = false;
    };
    void addLineItems(QVector<ReportItem>& items, const Line& line) const;

    std::vector<Chart> m_charts;
    std::vector<std::int64_t> m_ids;
    std::vector<Line> m_lines;
    std::vector<Page> m_pages;
};

}  // namespace kbs
