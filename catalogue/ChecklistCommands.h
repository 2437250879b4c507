#pragma once

#include <QKeySequence>
#include <QObject>

class QMenu;

namespace kbs {

class CatalogueSession;
class ChecklistsWindow;
class FilterBar;
class frmMain;

// Help > "Checklists…" in the catalogue window: the series checklists' window, not modal,
// which shows the catalogue window's records, adds records to it and takes them out again,
// and narrows its grid to one checklist's records through the filter.
class ChecklistCommands : public QObject {
    Q_OBJECT
public:
    static inline const QKeySequence Key{Qt::CTRL | Qt::Key_K};

    ChecklistCommands(frmMain& window, CatalogueSession& session, QMenu& helpMenu,
                      FilterBar& filter);

    void show();
    ChecklistsWindow* checklistsWindow() const { return m_checklists; }
    // The catalogue is closed: the window, which asks the session of the catalogue it was
    // opened on, goes with it.
    void forget();

private:
    frmMain& m_window;
    CatalogueSession& m_session;
    FilterBar& m_filter;
    ChecklistsWindow* m_checklists = nullptr;
};

}  // namespace kbs
