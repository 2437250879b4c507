#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kbs {

class FlexGrid;
class RecordSet;

// The record grid's controller: the fill from a record set, the column widths, the sort by a
// heading and the grid's own events. What a chosen row or heading means is the window's: the
// controller says which by its signals.
class RecordGrid : public QObject {
    Q_OBJECT
public:
    RecordGrid(FlexGrid& grid, QObject* parent);

    // The grid lists every record of rs, in its order, reading the record set's own texts.
    // False when rs holds none.
    static bool fill(FlexGrid& FlexGrid, RecordSet& rs, bool Header);
    static void size(FlexGrid& FlexGrid);
    static void sort(QWidget& TheForm, FlexGrid& FlexGrid, int ClickCol, int SortCol);

    // The grid's event handlers.
    void FG1_Click();
    void FG1_SelChange();
    void FG1_EnterCell();

Q_SIGNALS:
    void headingClicked(int col);
    // The row of the record with this ID became the current one.
    void rowChosen(const QString& id);

private:
    FlexGrid& FG1;
};

}  // namespace kbs
