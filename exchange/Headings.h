#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "Collection.h"

namespace kbs::exchange {

// What the columns are called outside the program: the heading a spreadsheet's column (or a
// Tellico field) gets, and the further headings an import takes for it, in any case. The
// columns' labels give them (exchange::columnHeadings());
// without them a column is known by its name only.
struct Headings {
    std::array<QString, collection::ColumnCount> shown;
    std::array<QStringList, collection::ColumnCount> also;

    // The heading of the column at `position`: its shown one, or its name.
    QString heading(int position) const;
    // The column a heading stands for (its name or any heading, in any case), or -1.
    int positionOf(const QString& heading) const;
    // Every heading an import takes for each column, one line a column:
    // "Description: Model, Modell, ...".
    QStringList listing() const;
    // The first `count` columns' headings, for a message: "ID, Description, Year, ...".
    QString firstFew(int count) const;
};

}  // namespace kbs::exchange
