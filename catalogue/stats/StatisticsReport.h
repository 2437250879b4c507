#pragma once

#include <vector>

#include "ChartKinds.h"
#include "GroupFields.h"
#include "PagedReport.h"

namespace kbs {

// The "Statistics" report: every chart of the statistics window, each on a page of its own
// with its table of numbers below it, for the records the window counted.
class StatisticsReport : public LinedReport {
    Q_OBJECT
public:
    explicit StatisticsReport(QObject* parent = nullptr);

    // Takes the charts of these statistics, grouped by `field` where a chart is by field.
    void open(const stats::Statistics& statistics, const stats::By& field,
              const QString& catalogueFile);

    std::optional<std::vector<std::int64_t>> recordIds() const override { return m_ids; }
    // A chart's items name its kind's key as their section; a table row's record is its row.

    // The chart's picture on the page, in the points it is drawn in (at two pixels each).
    static constexpr int PictureWidth = 640;
    static constexpr int PictureHeight = 360;

protected:
    void layOut() override;
    void release() override;
    // A line's table is its chart.
    void addLineItems(QVector<ReportItem>& items, const Line& line) const override;

private:
    struct Chart {
        QString key;
        QString note;
        stats::ChartData data;
        QImage picture;
    };
    std::vector<Chart> m_charts;
    std::vector<std::int64_t> m_ids;
};

}  // namespace kbs
