// The filter bar: the grid shows the records it lets through, the status bar how many, and
// the detail panel the first of them.
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AccessibleText.h"
#include "AppError.h"
#include "CastingCommands.h"
#include "DetailPanel.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "RecordFilter.h"
#include "ReportCommands.h"
#include "StatisticsWindow.h"
#include "frmMain.h"

namespace kbs {

void frmMain::filterChanged() {
    // The records each checklist holds, read only for a filter that names a checklist.
    RecordFilter::Checklists held;
    if (RecordFilter::hasChecklistWord(FilterBar1->text()) && m_session.isOpen()) {
        try {
            for (const auto& [name, ids] : m_session.heldByChecklists())
                held.insert(RecordFilter::checklistKey(name), ids);
        } catch (const AppError&) {
            // unreadable checklists hold nothing
        }
    }
    RecordFilter filter = RecordFilter::parse(FilterBar1->text(), FilterBar1->statuses(), held,
                                              ownwords::of(m_session));
    if (FilterBar1->duplicatesOnly())
        filter.keepOnly(m_castingCommands->duplicateMarks());
    FG1->model().setFilter(filter);
}

// A new result: in browse mode the panel shows its first record; while a record is being
// added or edited the panel keeps it, and so it does when nothing matches or the filter is
// cleared. The grid's current row is then the row of the record shown, if it is listed.
void frmMain::filterApplied() {
    const FlexGridModel& model = FG1->model();
    const bool browsing = m_panel->locked() && !bAddingNew && !cmdSave->isVisible();
    if (browsing && model.isFiltered() && model.rowCount() > 0 && rs) {
        FG1->setRowQuietly(FG1->fixedRows());
        GetInfo(FG1->textMatrix(FG1->fixedRows(), 0));
    }
    markShownRow(*FG1);
    showFilterState();
}

void frmMain::showFilterState() {
    const FlexGridModel& model = FG1->model();
    if (!m_noMatch) {
        m_noMatch = new QLabel(FilterBar::noMatchText(), FG1->viewport());
        m_noMatch->setObjectName(QStringLiteral("lblNoMatch"));
        m_noMatch->setAlignment(Qt::AlignCenter);
        m_noMatch->setWordWrap(true);
        auto* place = new QVBoxLayout(FG1->viewport());
        place->addWidget(m_noMatch);
    }
    m_noMatch->setVisible(model.isFiltered() && !model.isFiltering() && model.rowCount() == 0);
    const QString text =
        !model.isFiltered() ? m_statusText
        : model.isFiltering()
            ? FilterBar::countingText(qsizetype(model.rowCount()))
            : FilterBar::countText(qsizetype(model.rowCount()), qsizetype(model.recordTotal()));
    showAccessibleText(*statusPanel, text, mainText::StatusName);
    if (!model.isFiltering())
        m_reports->recordsChanged();
}

}  // namespace kbs
