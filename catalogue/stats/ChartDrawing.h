#pragma once

#include <QImage>
#include <QSize>

class QChart;

namespace kbs::stats {

struct ChartData;

// The most bars a chart draws; the table beside it lists every row.
inline constexpr int MaxBars = 30;

// A chart of the numbers, as the window shows it and the report prints it.
QChart* makeChart(const ChartData& data);
// The chart drawn on a white picture of this size, with `scale` pixels for each.
QImage chartImage(const ChartData& data, QSize size, double scale);

}  // namespace kbs::stats
