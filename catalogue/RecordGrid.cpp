// The record grid's controller: fill, column widths, sort and the grid's events.
#include "RecordGrid.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <optional>

#include "AppError.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "RecordSet.h"

namespace kbs {

namespace {

// The grid's headings are the columns' names; a translated program shows them in its language.
[[maybe_unused]] constexpr const char* kHeadings[] = {
    QT_TRANSLATE_NOOP("kbs::grid", "ID"),
    QT_TRANSLATE_NOOP("kbs::grid", "Description"),
    QT_TRANSLATE_NOOP("kbs::grid", "Year"),
    QT_TRANSLATE_NOOP("kbs::grid", "Number"),
    QT_TRANSLATE_NOOP("kbs::grid", "Series"),
    QT_TRANSLATE_NOOP("kbs::grid", "Car_Cond"),
    QT_TRANSLATE_NOOP("kbs::grid", "Wheel_Type"),
    QT_TRANSLATE_NOOP("kbs::grid", "Box_Type"),
    QT_TRANSLATE_NOOP("kbs::grid", "Box_Cond"),
    QT_TRANSLATE_NOOP("kbs::grid", "Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Quantity"),
    QT_TRANSLATE_NOOP("kbs::grid", "Location"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purchase"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purch_Date"),
    QT_TRANSLATE_NOOP("kbs::grid", "List_Price"),
    QT_TRANSLATE_NOOP("kbs::grid", "Value"),
    QT_TRANSLATE_NOOP("kbs::grid", "Value_Date"),
    QT_TRANSLATE_NOOP("kbs::grid", "Status"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purch_From"),
    QT_TRANSLATE_NOOP("kbs::grid", "Base_Name"),
    QT_TRANSLATE_NOOP("kbs::grid", "Interior_Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Version_Number"),
    QT_TRANSLATE_NOOP("kbs::grid", "Base_Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Notes"),
    QT_TRANSLATE_NOOP("kbs::grid", "twenty"),
};

QString heading(const QString& columnName) {
    return QCoreApplication::translate("kbs::grid", columnName.toUtf8().constData());
}

}  // namespace

RecordGrid::RecordGrid(FlexGrid& grid, QObject* parent) : QObject(parent), FG1(grid) {
    connect(&FG1, &FlexGrid::Click, this, &RecordGrid::FG1_Click);
    connect(&FG1, &FlexGrid::SelChange, this, &RecordGrid::FG1_SelChange);
    connect(&FG1, &FlexGrid::EnterCell, this, &RecordGrid::FG1_EnterCell);
}

bool RecordGrid::fill(FlexGrid& FlexGrid, RecordSet& rs, bool Header) {
    if (rs.bof() && rs.eof())
        return false;
    const int cols = panel::GridColumns;
    FlexGrid.setFixedRows(Header ? 1 : 0);
    FlexGrid.setRows(int(rs.recordCount()) + (Header ? 1 : 0));
    FlexGrid.setCols(cols);
    FlexGrid.clear();
    if (Header) {
        for (int c = 0; c < cols; ++c)
            FlexGrid.setTextMatrix(0, c, heading(rs.fieldName(c)));
    }
    FlexGrid.model().showRecords(rs);
    return true;
}

void RecordGrid::size(FlexGrid& FlexGrid) {
    // The designed widths, wider where a heading in the program's language needs more room,
    // with its sort mark: no heading is cut.
    const QHeaderView& heads = *FlexGrid.horizontalHeader();
    const QFontMetrics metrics(heads.font());
    const int mark = std::max(metrics.horizontalAdvance(QLatin1Char('^')),
                              metrics.horizontalAdvance(QLatin1Char('v')));
    for (const auto& f : panel::fields) {
        if (f.gridWidth == panel::NotInGrid)
            continue;
        if (f.gridWidth >= 0)
            FlexGrid.setColWidth(f.position, f.gridWidth);
        const int needed = heads.sectionSizeHint(f.position) + mark;
        if (f.gridWidth != 0 && FlexGrid.columnWidth(f.position) < needed)
            FlexGrid.setColumnWidth(f.position, needed);
    }
}

void RecordGrid::sort(QWidget& TheForm, FlexGrid& FlexGrid, int ClickCol, int SortCol) {
    std::optional<AppError> failure;
    try {
        TheForm.setCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FlexGrid.setCol(SortCol);
        for (int c = 0; c < FlexGrid.cols(); ++c) {
            QString s = FlexGrid.textMatrix(0, c);
            const bool up = s.endsWith(QLatin1Char('^'));
            const bool down = s.endsWith(QLatin1Char('v'));
            if (up || down)
                s.chop(1);
            if (c == ClickCol) {
                if (up) {
                    FlexGrid.setTextMatrix(0, c, s + QLatin1Char('v'));
                    FlexGrid.setSort(2);
                } else {
                    FlexGrid.setTextMatrix(0, c, s + QLatin1Char('^'));
                    FlexGrid.setSort(1);
                }
            } else {
                FlexGrid.setTextMatrix(0, c, s);
            }
        }
    } catch (const AppError& e) {
        failure = e;
    } catch (const std::exception& e) {
        failure =
            AppError(err::OutOfMemory, QStringLiteral("SortFlex"), QString::fromUtf8(e.what()));
    }
    QApplication::restoreOverrideCursor();
    TheForm.unsetCursor();
    if (failure) {
        prompts().msgBox(
            QString::number(failure->number()) + QStringLiteral("\r\n") + failure->description(),
            mb::Critical | mb::OKOnly, mainText::SortErrorTitle);
    }
}

void RecordGrid::FG1_Click() {
    if (FG1.mouseRow() == 0) {
        Q_EMIT headingClicked(FG1.mouseCol());
    } else if (FG1.mouseRow() >= 1) {
        Q_EMIT rowChosen(FG1.textMatrix(FG1.mouseRow(), 0));
    }
}

void RecordGrid::FG1_SelChange() {
    if (FG1.row() != FG1.rowSel()) {
        FG1.setRow(FG1.rowSel());
        FG1.setCol(1);
        FG1.setColSel(FG1.cols() - 1);
    }
}

void RecordGrid::FG1_EnterCell() {
    Q_EMIT rowChosen(FG1.textMatrix(FG1.row(), 0));
}

}  // namespace kbs
