#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;
#include <cstdint>
#include <functional>
#include <vector>

#include "DuplicatesReport.h"

namespace kbs {

class CatalogueSession;
class DataReport;
class PagedReport;
class TotalsReport;
class StatisticsWindow;

// The Report button's entries: a report of records, the totals, or the records the grid shows,
// each in its report window, one at a time. A report reads a record set of its own on the
// catalogue's connection, so the window's Record set, and the record on screen, stay as they
// are. The button itself shows the last entry chosen again.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    // `shownIds` gives the IDs of the records the grid shows, in its order.
    ReportCommands(QObject* parent, CatalogueSession& session, DataReport* data,
                   TotalsReport* totals, std::function<std::vector<std::int64_t>()> shownIds);

    // `fill` opens the Duplicates report on the duplicates as they are now.
    void setDuplicates(DuplicatesReport* report, std::function<void(DuplicatesReport&)> fill) {
        DuplicatesReport1 = report;
        m_fillDuplicates = std::move(fill);
    }

    // The Report menu's "Statistics…" (with its key, working anywhere in `window`), and the
    // window it opens, of the records shown, kept while the catalogue window lives.
    void addStatisticsEntry(QWidget& window, QMenu& reportMenu);
    void showStatistics();
    StatisticsWindow* statisticsWindow() const { return m_statistics; }
    void recordsChanged();  // the records shown changed: the statistics follow, when open

    // The IDs of the collector's own fields the grid shows as columns, in its order: the
    // report of the records shown prints them after the described fields.
    void setOwnColumns(std::function<std::vector<std::int64_t>()> shownFieldIds) {
        m_ownColumns = std::move(shownFieldIds);
    }

    // Shows the report of a Report entry; false when `text` names none.
    bool choose(const QString& text);
    void showLast();

private:
    void showReport(const QString& query, const QString& caption,
                    const std::vector<std::int64_t>* only = nullptr);
    void showShown();
    void setOwnLines(const std::vector<std::int64_t>& fieldIds);
    void showDuplicates();
    void showTotals();
    void oneAtATime(PagedReport* shown);

    CatalogueSession& m_session;
    QPointer<DataReport> DataReport1;
    QPointer<TotalsReport> TotalsReport1;
    QPointer<DuplicatesReport> DuplicatesReport1;
    std::function<std::vector<std::int64_t>()> m_shownIds;
    std::function<std::vector<std::int64_t>()> m_ownColumns;
    QString m_reportQuery;      // the query of the last report entry chosen
    bool m_totalsLast = false;  // the last report entry chosen was the totals
    bool m_shownLast = false;   // or the records shown
    bool m_duplicatesLast = false;
    std::function<void(DuplicatesReport&)> m_fillDuplicates;
    QWidget* m_window = nullptr;
    StatisticsWindow* m_statistics = nullptr;
};

}  // namespace kbs
