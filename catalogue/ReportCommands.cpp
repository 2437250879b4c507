// The Report button's entries and the report windows.
#include "ReportCommands.h"

#include <QAction>
#include <QMenu>
#include <utility>

#include "AppError.h"
#include "CastingList.h"
#include "CatalogueSession.h"
#include "DataReport.h"
#include "DuplicatesReport.h"
#include "FilterBar.h"
#include "MainTexts.h"
#include "OwnGroups.h"
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
    m_duplicatesLast =
        text == CastingList::duplicatesEntry() && m_fillDuplicates && DuplicatesReport1;
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
        // The records shown carry the grid's own columns; the other reports the described.
        setOwnLines(only && m_ownColumns ? m_ownColumns() : std::vector<std::int64_t>());
        DataReport1->openDataSource(m_session.connection(),
                                    query.isEmpty() ? DataReport::query() : query, only);
        DataReport1->setDataMember(QString());
        if (!caption.isEmpty())
            DataReport1->setCaption(caption);
        oneAtATime(DataReport1);
        DataReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// The fields' names now, and each record's value as the panel shows it; a field removed
// while the report is open prints nothing.
void ReportCommands::setOwnLines(const std::vector<std::int64_t>& fieldIds) {
    QStringList captions;
    std::vector<std::int64_t> ids;
    if (!fieldIds.empty()) {
        const ownfields::AllValues& all = m_session.allOwnValues();
        for (const std::int64_t id : fieldIds) {
            if (const auto at = ownfields::positionOf(all, id)) {
                captions << all.fields[*at].name;
                ids.push_back(id);
            }
        }
    }
    DataReport1->setExtraLines(captions, [this, ids](std::int64_t recordId, int line) {
        if (!m_session.isOpen())
            return QString();
        const ownfields::AllValues& all = m_session.allOwnValues();
        const auto at = ownfields::positionOf(all, ids[size_t(line)]);
        return at ? ownfields::display(all.fields[*at], all.valueOf(recordId, *at)) : QString();
    });
}

// The totals read the catalogue anew each time they are shown.
void ReportCommands::showTotals() {
    if (!m_session.isOpen())
        return;
    try {
        TotalsReport1->open(m_session.connection());
        oneAtATime(TotalsReport1);
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

// The collector's trade list: each model's duplicates together, in a table of their variations.
void ReportCommands::showDuplicates() {
    if (!m_session.isOpen())
        return;
    m_fillDuplicates(*DuplicatesReport1);
    DuplicatesReport1->setCaption(CastingList::duplicatesCaption());
    oneAtATime(DuplicatesReport1);
    DuplicatesReport1->show();
}

// One report window at a time: the others close.
void ReportCommands::oneAtATime(PagedReport* shown) {
    for (PagedReport* r :
         std::initializer_list<PagedReport*>{DataReport1, TotalsReport1, DuplicatesReport1}) {
        if (r && r != shown)
            r->unload();
    }
}

}  // namespace kbs
