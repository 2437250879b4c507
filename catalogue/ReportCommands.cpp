// The Report button's entries and the report windows.
#include "ReportCommands.h"

#include <QAction>
#include <QMenu>
#include <utility>

#include "AppError.h"
#include "CastingList.h"
#include "CatalogueSession.h"
#include "DataReport.h"
#include "FilterBar.h"
#include "MainTexts.h"
#include "Prompts.h"
#include "StatisticsWindow.h"
#include "TotalsReport.h"

namespace kbs {

ReportCommands::ReportCommands(QObject* parent, CatalogueSession& session, DataReport* data,
                               TotalsReport* totals,
                               std::function<std::vector<std::int64_t>()> shownIds)
    : QObject(parent),
      m_session(session),
      DataReport1(data),
      TotalsReport1(totals),
      m_shownIds(std::move(shownIds)) {}

void ReportCommands::addStatisticsEntry(QWidget& window, QMenu& reportMenu) {
    m_window = &window;
    reportMenu.addSeparator();
    QAction* a = reportMenu.addAction(tr("Statistics…"));
    a->setObjectName(QStringLiteral("Statistics"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    window.addAction(a);  // its key works wherever the focus is
    connect(a, &QAction::triggered, this, &ReportCommands::showStatistics);
}

void ReportCommands::showStatistics() {
    if (!m_statistics)
        m_statistics = new StatisticsWindow(m_session, m_shownIds, m_window);
    m_statistics->show();
    m_statistics->raise();
    m_statistics->activateWindow();
}

void ReportCommands::recordsChanged() {
    if (m_statistics)
        m_statistics->recordsChanged();
}

bool ReportCommands::choose(const QString& text) {
    m_duplicatesLast = text == CastingList::duplicatesEntry() && m_duplicateIds;
    if (m_duplicatesLast) {
        m_shownLast = false;
        m_totalsLast = false;
        showDuplicates();
        return true;
    }
    if (text == FilterBar::shownReportEntry()) {
        m_shownLast = true;
        m_totalsLast = false;
        showShown();
        return true;
    }
    for (const auto& r : mainText::ReportEntries) {
        if (text != QLatin1String(r.text))
            continue;
        m_shownLast = false;
        m_totalsLast = !r.condition;
        if (m_totalsLast) {
            TotalsReport1->setCaption(mainText::translate(r.caption));
            showTotals();
        } else {
            m_reportQuery = DataReport::query() + QLatin1String(r.condition);
            showReport(m_reportQuery, mainText::translate(r.caption));
        }
        return true;
    }
    return false;
}

// The button itself: the last report entry chosen, under the caption it had.
void ReportCommands::showLast() {
    if (m_duplicatesLast)
        showDuplicates();
    else if (m_shownLast)
        showShown();
    else if (m_totalsLast)
        showTotals();
    else
        showReport(m_reportQuery, QString());
}

void ReportCommands::showReport(const QString& query, const QString& caption,
                                const std::vector<std::int64_t>* only) {
    if (!m_session.isOpen())
        return;
    try {
        DataReport1->openDataSource(m_session.connection(),
                                    query.isEmpty() ? DataReport::query() : query, only);
        DataReport1->setDataMember(QString());
        if (!caption.isEmpty())
            DataReport1->setCaption(caption);
        TotalsReport1->unload();  // one report window at a time
        DataReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// The totals read the catalogue anew each time they are shown.
void ReportCommands::showTotals() {
    if (!m_session.isOpen())
        return;
    try {
        TotalsReport1->open(m_session.connection());
        DataReport1->unload();
        TotalsReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// The records the grid shows, in its order, as the report of all records lays them out.
void ReportCommands::showShown() {
    const std::vector<std::int64_t> ids = m_shownIds();
    showReport(DataReport::query(), FilterBar::shownReportCaption(), &ids);
}

// The collector's trade list: each model's duplicates together, as the report of all records
// lays them out.
void ReportCommands::showDuplicates() {
    const std::vector<std::int64_t> ids = m_duplicateIds();
    showReport(DataReport::query(), CastingList::duplicatesCaption(), &ids);
}

}  // namespace kbs
