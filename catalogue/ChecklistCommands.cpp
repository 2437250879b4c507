// Help > "Checklists…": the series checklists' window and what it asks of the catalogue window.
#include "ChecklistCommands.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "ChecklistsWindow.h"
#include "FilterBar.h"
#include "RecordFilter.h"
#include "frmMain.h"

namespace kbs {

ChecklistCommands::ChecklistCommands(frmMain& window, CatalogueSession& session, QMenu& helpMenu,
                                     FilterBar& filter)
    : QObject(&window), m_window(window), m_session(session), m_filter(filter) {
    QAction* a = helpMenu.addAction(tr("Checklists…"));
    a->setObjectName(QStringLiteral("Checklists"));
    a->setShortcut(Key);
    window.addAction(a);  // its key works wherever the focus is
    connect(a, &QAction::triggered, this, &ChecklistCommands::show);
}

void ChecklistCommands::show() {
    if (!m_session.isOpen())
        return;
    if (!m_checklists) {
        m_checklists = new ChecklistsWindow(
            m_session, [this] { return m_window.editing(); }, &m_window);
        connect(m_checklists, &ChecklistsWindow::showRecord, &m_window, &frmMain::showListedRecord);
        connect(m_checklists, &ChecklistsWindow::recordsAdded, &m_window, &frmMain::takeInRecords);
        connect(m_checklists, &ChecklistsWindow::recordsRemoved, &m_window,
                &frmMain::letGoOfRecords);
        connect(m_checklists, &ChecklistsWindow::showOnly, this,
                [this](const QString& name, const std::vector<std::int64_t>&) {
                    m_filter.edit()->setText(
                        QStringLiteral("%1:\"%2\"").arg(RecordFilter::checklistWord(), name));
                });
    } else {
        m_checklists->refresh();
    }
    m_checklists->show();
    m_checklists->raise();
    m_checklists->activateWindow();
}

void ChecklistCommands::forget() {
    delete m_checklists;
    m_checklists = nullptr;
}

}  // namespace kbs
