#pragma once

#include <QObject>
#include <vector>

#include "OwnFields.h"

class QAction;

namespace kbs {

class CatalogueSession;
class DetailPanel;
class FieldsWindow;
class FlexGrid;
class GridColumns;
class GroupPanel;
class OwnFieldsPart;
class frmMain;

// The collector's own fields in the catalogue window: the panel's part for them and the tags,
// Help's "Fields…" with the Fields window, and their columns in the grid's choice of columns.
class OwnFieldsCommands : public QObject {
    Q_OBJECT
public:
    OwnFieldsCommands(frmMain& window, CatalogueSession& session, DetailPanel& panel,
                      GridColumns& columns);

    OwnFieldsPart* part() const { return m_part; }
    QAction* fieldsAction() const { return m_action; }
    // Opens the Fields window (not while a record is being edited).
    void showFields();
    FieldsWindow* fieldsWindow() const { return m_fields; }
    // The group view offers the fields and the tags, and follows the fields' changes.
    void serveGroupView(GroupPanel& groups);
    // The IDs of the fields the grid shows as columns, in the grid's order.
    std::vector<std::int64_t> shownFieldIds() const;

private:
    void fieldsChanged();
    void showColumns(const std::vector<ownfields::Field>& fields);
    void relayout();

    frmMain& m_window;
    CatalogueSession& m_session;
    GridColumns& m_columns;
    OwnFieldsPart* m_part = nullptr;
    QAction* m_action = nullptr;
    FieldsWindow* m_fields = nullptr;
};

}  // namespace kbs
