#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;
#include <cstdint>
#include <functional>
#include <vector>

namespace kbs {

class CatalogueSession;
class DataReport;
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

    // `ids` gives the IDs of the duplicates, in the Duplicates report's order.
    void setDuplicateIds(std::function<std::vector<std::int64_t>()> ids) {
        m_duplicateIds = std::move(ids);
    }

    // The Report menu's "Statistics…" (with its key, working anywhere in `window`), and the
    // window it opens, of the records shown, kept while the catalogue window lives.
    void addStatisticsEntry(QWidget& window, QMenu& reportMenu);
    void showStatistics();
    StatisticsWindow* statisticsWindow() const { return m_statistics; }
    void recordsChanged();  // the records shown changed: the statistics follow, when open

    // Shows the report of a Report entry; false when `text` names none.
    bool choose(const QString& text);
    void showLast();

private:
    void showReport(const QString& query, const QString& caption,
                    const std::vector<std::int64_t>* only = nullptr);
    void showShown();
    void showDuplicates();
    void showTotals();

    CatalogueSession& m_session;
    QPointer<DataReport> DataReport1;
    QPointer<TotalsReport> TotalsReport1;
    std::function<std::vector<std::int64_t>()> m_shownIds;
    QString m_reportQuery;      // the query of the last report entry chosen
    bool m_totalsLast = false;  // the last report entry chosen was the totals
    bool m_shownLast = false;   // or the records shown
    bool m_duplicatesLast = false;
    std::function<std::vector<std::int64_t>()> m_duplicateIds;
    QWidget* m_window = nullptr;
    StatisticsWindow* m_statistics = nullptr;
};

}  // namespace kbs
