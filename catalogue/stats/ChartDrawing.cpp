#include "ChartDrawing.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>

#include "ChartKinds.h"

namespace kbs::stats {

namespace {

// The chart shows its texts as rich text: a group's name or a field's ("<b>Maker</b>") is
// shown as written.
QString plain(const QString& text) {
    return text.toHtmlEscaped();
}

QStringList plain(const QStringList& texts) {
    QStringList out;
    for (const QString& t : texts)
        out << plain(t);
    return out;
}

void addBars(QChart& chart, const ChartData& d) {
    const int shown = std::min(int(d.rows.size()), MaxBars);
    auto* series = new QBarSeries;
    double top = 0;
    double bottom = 0;  // below 0 where a value is worth less than was paid
    for (size_t c = 0; c < d.columns.size(); ++c) {
        auto* set = new QBarSet(plain(d.columns[c].name));
        for (int r = 0; r < shown; ++r) {
            const double v = d.plotted(c, size_t(r));
            *set << v;
            top = std::max(top, v);
            bottom = std::min(bottom, v);
        }
        series->append(set);
    }
    chart.addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(plain(d.rows.mid(0, shown)));
    if (shown > 6)
        categories->setLabelsAngle(-60);
    chart.addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(bottom * 1.05, top > 0 ? top * 1.05 : 1);
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->applyNiceNumbers();
    chart.addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    if (shown < d.rows.size()) {
        chart.setTitle(
            QCoreApplication::translate("kbs::stats", "%1 (the first %2 of %3; all in the table)")
                .arg(plain(d.title))
                .arg(shown)
                .arg(d.rows.size()));
    }
}

void addPie(QChart& chart, const ChartData& d) {
    auto* series = new QPieSeries;
    double all = 0;
    for (qsizetype r = 0; r < d.rows.size(); ++r)
        all += d.plotted(0, size_t(r));
    for (qsizetype r = 0; r < d.rows.size(); ++r) {
        const double v = d.plotted(0, size_t(r));
        series->append(QStringLiteral("%1 (%2 %)")
                           .arg(plain(d.rows[r]))
                           .arg(all > 0 ? v * 100 / all : 0, 0, 'f', 1),
                       v);
    }
    chart.addSeries(series);
}

// Lines over the months, the columns on one side sharing that side's scale.
void addLines(QChart& chart, const ChartData& d) {
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("yyyy"));
    chart.addAxis(time, Qt::AlignBottom);
    double top[2] = {0, 0};
    bool used[2] = {false, false};
    for (size_t c = 0; c < d.columns.size(); ++c) {
        const int side = d.columns[c].secondAxis ? 1 : 0;
        used[side] = true;
        for (qsizetype r = 0; r < d.rows.size(); ++r)
            top[side] = std::max(top[side], d.plotted(c, size_t(r)));
    }
    QValueAxis* scale[2] = {nullptr, nullptr};
    for (int side = 0; side < 2; ++side) {
        if (!used[side])
            continue;
        scale[side] = new QValueAxis;
        scale[side]->setMin(0);
        scale[side]->setMax(top[side] > 0 ? top[side] * 1.05 : 1);
        scale[side]->setLabelFormat(QStringLiteral("%.0f"));
        scale[side]->applyNiceNumbers();
        chart.addAxis(scale[side], side ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (size_t c = 0; c < d.columns.size(); ++c) {
        auto* line = new QLineSeries;
        line->setName(plain(d.columns[c].name));
        for (qsizetype r = 0; r < d.rows.size(); ++r) {
            const QDate month = QDate::fromString(d.rows[r], QStringLiteral("yyyy-MM"));
            line->append(double(month.startOfDay(Qt::UTC).toMSecsSinceEpoch()),
                         d.plotted(c, size_t(r)));
        }
        chart.addSeries(line);
        line->attachAxis(time);
        line->attachAxis(scale[d.columns[c].secondAxis ? 1 : 0]);
    }
}

}  // namespace

QChart* makeChart(const ChartData& data) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(plain(data.title));
    switch (data.shape) {
        case ChartData::Shape::Bars:
            addBars(*chart, data);
            break;
        case ChartData::Shape::Pie:
            addPie(*chart, data);
            break;
        case ChartData::Shape::Lines:
            addLines(*chart, data);
            break;
    }
    chart->legend()->setAlignment(data.shape == ChartData::Shape::Pie ? Qt::AlignRight
                                                                      : Qt::AlignBottom);
    return chart;
}

QImage chartImage(const ChartData& data, QSize size, double scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QGraphicsScene scene;
    QChart* chart = makeChart(data);  // the scene owns it
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), scene.sceneRect());
    return image;
}

}  // namespace kbs::stats
