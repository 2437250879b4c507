#pragma once

#include <QDialog>
#include <vector>

#include "GridColumns.h"

class QListWidget;
class QPushButton;

namespace kbs {

// The Columns window: every column of the grid in its order, ticked when shown; moved up and
// down with its buttons (or Ctrl+Up, Ctrl+Down), shown and hidden with the space bar. OK
// takes the list as it is; "Described columns" goes back to the described ones.
class ColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ColumnsDialog(const std::vector<GridColumns::Column>& columns, QWidget* parent);

    std::vector<GridColumns::Column> columns() const;
    bool describedChosen() const { return m_described; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveCurrent(int step);
    void updateButtons();

    std::vector<GridColumns::Column> m_columns;
    QListWidget* m_list = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    bool m_described = false;
};

}  // namespace kbs
