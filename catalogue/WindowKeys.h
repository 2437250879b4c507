#pragma once

#include <QObject>

class QToolBar;
class QWidget;

namespace kbs {

class DetailPanel;
class FlexGrid;

// The catalogue window by keyboard: the keys of the commands press their buttons (the toolbar's
// and the panel's Save and Cancel), Delete in the grid deletes, the Help menu, Find Next and
// Find Previous, quitting, the toolbar's buttons from the keyboard with their menus, the keys
// named in the tool tips, and the value lists from their fields.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    WindowKeys(QWidget& window, QToolBar& toolbar, FlexGrid& grid, DetailPanel& panel);

Q_SIGNALS:
    void findNext(bool forward);  // F3, Shift+F3

private:
    DetailPanel& m_panel;
};

}  // namespace kbs
