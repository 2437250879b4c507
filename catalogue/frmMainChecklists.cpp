// The Checklists window and what it asks of the catalogue window: showing a record, taking
// in the records it adds and letting go of those it takes out again.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "AppError.h"
#include "ChecklistsWindow.h"
#include "DetailPanel.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "RecordFilter.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

QKeySequence frmMain::checklistsKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_K);
}

void frmMain::addChecklistsEntry() {
    QToolButton* help = toolbarButton(QStringLiteral("Help"));
    if (!help || !help->menu())
        return;
    QAction* a = help->menu()->addAction(tr("Checklists…"));
    a->setObjectName(QStringLiteral("Checklists"));
    a->setShortcut(checklistsKey());
    addAction(a);  // its key works wherever the focus is
    connect(a, &QAction::triggered, this, &frmMain::showChecklists);
}

void frmMain::showChecklists() {
    if (!m_session.isOpen())
        return;
    if (!m_checklists) {
        m_checklists = new ChecklistsWindow(
            m_session, [this] { return editing(); }, this);
        connect(m_checklists, &ChecklistsWindow::showRecord, this, &frmMain::showListedRecord);
        connect(m_checklists, &ChecklistsWindow::recordsAdded, this, &frmMain::takeInRecords);
        connect(m_checklists, &ChecklistsWindow::recordsRemoved, this, &frmMain::letGoOfRecords);
        connect(m_checklists, &ChecklistsWindow::showOnly, this,
                [this](const QString& name, const std::vector<std::int64_t>&) {
                    FilterBar1->edit()->setText(
                        QStringLiteral("%1:\"%2\"").arg(RecordFilter::checklistWord(), name));
                });
    } else {
        m_checklists->refresh();
    }
    m_checklists->show();
    m_checklists->raise();
    m_checklists->activateWindow();
}

void frmMain::forgetChecklistsWindow() {
    delete m_checklists;  // it asks the session of the catalogue it was opened on
    m_checklists = nullptr;
}

void frmMain::showListedRecord(qint64 id) {
    if (!rs || editing())
        return;
    GetInfo(QString::number(id));
    markShownRow(*FG1);
}

void frmMain::takeInRecords(const std::vector<std::int64_t>& ids) {
    if (!rs)
        return;
    for (const std::int64_t id : ids) {
        const ShownRecordGuard onShown(*this, *rs);
        try {
            showRowChange(RowChange::Added, rs->reinsert(id));
        } catch (const AppError&) {
            PopulateFlexGrid(*FG1, *rs, true);
        }
    }
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
}

// The records go as a delete takes them, so that one changed since is still among the
// recently deleted.
void frmMain::letGoOfRecords(const std::vector<std::int64_t>& ids) {
    if (!rs)
        return;
    bool shownGone = false;
    for (const std::int64_t id : ids) {
        const ShownRecordGuard back(*this, *rs);
        try {
            rs->setBookmark(id);
            const RecordSet::Slot slot = rs->currentSlot();
            rs->deleteCurrent();
            rs->update();
            if (m_shown && *m_shown == id) {
                m_shown.reset();
                shownGone = true;
            }
            showRowChange(RowChange::Deleted, slot);
        } catch (const AppError&) {
            // deleted meanwhile: nothing to take out
        }
    }
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
    if (shownGone && !holdsNoRecord(false)) {
        resumeNext([&] { rs->moveFirst(); });
        resumeNext([&] { Update_Display(); });
        markShownRow(*FG1);
    } else if (shownGone) {
        Clear_Display();
    }
}

}  // namespace kbs
