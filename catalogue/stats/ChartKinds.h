#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "Amounts.h"
#include "Statistics.h"

// The charts of the statistics window and of its report, in one table: each kind has its
// name, its shape and a function that gives its numbers from the statistics of the records
// shown. A new chart is one more entry and its function.
namespace kbs::stats {

// The numbers of one chart: a table of named rows and of columns, each column one series of
// the chart (bars, a pie's slices, or a line over the rows).
struct ChartData {
    enum class Shape { Bars, Pie, Lines };
    struct Column {
        QString name;
        bool money = false;       // amounts; otherwise counts
        bool secondAxis = false;  // lines: on a scale of its own, at the right
        std::vector<amounts::Sum> values;
    };
    Shape shape = Shape::Bars;
    QString title;
    QString rowHeading;  // the table's first heading
    QStringList rows;
    std::vector<Column> columns;

    // A cell as the table shows it, in the locale's form.
    QString cell(size_t column, size_t row) const;
    // A cell as the chart draws it: an amount in whole units.
    double plotted(size_t column, size_t row) const;
};

struct ChartKind {
    const char* key;   // the report's section and the file name offered
    const char* name;  // as the collector reads it, in the context "kbs::stats"
    bool byField;      // grouped by the field chosen
    ChartData (*data)(const Statistics& statistics, const By& by);
};

// The chart kinds in the order the window offers them.
const std::vector<ChartKind>& chartKinds();

// What the charts are of, and what could not be read: "1,234 records shown; 12 values not read
// as amounts."
QString recordsNote(const Statistics& statistics);

// The name of the group of records without a value: "(Empty)".
QString emptyGroupName();
// A field's name in the program's language.
QString fieldName(const collection::GroupField& field);
QString fieldName(const By& by);

}  // namespace kbs::stats
