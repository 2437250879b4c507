// The collector's own fields in the catalogue window.
#include "OwnFieldsCommands.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include "CatalogueSession.h"
#include "DetailPanel.h"
#include "FieldsWindow.h"
#include "FlexGrid.h"
#include "GridColumns.h"
#include "GroupPanel.h"
#include "OwnFieldsPart.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "frmMain.h"

namespace kbs {

OwnFieldsCommands::OwnFieldsCommands(frmMain& window, CatalogueSession& session, DetailPanel& panel,
                                     GridColumns& columns)
    : QObject(&window), m_window(window), m_session(session), m_columns(columns) {
    m_part = new OwnFieldsPart(session, *panel.notes(), window.centralWidget());
    panel.addPart(m_part);
    connect(m_part, &OwnFieldsPart::heightChanged, this, &OwnFieldsCommands::relayout);
    connect(m_part, &OwnFieldsPart::fieldsSynced, this, &OwnFieldsCommands::showColumns);

    m_action = new QAction(tr("Fields…"), this);
    m_action->setObjectName(QStringLiteral("Fields"));
    m_action->setShortcut(FieldsWindow::key());
    window.addAction(m_action);  // its key works wherever the focus is
    connect(m_action, &QAction::triggered, this, &OwnFieldsCommands::showFields);
    if (QToolButton* help = window.toolbarButton(QStringLiteral("Help")); help && help->menu()) {
        help->menu()->addSeparator();
        help->menu()->addAction(m_action);
    }
}

// The fields as columns of the grid, after the described ones: hidden until the collector
// shows them, and known to the choice of columns by their IDs.
void OwnFieldsCommands::showColumns(const std::vector<ownfields::Field>& fields) {
    FlexGridModel& model = m_columns.grid().model();
    QStringList names;
    for (const ownfields::Field& f : fields)
        names << f.name;
    m_columns.setExtraColumns(
        [&model](int col) { return QStringLiteral("field:%1").arg(model.ownFieldOfColumn(col)); },
        [names](int col) { return names.value(col - panel::GridColumns); });
    model.setOwnColumns(
        [this]() -> const ownfields::AllValues* {
            return m_session.isOpen() ? &m_session.allOwnValues() : nullptr;
        },
        fields);
}

void OwnFieldsCommands::serveGroupView(GroupPanel& groups) {
    groups.setOwnValuesSource([this]() -> const ownfields::AllValues* {
        return m_session.isOpen() ? &m_session.allOwnValues() : nullptr;
    });
    connect(m_part, &OwnFieldsPart::fieldsSynced, &groups, &GroupPanel::setOwnFields);
}

std::vector<std::int64_t> OwnFieldsCommands::shownFieldIds() const {
    const FlexGridModel& model = m_columns.grid().model();
    std::vector<std::int64_t> ids;
    for (const GridColumns::Column& c : m_columns.columns()) {
        if (c.shown && c.col >= panel::GridColumns &&
            c.col - panel::GridColumns < model.ownColumnCount())
            ids.push_back(model.ownFieldOfColumn(c.col));
    }
    return ids;
}

// The grid gives the part the room it takes; the focus stays where it was.
void OwnFieldsCommands::relayout() {
    if (!m_window.isVisible())
        return;
    QWidget* focus = m_window.focusWidget();
    m_window.Form_Resize();
    if (focus)
        focus->setFocus();
}

void OwnFieldsCommands::showFields() {
    if (!m_session.isOpen())
        return;
    if (m_window.editing()) {
        prompts().msgBox(tr("Save or cancel the record being edited first."),
                         mb::OKOnly | mb::Information, tr("Fields"));
        return;
    }
    if (m_fields) {
        m_fields->raise();
        m_fields->activateWindow();
        return;
    }
    m_fields = new FieldsWindow(m_session, &m_window);
    m_fields->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_fields, &FieldsWindow::fieldsChanged, this, &OwnFieldsCommands::fieldsChanged);
    connect(m_fields, &QObject::destroyed, this, [this] { m_fields = nullptr; });
    m_fields->open();
}

// The panel's part and the grid follow the fields; the record shown is shown again.
void OwnFieldsCommands::fieldsChanged() {
    m_part->syncFields();
    m_columns.apply();
    m_window.Update_Display();
}

}  // namespace kbs
