#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace kbs {

class FlexGrid;

// Which of the grid's columns show and in which order, as the collector chose it: hidden and
// moved from the headings' menu, by dragging a heading, or in the Columns window; remembered
// in the settings store between starts. Until the collector changes them the grid shows the
// described columns in their described order and a collector's own field only when asked.
// The columns stay where the model has them: only the headings' order and visibility change,
// so every lookup by column number is the same as before.
class GridColumns : public QObject {
    Q_OBJECT
public:
    struct Column {
        int col = 0;   // the model's column
        QString key;   // what the settings store knows it by
        QString name;  // as the heading shows it, without a sort mark
        bool shown = true;
    };

    GridColumns(FlexGrid& grid, QWidget& window);

    static QKeySequence key() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }
    // The View menu's entry: "Columns…".
    QAction* columnsAction() const { return m_action; }

    // The columns a person can show, in the grid's order (the hidden ID column left out).
    std::vector<Column> columns() const;
    // Shows these columns in this order, hiding the others of the list, and remembers it.
    void setColumns(const std::vector<Column>& columns);
    void setShown(int col, bool shown);
    // Moves a column one place to the left (-1) or right (+1) among those shown.
    void move(int col, int step);
    // Back to the described columns in their described order.
    void restoreDescribed();
    // Shows the remembered choice again: after a fill and the column widths, and when the
    // grid gained columns.
    void apply();
    // Columns after the described ones (a collector's own fields): their key and name.
    void setExtraColumns(std::function<QString(int col)> key, std::function<QString(int col)> name);

    void showDialog();
    FlexGrid& grid() const { return m_grid; }

private:
    void headingMenu(const QPoint& at);
    void sectionMoved();
    void remember();
    QString keyOf(int col) const;
    QString nameOf(int col) const;
    bool isExtra(int col) const;

    FlexGrid& m_grid;
    QWidget& m_window;
    QAction* m_action = nullptr;
    std::function<QString(int)> m_extraKey;
    std::function<QString(int)> m_extraName;
    bool m_applying = false;
    int m_appliedCols = -1;
};

}  // namespace kbs
